#pragma once

#include <QKeySequence>

#include <functional>

class QAction;
class QKeyEvent;
class QWidget;

namespace Corvane {

// Adds to `widget` an action that runs `slot` on `keys` while the widget or one of its
// children has the focus.
QAction *addWidgetShortcut(QWidget *widget, const QKeySequence &keys,
                           const std::function<void()> &slot);

// The key's modifiers without the keypad flag: what the user holds down.
Qt::KeyboardModifiers heldModifiers(const QKeyEvent &event);

// The step an arrow key without modifiers asks for: -1 for Left and Up, +1 for Right and
// Down; 0 for any other key, or with a modifier other than the keypad flag held.
int arrowKeyStep(const QKeyEvent &event);

// The keys that redo a change of My Palette: Ctrl+Shift+Z.
QKeySequence paletteRedoKeys();

} // namespace Corvane
