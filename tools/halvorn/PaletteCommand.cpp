#include "Collection.h"
#include "CollectionOption.h"
#include "CollectionRegistry.h"
#include "CollectionSettings.h"
#include "ColorText.h"
#include "CommandLine.h"
#include "Commands.h"
#include "PaletteImport.h"
#include "PaletteInterchange.h"
#include "PaletteModel.h"
#include "PaletteReader.h"
#include "StateStore.h"
#include "StatusCodes.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>

#include <optional>

namespace Corvane::Cli {

namespace {

const QString kShow = QStringLiteral("show");
const QString kConvert = QStringLiteral("convert");

// Thrown for a file the command cannot use: "halvorn palette: <message>", exit status 1.
struct FileError
{
    QString message;
};

PaletteFileContents readPaletteFile(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile())
        throw FileError {QStringLiteral("%1: no such file").arg(path)};
    if (!file.open(QIODevice::ReadOnly))
        throw FileError {QStringLiteral("%1: %2").arg(path, file.errorString())};
    DB::ensureCollections();
    const PaletteFileContents contents = readPalette(file.read(maxPaletteFileSize + 1));
    if (!contents.isPalette)
        throw FileError {QStringLiteral("%1: %2").arg(path, contents.error)};
    if (contents.ignoredChips > 0) {
        err() << "halvorn palette: " << path << ": ignored " << contents.ignoredChips
              << " chips after the first " << maxPaletteChips << '\n';
        err().flush();
    }
    return contents;
}

// The reason a chip is not in the palette once the file is loaded, or empty when it is.
QStringList skipReasons(const PaletteFileContents &contents)
{
    QStringList reasons;
    QSet<int> laterCells;
    for (int i = int(contents.chips.size()) - 1; i >= 0; --i) {
        const PaletteFileChip &chip = contents.chips.at(i);
        const int cell = chip.row * PaletteModel::columns + chip.column;
        if (!chip.accepted)
            reasons.prepend(chip.reason);
        else if (laterCells.contains(cell))
            reasons.prepend(QStringLiteral("replaced by a later chip for the same cell"));
        else
            reasons.prepend(QString());
        if (chip.accepted)
            laterCells.insert(cell);
    }
    return reasons;
}

QString collectionName(const QUuid &uuid)
{
    QSharedPointer<DB::Collection> collection;
    return DB::loadCollection(uuid, collection) == DB::StatusOk ? collection->name() : QString();
}

// Every chip of the file in document order: row, column, collection name, code, #RRGGBB;
// or row, column, "skipped" and the reason.
int showPalette(const QString &path)
{
    const PaletteFileContents contents = readPaletteFile(path);
    const QStringList reasons = skipReasons(contents);
    for (int i = 0; i < contents.chips.size(); ++i) {
        const PaletteFileChip &chip = contents.chips.at(i);
        out() << chip.row << '\t' << chip.column << '\t';
        if (reasons.at(i).isEmpty())
            out() << collectionName(chip.collection) << '\t' << chip.entry.code() << '\t'
                  << colorText(chip.entry.color()) << '\n';
        else
            out() << "skipped\t" << reasons.at(i) << '\n';
    }
    out().flush();
    return 0;
}

constexpr int kDecimals = 4;

// The format OUT is written in: a palette file format or an export format.
struct OutputFormat
{
    std::optional<PaletteFileFormat> paletteFile;
    std::optional<PaletteExportFormat> exported;
};

OutputFormat formatOf(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix();
    if (suffix.compare(QLatin1String("palette"), Qt::CaseInsensitive) == 0)
        return {XmlPalette, std::nullopt};
    if (suffix.compare(QLatin1String("txt"), Qt::CaseInsensitive) == 0)
        return {PlainText, std::nullopt};
    if (const std::optional<PaletteExportFormat> exported = exportFormatForPath(path))
        return {std::nullopt, exported};
    throw UsageError(
        QStringLiteral("%1: OUT must end in .palette, .txt, .gpl, .ase, .css or .json").arg(path));
}

void warn(const QString &message)
{
    err() << "halvorn palette: " << message << '\n';
}

// The palette file IN as the picker would load it; chips that do not resolve are reported.
PaletteFileContents readPaletteInput(const QString &input)
{
    const PaletteFileContents contents = readPaletteFile(input);
    const QStringList reasons = skipReasons(contents);
    for (int i = 0; i < contents.chips.size(); ++i) {
        if (!reasons.at(i).isEmpty())
            warn(QStringLiteral("skipped the chip at row %1, column %2: %3")
                     .arg(contents.chips.at(i).row)
                     .arg(contents.chips.at(i).column)
                     .arg(reasons.at(i)));
    }
    return contents;
}

// A colour's name as one field of a tab-separated line.
QString fieldText(const QString &text)
{
    QString field = text;
    for (QChar &c : field) {
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char(' ');
    }
    return field;
}

// One line per match on stdout (name, #RRGGBB, difference, code and #RRGGBB of the chip), and
// a warning for each match farther than `limit`.
void reportMatches(const QVector<SwatchMatch> &matches, double limit)
{
    for (const SwatchMatch &match : matches) {
        const QString name = fieldText(match.swatch.name);
        const QString difference = QString::number(match.deltaE, 'f', kDecimals);
        out() << name << '\t' << colorText(match.swatch.color) << '\t' << difference << '\t'
              << match.chip.code() << '\t' << colorText(match.chip.color()) << '\n';
        if (match.deltaE <= limit)
            continue;
        const QString colour = name.isEmpty()
            ? colorText(match.swatch.color)
            : QStringLiteral("\"%1\" %2").arg(name, colorText(match.swatch.color));
        warn(QStringLiteral("%1 is %2 from the nearest chip %3, farther than %4")
                 .arg(colour, difference, match.chip.code())
                 .arg(limit));
    }
    out().flush();
}

// The colours of a GIMP palette or swatch exchange file IN, each turned into the nearest chip
// of the collection and reported; a match farther than the collection's first
// "cie2000.delta.intervals" value gets a warning.
PaletteFileContents readSwatchInput(const QString &input, const std::optional<QString> &option)
{
    const QUuid collection = resolveCollection(option);
    DB::loadDisplayOrders(collection);
    CollectionSettings::setCurrentCollection(collection);
    const SwatchImport imported = importSwatchFile(input, collection);
    for (const QString &note : imported.file.notes)
        warn(QStringLiteral("%1: skipped %2").arg(input, note));
    if (imported.file.ignoredSwatches > 0)
        warn(QStringLiteral("%1: ignored %2 colours after the first %3")
                 .arg(input)
                 .arg(imported.file.ignoredSwatches)
                 .arg(maxSwatches));
    if (!imported.error.isEmpty())
        throw FileError {QStringLiteral("%1: %2").arg(input, imported.error)};
    reportMatches(imported.matches, imported.warningDistance);
    if (imported.palette.ignoredChips > 0)
        warn(QStringLiteral("only the first %1 colours fit the palette; %2 more are left out")
                 .arg(PaletteModel::cellCount)
                 .arg(imported.palette.ignoredChips));
    return imported.palette;
}

// Loads IN into a palette on a scratch store, so the user's My Palette stays as it is, and
// writes it to OUT in the format its extension names.
int convertPalette(const QString &input, const QString &output,
                   const std::optional<QString> &collectionOption)
{
    const OutputFormat format = formatOf(output);
    const PaletteFileContents contents = isSwatchFilePath(input)
        ? readSwatchInput(input, collectionOption)
        : readPaletteInput(input);
    err().flush();

    QTemporaryDir scratch;
    if (!scratch.isValid())
        throw FileError {QStringLiteral("cannot create a temporary folder")};
    PaletteModel palette(StateStore(scratch.filePath(QStringLiteral("state.ini"))));
    palette.load(contents);
    QString error;
    const bool written = format.exported ? exportPalette(palette, *format.exported, output, &error)
                                         : palette.saveTo(*format.paletteFile, output, &error);
    if (!written)
        throw FileError {QStringLiteral("%1: not written: %2").arg(output, error)};
    return 0;
}

} // namespace

int runPalette(CommandLine &commandLine)
{
    commandLine.applyDataDir();
    const std::optional<QString> collection
        = commandLine.takeOption(QStringLiteral("--collection"));
    const QStringList arguments = commandLine.positionals();
    try {
        if (arguments.size() == 2 && arguments.first() == kShow && !collection)
            return showPalette(arguments.at(1));
        if (arguments.size() == 3 && arguments.first() == kConvert)
            return convertPalette(arguments.at(1), arguments.at(2), collection);
    } catch (const FileError &error) {
        err() << "halvorn palette: " << error.message << '\n';
        err().flush();
        return 1;
    }
    throw UsageError(QStringLiteral("expected show FILE or convert IN OUT [--collection C]"));
}

} // namespace Corvane::Cli
