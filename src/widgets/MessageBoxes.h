#pragma once

class QString;
class QWidget;

namespace MessageBoxes {

// A warning with Yes and No, Yes the default; true when Yes was pressed.
bool askYesNo(QWidget *parent, const QString &title, const QString &text);

// Something the user asked for could not be done; the program goes on.
void showError(QWidget *parent, const QString &text);

} // namespace MessageBoxes
