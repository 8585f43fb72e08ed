#include "PaletteFileDialogs.h"

#include "StateStore.h"
#include "ThemeResources.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace Corvane {

namespace {

const QString kDefaultFileNameKey = QStringLiteral("common.filedialog.palettefile.defaultfilename");

} // namespace

QString paletteDialogStartPath(const QUuid &collection)
{
    const QString lastPath = StateStore().myPaletteLastSavePath();
    const QFileInfo last(lastPath);
    if (!lastPath.isEmpty() && last.isFile() && last.dir().exists())
        return lastPath;
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + QDir::separator()
        + DB::localeString(collection, kDefaultFileNameKey);
}

SaveDialogFilters saveDialogFilters(const QString &paletteFilter, const QString &textFilter,
                                    bool textAllowed, PaletteFileFormat lastFormat)
{
    SaveDialogFilters result;
    result.filters << paletteFilter;
    if (textAllowed)
        result.filters << textFilter;
    result.selected = textAllowed && lastFormat == PlainText ? textFilter : paletteFilter;
    return result;
}

PaletteFileFormat chosenSaveFormat(const QString &chosenFilter, const QString &textFilter,
                                   bool textAllowed)
{
    return textAllowed && chosenFilter.compare(textFilter, Qt::CaseInsensitive) == 0 ? PlainText
                                                                                     : XmlPalette;
}

} // namespace Corvane
