#pragma once

class QEvent;
class QPainter;
class QRect;
class QWidget;

namespace Corvane {

// Draws the keyboard focus mark of a painted widget while it has the focus: a dotted line
// just inside its edge. Call it last in paintEvent.
void paintFocusMark(QPainter &painter, const QWidget &widget);

// For a widget whose own pixels are painted in event() rather than paintEvent (a scroll
// area's margins): after `event`, a paint event, draws the widget's focus mark.
void paintFocusMarkAfter(QWidget &widget, const QEvent &event);

// Draws the dotted focus line along the inside of `area`. Dark and light dots take turns with
// a gap, so that the line shows on any background and the background still shows through.
void paintFocusFrame(QPainter &painter, const QRect &area);

} // namespace Corvane
