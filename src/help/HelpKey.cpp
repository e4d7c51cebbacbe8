#include "help/HelpKey.h"

#include "help/HelpViewer.h"

#include <QCoreApplication>
#include <QKeyEvent>

HelpKey::HelpKey(QObject *parent)
    : QObject(parent)
{
    QCoreApplication::instance()->installEventFilter(this);
}

HelpKey::~HelpKey() = default;

void HelpKey::setHelpFile(const QString &path)
{
    m_helpFile = path;
}

bool HelpKey::eventFilter(QObject *, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || m_helpFile.isEmpty())
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier || key->isAutoRepeat())
        return false;

    if (!m_viewer)
        m_viewer = std::make_unique<HelpViewer>();
    m_viewer->showContents(m_helpFile);
    return true;
}
