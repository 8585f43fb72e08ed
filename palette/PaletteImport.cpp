#include "PaletteImport.h"

#include "CardQueries.h"
#include "CollectionSettings.h"
#include "ColorMath.h"
#include "PaletteInterchange.h"
#include "PaletteModel.h"
#include "StatusCodes.h"

namespace Corvane {

int matchSwatches(const QUuid &collection, const QVector<PaletteSwatch> &swatches,
                  QVector<SwatchMatch> &out)
{
    out.clear();
    QVector<DB::LabEntry> candidates;
    const int status = DB::loadLabEntries(collection, candidates);
    if (status != DB::StatusOk)
        return status;
    if (candidates.isEmpty())
        return DB::StatusFailed;
    QVector<SwatchMatch> matches;
    for (const PaletteSwatch &swatch : swatches) {
        QVector<NearestMatch> nearest;
        findNearestColors(labFromColor(swatch.color), candidates, nearest, 1);
        SwatchMatch match;
        match.swatch = swatch;
        match.deltaE = nearest.first().deltaE;
        if (DB::loadRowById(collection, nearest.first().rowId, match.chip) != DB::StatusOk)
            return DB::StatusFailed;
        matches.append(match);
    }
    out = matches;
    return DB::StatusOk;
}

double swatchWarningDistance(const QUuid &collection)
{
    // Never empty: the collection's values, or the single default.
    return CollectionSettings::cie2000DeltaIntervals(collection).first();
}

PaletteFileContents paletteContentsFromMatches(const QUuid &collection,
                                               const QVector<SwatchMatch> &matches,
                                               const QString &description)
{
    PaletteFileContents contents;
    contents.isPalette = true;
    contents.majorVersion = 3;
    contents.description = description;
    for (int index = 0; index < matches.size(); ++index) {
        if (index >= PaletteModel::cellCount) {
            ++contents.ignoredChips;
            continue;
        }
        const QPoint cell = PaletteModel::cellAt(index);
        PaletteFileChip chip;
        chip.row = cell.y();
        chip.column = cell.x();
        chip.accepted = true;
        chip.collection = collection;
        chip.entry = matches.at(index).chip;
        contents.chips.append(chip);
    }
    return contents;
}

SwatchImport importSwatchFile(const QString &path, const QUuid &collection)
{
    SwatchImport result;
    result.file = readSwatchFile(path);
    if (!result.file.isValid) {
        result.error = result.file.error;
        return result;
    }
    if (result.file.swatches.isEmpty()) {
        result.error = QStringLiteral("holds no RGB colour");
        return result;
    }
    const int status = matchSwatches(collection, result.file.swatches, result.matches);
    if (status != DB::StatusOk) {
        result.error = QStringLiteral("no chip of the collection to match (status %1)").arg(status);
        return result;
    }
    result.warningDistance = swatchWarningDistance(collection);
    result.palette = paletteContentsFromMatches(collection, result.matches, result.file.title);
    return result;
}

} // namespace Corvane
