#include "Form1.h"

#include "ColourSlider.h"
#include "PictureBox.h"
#include "about/HelpKey.h"
#include "about/HelpPath.h"
#include "about/frmAbout.h"
#include "files/Form2.h"
#include "files/Module1.h"
#include "files/SavePath.h"
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
#include <QStringList>

namespace {

constexpr int rowTop = 72;
constexpr int rowPitch = 24;
constexpr int captionLeft = 648;
constexpr int sliderLeft = 688;
constexpr int readoutLeft = 816;
constexpr int readoutWidth = 25;
constexpr int readoutHeight = 17;

// Whether each text, right-aligned inside a read-out's one-pixel border
// with the given indent, leaves the design columns next to the border blank
// as the screen's scale draws them. The read-outs start on whole screen
// pixels, so the window draws them as this does.
bool staysClear(const QFont &font, const QStringList &texts, int indent, qreal scale)
{
    const QSize readout(readoutWidth, readoutHeight);
    const auto at = [scale](int designPixel) { return qRound(designPixel * scale); };
    for (const QString &text : texts) {
        QImage box(readout * scale, QImage::Format_RGB32);
        box.setDevicePixelRatio(scale);
        box.fill(Qt::white);
        QPainter painter(&box);
        painter.setFont(font);
        // Centred on the box as on the room between the border's rows, the
        // text inks the same columns; only where the room ends counts.
        painter.drawText(QRect(QPoint(), QSize(readoutWidth - 1 - indent, readoutHeight)), Qt::AlignRight | Qt::AlignVCenter, text);
        painter.end();
        // Edge smoothing fainter than this is no ink to the eye.
        constexpr int ink = 255 - 48;
        for (int y = 0; y < box.height(); ++y) {
            for (int x : { at(1), at(2) - 1, at(readoutWidth - 2), at(readoutWidth - 1) - 1 }) {
                if (qGray(box.pixel(x, y)) < ink)
                    return false;
            }
        }
    }
    return true;
}

struct ReadoutText {
    QFont font;
    int indent;
};

// The widest number needs all the room inside the border but the digits'
// own side bearings, which a fractional scale can round away; then the
// numbers keep one design pixel from the right border instead. Where even
// the widest is wider than the window was laid out for, the font shrinks.
ReadoutText fittingReadoutText(const QFont &font, qreal scale)
{
    QStringList texts { QStringLiteral("255") };
    for (char digit = '0'; digit <= '9'; ++digit)
        texts << QString(QLatin1Char(digit));
    for (int indent : { 0, 1 }) {
        QFont fitted = font;
        while (fitted.pixelSize() > 6 && !staysClear(fitted, texts, indent, scale))
            fitted.setPixelSize(fitted.pixelSize() - 1);
        if (staysClear(fitted, texts, indent, scale))
            return { fitted, indent };
    }
    return { font, 1 };
}

} // namespace

Form1::Form1(kaleidra::RandomSource &random, QWidget *parent)
    : QMainWindow(parent, frameKind)
    , m_engine(random)
{
    setWindowTitle(QStringLiteral("カレイドラ"));
    setWindowIcon(Icons::program());

    buildMenus();
    buildControls();
    // The client area keeps its size below the menu bar; the user cannot resize.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    layout()->activate();

    Form_Load();

    Timer1.setObjectName(QStringLiteral("Timer1"));
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
    const ReadoutText readoutText = fittingReadoutText(client->font(), devicePixelRatioF());
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
        slider->setRange(0, kaleidra::PatternState::highestLevel);
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
        readout->setGeometry(readoutLeft, top, readoutWidth, readoutHeight);
        readout->setFrameStyle(QFrame::Box | QFrame::Plain);
        readout->setLineWidth(1);
        readout->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        // Qt's default indent of half an "x" would push "255" onto the border.
        readout->setIndent(readoutText.indent);
        readout->setFont(readoutText.font);
        // Read out as the number it shows; the caption names the slider.
        readout->setAccessibleDescription(caption);
        m_readouts[row] = readout;
    }

    // The red maximum comes before the red minimum in the tab order; the
    // rest of it is the order the controls were made in.
    QWidget::setTabOrder(m_sliders[1], m_sliders[0]);
}

void Form1::Form_Load()
{
    mnuSave->setEnabled(false);
    comstart->setText(QStringLiteral("スタート"));
    m_engine.load();

    // Last row first: each maximum is set before its minimum, which would
    // otherwise yield to a maximum still at 0. A slider already at its value
    // reports no change, so the read-out is set here too.
    const kaleidra::PatternState &state = m_engine.state();
    for (std::size_t row = colourRows.size(); row-- > 0;) {
        m_sliders[row]->setValue(state.*colourRows[row].bound);
        m_readouts[row]->setText(QString::number(state.*colourRows[row].bound));
    }
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

    slider->setValue(yieldingValue(description, slider->value(), partner->value()));

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
    // Asked at each Save As: a folder may have become writable since start-up.
    const QString folder = SavePath::chooserFolder(m_startFolder, Runtime::programFolder(), Runtime::canWriteIn(m_startFolder),
                                                   Runtime::picturesFolder());
    Form2 chooser(Picture1->image(), mnuSave, folder, this);
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
    connect(about, &QDialog::finished, this, [this] { Runtime::giveFocusBack(this); });
    // Modal to this window only, without a second event loop.
    about->open();
}
