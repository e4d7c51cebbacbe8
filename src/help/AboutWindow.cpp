#include "help/AboutWindow.h"

#include "widgets/Icons.h"
#include "widgets/JapaneseUi.h"

#include <QFont>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace {

void addCaption(const QString &text, int left, int top, int points, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    QFont font = designFont(japaneseProportionalFamily(), points);
    font.setBold(true);
    label->setFont(font);
    label->move(left, top);
    label->adjustSize();
}

} // namespace

AboutWindow::AboutWindow(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                      | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                      | Qt::MSWindowsFixedSizeDialogHint)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
    setWindowIcon(Icons::picture());
    setFixedSize(clientWidth, clientHeight);

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setGeometry(264, 72, 92, 47);
    // Enter presses it as the default button; Esc closes the window as well.
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *icon = new QLabel(this);
    icon->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    icon->setLineWidth(2);
    icon->setPixmap(Icons::program().pixmap(QSize(32, 32), devicePixelRatioF()));
    icon->setGeometry(16, 16, 36, 36);

    addCaption(QStringLiteral("カレイドラ"), 80, 32, 18, this);
    addCaption(QStringLiteral("Ｖｅｒｓｉｏｎ　1.0"), 88, 64, 12, this);

    ok->setFocus();
}
