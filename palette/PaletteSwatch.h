#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <QVector>

namespace Corvane {

// One colour of a palette exchanged with other programs: its name and its RGB value.
struct PaletteSwatch
{
    QString name;
    QColor color;
};

// Larger swatch files are not read: a palette of a few hundred colours takes some kilobytes.
constexpr qint64 maxSwatchFileSize = 1024 * 1024;

// Colours after this many are ignored: each one costs a pass over a whole collection.
constexpr int maxSwatches = 256;

// What a reader of a GIMP palette or an Adobe Swatch Exchange file found.
struct SwatchFileContents
{
    bool isValid = false; // the file was read; `error` says why not otherwise
    QString error;
    QString title; // the palette's own name, when the format has one
    QVector<PaletteSwatch> swatches; // in file order
    int ignoredSwatches = 0; // colours beyond maxSwatches
    QStringList notes; // colours skipped because their model (CMYK, Lab) is not read
};

} // namespace Corvane
