#pragma once

#include "pattern/FigureLog.h"
#include "pattern/PatternEngine.h"
#include "system/Runtime.h"

#include <QMainWindow>
#include <QString>
#include <QTimer>

class ColourControls;
class DrawingArea;
class HelpKey;
class QAction;
class QPushButton;

namespace kaleidra {
class RandomSource;
}

// The main window: the drawing area, the start/stop button, the six colour
// range rows and the menus, wired to the pattern engine.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    static constexpr int clientWidth = 847;
    static constexpr int clientHeight = 655;
    // The menu bar above the client area, with the program's 9-point text.
    static constexpr int menuBarHeight = 18;
    static constexpr QSize designSize { clientWidth, clientHeight + menuBarHeight };
    // Fixed size, a title and a close button only.
    static constexpr Qt::WindowFlags frameKind = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
    static constexpr int tickMilliseconds = 100;

    explicit MainWindow(kaleidra::RandomSource &random, QWidget *parent = nullptr);
    ~MainWindow() override;

    kaleidra::PatternEngine &engine() { return m_engine; }
    DrawingArea *drawingArea() const { return m_drawingArea; }
    // Every figure since the picture was last cleared.
    const kaleidra::FigureLog &figures() const { return m_figures; }
    QAction *saveAction() const { return m_saveAction; }
    // Where File > Save writes: the file the chooser saved last; empty before.
    QString savePath() const { return m_savePath; }

private slots:
    void toggleRun();
    void tick();
    void save();
    void saveAs();
    void exportPicture();
    void quit();
    void showHelpContents();
    void showAbout();

private:
    void buildMenus();
    void buildControls();
    void loadStartValues();

    // Before the engine, which notes every figure in it.
    kaleidra::FigureLog m_figures;
    kaleidra::PatternEngine m_engine;
    QTimer m_clock { this };
    DrawingArea *m_drawingArea = nullptr;
    QPushButton *m_runButton = nullptr;
    ColourControls *m_colours = nullptr;
    QAction *m_saveAction = nullptr;
    QAction *m_exportAction = nullptr;
    HelpKey *m_help = nullptr;
    QString m_savePath;
    // Every Save As opens here; the program never changes its current folder.
    const QString m_startFolder = Runtime::startFolder();
    // Where the last export went in this run; the Pictures folder before.
    QString m_exportFolder = Runtime::picturesFolder();
};
