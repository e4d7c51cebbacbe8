#include "frmAbout.h"

#include "platform/DisplayScale.h"
#include "platform/Icons.h"
#include "platform/JapaneseUi.h"

#include <QFont>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace {

QLabel *fixedCaption(const QString &text, int left, int top, int points, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    QFont font = designFont(japaneseProportionalFamily(), points);
    font.setBold(true);
    label->setFont(font);
    label->move(left, top);
    label->adjustSize();
    return label;
}

} // namespace

frmAbout::frmAbout(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                      | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                      | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
    setWindowIcon(Icons::picture());
    setFixedSize(clientWidth, clientHeight);

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(264, 72, 92, 47);
    // Enter presses it as the default button; Esc closes the window as well.
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

    picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picIcon->setLineWidth(2);
    picIcon->setPixmap(Icons::program().pixmap(QSize(32, 32), devicePixelRatioF()));
    picIcon->setGeometry(16, 16, 36, 36);

    Label1 = fixedCaption(QStringLiteral("カレイドラ"), 80, 32, 18, this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = fixedCaption(QStringLiteral("Ｖｅｒｓｉｏｎ　1.0"), 88, 64, 12, this);
    Label2->setObjectName(QStringLiteral("Label2"));

    cmdOK->setFocus();
}

void frmAbout::cmdOK_Click()
{
    accept();
}
