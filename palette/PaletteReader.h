#pragma once

#include "ColorEntry.h"

#include <QByteArray>
#include <QString>
#include <QUuid>
#include <QVector>

namespace Corvane {

// Reading XML palette files ("veltra-palette", versions 3.0 and 2.0) and resolving their
// chips against the installed collections.

// Larger files are not read: a palette of 24 chips takes a few kilobytes, and the parsed
// document of a file takes many times its size.
constexpr qint64 maxPaletteFileSize = 1024 * 1024;

// Chip elements after this many are ignored: the palette has 24 cells, and each chip costs
// database lookups (a collection that is not installed, a scan of the collection folder).
constexpr int maxPaletteChips = 256;

// One "chip" element of the file, in document order.
struct PaletteFileChip
{
    int row = 0;
    int column = 0;
    bool accepted = false;
    QUuid collection; // the chip's collection once accepted
    DB::ColorEntry entry; // the colour once accepted
    QString reason; // why the chip was not accepted
};

struct PaletteFileContents
{
    bool isPalette = false; // the version and system passed: the palette is to be replaced
    QString error; // why the file is not a palette
    int majorVersion = 0;
    QString description;
    QVector<PaletteFileChip> chips;
    int ignoredChips = 0; // chip elements beyond maxPaletteChips
};

// Parses the bytes of a palette file (no network, no DTD, no entity expansion) and resolves
// each chip: version 3 by collection uuid, card and position, checked against the colour
// code; version 2 by the search phrase in the collection the root's system names.
PaletteFileContents readPalette(const QByteArray &bytes);

} // namespace Corvane
