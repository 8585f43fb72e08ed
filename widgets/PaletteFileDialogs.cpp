#include "PaletteFileDialogs.h"

#include "PaletteModel.h"
#include "PaletteWriter.h"
#include "StateStore.h"
#include "ThemeResources.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

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
    for (const PaletteExportFormatInfo &info : paletteExportFormats())
        result.filters << info.nameFilter;
    result.selected = textAllowed && lastFormat == PlainText ? textFilter : paletteFilter;
    return result;
}

PaletteFileFormat chosenSaveFormat(const QString &chosenFilter, const QString &textFilter,
                                   bool textAllowed)
{
    return textAllowed && chosenFilter.compare(textFilter, Qt::CaseInsensitive) == 0 ? PlainText
                                                                                     : XmlPalette;
}

std::optional<PaletteExportFormat> chosenExportFormat(const QString &chosenFilter)
{
    for (const PaletteExportFormatInfo &info : paletteExportFormats()) {
        if (chosenFilter.compare(info.nameFilter, Qt::CaseInsensitive) == 0)
            return info.format;
    }
    return std::nullopt;
}

QString withExportExtension(const QString &path, PaletteExportFormat format)
{
    if (exportFormatForPath(path) == format)
        return path;
    for (const PaletteExportFormatInfo &info : paletteExportFormats()) {
        if (info.format == format)
            return path + QLatin1Char('.') + info.extension;
    }
    return path;
}

// The contents go through a palette model on a scratch store, which writes them as the
// palette file format; the user's own palette and settings stay untouched.
bool writeImportedPalette(const PaletteFileContents &contents, const QString &path, QString *error)
{
    QTemporaryDir scratch;
    PaletteModel palette(StateStore(scratch.filePath(QStringLiteral("state.ini"))));
    palette.load(contents);
    return writePaletteFile(paletteXml(palette), path, error);
}

QString importSummary(int farColors, double warningDistance, int ignoredColors)
{
    QStringList lines;
    if (farColors > 0)
        lines << QStringLiteral("%1 of the colours have no chip closer than ΔE %2.")
                     .arg(farColors)
                     .arg(warningDistance);
    if (ignoredColors > 0)
        lines << QStringLiteral("%1 colours did not fit into My Palette.").arg(ignoredColors);
    return lines.join(QLatin1Char('\n'));
}

} // namespace Corvane
