#include "system/SaverHost.h"

#include <QString>

#include <windows.h>

namespace SaverHost {

void prepareProcess(bool drawing)
{
    // A .scr started by Windows' own settings may run without the manifest
    // of kaleidra.scr (through the starter in the system folder), so the
    // preview's pixels are asked for in code too.
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    if (drawing)
        qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
}

std::optional<QSize> windowSize(WId window)
{
    const HWND handle = reinterpret_cast<HWND>(window);
    RECT inside;
    if (!IsWindow(handle) || !GetClientRect(handle, &inside))
        return {};
    // A client rectangle's top left is always 0, 0.
    return QSize(int(inside.right), int(inside.bottom));
}

void takeKeyboard(QWindow &window)
{
    // Qt activates no window of a program that is not in the foreground,
    // and Windows starts a screen saver in the background.
    const HWND handle = reinterpret_cast<HWND>(window.winId());
    SetForegroundWindow(handle);
    SetActiveWindow(handle);
    SetFocus(handle);
}

void showError(const QString &message)
{
    MessageBoxW(nullptr, reinterpret_cast<const wchar_t *>(message.utf16()), L"カレイドラ スクリーン セーバー",
                MB_OK | MB_ICONERROR);
}

} // namespace SaverHost
