#pragma once

#include "Enums.h"

#include <QString>
#include <QStringList>
#include <QUuid>

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

// The palette filter, plus the text filter when the collection allows text exports; the
// text filter is preselected only when it is offered and was the last format saved.
SaveDialogFilters saveDialogFilters(const QString &paletteFilter, const QString &textFilter,
                                    bool textAllowed, PaletteFileFormat lastFormat);

// The format of the filter the user chose.
PaletteFileFormat chosenSaveFormat(const QString &chosenFilter, const QString &textFilter,
                                   bool textAllowed);

} // namespace Corvane
