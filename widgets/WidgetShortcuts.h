#pragma once

#include <QKeySequence>

#include <functional>

class QAction;
class QWidget;

namespace Corvane {

// Adds to `widget` an action that runs `slot` on `keys` while the widget or one of its
// children has the focus.
QAction *addWidgetShortcut(QWidget *widget, const QKeySequence &keys,
                           const std::function<void()> &slot);

// The keys that redo a change of My Palette: Ctrl+Shift+Z.
QKeySequence paletteRedoKeys();

} // namespace Corvane
