#include "MonkeyTest.h"

#include "CardQueries.h"
#include "CollectionRegistry.h"
#include "CollectionSettings.h"
#include "DemoCollections.h"
#include "DragPayload.h"
#include "Enums.h"
#include "ItemIndex.h"
#include "LabEntry.h"
#include "MainWidget.h"
#include "ModuleValues.h"
#include "StateStore.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QMimeData>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <memory>
#include <random>
#include <unistd.h>

using namespace Corvane;

namespace {

constexpr int kDefaultActions = 2000;
constexpr int kDialogPollMs = 5;
const QString kPaletteGroup = QStringLiteral("MyPalette");

// The action under way, written out when the process dies on a signal.
char g_currentAction[256] = "before the first action";

void reportCrash(int signalNumber)
{
    const char prefix[] = "\ntest_monkey: died during ";
    ssize_t ignored = ::write(STDERR_FILENO, prefix, sizeof prefix - 1);
    ignored = ::write(STDERR_FILENO, g_currentAction, std::strlen(g_currentAction));
    ignored = ::write(STDERR_FILENO, "\n", 1);
    (void)ignored;
    std::signal(signalNumber, SIG_DFL);
    std::raise(signalNumber);
}

int environmentNumber(const char *name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value > 0 ? value : fallback;
}

bool isIntIn(const QVariant &value, int low, int high)
{
    bool ok = false;
    const int number = value.toInt(&ok);
    return ok && number >= low && number <= high;
}

bool isBool(const QVariant &value)
{
    const QString text = value.toString();
    return text == QLatin1String("true") || text == QLatin1String("false");
}

// The problems with one collection group's stored values; empty when all are in range.
QStringList collectionProblems(QSettings &settings)
{
    QStringList problems;
    const auto check = [&](const QString &key, bool valid) {
        if (settings.contains(key) && !valid)
            problems << key + QLatin1Char('=') + settings.value(key).toString();
    };
    check(QStringLiteral("SegmentIndex"), isIntIn(settings.value("SegmentIndex"), 1, 360));
    check(QStringLiteral("PageIndex"), isIntIn(settings.value("PageIndex"), 1, 1000000));
    check(QStringLiteral("RowIndex"), isIntIn(settings.value("RowIndex"), 1, 1000));
    check(QStringLiteral("MoodFilter"), isIntIn(settings.value("MoodFilter"), MoodFresh, MoodAll));
    const int tab = settings.value("TabPageIndex").toInt();
    check(QStringLiteral("TabPageIndex"),
          tab == PageOfColorSchemes || tab == PageOfProducts || tab == PageOfColorVistral
              || tab == PageOfTextures);
    check(QStringLiteral("SchemeKind"), isIntIn(settings.value("SchemeKind"), 0, NaturalNeutral));
    check(QStringLiteral("SchemeNeutralSubKind"),
          isIntIn(settings.value("SchemeNeutralSubKind"), TonalNeutral, NaturalNeutral));
    check(QStringLiteral("ExteriorColors"), isBool(settings.value("ExteriorColors")));
    check(QStringLiteral("ShowMto"), isBool(settings.value("ShowMto")));
    return problems;
}

QStringList paletteProblems(QSettings &settings)
{
    QStringList problems;
    for (const QString &key : settings.childKeys()) {
        const QVariant value = settings.value(key);
        bool valid = true;
        if (key.endsWith(QLatin1String(".Entry")))
            valid = DB::ItemIndex::fromText(value.toString()).rowId > 0;
        else if (key.endsWith(QLatin1String(".Selected")))
            valid = value.toString() == QLatin1String("true");
        else if (key == QLatin1String("MyPaletteSaveFileFormat"))
            valid = isIntIn(value, XmlPalette, PlainText);
        else if (key == QLatin1String("MyPaletteFullBackgroundColor"))
            valid = isIntIn(value, 0, 255);
        else if (key == QLatin1String("MyPaletteGridVisible"))
            valid = isBool(value);
        if (!valid)
            problems << key + QLatin1Char('=') + value.toString();
    }
    return problems;
}

// Every stored value outside its allowed range, as "group/key=value"; empty when all are valid.
QString stateProblems()
{
    QSettings settings(StateStore().fileName(), QSettings::IniFormat);
    QStringList problems;
    const QString lastUsed = settings.value("UuidOfLastUsedCollection").toString();
    if (settings.contains("UuidOfLastUsedCollection")
        && !DB::orderedCollectionUuids().contains(QUuid::fromString(lastUsed)))
        problems << QStringLiteral("UuidOfLastUsedCollection=") + lastUsed;
    for (const QString &group : settings.childGroups()) {
        settings.beginGroup(group);
        const QStringList found
            = group == kPaletteGroup ? paletteProblems(settings) : collectionProblems(settings);
        for (const QString &problem : found)
            problems << group + QLatin1Char('/') + problem;
        settings.endGroup();
    }
    return problems.join(QStringLiteral(", "));
}

// Closes every modal dialog and popup as soon as it runs its own event loop, so no action
// waits for a user: the nearest-colour and capture dialogs, message boxes and file dialogs.
class DialogCloser : public QObject
{
public:
    DialogCloser()
    {
        m_timer.setInterval(kDialogPollMs);
        connect(&m_timer, &QTimer::timeout, this, &DialogCloser::closeOpen);
        m_timer.start();
    }
    QMap<QString, int> closed;

private:
    void closeOpen()
    {
        if (QWidget *popup = QApplication::activePopupWidget()) {
            ++closed[QString::fromLatin1(popup->metaObject()->className())];
            popup->close();
        }
        if (QWidget *modal = QApplication::activeModalWidget()) {
            ++closed[QString::fromLatin1(modal->metaObject()->className())];
            if (auto *dialog = qobject_cast<QDialog *>(modal))
                dialog->reject();
            else
                modal->close();
        }
    }
    QTimer m_timer;
};

// One run of random actions over a live main widget.
class Monkey
{
public:
    Monkey(MainWidget &main, quint32 seed, const QString &paletteFolder)
        : m_main(main), m_random(seed), m_paletteFolder(paletteFolder)
    {
        m_collections = DB::orderedCollectionUuids();
        for (const QUuid &collection : std::as_const(m_collections)) {
            QVector<DB::LabEntry> entries;
            DB::loadLabEntries(collection, entries);
            for (const DB::LabEntry &entry : std::as_const(entries))
                m_rowIds[collection].append(entry.rowId);
        }
    }

    // Performs one random action and returns what it did.
    QString act()
    {
        switch (pick(10)) {
        case 0:
        case 1:
        case 2:
            return click();
        case 3:
            return wheel();
        case 4:
        case 5:
            return key();
        case 6:
            return drop();
        case 7:
            return switchCollection();
        case 8:
            return switchTab();
        default:
            return savedOrLoadedPalette();
        }
    }

private:
    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(m_random); }

    QWidget *randomWidget()
    {
        QList<QWidget *> widgets {&m_main};
        for (QWidget *child : m_main.findChildren<QWidget *>()) {
            if (child->isVisible() && child->window() == m_main.window())
                widgets.append(child);
        }
        return widgets.at(pick(int(widgets.size())));
    }

    QPoint randomPoint(const QWidget *widget)
    {
        return {pick(qMax(1, widget->width())), pick(qMax(1, widget->height()))};
    }

    static QString describe(const QString &what, const QWidget *widget, const QPoint &point)
    {
        return QStringLiteral("%1 on %2 \"%3\" at (%4,%5)")
            .arg(what, QString::fromLatin1(widget->metaObject()->className()), widget->objectName())
            .arg(point.x())
            .arg(point.y());
    }

    QString click()
    {
        QWidget *widget = randomWidget();
        const QPoint point = randomPoint(widget);
        const Qt::MouseButton button = pick(5) == 0 ? Qt::RightButton : Qt::LeftButton;
        const bool twice = pick(6) == 0;
        QString what = button == Qt::LeftButton ? QStringLiteral("left") : QStringLiteral("right");
        what += twice ? QStringLiteral(" double click") : QStringLiteral(" click");
        const QString description = describe(what, widget, point);
        mark(description);
        if (twice)
            QTest::mouseDClick(widget, button, Qt::NoModifier, point);
        else
            QTest::mouseClick(widget, button, Qt::NoModifier, point);
        return description;
    }

    QString wheel()
    {
        QWidget *widget = randomWidget();
        const QPoint point = randomPoint(widget);
        const int delta = (pick(2) ? 1 : -1) * 120 * (1 + pick(3));
        const QString description = describe(QStringLiteral("wheel %1").arg(delta), widget, point);
        mark(description);
        QWheelEvent event(QPointF(point), QPointF(widget->mapToGlobal(point)), QPoint(),
                          QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(widget, &event);
        return description;
    }

    QString key()
    {
        static const Qt::Key keys[]
            = {Qt::Key_Left,     Qt::Key_Right, Qt::Key_Up,        Qt::Key_Down,   Qt::Key_PageUp,
               Qt::Key_PageDown, Qt::Key_Home,  Qt::Key_End,       Qt::Key_Return, Qt::Key_Escape,
               Qt::Key_Tab,      Qt::Key_Space, Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_A,
               Qt::Key_E,        Qt::Key_R,     Qt::Key_1,         Qt::Key_0,      Qt::Key_Minus};
        QWidget *focus = QApplication::focusWidget();
        QWidget *widget = focus && pick(2) ? focus : randomWidget();
        const Qt::Key key = keys[pick(int(std::size(keys)))];
        const Qt::KeyboardModifiers modifiers
            = pick(4) == 0 ? Qt::ControlModifier : Qt::KeyboardModifiers(Qt::NoModifier);
        const QString description = describe(QStringLiteral("key 0x%1 modifiers 0x%2")
                                                 .arg(int(key), 0, 16)
                                                 .arg(int(modifiers), 0, 16),
                                             widget, QPoint());
        mark(description);
        QTest::keyClick(widget, key, modifiers);
        return description;
    }

    // A drag between widgets, delivered as the drop events a QDrag would send: QDrag::exec
    // runs its own loop that waits for a real mouse, which offscreen never comes.
    QString drop()
    {
        QList<QWidget *> targets;
        for (QWidget *child : m_main.findChildren<QWidget *>()) {
            if (child->isVisible() && child->acceptDrops())
                targets.append(child);
        }
        if (targets.isEmpty())
            return click();
        QWidget *target = targets.at(pick(int(targets.size())));
        const QPoint point = randomPoint(target);
        const auto source = DragSource(1 + pick(4));
        const QUuid collection = m_collections.at(pick(int(m_collections.size())));
        QByteArray payload;
        QString kind;
        const QList<qint64> rows = m_rowIds.value(collection);
        switch (pick(4)) {
        case 0:
            payload = colorPayload(source, QColor::fromRgb(quint32(m_random())),
                                   QStringLiteral("Name"), QString());
            kind = QStringLiteral("colour");
            break;
        case 1:
            payload = QByteArray::number(qulonglong(m_random()));
            kind = QStringLiteral("garbage");
            break;
        default: {
            DB::ColorEntry entry;
            const qint64 row = rows.isEmpty() ? 1 : rows.at(pick(int(rows.size())));
            DB::loadRowById(collection, row, entry);
            payload = chipPayload(source, collection, entry);
            kind = QStringLiteral("chip %1").arg(row);
        }
        }
        const QString description = describe(
            QStringLiteral("drop of %1 from %2").arg(kind).arg(int(source)), target, point);
        mark(description);
        const std::unique_ptr<QMimeData> mime(payloadMimeData(payload));
        const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
        QDragEnterEvent enter(point, actions, mime.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        if (!enter.isAccepted())
            return description;
        QDragMoveEvent move(point, actions, mime.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &move);
        if (pick(5) == 0) {
            QDragLeaveEvent leave;
            QApplication::sendEvent(target, &leave);
            return description + QStringLiteral(" (left)");
        }
        QDropEvent dropEvent(QPointF(point), actions, mime.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &dropEvent);
        return description;
    }

    QString switchCollection()
    {
        const QUuid collection = m_collections.at(pick(int(m_collections.size())));
        const QString description = QStringLiteral("switch to collection ") + collection.toString();
        mark(description);
        m_main.collectionChangedInteractively(collection);
        return description;
    }

    QString switchTab()
    {
        static const TabBarPage pages[]
            = {PageOfColorSchemes, PageOfProducts, PageOfColorVistral, PageOfTextures};
        const TabBarPage page = pages[pick(4)];
        const QString description = QStringLiteral("tab page %1").arg(int(page));
        mark(description);
        m_main.tabPageSelected(page);
        return description;
    }

    QString savedOrLoadedPalette()
    {
        const auto format = PaletteFileFormat(pick(2));
        const QString path = QDir(m_paletteFolder)
                                 .filePath(QStringLiteral("palette%1.%2")
                                               .arg(pick(3))
                                               .arg(format == XmlPalette ? "xml" : "txt"));
        const bool save = pick(2) == 0;
        const QString description
            = (save ? QStringLiteral("save palette to ") : QStringLiteral("load palette from "))
            + path;
        mark(description);
        if (save)
            emit m_main.savePaletteTo(format, path);
        else
            emit m_main.loadPaletteFrom(XmlPalette, path);
        return description;
    }

    static void mark(const QString &description)
    {
        qstrncpy(g_currentAction, description.toUtf8().constData(), sizeof g_currentAction);
    }

    MainWidget &m_main;
    std::mt19937 m_random;
    QString m_paletteFolder;
    QList<QUuid> m_collections;
    QHash<QUuid, QList<qint64>> m_rowIds;
};

} // namespace

void MonkeyTest::openUrl(const QUrl &) { }

void MonkeyTest::randomActionsKeepStateInRange()
{
    const int actions = environmentNumber("TESSARY_MONKEY_ACTIONS", kDefaultActions);
    bool seedGiven = false;
    const quint32 givenSeed = qEnvironmentVariable("TESSARY_MONKEY_SEED").toUInt(&seedGiven);
    const quint32 seed = seedGiven ? givenSeed : std::random_device()();
    std::fprintf(stderr, "test_monkey: seed %u, %d actions (TESSARY_MONKEY_SEED=%u reproduces)\n",
                 seed, actions, seed);

    QTemporaryDir data;
    QTemporaryDir palettes;
    QString error;
    QVERIFY2(Builder::buildDemoFolder(data.path(), &error), qPrintable(error));
    setDatabaseFolder(data.path());
    DB::collectionRegistry().clear();
    DB::ensureCollections();
    const QList<QUuid> collections = DB::orderedCollectionUuids();
    QVERIFY(!collections.isEmpty());
    const StateStore store;
    QSettings(store.fileName(), QSettings::IniFormat).clear();
    store.setUuidOfLastUsedCollection(collections.first());
    DB::loadDisplayOrders(collections.first());
    CollectionSettings::setCurrentCollection(collections.first());

    for (const char *scheme : {"http", "https", "file", "mailto"})
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "openUrl");
    std::signal(SIGSEGV, reportCrash);
    std::signal(SIGABRT, reportCrash);
    std::signal(SIGFPE, reportCrash);

    // Thousands of actions: the widgets' debug output would bury the result.
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
    DialogCloser closer;
    MainWidget main(&currentMainWidget);
    main.resize(main.sizeHint());
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));

    Monkey monkey(main, seed, palettes.path());
    QElapsedTimer clock;
    clock.start();
    for (int action = 1; action <= actions; ++action) {
        const QString description = monkey.act();
        QApplication::processEvents();
        const QString problems = stateProblems();
        if (!problems.isEmpty()) {
            QFAIL(qPrintable(QStringLiteral("seed %1, action %2 (%3): out of range: %4")
                                 .arg(seed)
                                 .arg(action)
                                 .arg(description, problems)));
        }
    }
    std::fprintf(stderr, "test_monkey: %d actions survived in %lld ms\n", actions,
                 static_cast<long long>(clock.elapsed()));
    for (auto it = closer.closed.cbegin(); it != closer.closed.cend(); ++it)
        std::fprintf(stderr, "test_monkey: closed %d x %s\n", it.value(), qPrintable(it.key()));
    for (const char *scheme : {"http", "https", "file", "mailto"})
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    std::signal(SIGSEGV, SIG_DFL);
    std::signal(SIGABRT, SIG_DFL);
    std::signal(SIGFPE, SIG_DFL);
}
