#include "CollectionRegistry.h"
#include "CollectionSettings.h"
#include "CommandLine.h"
#include "Commands.h"
#include "ModuleValues.h"
#include "PickResult.h"
#include "SKUPluginMainWindow.h"
#include "StateStore.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPixmap>
#include <QTimer>

#include <optional>

namespace Corvane::Cli {

namespace {

constexpr quint32 kNoInitialColor = 0xFFFFFFFFu;

// With --screenshot nobody can answer a dialog that the picker opens over itself (the
// nearest-colour dialog when the initial colour has several near matches): it is saved next
// to the screenshot as "<name>-dialog.png" and closed, which leaves the picker as it was.
class DialogCloser : public QObject
{
public:
    DialogCloser(const QWidget *window, const QString &screenshot)
        : m_window(window), m_fileName(dialogFileName(screenshot))
    { }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        QDialog *dialog = qobject_cast<QDialog *>(watched);
        if (event->type() == QEvent::Show && dialog && dialog != m_window) {
            const QString fileName = m_fileName;
            QTimer::singleShot(0, dialog, [dialog, fileName]() {
                dialog->grab().save(fileName, "PNG");
                dialog->reject();
            });
        }
        return false;
    }

private:
    static QString dialogFileName(const QString &screenshot)
    {
        const QFileInfo info(screenshot);
        return info.dir().filePath(info.completeBaseName() + QStringLiteral("-dialog.png"));
    }

    const QWidget *m_window;
    QString m_fileName;
};
constexpr quint32 kColorMask = 0x00FFFFFFu;
const QStringList kScreenlessPlatforms {QStringLiteral("offscreen"), QStringLiteral("minimal")};

// "0x00BBGGRR" (or decimal) as the host passes it; 0xFFFFFFFF or -1 means none.
QColor parseInitialColor(const QString &text)
{
    bool ok = false;
    const QString trimmed = text.trimmed();
    if (trimmed == QLatin1String("-1"))
        return Qt::transparent;
    const quint32 value = trimmed.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)
        ? trimmed.mid(2).toUInt(&ok, 16)
        : trimmed.toUInt(&ok, 10);
    if (!ok || (value != kNoInitialColor && (value & ~kColorMask) != 0))
        throw UsageError(
            QStringLiteral("--initial-color wants 0x00BBGGRR or -1, not %1").arg(text));
    if (value == kNoInitialColor)
        return Qt::transparent;
    return QColor::fromRgb(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

// Opens the picker on the last-used collection, or on the first one when that is unknown.
QUuid restoreCollection()
{
    DB::ensureCollections();
    const QList<QUuid> collections = DB::orderedCollectionUuids();
    if (collections.isEmpty())
        return QUuid();
    const StateStore store;
    QUuid collection = store.uuidOfLastUsedCollection();
    if (!collections.contains(collection)) {
        collection = collections.first();
        store.setUuidOfLastUsedCollection(collection);
    }
    DB::loadDisplayOrders(collection);
    CollectionSettings::setCurrentCollection(collection);
    return collection;
}

// The host's form of a colour: 0x00BBGGRR, or NoInitialColor.
quint32 initialColorValue(const QColor &color)
{
    if (color == QColor(Qt::transparent))
        return PickResult::NoInitialColor;
    return quint32(color.red()) | quint32(color.green()) << 8 | quint32(color.blue()) << 16;
}

// "#RRGGBB<TAB>name", one picked colour a line, in reading order of My Palette.
void printPicked(const PickResult &result)
{
    for (quint32 i = 0; i < result.count; ++i) {
        out() << QColor::fromRgb(result.colorAt(i)).name(QColor::HexRgb).toUpper() << '\t'
              << QString::fromLocal8Bit(result.nameAt(i)) << '\n';
    }
    out().flush();
}

} // namespace

// The picker window; with --screenshot it saves the window as it opens and exits.
int runPick(CommandLine &commandLine)
{
    commandLine.applyDataDir();
    const std::optional<QString> initial
        = commandLine.takeOption(QStringLiteral("--initial-color"));
    const std::optional<QString> screenshot
        = commandLine.takeOption(QStringLiteral("--screenshot"));
    commandLine.positionals(0, QStringLiteral("no arguments"));
    const QColor initialColor = initial ? parseInitialColor(*initial) : QColor(Qt::transparent);
    if (screenshot && screenshot->isEmpty())
        throw UsageError(QStringLiteral("--screenshot needs a file name"));
    // A window on a platform without a screen could never be closed.
    if (!screenshot && kScreenlessPlatforms.contains(QGuiApplication::platformName()))
        throw UsageError(QStringLiteral("without a display only --screenshot can be used"));

    if (restoreCollection().isNull()) {
        err() << "halvorn pick: no collection found in " << databaseFolder() << '\n';
        err().flush();
        return 1;
    }

    PickResult result;
    result.reset(initialColorValue(initialColor));
    SKUPluginMainWindow window(&result);
    int status = 0;
    if (screenshot) {
        DialogCloser closer(&window, *screenshot);
        qApp->installEventFilter(&closer);
        QObject::connect(&window, &SKUPluginMainWindow::initialColorSettled, &window,
                         [&window, &screenshot, &status]() {
                             if (!window.grab().save(*screenshot, "PNG")) {
                                 err() << "halvorn pick: cannot write " << *screenshot << '\n';
                                 err().flush();
                                 status = 1;
                             }
                             QCoreApplication::quit();
                         });
        window.show();
        QApplication::exec();
        return status;
    }
    // Cancelling, or closing the window, picks nothing.
    if (window.exec() != QDialog::Accepted)
        return 1;
    printPicked(result);
    return 0;
}

} // namespace Corvane::Cli
