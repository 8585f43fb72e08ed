// Timings of the engine on a synthetic collection of 50,000 chips, printed as a table.
// Build in Release: the numbers of a debug build say little.

#include "BenchTable.h"
#include "CardQueries.h"
#include "CollectionRegistry.h"
#include "ColorMath.h"
#include "StatusCodes.h"
#include "SyntheticCollection.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTextStream>

#include <cstdio>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

namespace {

using namespace Corvane;
using Bench::Measurement;

constexpr int kChipCount = 50000;
constexpr int kMaxMatches = 6;
constexpr int kReferenceCount = 200;
// Fewer references in the slow dirty-register state keep the run short.
constexpr int kDirtyReferenceCount = 20;
constexpr quint32 kReferenceSeed = 4711u;
constexpr int kQueryCalls = 10;

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

#if defined(__x86_64__) || defined(__i386__)
__attribute__((target("avx"))) void zeroUpperHalvesWithAvx()
{
    _mm256_zeroupper();
}
#endif

// Loading the SQLite plug-in leaves the upper halves of the AVX registers dirty here, after
// which every call into the maths library's AVX code pays a transition penalty (about ten
// times slower cos and atan2). Clearing them shows what the search itself costs.
void zeroUpperVectorHalves()
{
#if defined(__x86_64__) || defined(__i386__)
    if (__builtin_cpu_supports("avx"))
        zeroUpperHalvesWithAvx();
#endif
}

bool sameMatches(const QVector<NearestMatch> &first, const QVector<NearestMatch> &second)
{
    if (first.size() != second.size())
        return false;
    for (int i = 0; i < first.size(); ++i) {
        if (first.at(i).rowId != second.at(i).rowId || first.at(i).deltaE != second.at(i).deltaE)
            return false;
    }
    return true;
}

// The pruned nearest-colour search against the plain pass, on the same references in the
// same process; `identical` tells whether every result agreed.
Measurement measureNearestColors(const QString &name, const QVector<DB::LabEntry> &candidates,
                                 int referenceCount, bool &identical)
{
    QRandomGenerator random(kReferenceSeed);
    QVector<NearestMatch> pruned;
    QVector<NearestMatch> plain;
    // One call of each first, so that neither pays for cold caches.
    findNearestColors(candidates.first(), candidates, pruned, kMaxMatches);
    findNearestColorsPlain(candidates.first(), candidates, plain, kMaxMatches);

    qint64 prunedNanoseconds = 0;
    qint64 plainNanoseconds = 0;
    int mismatches = 0;
    QElapsedTimer timer;
    for (int i = 0; i < referenceCount; ++i) {
        const DB::LabEntry reference = labFromColor(QColor::fromRgb(random.bounded(0x1000000u)));
        timer.start();
        findNearestColorsPlain(reference, candidates, plain, kMaxMatches);
        plainNanoseconds += timer.nsecsElapsed();
        timer.start();
        findNearestColors(reference, candidates, pruned, kMaxMatches);
        prunedNanoseconds += timer.nsecsElapsed();
        if (!sameMatches(pruned, plain))
            ++mismatches;
    }
    identical = mismatches == 0;

    Measurement measurement;
    measurement.name = name;
    measurement.calls = referenceCount;
    measurement.milliseconds = prunedNanoseconds / 1e6 / referenceCount;
    measurement.referenceMilliseconds = plainNanoseconds / 1e6 / referenceCount;
    measurement.note = identical
        ? QStringLiteral("results identical")
        : QStringLiteral("RESULTS DIFFER for %1 references").arg(mismatches);
    return measurement;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);

    out() << "Writing a synthetic collection of " << kChipCount << " chips...\n";
    out().flush();
    const Bench::SyntheticCollection collection(kChipCount);
    if (!collection.isValid()) {
        std::fprintf(stderr, "tessary_bench: %s\n", qPrintable(collection.error()));
        return 2;
    }

    QVector<DB::LabEntry> candidates;
    const int status = DB::loadLabEntries(collection.uuid(), candidates);
    if (status != DB::StatusOk || candidates.size() != kChipCount) {
        std::fprintf(stderr, "tessary_bench: loading the Lab values failed (status %d, %d chips)\n",
                     status, int(candidates.size()));
        return 2;
    }

    Bench::BenchTable table;
    const QString nearest = QStringLiteral("findNearestColors (%1 chips, maxCount %2)")
                                .arg(candidates.size())
                                .arg(kMaxMatches);
    bool identicalDirty = false;
    table.add(measureNearestColors(nearest + QStringLiteral(", dirty AVX"), candidates,
                                   kDirtyReferenceCount, identicalDirty));
    zeroUpperVectorHalves();
    bool identical = false;
    table.add(measureNearestColors(nearest, candidates, kReferenceCount, identical));
    identical = identical && identicalDirty;

    table.add(Bench::timeCalls(QStringLiteral("loadLabEntries (%1 chips)").arg(kChipCount),
                               kQueryCalls, [&collection] {
                                   QVector<DB::LabEntry> entries;
                                   DB::loadLabEntries(collection.uuid(), entries);
                               }));

    out() << table.toText();
    out().flush();
    return identical ? 0 : 1;
}
