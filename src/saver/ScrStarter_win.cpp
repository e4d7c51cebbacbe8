// The screen saver as Windows' Screen Saver Settings finds it, in the system
// folder: it starts kaleidra.scr where the installer put it, beside its DLLs,
// with the same arguments, and ends as that ends.
#include <windows.h>

#include <string>

namespace {

const wchar_t title[] = L"カレイドラ スクリーン セーバー";

// The command line after this program's own name, as Windows wrote it.
const wchar_t *argumentsAfterName(const wchar_t *line)
{
    if (*line == L'"') {
        ++line;
        while (*line && *line != L'"')
            ++line;
        if (*line)
            ++line;
    } else {
        while (*line && *line != L' ' && *line != L'\t')
            ++line;
    }
    while (*line == L' ' || *line == L'\t')
        ++line;
    return line;
}

int failed(const std::wstring &why, DWORD error)
{
    wchar_t *text = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                   nullptr, error, 0, reinterpret_cast<wchar_t *>(&text), 0, nullptr);
    const std::wstring message = why + L"\n" + (text ? text : L"");
    LocalFree(text);
    MessageBoxW(nullptr, message.c_str(), title, MB_OK | MB_ICONERROR);
    return 1;
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    wchar_t folder[4 * MAX_PATH];
    DWORD size = sizeof folder;
    const LSTATUS found = RegGetValueW(HKEY_LOCAL_MACHINE,
                                       L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\kaleidra",
                                       L"InstallLocation", RRF_RT_REG_SZ, nullptr, folder, &size);
    if (found != ERROR_SUCCESS)
        return failed(L"カレイドラのインストール先が見つかりません。インストールし直してください。", DWORD(found));

    const std::wstring program = std::wstring(folder) + L"\\kaleidra.scr";
    std::wstring command = L"\"" + program + L"\" " + argumentsAfterName(GetCommandLineW());
    STARTUPINFOW startup {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process {};
    if (!CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder, &startup,
                        &process))
        return failed(program + L" を起動できません。", GetLastError());
    CloseHandle(process.hThread);
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD status = 1;
    GetExitCodeProcess(process.hProcess, &status);
    CloseHandle(process.hProcess);
    return int(status);
}
