#pragma once

#include "Enums.h"

#include <QColor>
#include <QPixmap>
#include <QString>
#include <QUuid>

class QWidget;

namespace Corvane {

namespace DB {
class ColorEntry;
}

// The picture under the pointer while a chip or colour is dragged: 128 × 64, the colour
// fading downwards, `text` drawn twice at the top right.
QPixmap dragPixmap(const QColor &color, const QString &text);

// Drags a chip of `collection` out of `source`; returns the action the drop took.
Qt::DropAction startChipDrag(QWidget *source, DragSource from, const QUuid &collection,
                             const DB::ColorEntry &entry);
// Drags a bare colour with its names; `label` is what the pixmap shows.
Qt::DropAction startColorDrag(QWidget *source, DragSource from, const QColor &color,
                              const QString &label, const QString &name1, const QString &name2);

} // namespace Corvane
