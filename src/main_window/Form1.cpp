#include "Form1.h"

#include "ColourSlider.h"
#include "PictureBox.h"
#include "about/HelpKey.h"
#include "about/HelpPath.h"
#include "about/frmAbout.h"
#include "files/Form2.h"
#include "files/Module1.h"
#include "files/SavePicture.h"
#include "platform/Icons.h"
#include "platform/Runtime.h"
#include "platform/Twips.h"

#include <QAction>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>

namespace {

constexpr int rowTop = 72;
constexpr int rowPitch = 24;
constexpr int captionLeft = 648;
constexpr int sliderLeft = 688;
constexpr int readoutLeft = 816;
// Inside a read-out's border.
constexpr int readoutInside = 23;

// Whether text drawn right-aligned in a box of the given width leaves the
// box's first and last columns blank.
bool staysClear(const QFont &font, const QString &text, int width)
{
    QImage box(width, 2 * QFontMetrics(font).height(), QImage::Format_RGB32);
    box.fill(Qt::white);
    QPainter painter(&box);
    painter.setFont(font);
    painter.drawText(box.rect(), Qt::AlignRight | Qt::AlignVCenter, text);
    painter.end();
    // Edge smoothing fainter than this is no ink to the eye.
    constexpr int ink = 255 - 48;
    for (int y = 0; y < box.height(); ++y) {
        if (qGray(box.pixel(0, y)) < ink || qGray(box.pixel(width - 1, y)) < ink)
            return false;
    }
    return true;
}

// The font, made smaller where its digits are wider than the window was laid
// out for, so that the widest read-out keeps clear of its border.
QFont fittingFont(QFont font, const QString &widest, int width)
{
    while (font.pixelSize() > 6 && !staysClear(font, widest, width))
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}

} // namespace

Form1::Form1(kaleidra::RandomSource &random, QWidget *parent)
    : QMainWindow(parent)
    , m_engine(random)
{
    setWindowTitle(QStringLiteral("カレイドラ"));
    setWindowIcon(Icons::program());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                   | Qt::MSWindowsFixedSizeDialogHint);

    buildMenus();
    buildControls();
    // The client area keeps its size below the menu bar; the user cannot resize.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    layout()->activate();

    Form_Load();

    Timer1.setTimerType(Qt::PreciseTimer);
    Timer1.setInterval(tickMilliseconds);
    connect(&Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
    Timer1.start();
}

Form1::~Form1() = default;

void Form1::buildMenus()
{
    QMenu *mnuFile = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuSave = mnuFile->addAction(QStringLiteral("上書き保存(&S)"), this, &Form1::mnuSave_Click);
    mnuSaveAs = mnuFile->addAction(QStringLiteral("名前を付けて保存(&A)"), this, &Form1::mnuSaveAs_Click);
    mnuExit = mnuFile->addAction(QStringLiteral("終了(&X)"), this, &Form1::mnuExit_Click);

    QMenu *mnuHelp = menuBar()->addMenu(QStringLiteral("ヘルプ(&H)"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuMokuji = mnuHelp->addAction(QStringLiteral("目次(&H)"), this, &Form1::mnuMokuji_Click);
    mnuVersion = mnuHelp->addAction(QStringLiteral("バージョン情報(&V)"), this, &Form1::mnuVersion_Click);

    mnuSave->setObjectName(QStringLiteral("mnuSave"));
    mnuSaveAs->setObjectName(QStringLiteral("mnuSaveAs"));
    mnuExit->setObjectName(QStringLiteral("mnuExit"));
    mnuMokuji->setObjectName(QStringLiteral("mnuMokuji"));
    mnuVersion->setObjectName(QStringLiteral("mnuVersion"));
}

void Form1::buildControls()
{
    auto *client = new QWidget(this);
    client->setFixedSize(clientWidth, clientHeight);
    setCentralWidget(client);

    Picture1 = new PictureBox(m_engine.picture(), client);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(8, 8, 634, 634);

    comstart = new QPushButton(client);
    comstart->setObjectName(QStringLiteral("comstart"));
    comstart->setGeometry(696, 8, 81, 41);
    connect(comstart, &QPushButton::clicked, this, &Form1::comstart_Click);

    // The read-outs share one font, fitted to their widest number once.
    const QFont readoutFont = fittingFont(client->font(), QStringLiteral("255"), readoutInside);
    for (int row = 0; row < int(colourRows.size()); ++row) {
        const ColourRow &description = colourRows[row];
        const int top = rowTop + row * rowPitch;
        const QString caption = QString::fromUtf8(description.caption);

        auto *label = new QLabel(caption, client);
        label->setObjectName(QString::fromLatin1(description.captionName));
        label->move(captionLeft, top);
        label->adjustSize();

        auto *slider = new ColourSlider(client);
        slider->setObjectName(QString::fromLatin1(description.sliderName));
        slider->setGeometry(sliderLeft, top, 121, 17);
        slider->setRange(0, 255);
        slider->setSingleStep(1);
        slider->setPageStep(10);
        // Bounds change when the thumb is let go, not while it is dragged.
        slider->setTracking(false);
        slider->setAccessibleName(caption);
        label->setBuddy(slider);
        connect(slider, &QScrollBar::valueChanged, this, [this, row] { colourSliderChange(row); });
        m_sliders[row] = slider;

        auto *readout = new QLabel(client);
        readout->setObjectName(QString::fromLatin1(description.readoutName));
        readout->setGeometry(readoutLeft, top, 25, 17);
        readout->setFrameStyle(QFrame::Box | QFrame::Plain);
        readout->setLineWidth(1);
        readout->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        // "255" needs all 23 pixels inside the border but the digits' own
        // side bearings; Qt's default indent of half an "x" pushes it onto the line.
        readout->setIndent(0);
        readout->setFont(readoutFont);
        // Read out as the number it shows; the caption names the slider.
        readout->setAccessibleDescription(caption);
        m_readouts[row] = readout;
    }

    // The red maximum comes before the red minimum in the tab order.
    const std::array<QWidget *, 8> tabOrder { Picture1, comstart, m_sliders[1], m_sliders[0],
                                              m_sliders[2], m_sliders[3], m_sliders[4], m_sliders[5] };
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i - 1], tabOrder[i]);
}

void Form1::Form_Load()
{
    mnuSave->setEnabled(false);
    comstart->setText(QStringLiteral("スタート"));
    m_engine.load();

    const kaleidra::PatternState &state = m_engine.state();
    for (std::size_t row = 0; row < colourRows.size(); ++row)
        m_sliders[row]->setValue(state.*colourRows[row].bound);
    for (std::size_t row = 0; row < colourRows.size(); ++row)
        m_readouts[row]->setText(QString::number(state.*colourRows[row].bound));
}

void Form1::comstart_Click()
{
    const bool running = m_engine.toggleRun();
    comstart->setText(running ? QStringLiteral("ストップ") : QStringLiteral("スタート"));
    Picture1->showChanged(m_engine.picture().takeChangedArea());
}

void Form1::Timer1_Timer()
{
    Picture1->showChanged(m_engine.tick());
}

// A slider pushed past its partner yields to it. Setting its value runs this
// handler again, nested; both runs then write the same read-out and bound.
void Form1::colourSliderChange(int row)
{
    const ColourRow &description = colourRows[row];
    QScrollBar *slider = m_sliders[row];
    const QScrollBar *partner = m_sliders[description.partner];

    const int minimum = (description.isMinimum ? slider : partner)->value();
    const int maximum = (description.isMinimum ? partner : slider)->value();
    if (minimum > maximum)
        slider->setValue(partner->value());

    m_readouts[row]->setText(QString::number(slider->value()));
    m_engine.state().*description.bound = static_cast<std::int16_t>(slider->value());
}

void Form1::mnuSave_Click()
{
    Q_ASSERT(!Module1::saveFileName.isEmpty());
    savePicture(Picture1->image(), Module1::saveFileName, this);
}

void Form1::mnuSaveAs_Click()
{
    Form2 chooser(Picture1->image(), mnuSave, m_startFolder, this);
    chooser.setFilePattern(QStringLiteral("*.bmp"));
    chooser.move(Twips::quarterOfScreen(this));
    // Blocking only this window leaves the help window that F1 opens usable.
    chooser.setWindowModality(Qt::WindowModal);
    chooser.exec();
    Runtime::giveFocusBack(this);
}

void Form1::mnuExit_Click()
{
    Runtime::endProgram();
}

void Form1::mnuMokuji_Click()
{
    if (!m_help)
        m_help = new HelpKey(this);
    m_help->setHelpFile(helpFilePath(Runtime::programFolder()));
    // Queued, so the menu has closed and the key reaches whichever window
    // has the focus then, as a key the user pressed would.
    Runtime::postKeyPress(Qt::Key_F1);
}

void Form1::mnuVersion_Click()
{
    auto *about = new frmAbout(this);
    about->move(Twips::quarterOfScreen(this));
    about->setWindowModality(Qt::WindowModal);
    about->exec();
    Runtime::giveFocusBack(this);
}
