#pragma once

#include <QTextBrowser>

// The help viewer: a window of its own beside the program's windows that
// shows a help file from its beginning, or says why it cannot.
class HelpViewer : public QTextBrowser {
    Q_OBJECT

public:
    explicit HelpViewer(QWidget *parent = nullptr);

    void showContents(const QString &path);

private:
    void placeBeside(const QWidget *window);
};
