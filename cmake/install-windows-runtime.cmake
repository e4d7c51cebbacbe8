# Run by `cmake --install` for the Windows program, and for the Windows test
# programs' folder: copies beside them the DLLs that they and their plugins
# import, directly or through each other, found as Windows would find them in
# the Qt and MinGW-w64 folders. What is in none of those folders comes with
# Windows itself. Lists may be given with "|" for ";".
foreach(list KALEIDRA_PROGRAM KALEIDRA_PLUGINS KALEIDRA_DLL_FOLDERS)
    string(REPLACE "|" ";" ${list} "${${list}}")
endforeach()
set(CMAKE_GET_RUNTIME_DEPENDENCIES_PLATFORM windows+pe)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_TOOL objdump)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_COMMAND "${KALEIDRA_OBJDUMP}")

# Windows names DLLs without regard to case and CMake looks them up in lower
# case, which a Linux file system tells apart from Qt6Core.dll: the search
# goes through links named in lower case.
set(lower_case "${CMAKE_CURRENT_BINARY_DIR}/windows-dll-names")
file(REMOVE_RECURSE "${lower_case}")
set(folders)
foreach(folder IN LISTS KALEIDRA_DLL_FOLDERS)
    string(MD5 key "${folder}")
    file(MAKE_DIRECTORY "${lower_case}/${key}")
    file(GLOB dlls "${folder}/*.dll")
    foreach(dll IN LISTS dlls)
        get_filename_component(name "${dll}" NAME)
        string(TOLOWER "${name}" name)
        file(CREATE_LINK "${dll}" "${lower_case}/${key}/${name}" SYMBOLIC)
    endforeach()
    list(APPEND folders "${lower_case}/${key}")
endforeach()

file(GET_RUNTIME_DEPENDENCIES
    EXECUTABLES ${KALEIDRA_PROGRAM}
    MODULES ${KALEIDRA_PLUGINS}
    DIRECTORIES ${folders}
    RESOLVED_DEPENDENCIES_VAR found
    UNRESOLVED_DEPENDENCIES_VAR from_windows
    CONFLICTING_DEPENDENCIES_PREFIX twice)
# A copy beside the programs, from an earlier run, gives way to its original.
foreach(name IN LISTS twice_FILENAMES)
    list(FILTER twice_${name} INCLUDE REGEX "^${lower_case}/")
    list(APPEND found ${twice_${name}})
endforeach()
foreach(link IN LISTS found)
    file(REAL_PATH "${link}" dll)
    file(INSTALL "${dll}" DESTINATION "${CMAKE_INSTALL_PREFIX}")
    get_filename_component(name "${dll}" NAME)
    # MinGW-w64's runtime comes with its debugging information.
    execute_process(COMMAND "${KALEIDRA_STRIP}" --strip-unneeded "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${name}"
                    COMMAND_ERROR_IS_FATAL ANY)
endforeach()
file(REMOVE_RECURSE "${lower_case}")
message(STATUS "Windows DLLs the system provides: ${from_windows}")
