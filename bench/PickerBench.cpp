// Timings of the picker's main widget on the demo data and on a synthetic collection of
// 50,000 chips, offscreen, printed as a table. Build in Release.

#include "BenchTable.h"
#include "CardRollerWidget.h"
#include "CollectionRegistry.h"
#include "CollectionSettings.h"
#include "DemoCollections.h"
#include "MainWidget.h"
#include "ModuleValues.h"
#include "StateStore.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <QVector>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <memory>
#include <numeric>

namespace {

using namespace Corvane;

// Rejects every dialog as it is shown, so that a modal dialog does not stop the run.
class DialogRejecter : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (QDialog *dialog = qobject_cast<QDialog *>(watched);
            dialog && event->type() == QEvent::Show)
            QTimer::singleShot(0, dialog, &QDialog::reject);
        return false;
    }
};
using Bench::Measurement;

constexpr int kSyntheticChips = 50000;
constexpr int kRepeats = 40;
constexpr int kConstructionRepeats = 10;
constexpr double kFrameBudget = 16.0;
constexpr double kFirstPaintBudget = 150.0;
// Sorts after the demo files, so the demo's system-wide theme is the one registered.
const QString kSyntheticFile = QStringLiteral("Zz-Synthetic.db");

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

// The CPU time this thread has used, in nanoseconds: unlike the wall clock it leaves out the
// time other processes take the processor away, which on a shared machine dominates.
qint64 threadCpuNanoseconds()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

// Runs `action` `repeats` times. The table gets the mean wall time; the note the median wall
// time and the slowest call in CPU time, which is held against the budget.
Measurement measure(const QString &name, int repeats, double budget,
                    const std::function<void(int)> &action)
{
    QElapsedTimer timer;
    QVector<double> wall;
    double worstCpu = 0.0;
    for (int i = 0; i < repeats; ++i) {
        const qint64 cpuStart = threadCpuNanoseconds();
        timer.start();
        action(i);
        wall.append(timer.nsecsElapsed() / 1e6);
        worstCpu = std::max(worstCpu, (threadCpuNanoseconds() - cpuStart) / 1e6);
    }
    Measurement measurement;
    measurement.name = name;
    measurement.calls = repeats;
    measurement.milliseconds = std::accumulate(wall.cbegin(), wall.cend(), 0.0) / repeats;
    std::sort(wall.begin(), wall.end());
    measurement.note = QStringLiteral("median %1 ms, slowest %2 ms CPU, budget %3 ms: %4")
                           .arg(wall.at(repeats / 2), 0, 'f', 2)
                           .arg(worstCpu, 0, 'f', 2)
                           .arg(budget, 0, 'f', 0)
                           .arg(worstCpu <= budget ? QStringLiteral("ok") : QStringLiteral("OVER"));
    return measurement;
}

void openCollection(const QUuid &collection)
{
    StateStore().setUuidOfLastUsedCollection(collection);
    DB::loadDisplayOrders(collection);
    CollectionSettings::setCurrentCollection(collection);
}

// The measurements of one collection; `other` is the collection switched to and back.
void measureCollection(Bench::BenchTable &table, const QString &label, const QUuid &collection,
                       const QUuid &other)
{
    openCollection(collection);
    table.add(measure(label + QStringLiteral(": construction to first paint"), kConstructionRepeats,
                      kFirstPaintBudget, [](int) {
                          MainWidget main(&currentMainWidget);
                          main.grab();
                      }));

    // A hidden widget does not repaint: grab() renders the widget as a repaint would.
    auto main = std::make_unique<MainWidget>(&currentMainWidget);
    main->grab();
    CardRollerWidget *roller = main->cardRoller();
    table.add(measure(label + QStringLiteral(": rollCards with the roller's repaint"), kRepeats,
                      kFrameBudget, [&](int i) {
                          main->rollCards(i % 2 ? DirectionBackward : DirectionForward);
                          roller->grab();
                      }));
    table.add(measure(label + QStringLiteral(": rowChangedInteractively with repaint"), kRepeats,
                      kFrameBudget, [&](int i) {
                          main->rowChangedInteractively(1 + i % 3);
                          roller->grab();
                      }));
    table.add(measure(label + QStringLiteral(": collection switch with repaint"), kRepeats,
                      kFrameBudget, [&](int i) {
                          main->collectionChangedInteractively(i % 2 ? collection : other);
                          main->grab();
                      }));
    // The first nearest-colour search reads every chip's Lab values; it runs when the picker
    // opens on the host's colour, so it is held against the opening budget. Later searches
    // only search. A nearest-colour dialog that opens among several near chips is closed.
    main = std::make_unique<MainWidget>(&currentMainWidget);
    DialogRejecter rejecter;
    qApp->installEventFilter(&rejecter);
    table.add(measure(label + QStringLiteral(": selectNearestColor, first (at opening)"), 1,
                      kFirstPaintBudget,
                      [&](int) { main->selectNearestColor(QColor(90, 140, 30)); }));
    table.add(measure(label + QStringLiteral(": selectNearestColor, later"), kRepeats, kFrameBudget,
                      [&](int i) { main->selectNearestColor(QColor(90 + i % 7, 140, 31 + i)); }));
    openCollection(collection);
}

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir configHome;
    qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);

    QTemporaryDir data;
    QString error;
    out() << "Building the demo data and a synthetic collection of " << kSyntheticChips
          << " chips...\n";
    out().flush();
    if (!Builder::buildDemoFolder(data.path(), &error)
        || !Builder::buildSyntheticCollection(
            QDir(data.path()).filePath(QStringLiteral("Contents/Resources/") + kSyntheticFile),
            kSyntheticChips, &error)) {
        std::fprintf(stderr, "tessary_picker_bench: %s\n", qPrintable(error));
        return 2;
    }
    setDatabaseFolder(data.path());
    DB::ensureCollections();

    QUuid demo;
    QUuid demoOther;
    QUuid synthetic;
    for (const QUuid &collection : DB::orderedCollectionUuids()) {
        const QString file = DB::collectionRegistry().value(collection).fileName;
        if (file.endsWith(kSyntheticFile))
            synthetic = collection;
        else if (demo.isNull())
            demo = collection;
        else if (demoOther.isNull())
            demoOther = collection;
    }
    if (demo.isNull() || demoOther.isNull() || synthetic.isNull()) {
        std::fprintf(stderr, "tessary_picker_bench: the collections were not all found\n");
        return 2;
    }

    Bench::BenchTable table;
    measureCollection(table, QStringLiteral("demo"), demo, demoOther);
    measureCollection(table, QStringLiteral("50,000 chips"), synthetic, demo);
    out() << table.toText();
    out().flush();
    return 0;
}
