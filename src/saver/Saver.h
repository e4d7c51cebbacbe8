#pragma once

#include "pattern/PatternEngine.h"
#include "saver/ExitRule.h"
#include "saver/SaverCommand.h"
#include "saver/SaverSettings.h"

#include <QElapsedTimer>
#include <QImage>
#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>
#include <optional>
#include <vector>

class SaverView;

// The screen saver at work: one pattern engine, a view of its picture on
// every screen or in the given window, a pattern every 100 ms, a fresh start
// at the set interval, and the end when the user acts or the window goes.
class Saver : public QObject {
    Q_OBJECT

public:
    Saver(const SaverCommand &command, const SaverSettings &settings, kaleidra::RandomSource &random);
    ~Saver() override;

    // Shows the views and starts drawing; else says why not.
    QString start();

private:
    void showOnEveryScreen();
    void showInside(WId window, QSize size);
    void tick();
    void pointerMoved(QPoint global);

    SaverCommand m_command;
    SaverSettings m_settings;
    kaleidra::PatternEngine m_engine;
    QImage m_image;
    std::unique_ptr<QWindow> m_host;
    std::vector<std::unique_ptr<SaverView>> m_views;
    std::optional<ExitRule> m_exitRule;
    QTimer m_timer;
    QElapsedTimer m_sinceClear;
};
