#include "MessageBoxes.h"

#include "Runtime.h"

#include <QMessageBox>

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

} // namespace

// Paths may hold "<" and "&": plain text keeps them from reading as markup.
bool askYesNo(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Warning, title, wrappable(text), QMessageBox::Yes | QMessageBox::No, parent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Yes);
    const bool yes = box.exec() == QMessageBox::Yes;
    Runtime::giveFocusBack(parent);
    return yes;
}

void showError(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("カレイドラ"), wrappable(text), QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
    Runtime::giveFocusBack(parent);
}

} // namespace MessageBoxes
