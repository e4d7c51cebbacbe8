#include "saver/SaverCommand.h"

#include "pattern/PatternState.h"

#include <cctype>
#include <limits>

const std::array<const char *, 6> saverBoundOptions { "red-min", "red-max", "green-min",
                                                      "green-max", "blue-min", "blue-max" };

namespace {

const std::string usage = "使い方: kaleidra-saver [/s | /p HWND | /c] または "
                          "[-root | -window-id N] [-red-min 0..255 ... -blue-max 0..255] [-interval 秒]";

std::string lower(std::string text)
{
    for (char &c : text)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// Decimal, or hexadecimal after 0x, as XScreenSaver and Windows write window
// numbers; nothing else, so that "12abc" or "-5" is no window.
std::optional<std::uint64_t> parseNumber(const std::string &text)
{
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const std::string digits = hex ? text.substr(2) : text;
    const std::uint64_t base = hex ? 16 : 10;
    if (digits.empty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (char c : digits) {
        const int lowered = std::tolower(static_cast<unsigned char>(c));
        int digit;
        if (lowered >= '0' && lowered <= '9')
            digit = lowered - '0';
        else if (hex && lowered >= 'a' && lowered <= 'f')
            digit = lowered - 'a' + 10;
        else
            return std::nullopt;
        if (value > (std::numeric_limits<std::uint64_t>::max() - std::uint64_t(digit)) / base)
            return std::nullopt;
        value = value * base + std::uint64_t(digit);
    }
    return value;
}

SaverCommandResult failure(const std::string &why)
{
    SaverCommandResult result;
    result.error = why + "\n" + usage;
    return result;
}

} // namespace

SaverCommandResult parseSaverCommand(const std::vector<std::string> &arguments, const char *xscreensaverWindow)
{
    SaverCommandResult result;
    SaverCommand &command = result.command;
    bool modeGiven = false;
    const auto setMode = [&](SaverCommand::Mode mode, std::uint64_t window) {
        using Mode = SaverCommand::Mode;
        if (modeGiven) {
            // -root only says "the whole screen" where no window is named, as XScreenSaver's own
            // hacks take it: its settings tool passes -root beside the preview's -window-id.
            const bool rootBesideWindow = (mode == Mode::Root && command.mode == Mode::Window)
                || (mode == Mode::Window && command.mode == Mode::Root);
            const bool sameWindow = mode == Mode::Window && command.mode == Mode::Window && window == command.window;
            if (!rootBesideWindow && !sameWindow)
                return false;
            if (mode == Mode::Root)
                return true;
        }
        modeGiven = true;
        command.mode = mode;
        command.window = window;
        return true;
    };

    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string &argument = arguments[i];
        const std::string lowered = lower(argument);
        const bool hasNext = i + 1 < arguments.size();
        // Windows passes the window of /c and /p after a colon or as the next word.
        const auto windowOf = [&](std::size_t switchLength, bool required) -> std::optional<std::uint64_t> {
            if (lowered.size() > switchLength && lowered[switchLength] == ':')
                return parseNumber(argument.substr(switchLength + 1));
            if (lowered.size() > switchLength)
                return std::nullopt;
            if (required && hasNext)
                return parseNumber(arguments[++i]);
            return required ? std::nullopt : std::optional<std::uint64_t>(0);
        };

        std::string option = lowered;
        if (option.rfind("--", 0) == 0)
            option.erase(0, 1);
        bool understood = true;
        if (lowered == "/s") {
            understood = setMode(SaverCommand::Mode::FullScreen, 0);
        } else if (lowered.rfind("/c", 0) == 0) {
            const auto owner = windowOf(2, false);
            if (!owner)
                return failure("設定の窓の番号が読めません: " + argument);
            understood = setMode(SaverCommand::Mode::Settings, *owner);
        } else if (lowered.rfind("/p", 0) == 0) {
            const auto preview = windowOf(2, true);
            if (!preview || *preview == 0)
                return failure("プレビューの窓の番号が読めません: " + argument);
            understood = setMode(SaverCommand::Mode::Preview, *preview);
        } else if (option == "-root") {
            understood = setMode(SaverCommand::Mode::Root, 0);
        } else if (option == "-window-id") {
            const auto window = hasNext ? parseNumber(arguments[++i]) : std::nullopt;
            if (!window || *window == 0)
                return failure("-window-id の後に窓の番号 (10 進か 0x の 16 進) が要ります");
            understood = setMode(SaverCommand::Mode::Window, *window);
        } else if (option == "-interval") {
            const auto seconds = hasNext ? parseNumber(arguments[++i]) : std::nullopt;
            if (!seconds || *seconds < std::uint64_t(minimumIntervalSeconds)
                || *seconds > std::uint64_t(maximumIntervalSeconds))
                return failure("-interval の後に " + std::to_string(minimumIntervalSeconds) + " から "
                               + std::to_string(maximumIntervalSeconds) + " までの秒数が要ります");
            command.intervalSeconds = int(*seconds);
        } else {
            understood = false;
            for (std::size_t row = 0; row < saverBoundOptions.size(); ++row) {
                if (option != std::string("-") + saverBoundOptions[row])
                    continue;
                const auto value = hasNext ? parseNumber(arguments[++i]) : std::nullopt;
                if (!value || *value > kaleidra::PatternState::highestLevel)
                    return failure(argument + " の後に 0 から 255 までの数が要ります");
                command.bounds[row] = int(*value);
                understood = true;
            }
            if (!understood)
                return failure("知らない引数です: " + argument);
        }
        if (!understood)
            return failure("動きを二つ以上指定しています: " + argument);
    }

    // XScreenSaver names the window it made for the hack in the environment,
    // and may pass -root beside it.
    const bool rootOrNothing = !modeGiven || command.mode == SaverCommand::Mode::Root;
    if (xscreensaverWindow && rootOrNothing) {
        const auto window = parseNumber(xscreensaverWindow);
        if (!window || *window == 0)
            return failure(std::string("XSCREENSAVER_WINDOW の窓の番号が読めません: ") + xscreensaverWindow);
        command.mode = SaverCommand::Mode::Window;
        command.window = *window;
    }
    return result;
}
