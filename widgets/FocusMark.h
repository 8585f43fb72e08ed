#pragma once

class QPainter;
class QWidget;

namespace Corvane {

// Draws the keyboard focus mark of a painted widget while it has the focus: a light dotted
// line just inside its edge. Call it last in paintEvent.
void paintFocusMark(QPainter &painter, const QWidget &widget);

} // namespace Corvane
