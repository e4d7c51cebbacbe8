#include "saver/Saver.h"
#include "pattern/ClockRandom.h"
#include "saver/SaverSettingsDialog.h"
#include "system/DisplayScale.h"
#include "system/Runtime.h"
#include "system/SaverHost.h"
#include "widgets/JapaneseUi.h"
#include "widgets/MessageBoxes.h"

#include <QApplication>
#include <QWindow>

#include <cstdlib>
#include <memory>

int main(int argc, char *argv[])
{
    const SaverCommandResult parsed =
        parseSaverCommand(std::vector<std::string>(argv + 1, argv + argc), std::getenv("XSCREENSAVER_WINDOW"));
    if (!parsed.error.empty()) {
        SaverHost::showError(QString::fromStdString(parsed.error));
        return 2;
    }
    if (!Runtime::hasDisplayOrSaysSo(argc, argv))
        return 1;
    const SaverCommand &command = parsed.command;
    const bool settingsOnly = command.mode == SaverCommand::Mode::Settings;
    SaverHost::prepareProcess(!settingsOnly);
    if (settingsOnly)
        useDesktopScale();
    QApplication app(argc, argv);
    installJapaneseUi(app);

    SaverSettings settings = SaverSettings::readUser();
    if (settingsOnly) {
        SaverSettingsDialog dialog(settings);
        // /c:HWND names the window of Screen Saver Settings that the settings belong to.
        std::unique_ptr<QWindow> owner;
        if (command.window != 0) {
            owner.reset(QWindow::fromWinId(WId(command.window)));
            dialog.winId();
            dialog.windowHandle()->setTransientParent(owner.get());
        }
        if (dialog.exec() == QDialog::Accepted && !dialog.settings().writeUser()) {
            MessageBoxes::showError(nullptr, QStringLiteral("設定を保存できませんでした。"));
            return 1;
        }
        return 0;
    }
    settings.applyOptions(command);
    kaleidra::ClockRandom random;
    Saver saver(command, settings, random);
    const QString failure = saver.start();
    if (!failure.isEmpty()) {
        SaverHost::showError(failure);
        return 1;
    }
    return app.exec();
}
