#include "CommandLine.h"
#include "Commands.h"

#include "CollectionWriter.h"
#include "DeckReader.h"
#include "DemoCollections.h"

#include <QDir>
#include <QFileInfo>

#include <optional>

namespace Corvane::Cli {

namespace {

// Reports a failed build: the builder's message on stderr, exit status 1.
int buildFailed(const QString &message)
{
    err() << "halvorn build-collection: " << message << '\n';
    err().flush();
    return 1;
}

QString requiredOption(CommandLine &commandLine, const QString &name, const QString &form)
{
    const std::optional<QString> value = commandLine.takeOption(name);
    if (!value || value->isEmpty())
        throw UsageError(QStringLiteral("%1 needs %2").arg(form, name));
    return *value;
}

int buildDemo(const QString &folder)
{
    QString error;
    if (!Builder::buildDemoFolder(folder, &error))
        return buildFailed(error);
    const QDir resources(QDir(folder).filePath(QStringLiteral("Contents/Resources")));
    for (const QString &file : Builder::demoFileNames())
        out() << resources.absoluteFilePath(file) << '\n';
    out().flush();
    return 0;
}

int buildFromDeck(const QString &deck, const QString &description, const QString &target)
{
    Builder::CollectionData collection;
    QString error;
    if (!Builder::readDeck(deck, collection, &error)
        || !Builder::readCollectionDescription(description, collection, &error)
        || !Builder::writeCollectionFile(target, {collection}, &error))
        return buildFailed(error);
    out() << QFileInfo(target).absoluteFilePath() << '\t' << collection.cards.size() << " cards\t"
          << collection.chips.size() << " chips\n";
    out().flush();
    return 0;
}

int buildSynthetic(const QString &count, const QString &target)
{
    bool ok = false;
    const int chips = count.toInt(&ok);
    constexpr int kMaxSyntheticChips = 1000000;
    if (!ok || chips <= 0 || chips > kMaxSyntheticChips)
        throw UsageError(QStringLiteral("--synthetic needs a number of chips from 1 to %1")
                             .arg(kMaxSyntheticChips));
    QString error;
    if (!Builder::buildSyntheticCollection(target, chips, &error))
        return buildFailed(error);
    out() << QFileInfo(target).absoluteFilePath() << '\t' << chips << " chips\n";
    out().flush();
    return 0;
}

} // namespace

// Writes collection files: the demo folder, a deck (CSV and JSON) or a synthetic collection.
int runBuildCollection(CommandLine &commandLine)
{
    const std::optional<QString> demo = commandLine.takeOption(QStringLiteral("--demo"));
    const std::optional<QString> csv = commandLine.takeOption(QStringLiteral("--csv"));
    const std::optional<QString> synthetic = commandLine.takeOption(QStringLiteral("--synthetic"));
    if (int(bool(demo)) + int(bool(csv)) + int(bool(synthetic)) != 1)
        throw UsageError(QStringLiteral("give exactly one of --demo, --csv and --synthetic"));
    if (demo) {
        if (demo->isEmpty())
            throw UsageError(QStringLiteral("--demo needs a folder"));
        commandLine.positionals(0, QStringLiteral("no further arguments"));
        return buildDemo(*demo);
    }
    if (csv) {
        const QString json
            = requiredOption(commandLine, QStringLiteral("--json"), QStringLiteral("--csv"));
        const QString target
            = requiredOption(commandLine, QStringLiteral("--out"), QStringLiteral("--csv"));
        commandLine.positionals(0, QStringLiteral("no further arguments"));
        return buildFromDeck(*csv, json, target);
    }
    const QString target
        = requiredOption(commandLine, QStringLiteral("--out"), QStringLiteral("--synthetic"));
    commandLine.positionals(0, QStringLiteral("no further arguments"));
    return buildSynthetic(*synthetic, target);
}

} // namespace Corvane::Cli
