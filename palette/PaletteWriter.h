#pragma once

#include "Enums.h"

#include <QByteArray>
#include <QString>

namespace Corvane {

class PaletteModel;

// Writing My Palette as an XML palette file (version 3.0) or as a plain text export. Only
// cells whose chip and card still load, with the chip on that card, are written.

// The file text without its byte-order mark.
QByteArray paletteXml(const PaletteModel &palette);
// "collection name : code" per chip (the code alone when the collection does not load).
QByteArray paletteTextExport(const PaletteModel &palette);
// The text of `format`; empty for an unknown format.
QByteArray paletteFileText(const PaletteModel &palette, PaletteFileFormat format);

// Writes the UTF-8 byte-order mark and `text` to `path` through a temporary file in the same
// folder that then replaces the target, so a failure leaves the earlier file intact. Empty
// text writes nothing. False with `error` set when the file could not be written.
bool writePaletteFile(const QByteArray &text, const QString &path, QString *error);

// Writes `bytes` as they are to `path` the same way, through a temporary file that replaces
// the target only when everything was written. False with `error` set otherwise.
bool replaceFileContents(const QByteArray &bytes, const QString &path, QString *error);

} // namespace Corvane
