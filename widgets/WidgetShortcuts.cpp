#include "WidgetShortcuts.h"

#include <QAction>
#include <QWidget>

namespace Corvane {

QAction *addWidgetShortcut(QWidget *widget, const QKeySequence &keys,
                           const std::function<void()> &slot)
{
    auto *action = new QAction(widget);
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    QObject::connect(action, &QAction::triggered, widget, slot);
    widget->addAction(action);
    return action;
}

QKeySequence paletteRedoKeys()
{
    return QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
}

} // namespace Corvane
