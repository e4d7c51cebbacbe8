#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What the screen saver was asked to do, from its command line and the
// environment: Windows' screen-saver switches and XScreenSaver's options.
struct SaverCommand {
    enum class Mode {
        Settings,   // "", /c, /c:HWND
        FullScreen, // /s: a window on every screen, ended by the user
        Preview,    // /p HWND, /p:HWND: inside Windows' small preview
        Window,     // -window-id N or XSCREENSAVER_WINDOW: inside a given X window
        Root,       // -root: on the whole desktop's root window
    };

    Mode mode = Mode::Settings;
    std::uint64_t window = 0;
    // XScreenSaver's settings come as options; each overrides the stored
    // value. Bounds in the order of the colour rows: red min, red max, ...
    std::array<std::optional<int>, 6> bounds {};
    std::optional<int> intervalSeconds;
};

struct SaverCommandResult {
    SaverCommand command;
    // Empty when the command line was understood, else why not, in Japanese.
    std::string error;
};

// arguments excludes the program name; xscreensaverWindow is the value of
// XSCREENSAVER_WINDOW, or null when it is not set.
SaverCommandResult parseSaverCommand(const std::vector<std::string> &arguments, const char *xscreensaverWindow);

// The options XScreenSaver's settings pass for the colour bounds, in the
// order of the colour rows.
extern const std::array<const char *, 6> saverBoundOptions;

inline constexpr int minimumIntervalSeconds = 10;
inline constexpr int maximumIntervalSeconds = 3600;
