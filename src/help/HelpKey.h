#pragma once

#include <QObject>
#include <QString>

#include <memory>

class HelpViewer;

// The F1 key of the whole program: once a help file is set it opens that file
// in the help viewer, whichever window has the key; with none set it does
// nothing. The viewer stays until this goes.
class HelpKey : public QObject {
    Q_OBJECT

public:
    explicit HelpKey(QObject *parent = nullptr);
    ~HelpKey() override;

    void setHelpFile(const QString &path);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString m_helpFile;
    std::unique_ptr<HelpViewer> m_viewer;
};
