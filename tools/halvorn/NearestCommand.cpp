#include "CardQueries.h"
#include "CollectionOption.h"
#include "CollectionSettings.h"
#include "ColorMath.h"
#include "CommandLine.h"
#include "Commands.h"
#include "StatusCodes.h"

#include <QRegularExpression>

#include <cmath>
#include <optional>

namespace Corvane::Cli {

namespace {

constexpr int kDefaultCount = 6;
constexpr int kDecimals = 4;

// "#RRGGBB" as a colour; anything else is a usage error.
QColor parseRgb(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^#[0-9A-Fa-f]{6}$"));
    if (!pattern.match(text).hasMatch())
        throw UsageError(QStringLiteral("--rgb expects #RRGGBB, not \"%1\"").arg(text));
    return QColor::fromString(text);
}

// "L,a,b" as three finite numbers; anything else is a usage error.
DB::LabEntry parseLab(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    const UsageError error(
        QStringLiteral("--lab expects L,a,b as three numbers, not \"%1\"").arg(text));
    if (parts.size() != 3)
        throw error;
    double values[3] = {0.0, 0.0, 0.0};
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        values[i] = parts.at(i).trimmed().toDouble(&ok);
        if (!ok || !std::isfinite(values[i]))
            throw error;
    }
    DB::LabEntry lab;
    lab.l = values[0];
    lab.a = values[1];
    lab.b = values[2];
    return lab;
}

// The reference colour from exactly one of --rgb and --lab.
DB::LabEntry takeReference(CommandLine &commandLine)
{
    const std::optional<QString> rgb = commandLine.takeOption(QStringLiteral("--rgb"));
    const std::optional<QString> lab = commandLine.takeOption(QStringLiteral("--lab"));
    if (rgb.has_value() == lab.has_value())
        throw UsageError(QStringLiteral("give either --rgb or --lab"));
    return rgb ? labFromColor(parseRgb(*rgb)) : parseLab(*lab);
}

// "-n N" as a positive integer, 6 when absent.
int takeCount(CommandLine &commandLine)
{
    const std::optional<QString> text = commandLine.takeOption(QStringLiteral("-n"));
    if (!text)
        return kDefaultCount;
    bool ok = false;
    const int count = text->toInt(&ok);
    if (!ok || count <= 0)
        throw UsageError(QStringLiteral("-n expects a positive integer, not \"%1\"").arg(*text));
    return count;
}

// The chip's name at the first place of the row name display order; its NAME0 when the
// collection sets no order or the chip has no name there.
QString displayName(const DB::ColorEntry &entry)
{
    const QVector<qint64> &order = DB::rowNameDisplayOrder();
    const QString name = order.isEmpty() ? QString() : entry.name(int(order.first()));
    return name.isEmpty() ? entry.name(0) : name;
}

} // namespace

// The N chips nearest to a colour by CIEDE2000: difference, code, name, #RRGGBB, row id.
int runNearest(CommandLine &commandLine)
{
    commandLine.applyDataDir();
    const DB::LabEntry reference = takeReference(commandLine);
    const int count = takeCount(commandLine);
    const QUuid collection = resolveCollectionOption(commandLine);
    commandLine.positionals(0, QStringLiteral("no arguments besides the options"));

    QVector<DB::LabEntry> candidates;
    const int status = DB::loadLabEntries(collection, candidates);
    if (status != DB::StatusOk) {
        err() << "halvorn nearest: " << describeStatus(status) << '\n';
        err().flush();
        return 2;
    }
    DB::loadDisplayOrders(collection);
    CollectionSettings::setCurrentCollection(collection);

    QVector<NearestMatch> matches;
    // More places than chips change nothing but the cost.
    findNearestColors(reference, candidates, matches,
                      int(std::min<qint64>(count, candidates.size())));
    for (const NearestMatch &match : std::as_const(matches)) {
        DB::ColorEntry entry;
        DB::loadRowById(collection, match.rowId, entry);
        out() << QString::number(match.deltaE, 'f', kDecimals) << '\t' << entry.code() << '\t'
              << displayName(entry) << '\t' << entry.color().name(QColor::HexRgb).toUpper() << '\t'
              << match.rowId << '\n';
    }
    out().flush();
    return 0;
}

} // namespace Corvane::Cli
