#include "CaptureMatching.h"
#include "Collection.h"
#include "CollectionOption.h"
#include "CollectionRegistry.h"
#include "CollectionSettings.h"
#include "ColorText.h"
#include "CommandLine.h"
#include "Commands.h"
#include "CxF3Reader.h"
#include "StatusCodes.h"

#include <QColor>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>

namespace Corvane::Cli {

namespace {

constexpr int kDecimals = 4;

// "halvorn capture: <message>" on stderr, exit status 1.
int fail(const QString &message)
{
    err() << "halvorn capture: " << message << '\n';
    err().flush();
    return 1;
}

QString collectionName(qint64 id, QHash<qint64, QString> &names)
{
    if (!names.contains(id)) {
        QSharedPointer<DB::Collection> collection;
        const bool loaded
            = DB::loadCollection(DB::collectionUuidForDbId(id), collection) == DB::StatusOk;
        names.insert(id, loaded ? collection->name() : QString());
    }
    return names.value(id);
}

} // namespace

// The chips a CxF3 file finds, as the capture dialog lists them: code, collection name,
// #RRGGBB. The names are compared with the name columns that the search order of the
// collection given (or the first one) names; an object whose name finds nothing but that
// carries a CIELAB value adds the nearest chip of the capture collections, listed after the
// name matches with its CIEDE2000 difference as a fourth column.
int runCapture(CommandLine &commandLine)
{
    commandLine.applyDataDir();
    const QUuid collection = resolveCollectionOption(commandLine);
    const QString path = commandLine.positionals(1, QStringLiteral("one FILE")).first();
    if (!QFileInfo(path).isFile())
        return fail(QStringLiteral("%1: no such file").arg(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("%1: %2").arg(path, file.errorString()));
    const CaptureFileContents contents = readCaptureNames(file.read(maxCaptureFileSize + 1));
    if (!contents.isCxf3)
        return fail(QStringLiteral("%1: not a CxF3 file: %2").arg(path, contents.error));

    DB::loadDisplayOrders(collection);
    CollectionSettings::setCurrentCollection(collection);
    for (const QString &note : contents.notes)
        err() << "halvorn capture: " << path << ": CIELAB value not used: " << note << '\n';
    err().flush();
    QVector<CaptureMatch> matches;
    const int status = matchCaptureContents(contents, matches);
    if (status != DB::StatusOk)
        return fail(describeStatus(status));
    QSet<qint64> listed;
    QHash<qint64, QString> names;
    for (const CaptureMatch &match : matches) {
        const DB::ColorEntry &chip = match.chip;
        if (listed.contains(chip.id))
            continue;
        listed.insert(chip.id);
        out() << chip.code() << '\t' << collectionName(chip.collectionId, names) << '\t'
              << colorText(QColor(chip.red, chip.green, chip.blue));
        if (match.byColor)
            out() << '\t' << QString::number(match.deltaE, 'f', kDecimals);
        out() << '\n';
    }
    out().flush();
    if (listed.isEmpty())
        return fail(QStringLiteral("%1: no colour of a capture collection matches its %2 names "
                                   "or its CIELAB values")
                        .arg(path)
                        .arg(contents.names.size()));
    return 0;
}

} // namespace Corvane::Cli
