#include "WidgetShortcuts.h"

#include <QAction>
#include <QKeyEvent>
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

Qt::KeyboardModifiers heldModifiers(const QKeyEvent &event)
{
    return event.modifiers() & ~Qt::KeypadModifier;
}

int arrowKeyStep(const QKeyEvent &event)
{
    if (heldModifiers(event) != Qt::NoModifier)
        return 0;
    switch (event.key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        return -1;
    case Qt::Key_Right:
    case Qt::Key_Down:
        return 1;
    default:
        return 0;
    }
}

QKeySequence paletteRedoKeys()
{
    return QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
}

} // namespace Corvane
