#pragma once

#include "Enums.h"

#include <QByteArray>
#include <QColor>
#include <QString>
#include <QUuid>

class QMimeData;

namespace Corvane {

namespace DB {
class ColorEntry;
}

// The payload of a dragged chip or colour: a JSON object in UTF-8 under one MIME type,
// exchanged only within the picker.

// "veltra.marnik.halv/color.chip.dnd.info"
QString dragPayloadMimeType();

// { "collectuionUuid" : "{uuid}", "colorId" : rowId, "from" : source }
QByteArray chipPayload(DragSource source, const QUuid &collection, const DB::ColorEntry &entry);

// { "colorName1" : name1, "colorName2" : name2, "colorRgb" : 0xFFRRGGBB, "from" : source }
QByteArray colorPayload(DragSource source, const QColor &color, const QString &name1,
                        const QString &name2);

// New mime data that carries only `payload` under the payload's MIME type.
QMimeData *payloadMimeData(const QByteArray &payload);

// New mime data for a drag out of the picker: the payload, and for other programs the
// colour and its plain text ("#RRGGBB", a tab and the label for a chip; "#RRGGBB" alone
// for a bare colour).
QMimeData *chipMimeData(DragSource source, const QUuid &collection, const DB::ColorEntry &entry);
QMimeData *colorMimeData(DragSource source, const QColor &color, const QString &name1,
                         const QString &name2);

// Reading a drop; `mime` may be null.
bool hasChipPayload(const QMimeData *mime);
// The "from" value when it is a DragSource (1 to 4), else 0.
int payloadSource(const QMimeData *mime);
// -1 without a readable payload; else the collection and row it names are looked up with
// loadRowById, whose result is returned.
int decodeChip(const QMimeData *mime, QUuid &collection, DB::ColorEntry &entry);
// -1 without a readable payload; else 0 with the opaque colour (black when missing).
int decodeColor(const QMimeData *mime, QColor &color);
// Whether the payload carries a colour ("colorRgb"), as a trend colour's does.
bool hasPayloadColor(const QMimeData *mime);
// -1 without a readable payload; else 0 with both names (empty when missing).
int decodeNames(const QMimeData *mime, QString &name1, QString &name2);

} // namespace Corvane
