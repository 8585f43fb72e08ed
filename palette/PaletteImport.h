#pragma once

#include "ColorEntry.h"
#include "PaletteReader.h"
#include "PaletteSwatch.h"

#include <QUuid>
#include <QVector>

namespace Corvane {

// Turning the colours of another program's palette into chips of a collection.

// One imported colour with the nearest chip of the collection.
struct SwatchMatch
{
    PaletteSwatch swatch;
    DB::ColorEntry chip;
    double deltaE = 0.0; // CIEDE2000 between the colour and the chip's stored CIELAB value
};

// The nearest chip of `collection` for every swatch, in swatch order. 0 on success; -1 when
// the collection has no chip or a chip does not load; or the negative code of
// ensureConnection. `out` is emptied first.
int matchSwatches(const QUuid &collection, const QVector<PaletteSwatch> &swatches,
                  QVector<SwatchMatch> &out);

// The difference beyond which a match deserves a warning: the first value of the
// collection's "cie2000.delta.intervals".
double swatchWarningDistance(const QUuid &collection);

// The matches as the contents of a palette file: the first PaletteModel::cellCount fill the
// cells in reading order, `description` becomes the description; later matches are counted
// in ignoredChips. Load it with PaletteModel::load.
PaletteFileContents paletteContentsFromMatches(const QUuid &collection,
                                               const QVector<SwatchMatch> &matches,
                                               const QString &description);

// Everything an import of a GIMP palette or swatch exchange file gives.
struct SwatchImport
{
    SwatchFileContents file; // the file's colours, notes and title
    QVector<SwatchMatch> matches; // one per colour of the file, in file order
    double warningDistance = 0.0; // matches farther than this deserve a warning
    PaletteFileContents palette; // the matches as palette contents, the title as description
    QString error; // why nothing can be imported; empty on success
};

// Reads the file at `path` (readSwatchFile) and matches its colours to the chips of
// `collection`. On success `palette` is ready for PaletteModel::load.
SwatchImport importSwatchFile(const QString &path, const QUuid &collection);

} // namespace Corvane
