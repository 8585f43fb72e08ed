#include "PaletteInterchange.h"

#include "AseFormat.h"
#include "CssFormat.h"
#include "GplFormat.h"
#include "JsonPaletteFormat.h"
#include "PaletteModel.h"
#include "PaletteWriter.h"

#include <QFile>
#include <QFileInfo>

namespace Corvane {

namespace {

const QString kGplExtension = QStringLiteral("gpl");
const QString kAseExtension = QStringLiteral("ase");
const QString kDefaultTitle = QStringLiteral("Tessary palette");
const QByteArray kAseSignature("ASEF");

bool hasExtension(const QString &path, const QString &extension)
{
    return QFileInfo(path).suffix().compare(extension, Qt::CaseInsensitive) == 0;
}

} // namespace

QVector<PaletteExportFormatInfo> paletteExportFormats()
{
    return {
        {PaletteExportFormat::GimpPalette, QStringLiteral("GIMP palette (*.gpl)"), kGplExtension},
        {PaletteExportFormat::AdobeSwatchExchange, QStringLiteral("Adobe Swatch Exchange (*.ase)"),
         kAseExtension},
        {PaletteExportFormat::CssProperties, QStringLiteral("CSS custom properties (*.css)"),
         QStringLiteral("css")},
        {PaletteExportFormat::JsonPalette, QStringLiteral("JSON palette (*.json)"),
         QStringLiteral("json")},
    };
}

std::optional<PaletteExportFormat> exportFormatForPath(const QString &path)
{
    for (const PaletteExportFormatInfo &info : paletteExportFormats()) {
        if (hasExtension(path, info.extension))
            return info.format;
    }
    return std::nullopt;
}

QVector<PaletteSwatch> paletteSwatches(const PaletteModel &palette)
{
    QVector<PaletteSwatch> swatches;
    for (int index = 0; index < PaletteModel::cellCount; ++index) {
        const QPoint cell = PaletteModel::cellAt(index);
        if (palette.hasChip(cell))
            swatches.append({palette.nameAt(cell), palette.colorAt(cell)});
    }
    return swatches;
}

QByteArray exportFileContents(const QVector<PaletteSwatch> &swatches, const QString &title,
                              PaletteExportFormat format)
{
    switch (format) {
    case PaletteExportFormat::GimpPalette:
        return GplFormat::write(swatches, title);
    case PaletteExportFormat::AdobeSwatchExchange:
        return AseFormat::write(swatches);
    case PaletteExportFormat::CssProperties:
        return CssFormat::write(swatches, title);
    case PaletteExportFormat::JsonPalette:
        return JsonPaletteFormat::write(swatches, title);
    }
    return QByteArray();
}

bool exportPalette(const PaletteModel &palette, PaletteExportFormat format, const QString &path,
                   QString *error)
{
    const QVector<PaletteSwatch> swatches = paletteSwatches(palette);
    if (swatches.isEmpty()) {
        if (error)
            *error = QStringLiteral("the palette holds no chip");
        return false;
    }
    const QString description = palette.description().simplified();
    const QByteArray bytes
        = exportFileContents(swatches, description.isEmpty() ? kDefaultTitle : description, format);
    if (bytes.isEmpty()) {
        if (error)
            *error = QStringLiteral("unknown export format");
        return false;
    }
    return replaceFileContents(bytes, path, error);
}

QString swatchImportNameFilter()
{
    return QStringLiteral("GIMP palettes and Adobe Swatch Exchange files (*.gpl *.ase)");
}

bool isSwatchFilePath(const QString &path)
{
    return hasExtension(path, kGplExtension) || hasExtension(path, kAseExtension);
}

SwatchFileContents readSwatchBytes(const QByteArray &bytes, const QString &path)
{
    if (hasExtension(path, kAseExtension))
        return AseFormat::read(bytes);
    if (hasExtension(path, kGplExtension) || !bytes.startsWith(kAseSignature))
        return GplFormat::read(bytes);
    return AseFormat::read(bytes);
}

SwatchFileContents readSwatchFile(const QString &path)
{
    SwatchFileContents contents;
    QFile file(path);
    if (!QFileInfo(path).isFile()) {
        contents.error = QStringLiteral("no such file");
        return contents;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        contents.error = file.errorString();
        return contents;
    }
    // One byte more than allowed is enough to refuse a huge file.
    return readSwatchBytes(file.read(maxSwatchFileSize + 1), path);
}

} // namespace Corvane
