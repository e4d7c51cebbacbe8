#pragma once

#include <QMainWindow>
#include <QPointer>

class QScrollBar;
class QTextBrowser;

// The help viewer: a window of its own beside the program's windows that
// shows a help file from its beginning, or says why it cannot. Esc closes it,
// and the keyboard goes back to the window it was opened from.
class HelpViewer : public QMainWindow {
    Q_OBJECT

public:
    explicit HelpViewer(QWidget *parent = nullptr);

    void showContents(const QString &path);

    // The outer rectangle for a viewer of outer size `size` beside `window`:
    // wholly on `screen`, clear of every rectangle of `controls`, as large as
    // it can be up to `size` but not below a readable size, and of those the
    // nearest to the window's top right. Where nothing is clear, beside the
    // window as far as the screen allows.
    static QRect placement(const QRect &screen, const QRect &window, const QList<QRect> &controls, QSize size);

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void keepOnScreen();
    void setHtml(const QString &html);
    QScrollBar *verticalScrollBar() const;
    static QWidget *ownerOf(QWidget *window);
    void placeBeside(QWidget *window);

    QTextBrowser *m_text = nullptr;
    bool m_justPlaced = false;
    // Where F1 was pressed, and the window that one belongs to, which takes
    // the keyboard back when the first has closed since.
    QPointer<QWidget> m_opener;
    QPointer<QWidget> m_openerOwner;
};
