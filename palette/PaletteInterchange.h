#pragma once

#include "PaletteSwatch.h"

#include <QByteArray>
#include <QString>
#include <QVector>

#include <optional>

namespace Corvane {

class PaletteModel;

// Exchanging My Palette with other programs: exports to GIMP palettes, Adobe Swatch
// Exchange, CSS custom properties and JSON; imports of GIMP palettes and Adobe Swatch
// Exchange files as named RGB colours (PaletteImport matches them to chips).

enum class PaletteExportFormat { GimpPalette, AdobeSwatchExchange, CssProperties, JsonPalette };

struct PaletteExportFormatInfo
{
    PaletteExportFormat format;
    QString nameFilter; // for a file dialog, e.g. "GIMP palette (*.gpl)"
    QString extension; // without the dot, e.g. "gpl"
};

// Every export format in the order a save dialog offers them.
QVector<PaletteExportFormatInfo> paletteExportFormats();

// The export format whose extension `path` ends in, ignoring case.
std::optional<PaletteExportFormat> exportFormatForPath(const QString &path);

// The filled cells of the palette in reading order, each with its chip label and colour.
QVector<PaletteSwatch> paletteSwatches(const PaletteModel &palette);

// The file contents of `swatches` in `format`; `title` names the palette where the format
// has a place for it.
QByteArray exportFileContents(const QVector<PaletteSwatch> &swatches, const QString &title,
                              PaletteExportFormat format);

// Writes the palette's chips (and its description as the title) to `path` through a
// temporary file that replaces the target only when complete. False with `error` set when
// the palette holds no chip or the file cannot be written; an earlier file then stays.
bool exportPalette(const PaletteModel &palette, PaletteExportFormat format, const QString &path,
                   QString *error = nullptr);

// The file dialog filter of the files readSwatchFile reads.
QString swatchImportNameFilter();

// Whether `path` ends in an extension readSwatchFile reads (.gpl or .ase, ignoring case).
bool isSwatchFilePath(const QString &path);

// Reads a GIMP palette or an Adobe Swatch Exchange file: chosen by the extension of `path`,
// else by the file's first bytes.
SwatchFileContents readSwatchBytes(const QByteArray &bytes, const QString &path);

// Opens and reads the file at `path`; files larger than maxSwatchFileSize are refused
// without being read whole.
SwatchFileContents readSwatchFile(const QString &path);

} // namespace Corvane
