#include "Collection.h"
#include "CollectionRegistry.h"
#include "CommandLine.h"
#include "Commands.h"
#include "PaletteModel.h"
#include "PaletteReader.h"
#include "StateStore.h"
#include "StatusCodes.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>

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
                  << chip.entry.color().name(QColor::HexRgb).toUpper() << '\n';
        else
            out() << "skipped\t" << reasons.at(i) << '\n';
    }
    out().flush();
    return 0;
}

PaletteFileFormat formatOf(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix();
    if (suffix.compare(QLatin1String("palette"), Qt::CaseInsensitive) == 0)
        return XmlPalette;
    if (suffix.compare(QLatin1String("txt"), Qt::CaseInsensitive) == 0)
        return PlainText;
    throw UsageError(QStringLiteral("%1: OUT must end in .palette or .txt").arg(path));
}

// Loads IN into a palette on a scratch store, so the user's My Palette stays as it is, and
// writes it to OUT. Chips that do not resolve are reported on stderr.
int convertPalette(const QString &input, const QString &output)
{
    const PaletteFileFormat format = formatOf(output);
    const PaletteFileContents contents = readPaletteFile(input);
    const QStringList reasons = skipReasons(contents);
    for (int i = 0; i < contents.chips.size(); ++i) {
        if (!reasons.at(i).isEmpty())
            err() << "halvorn palette: skipped the chip at row " << contents.chips.at(i).row
                  << ", column " << contents.chips.at(i).column << ": " << reasons.at(i) << '\n';
    }
    err().flush();

    QTemporaryDir scratch;
    if (!scratch.isValid())
        throw FileError {QStringLiteral("cannot create a temporary folder")};
    PaletteModel palette(StateStore(scratch.filePath(QStringLiteral("state.ini"))));
    palette.load(contents);
    QString error;
    if (!palette.saveTo(format, output, &error))
        throw FileError {QStringLiteral("%1: not written: %2").arg(output, error)};
    return 0;
}

} // namespace

int runPalette(CommandLine &commandLine)
{
    commandLine.applyDataDir();
    const QStringList arguments = commandLine.positionals();
    try {
        if (arguments.size() == 2 && arguments.first() == kShow)
            return showPalette(arguments.at(1));
        if (arguments.size() == 3 && arguments.first() == kConvert)
            return convertPalette(arguments.at(1), arguments.at(2));
    } catch (const FileError &error) {
        err() << "halvorn palette: " << error.message << '\n';
        err().flush();
        return 1;
    }
    throw UsageError(QStringLiteral("expected show FILE or convert IN OUT"));
}

} // namespace Corvane::Cli
