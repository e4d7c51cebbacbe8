#pragma once

#include "ColourRows.h"
#include "pattern/PatternEngine.h"
#include "platform/Runtime.h"

#include <QMainWindow>
#include <QTimer>

#include <array>

class HelpKey;
class PictureBox;
class QAction;
class QLabel;
class QPushButton;
class QScrollBar;

namespace kaleidra {
class RandomSource;
}

// The main window: the drawing area, the start/stop button, the six colour
// range rows and the menus, wired to the pattern engine.
class Form1 : public QMainWindow {
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

    explicit Form1(kaleidra::RandomSource &random, QWidget *parent = nullptr);
    ~Form1() override;

    kaleidra::PatternEngine &engine() { return m_engine; }
    PictureBox *pictureBox() const { return Picture1; }
    QAction *saveAction() const { return mnuSave; }

private slots:
    void comstart_Click();
    void Timer1_Timer();
    void mnuSave_Click();
    void mnuSaveAs_Click();
    void mnuExit_Click();
    void mnuMokuji_Click();
    void mnuVersion_Click();

private:
    void buildMenus();
    void buildControls();
    void Form_Load();
    void colourSliderChange(int row);

    kaleidra::PatternEngine m_engine;
    QTimer Timer1 { this };
    PictureBox *Picture1 = nullptr;
    QPushButton *comstart = nullptr;
    std::array<QScrollBar *, colourRows.size()> m_sliders {};
    std::array<QLabel *, colourRows.size()> m_readouts {};
    QAction *mnuSave = nullptr;
    QAction *mnuSaveAs = nullptr;
    QAction *mnuExit = nullptr;
    QAction *mnuMokuji = nullptr;
    QAction *mnuVersion = nullptr;
    HelpKey *m_help = nullptr;
    // Every Save As opens here; the program never changes its current folder.
    const QString m_startFolder = Runtime::startFolder();
};
