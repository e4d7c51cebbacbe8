#include "widgets/MessageBoxes.h"

#include "system/Runtime.h"

#include <QEventLoop>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

namespace MessageBoxes {

namespace {

// A box wraps its text only where a line may break, and cuts off a long path
// without one at its widest; an invisible break every so often lets the path
// wrap instead. None goes where it would split a character.
QString wrappable(const QString &text)
{
    constexpr int longestPiece = 40;
    QString result;
    int piece = 0;
    for (const QChar c : text) {
        if (piece >= longestPiece && !c.isSpace() && !c.isLowSurrogate() && !c.isMark()) {
            result += QChar(0x200B);
            piece = 0;
        }
        result += c;
        piece = c.isSpace() || c == QLatin1Char('/') || c == QLatin1Char('\\') ? 0 : piece + 1;
    }
    return result;
}

// A window manager gives the keyboard back to the window under a closed
// question in its own time, and a window closing meanwhile, as the chooser
// does after every answer, can take it along to no window at all (seen under
// openbox, and under Wine, whose windows cannot ask for the keyboard). The
// program waits for that, taking no input, and only then goes on.
void letTheKeyboardComeBack()
{
    constexpr int settling = 250;
    QEventLoop loop;
    QTimer::singleShot(settling, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

// The keyboard goes back to the window under a closed box, and the control
// holding it shows so, and every control Tab moves to after it. Qt draws a
// button's focus frame only in a window marked as used from the keyboard,
// which a click on the button that opened the box leaves unmarked. A box is
// answered by Enter or Esc as often as by a click, and the user goes on from
// there by keyboard.
void giveKeyboardBack(QWidget *parent)
{
    Runtime::giveFocusBack(parent);
    if (!parent)
        return;
    parent->window()->setAttribute(Qt::WA_KeyboardFocusChange);
    parent->window()->update();
}

} // namespace

// Paths may hold "<" and "&": plain text keeps them from reading as markup.
bool askYesNo(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Warning, title, wrappable(text), QMessageBox::Yes | QMessageBox::No, parent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Yes);
    const bool yes = box.exec() == QMessageBox::Yes;
    letTheKeyboardComeBack();
    return yes;
}

void showError(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("カレイドラ"), wrappable(text), QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
    giveKeyboardBack(parent);
}

} // namespace MessageBoxes
