#include "PaletteExchangeTest.h"

#include "CardQueries.h"
#include "ColorMath.h"
#include "DialogAnswer.h"
#include "MainWidget.h"
#include "PaletteDriving.h"
#include "PaletteFileDialogs.h"
#include "StateStore.h"
#include "StatusCodes.h"
#include "TaskButton.h"
#include "TestDecks.h"
#include "WidgetDeck.h"

#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>

using namespace Corvane;
using Corvane::Test::DialogAnswer;
using Corvane::Test::normalChip;
using Corvane::Test::WidgetDeck;

namespace {

constexpr quint16 kSaveButtonId = 1;
const QString kDeckFile = QStringLiteral("widgets.db");
const QString kGimpFilter = QStringLiteral("GIMP palette (*.gpl)");

// Gives every chip of the deck's normal collection the CIELAB value of its RGB colour, so
// that a colour finds its own chip.
void matchLabToRgb(WidgetDeck &deck)
{
    for (int page = 1; page <= WidgetDeck::normalCardCount; ++page) {
        for (int row = 1;; ++row) {
            DB::ColorEntry chip;
            if (DB::loadRowAt(WidgetDeck::normal, page, row, chip) != DB::StatusOk)
                break;
            const DB::LabEntry lab = labFromColor(chip.color());
            deck.fixture.exec(kDeckFile,
                              QStringLiteral("UPDATE \"ROW\" SET L = ?, A = ?, B = ? WHERE ID = ?"),
                              {lab.l, lab.a, lab.b, chip.id});
        }
    }
}

// Chooses `filter` and `path` in the next file dialog and accepts it. A shown dialog leaves
// its file name edit alone while the edit has focus, so the focus goes first.
DialogAnswer<QFileDialog> chooseFile(const QString &filter, const QString &path)
{
    return DialogAnswer<QFileDialog>([filter, path](QFileDialog *dialog) {
        if (!filter.isEmpty())
            dialog->selectNameFilter(filter);
        if (QWidget *focused = dialog->focusWidget())
            focused->clearFocus();
        dialog->selectFile(path);
        const QStringList chosen = dialog->selectedFiles();
        QMetaObject::invokeMethod(dialog, "accept");
        QCOMPARE(chosen, QStringList {path});
    });
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

void PaletteExchangeTest::cleanup()
{
    Corvane::Test::resetEngineState();
}

void PaletteExchangeTest::exportChoices_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("written");
    QTest::newRow("gimp, extension added") << kGimpFilter << "/tmp/mine"
                                           << "/tmp/mine.gpl";
    QTest::newRow("gimp, extension kept") << kGimpFilter << "/tmp/mine.GPL"
                                          << "/tmp/mine.GPL";
    QTest::newRow("swatch exchange after another extension") << "Adobe Swatch Exchange (*.ase)"
                                                             << "/tmp/mine.gpl"
                                                             << "/tmp/mine.gpl.ase";
    QTest::newRow("the palette filter is no export") << "Palettes (*.palette)"
                                                     << "/tmp/mine" << QString();
}

void PaletteExchangeTest::exportChoices()
{
    QFETCH(QString, filter);
    QFETCH(QString, path);
    QFETCH(QString, written);
    const std::optional<PaletteExportFormat> format = chosenExportFormat(filter);
    QCOMPARE(format.has_value(), !written.isEmpty());
    if (format)
        QCOMPARE(withExportExtension(path, *format), written);
}

// The export filters follow the palette filter; choosing one writes that format and leaves
// the stored save format alone.
void PaletteExchangeTest::exportThroughSaveDialog()
{
    WidgetDeck deck;
    deck.reset();
    const DB::ColorEntry chip = normalChip(2, 3);
    StateStore().setMyPaletteEntry(QPoint(0, 0), DB::ItemIndex(WidgetDeck::normal, chip));
    MainWidget main(&currentMainWidget);
    QTemporaryDir folder;

    auto answer = chooseFile(kGimpFilter, folder.filePath(QStringLiteral("mine")));
    main.taskButton(kSaveButtonId)->click();
    QVERIFY(answer.answered());
    QFile written(folder.filePath(QStringLiteral("mine.gpl")));
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(written.readAll());
    QVERIFY2(text.startsWith(QStringLiteral("GIMP Palette")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("N2-3")), qPrintable(text));
    QCOMPARE(StateStore().myPaletteSaveFileFormat(), XmlPalette);
}

void PaletteExchangeTest::importThroughImportEntry_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("codes"); // My Palette's first cells afterwards
    QTest::addColumn<bool>("message"); // a warning or summary is shown

    const QColor first = WidgetDeck::deckColor(1, 2);
    const QColor second = WidgetDeck::deckColor(2, 3);
    const QByteArray twoColours = QStringLiteral("GIMP Palette\nName: Mine\n%1 %2 %3 one\n"
                                                 "%4 %5 %6 two\n")
                                      .arg(first.red())
                                      .arg(first.green())
                                      .arg(first.blue())
                                      .arg(second.red())
                                      .arg(second.green())
                                      .arg(second.blue())
                                      .toUtf8();
    QTest::newRow("two chips, exact") << twoColours << QStringList {"N1-2", "N2-3"} << false;
    QTest::newRow("a colour far from every chip")
        << QByteArray("GIMP Palette\n0 255 0 green\n") << QStringList {"N2-4"} << true;
    QTest::newRow("not a palette") << QByteArray("hello\n") << QStringList {"N4-2"} << true;
}

// The import entry of the load button: the colours land in My Palette as their nearest
// chips, through the usual load; an unreadable file leaves My Palette as it was.
void PaletteExchangeTest::importThroughImportEntry()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, codes);
    QFETCH(bool, message);
    WidgetDeck deck;
    deck.reset();
    matchLabToRgb(deck);
    StateStore().setMyPaletteEntry(QPoint(0, 0),
                                   DB::ItemIndex(WidgetDeck::normal, normalChip(4, 2)));
    MainWidget main(&currentMainWidget);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("theirs.gpl"));
    writeFile(path, file);

    QAction *import = nullptr;
    for (QAction *action : main.taskButton(2)->actions()) {
        if (action->shortcut() == QKeySequence(Qt::CTRL | Qt::Key_I))
            import = action;
    }
    QVERIFY(import);
    auto answer = chooseFile(QString(), path);
    DialogAnswer<QMessageBox> shown([](QMessageBox *box) { box->accept(); });
    import->trigger();
    QVERIFY(answer.answered());
    QCOMPARE(shown.answered(), message);
    for (int i = 0; i < codes.size(); ++i) {
        const DB::ItemIndex entry = StateStore().myPaletteEntry(QPoint(i, 0));
        DB::ColorEntry chip;
        QCOMPARE(DB::loadRowById(WidgetDeck::normal, entry.rowId, chip), 0);
        QCOMPARE(chip.code(), codes.at(i));
    }
}
