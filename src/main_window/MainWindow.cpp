#include "main_window/MainWindow.h"

#include "files/ExportDialog.h"
#include "files/PictureExport.h"
#include "files/SavePath.h"
#include "files/SavePicture.h"
#include "files/SavePictureDialog.h"
#include "help/AboutWindow.h"
#include "help/HelpKey.h"
#include "help/HelpPath.h"
#include "main_window/DrawingArea.h"
#include "widgets/ColourControls.h"
#include "widgets/ColourSlider.h"
#include "widgets/Icons.h"
#include "widgets/WindowPlacement.h"

#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>

namespace {

constexpr int rowTop = 72;
constexpr int rowPitch = 24;
constexpr int captionLeft = 648;
constexpr int sliderLeft = 688;
constexpr int readoutLeft = 816;

} // namespace

MainWindow::MainWindow(kaleidra::RandomSource &random, QWidget *parent)
    : QMainWindow(parent, frameKind)
    , m_engine(random, &m_figures)
{
    setWindowTitle(QStringLiteral("カレイドラ"));
    setWindowIcon(Icons::program());

    buildMenus();
    buildControls();
    // The client area keeps its size below the menu bar; the user cannot resize.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    layout()->activate();

    loadStartValues();

    m_clock.setObjectName(QStringLiteral("clock"));
    m_clock.setTimerType(Qt::PreciseTimer);
    m_clock.setInterval(tickMilliseconds);
    connect(&m_clock, &QTimer::timeout, this, &MainWindow::tick);
    m_clock.start();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildMenus()
{
    QMenu *fileMenu = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
    m_saveAction = fileMenu->addAction(QStringLiteral("上書き保存(&S)"), this, &MainWindow::save);
    fileMenu->addAction(QStringLiteral("名前を付けて保存(&A)"), this, &MainWindow::saveAs)->setObjectName(QStringLiteral("saveAsAction"));
    m_exportAction = fileMenu->addAction(QStringLiteral("エクスポート(&E)..."), this, &MainWindow::exportPicture);
    m_exportAction->setObjectName(QStringLiteral("exportAction"));
    fileMenu->addAction(QStringLiteral("終了(&X)"), this, &MainWindow::quit);

    QMenu *helpMenu = menuBar()->addMenu(QStringLiteral("ヘルプ(&H)"));
    helpMenu->addAction(QStringLiteral("目次(&H)"), this, &MainWindow::showHelpContents);
    helpMenu->addAction(QStringLiteral("バージョン情報(&V)"), this, &MainWindow::showAbout)->setObjectName(QStringLiteral("aboutAction"));
}

void MainWindow::buildControls()
{
    auto *client = new QWidget(this);
    client->setFixedSize(clientWidth, clientHeight);
    setCentralWidget(client);

    m_drawingArea = new DrawingArea(m_engine.picture(), client);
    m_drawingArea->setObjectName(QStringLiteral("drawingArea"));
    m_drawingArea->setGeometry(8, 8, 634, 634);

    m_runButton = new QPushButton(client);
    m_runButton->setObjectName(QStringLiteral("runButton"));
    m_runButton->setGeometry(696, 8, 81, 41);
    connect(m_runButton, &QPushButton::clicked, this, &MainWindow::toggleRun);

    m_colours = new ColourControls(client);
    for (std::size_t index = 0; index < colourRows.size(); ++index) {
        const ColourControls::Row &row = m_colours->row(index);
        const int top = rowTop + int(index) * rowPitch;
        row.caption->move(captionLeft, top);
        row.caption->adjustSize();
        row.slider->move(sliderLeft, top);
        row.readout->move(readoutLeft, top);
    }
    connect(m_colours, &ColourControls::valueChanged, this, [this](int row, int value) {
        boundOf(m_engine.state().bounds, colourRows[std::size_t(row)]) = std::int16_t(value);
    });

    // The red maximum comes before the red minimum in the tab order; the
    // rest of it is the order the controls were made in.
    QWidget::setTabOrder(m_colours->row(1).slider, m_colours->row(0).slider);
}

void MainWindow::loadStartValues()
{
    m_saveAction->setEnabled(false);
    m_runButton->setText(QStringLiteral("スタート"));
    m_engine.load();

    ColourControls::Values values {};
    for (std::size_t row = 0; row < colourRows.size(); ++row)
        values[row] = boundOf(m_engine.state().bounds, colourRows[row]);
    m_colours->setValues(values);
}

void MainWindow::toggleRun()
{
    const bool running = m_engine.toggleRun();
    m_runButton->setText(running ? QStringLiteral("ストップ") : QStringLiteral("スタート"));
    m_drawingArea->showChanged(m_engine.picture().takeChangedArea());
}

void MainWindow::tick()
{
    m_drawingArea->showChanged(m_engine.tick());
}

void MainWindow::save()
{
    Q_ASSERT(!m_savePath.isEmpty());
    savePicture(m_drawingArea->image(), m_savePath, this);
}

void MainWindow::saveAs()
{
    // Asked at each Save As: a folder may have become writable since start-up.
    const QString folder = SavePath::chooserFolder(m_startFolder, Runtime::programFolder(), Runtime::canWriteIn(m_startFolder),
                                                   Runtime::picturesFolder());
    SavePictureDialog chooser(m_drawingArea->image(), folder, this);
    chooser.setFilePattern(QStringLiteral("*.bmp"));
    chooser.move(WindowPlacement::quarterOfScreen(this));
    // Blocking only this window leaves the help window that F1 opens usable.
    chooser.setWindowModality(Qt::WindowModal);
    connect(&chooser, &SavePictureDialog::saved, this, [this](const QString &path) {
        m_savePath = path;
        m_saveAction->setEnabled(true);
    });
    chooser.exec();
    Runtime::giveFocusBack(this);
}

void MainWindow::exportPicture()
{
    // The picture as it is now; the run goes on drawing meanwhile.
    ExportJob job;
    job.figures = m_figures;
    job.screen = m_drawingArea->image().copy();
    ExportDialog dialog(m_exportFolder, this);
    dialog.move(WindowPlacement::quarterOfScreen(this));
    dialog.setWindowModality(Qt::WindowModal);
    const bool chosen = dialog.exec() == QDialog::Accepted;
    Runtime::giveFocusBack(this);
    if (!chosen)
        return;
    job.scale = dialog.scale();
    job.format = dialog.format();
    job.path = dialog.path();
    m_exportFolder = QFileInfo(job.path).absolutePath();

    // One export at a time.
    m_exportAction->setEnabled(false);
    auto *exporting = new PictureExport(std::move(job), this);
    connect(exporting, &PictureExport::finished, m_exportAction, [this] { m_exportAction->setEnabled(true); });
    exporting->start();
}

void MainWindow::quit()
{
    Runtime::endProgram();
}

void MainWindow::showHelpContents()
{
    if (!m_help)
        m_help = new HelpKey(this);
    m_help->setHelpFile(helpFilePath(Runtime::programFolder()));
    // Queued, so the menu has closed and the key reaches whichever window
    // has the focus then, as a key the user pressed would.
    Runtime::postKeyPress(Qt::Key_F1);
}

void MainWindow::showAbout()
{
    auto *about = new AboutWindow(this);
    about->move(WindowPlacement::quarterOfScreen(this));
    connect(about, &QDialog::finished, this, [this] { Runtime::giveFocusBack(this); });
    // Modal to this window only, without a second event loop.
    about->open();
}
