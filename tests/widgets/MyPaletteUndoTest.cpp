#include "MyPaletteUndoTest.h"

#include "ColorSchemerWidget.h"
#include "ImageButton.h"
#include "MainWidget.h"
#include "MoodSelectWidget.h"
#include "MyPaletteFullWidget.h"
#include "MyPaletteWidget.h"
#include "PaletteDriving.h"
#include "StateStore.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

using namespace Corvane;
using Corvane::Test::clickCell;
using Corvane::Test::dropChip;
using Corvane::Test::kPaletteSize;
using Corvane::Test::normalChip;
using Corvane::Test::WidgetDeck;

namespace {

using StoredEntries = std::array<DB::ItemIndex, PaletteModel::cellCount>;

// A chip whose row does not exist: its cell shows empty, its key stays.
const DB::ItemIndex kMissingChip(WidgetDeck::normal, 1, 99999);
const QPoint kMissingCell(2, 2);
const QString kTypedDescription = QStringLiteral("Kitchen");
const QString kFileDescription = QStringLiteral("Hall");

StoredEntries storedEntries()
{
    StoredEntries entries;
    for (int index = 0; index < PaletteModel::cellCount; ++index)
        entries[index] = StateStore().myPaletteEntry(PaletteModel::cellAt(index));
    return entries;
}

QString storedDescription()
{
    return QSettings(StateStore().fileName(), QSettings::IniFormat)
        .value(QStringLiteral("MyPalette/MyPaletteDescription"))
        .toString();
}

// The widget shows what the store holds: every stored chip that loads, and nothing else.
void verifyShowsStore(const MyPaletteWidget &palette)
{
    for (int index = 0; index < PaletteModel::cellCount; ++index) {
        const QPoint cell = PaletteModel::cellAt(index);
        const DB::ItemIndex stored = StateStore().myPaletteEntry(cell);
        const qint64 shown = cell == kMissingCell ? qint64(-1) : stored.rowId;
        QCOMPARE(palette.rowIdAt(cell), shown);
    }
}

void activate(QWidget &window, QWidget &focus)
{
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    focus.setFocus();
    QTRY_VERIFY(focus.hasFocus());
}

void pressUndo(QWidget &widget)
{
    QTest::keyClick(&widget, Qt::Key_Z, Qt::ControlModifier);
}

void pressRedo(QWidget &widget)
{
    QTest::keyClick(&widget, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
}

// A palette file with one chip at (3,3) and a description, written through a model on the
// store that the next reset empties.
void writePaletteFile(const QString &path)
{
    StateStore().setMyPaletteEntry(QPoint(3, 3),
                                   DB::ItemIndex(WidgetDeck::normal, normalChip(1, 1)));
    PaletteModel model;
    model.restoreFromStore();
    model.setDescription(kFileDescription);
    QVERIFY(model.saveTo(XmlPalette, path));
}

// Two chips, a missing chip, the selection (0,1) and (1,1), a description typed but not
// confirmed, and an empty history.
void fillPalette(MyPaletteWidget &palette)
{
    StateStore().setMyPaletteEntry(kMissingCell, kMissingChip);
    palette.selectedCollectionChanged(WidgetDeck::normal);
    dropChip(palette, QPoint(5, 0), normalChip(2, 1));
    dropChip(palette, QPoint(0, 1), normalChip(3, 3));
    clickCell(palette, QPoint(0, 1));
    clickCell(palette, QPoint(1, 1), Qt::ControlModifier);
    palette.descriptionEdit()->setText(kTypedDescription);
    palette.undoStack()->clear();
}

} // namespace

void MyPaletteUndoTest::init()
{
    m_deck.reset();
}

void MyPaletteUndoTest::undoRedo_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("withDescription");

    QTest::newRow("drop onto an empty cell") << QStringLiteral("drop") << false;
    QTest::newRow("drop onto the selection") << QStringLiteral("drop on selection") << false;
    QTest::newRow("erase button") << QStringLiteral("erase") << false;
    QTest::newRow("Delete key") << QStringLiteral("delete") << false;
    QTest::newRow("clear, also the chip that does not load") << QStringLiteral("clear") << false;
    QTest::newRow("load, with the description") << QStringLiteral("load") << true;
}

void MyPaletteUndoTest::undoRedo()
{
    QFETCH(QString, change);
    QFETCH(bool, withDescription);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("hall.palette"));
    writePaletteFile(path);
    m_deck.reset();

    MyPaletteWidget palette;
    palette.resize(kPaletteSize);
    activate(palette, palette);
    fillPalette(palette);
    const StoredEntries before = storedEntries();
    const QList<QPoint> selection = palette.model().selection();

    if (change == QLatin1String("drop")) {
        dropChip(palette, QPoint(4, 3), normalChip(1, 2));
    } else if (change == QLatin1String("drop on selection")) {
        dropChip(palette, QPoint(1, 1), normalChip(1, 2));
    } else if (change == QLatin1String("erase")) {
        palette.eraseButton()->click();
    } else if (change == QLatin1String("delete")) {
        QTest::keyClick(&palette, Qt::Key_Delete);
    } else if (change == QLatin1String("clear")) {
        palette.clearButton()->click();
        palette.clearQuestion()->button(QMessageBox::Yes)->click();
        activate(palette, palette);
    } else {
        palette.loadPaletteFrom(XmlPalette, path);
    }
    const StoredEntries after = storedEntries();
    QVERIFY(after != before);
    QCOMPARE(palette.undoStack()->count(), 1);
    const QString descriptionAfter = withDescription ? kFileDescription : kTypedDescription;
    QCOMPARE(palette.descriptionEdit()->text(), descriptionAfter);

    QSignalSpy changed(&palette, &MyPaletteWidget::myPaletteChanged);
    pressUndo(palette);
    QCOMPARE(changed.count(), 1);
    QVERIFY(storedEntries() == before);
    verifyShowsStore(palette);
    QCOMPARE(palette.descriptionEdit()->text(), kTypedDescription);
    if (withDescription)
        QCOMPARE(storedDescription(), kTypedDescription);
    QVERIFY(palette.eraseButton()->isEnabled());

    pressRedo(palette);
    QCOMPARE(changed.count(), 2);
    QVERIFY(storedEntries() == after);
    verifyShowsStore(palette);
    QCOMPARE(palette.descriptionEdit()->text(), descriptionAfter);
    if (withDescription)
        QCOMPARE(storedDescription(), kFileDescription);
    // Undo and redo leave the selection alone.
    QCOMPARE(palette.model().selection(), selection);

    // Nothing more to redo; one more undo goes back again.
    pressRedo(palette);
    QCOMPARE(changed.count(), 2);
    pressUndo(palette);
    QVERIFY(storedEntries() == before);
}

// A change that changes nothing is no step: erasing empty cells, or a file that is no
// palette.
void MyPaletteUndoTest::noStepWithoutChange()
{
    QTemporaryDir dir;
    QFile notPalette(dir.filePath(QStringLiteral("notes.palette")));
    QVERIFY(notPalette.open(QIODevice::WriteOnly));
    notPalette.write("<notes/>");
    notPalette.close();

    MyPaletteWidget palette;
    palette.resize(kPaletteSize);
    activate(palette, palette);
    dropChip(palette, QPoint(0, 0), normalChip(1, 1));
    QCOMPARE(palette.undoStack()->count(), 1);
    clickCell(palette, QPoint(3, 3));
    QTest::keyClick(&palette, Qt::Key_Delete);
    palette.loadPaletteFrom(XmlPalette, notPalette.fileName());
    palette.loadPaletteFrom(XmlPalette, dir.filePath(QStringLiteral("missing.palette")));
    QCOMPARE(palette.undoStack()->count(), 1);
    QVERIFY(palette.rowIdAt(QPoint(0, 0)) > 0);
}

// In the description edit, Delete, Ctrl+Z and Ctrl+C work on the text, not on the cells.
void MyPaletteUndoTest::descriptionEditKeepsItsKeys()
{
    MyPaletteWidget palette;
    palette.resize(kPaletteSize);
    activate(palette, palette);
    dropChip(palette, QPoint(0, 0), normalChip(1, 1));
    clickCell(palette, QPoint(0, 0));
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));

    QLineEdit *edit = palette.descriptionEdit();
    activate(palette, *edit);
    QTest::keyClicks(edit, QStringLiteral("Bath"));
    QTest::keyClick(edit, Qt::Key_Home);
    QTest::keyClick(edit, Qt::Key_Delete);
    QCOMPARE(edit->text(), QStringLiteral("ath"));
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("ath"));
    pressUndo(*edit);
    QCOMPARE(edit->text(), QStringLiteral("Bath"));

    QCOMPARE(palette.rowIdAt(QPoint(0, 0)), normalChip(1, 1).id);
    QCOMPARE(palette.undoStack()->index(), 1);
}

void MyPaletteUndoTest::copy_data()
{
    QTest::addColumn<QList<QPoint>>("selection");
    QTest::addColumn<QString>("expected");

    const QString first = WidgetDeck::deckColor(2, 1).name().toUpper() + QStringLiteral("\tN2-1");
    const QString second = WidgetDeck::deckColor(3, 3).name().toUpper() + QStringLiteral("\tN3-3");
    QTest::newRow("reading order, not selection order")
        << QList<QPoint> {{0, 1}, {5, 0}} << first + QLatin1Char('\n') + second;
    QTest::newRow("empty cells are left out") << QList<QPoint> {{2, 2}, {0, 1}, {4, 3}} << second;
    QTest::newRow("no chip selected: the clipboard stays")
        << QList<QPoint> {{2, 2}} << QStringLiteral("before");
}

void MyPaletteUndoTest::copy()
{
    QFETCH(QList<QPoint>, selection);
    QFETCH(QString, expected);

    MyPaletteWidget palette;
    palette.resize(kPaletteSize);
    activate(palette, palette);
    dropChip(palette, QPoint(5, 0), normalChip(2, 1));
    dropChip(palette, QPoint(0, 1), normalChip(3, 3));
    for (const QPoint &cell : selection)
        clickCell(palette, cell, cell == selection.first() ? Qt::NoModifier : Qt::ControlModifier);
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));

    QTest::keyClick(&palette, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), expected);
    // The label is the one the palette shows.
    QVERIFY(expected.endsWith(palette.nameAt(QPoint(0, 1))) || expected == QLatin1String("before"));
}

// The enlarged view undoes and redoes My Palette's changes too, and shows the result.
void MyPaletteUndoTest::fullViewUndo()
{
    MainWidget main(&currentMainWidget);
    MyPaletteWidget *palette = main.myPalette();
    activate(main, *palette);
    dropChip(*palette, QPoint(2, 1), normalChip(2, 2));
    const qint64 rowId = normalChip(2, 2).id;
    QSignalSpy relayed(&main, &MainWidget::myPaletteChanged);

    palette->zoomButton()->click();
    auto *full = static_cast<MyPaletteFullWidget *>(main.myPaletteFull());
    QTRY_COMPARE(full->pos(), QPoint(0, 0));
    full->setFocus();
    QTRY_VERIFY(full->hasFocus());
    const QPoint cellCenter(full->gridRect().left() + 2 * full->cellWidth() + full->cellWidth() / 2,
                            full->gridRect().top() + full->cellHeight() + full->cellHeight() / 2);

    pressUndo(*full);
    QCOMPARE(StateStore().myPaletteEntry(QPoint(2, 1)).rowId, qint64(-1));
    QCOMPARE(palette->rowIdAt(QPoint(2, 1)), qint64(-1));
    QCOMPARE(relayed.count(), 1);
    QCOMPARE(full->grab().toImage().pixelColor(cellCenter), QColor(Qt::white));

    pressRedo(*full);
    QCOMPARE(StateStore().myPaletteEntry(QPoint(2, 1)).rowId, rowId);
    QCOMPARE(palette->rowIdAt(QPoint(2, 1)), rowId);
    QCOMPARE(full->grab().toImage().pixelColor(cellCenter), WidgetDeck::deckColor(2, 2));
}

void MyPaletteUndoTest::focusMark_data()
{
    QTest::addColumn<QString>("widget");

    QTest::newRow("My Palette") << "palette";
    QTest::newRow("full view") << "full view";
    QTest::newRow("mood panel") << "mood";
    QTest::newRow("colour schemes page") << "schemer";
}

// A dotted line inside the widget's edge while it has the focus, and none without.
void MyPaletteUndoTest::focusMark()
{
    QFETCH(QString, widget);

    QWidget window;
    QWidget *marked = nullptr;
    if (widget == QLatin1String("palette")) {
        marked = new MyPaletteWidget(&window);
        marked->resize(kPaletteSize);
    } else if (widget == QLatin1String("full view")) {
        marked = new MyPaletteFullWidget(&window);
        marked->resize(800, 600);
    } else if (widget == QLatin1String("mood")) {
        marked = new MoodSelectWidget(&window);
    } else {
        marked = new ColorSchemerWidget(&window);
        marked->resize(565, 225);
    }
    const QSize size = marked->size();
    auto *other = new QLineEdit(&window);
    other->setGeometry(0, size.height(), 100, 20);
    window.resize(size + QSize(0, 20));
    QCOMPARE(marked->focusPolicy(), Qt::StrongFocus);

    activate(window, *other);
    const QImage unfocused = marked->grab().toImage();
    activate(window, *marked);
    const QImage focused = marked->grab().toImage();
    const int middle = size.height() / 2;
    const int right = size.width() - 1;
    const int rows = std::min(8, middle);
    int changed = 0;
    for (int y = middle - rows; y < middle + rows; ++y) {
        changed += focused.pixel(0, y) != unfocused.pixel(0, y);
        changed += focused.pixel(right, y) != unfocused.pixel(right, y);
    }
    QVERIFY2(changed >= rows && changed <= 3 * rows, qPrintable(QString::number(changed)));
    // Inside the edge nothing changes.
    QCOMPARE(focused.pixel(2, middle), unfocused.pixel(2, middle));

    other->setFocus();
    QTRY_VERIFY(!marked->hasFocus());
    QCOMPARE(marked->grab().toImage(), unfocused);
}
