#pragma once

#include <array>

class QSettings;
struct SaverCommand;
namespace kaleidra {
struct PatternState;
}

// What the user sets for the screen saver: the six colour bounds, in the
// order of the main window's colour rows, and how often the picture is
// cleared. Stored per user.
struct SaverSettings {
    std::array<int, 6> bounds { 0, 255, 0, 255, 0, 255 };
    int intervalSeconds = 180;

    // Values out of range are brought in, and a minimum above its maximum
    // yields to it, as its slider would.
    static SaverSettings read(QSettings &store);
    // Whether the store took them.
    bool write(QSettings &store) const;

    // The user's own store: the registry on Windows, ~/.config on Linux.
    static SaverSettings readUser();
    bool writeUser() const;

    void applyOptions(const SaverCommand &command);
    void copyBoundsTo(kaleidra::PatternState &state) const;

private:
    void makeValid();
};
