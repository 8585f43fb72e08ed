#pragma once

#include "Enums.h"
#include "PaletteInterchange.h"
#include "PaletteReader.h"

#include <QString>
#include <QStringList>
#include <QUuid>

#include <optional>

namespace Corvane {

// The choices behind the save and load dialogs of My Palette.

// Where both dialogs open: the last saved or loaded file while it and its folder exist,
// else the collection's default file name in the user's documents folder.
QString paletteDialogStartPath(const QUuid &collection);

struct SaveDialogFilters
{
    QStringList filters;
    QString selected;
};

// The palette filter, plus the text filter when the collection allows text exports, then
// the filters of the formats other programs read; the text filter is preselected only when
// it is offered and was the last format saved.
SaveDialogFilters saveDialogFilters(const QString &paletteFilter, const QString &textFilter,
                                    bool textAllowed, PaletteFileFormat lastFormat);

// The format of the filter the user chose.
PaletteFileFormat chosenSaveFormat(const QString &chosenFilter, const QString &textFilter,
                                   bool textAllowed);

// The export format of the filter the user chose, when it is one of them.
std::optional<PaletteExportFormat> chosenExportFormat(const QString &chosenFilter);

// `path` with the format's extension added when it does not end in it already.
QString withExportExtension(const QString &path, PaletteExportFormat format);

// Writes `contents` as a palette file at `path`, so that an imported palette is loaded like
// any palette file. False with `error` set when it cannot be written.
bool writeImportedPalette(const PaletteFileContents &contents, const QString &path, QString *error);

// The user's summary of an import: how many colours found no close chip and how many did
// not fit; empty when there is nothing to say.
QString importSummary(int farColors, double warningDistance, int ignoredColors);

} // namespace Corvane
