#pragma once

#include <QPoint>
#include <QString>

class QWidget;

namespace Corvane {

// A localised tool-tip text as rich text: line feeds become line breaks and the text is set
// in a 12-pixel font. An empty text stays empty.
QString richToolTip(const QString &text);

// Shows a localised tool-tip text at `globalAnchor`: line feeds become line breaks and the
// text is set in a 12-pixel font. An empty text hides any tool tip; returns false then.
bool showRichToolTip(const QPoint &globalAnchor, const QString &text, QWidget *widget);

} // namespace Corvane
