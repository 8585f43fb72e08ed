#include "MyPaletteTest.h"

#include "CardQueries.h"
#include "ChipDrag.h"
#include "DropEvents.h"
#include "ImageButton.h"
#include "MainWidget.h"
#include "MyPaletteFullWidget.h"
#include "MyPaletteWidget.h"
#include "PaletteDriving.h"
#include "PaletteFileDialogs.h"
#include "StateStore.h"
#include "StatusCodes.h"
#include "TaskButton.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QSettings>
#include <QSignalSpy>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>

using namespace Corvane;
using Corvane::Test::clickCell;
using Corvane::Test::dragAndDrop;
using Corvane::Test::dropChip;
using Corvane::Test::kPaletteSize;
using Corvane::Test::normalChip;
using Corvane::Test::WidgetDeck;

namespace {

constexpr QSize kFullSize(800, 600);

QList<QPoint> storedSelection()
{
    QList<QPoint> cells;
    for (int index = 0; index < PaletteModel::cellCount; ++index) {
        if (StateStore().myPaletteSelected(PaletteModel::cellAt(index)))
            cells.append(PaletteModel::cellAt(index));
    }
    return cells;
}

QList<QPoint> filledCells(const MyPaletteWidget &palette)
{
    QList<QPoint> cells;
    for (int index = 0; index < PaletteModel::cellCount; ++index) {
        if (palette.rowIdAt(PaletteModel::cellAt(index)) > 0)
            cells.append(PaletteModel::cellAt(index));
    }
    return cells;
}

QList<QPoint> sorted(QList<QPoint> cells)
{
    std::sort(cells.begin(), cells.end(), [](const QPoint &a, const QPoint &b) {
        return a.y() != b.y() ? a.y() < b.y() : a.x() < b.x();
    });
    return cells;
}

} // namespace

void MyPaletteTest::init()
{
    m_deck.reset();
}

void MyPaletteTest::layout()
{
    MyPaletteWidget palette;
    palette.resize(kPaletteSize);
    palette.show();
    // A fresh store: 24 empty cells, the grid on, nothing to zoom, erase or clear.
    QVERIFY(palette.isEmpty());
    QVERIFY(palette.gridButton()->isChecked());
    QVERIFY(!palette.zoomButton()->isEnabled());
    QVERIFY(!palette.eraseButton()->isEnabled());
    QVERIFY(!palette.clearButton()->isEnabled());
    for (int index = 0; index < PaletteModel::cellCount; ++index)
        QCOMPARE(palette.rowIdAt(PaletteModel::cellAt(index)), qint64(-1));

    // Cells of equal size without gaps; the spare pixels split around the grid.
    const QRect first = palette.cellRect(QPoint(0, 0));
    const QRect last = palette.cellRect(QPoint(5, 3));
    QCOMPARE(palette.cellRect(QPoint(1, 0)).left(), first.right() + 1);
    QCOMPARE(palette.cellRect(QPoint(0, 1)).top(), first.bottom() + 1);
    const int gridWidth = kPaletteSize.width() - 24;
    QCOMPARE(first.width(), gridWidth / 6);
    QCOMPARE(first.left(), 12 + (gridWidth - 6 * first.width()) / 2);
    QCOMPARE(palette.gridBounds(), QRect(first.topLeft(), last.bottomRight()).adjusted(0, 0, 1, 1));
    QCOMPARE(palette.cellAt(last.bottomRight()), QPoint(5, 3));
    QCOMPARE(palette.cellAt(QPoint(0, 0)), QPoint(-1, -1));
    QCOMPARE(palette.descriptionEdit()->geometry().bottom(), kPaletteSize.height() - 1);
    QVERIFY(palette.gridButton()->geometry().right() < kPaletteSize.width());
    QVERIFY(palette.zoomButton()->geometry().right() < palette.eraseButton()->geometry().left());
}

void MyPaletteTest::selection_data()
{
    QTest::addColumn<QList<QPoint>>("clicks");
    QTest::addColumn<QList<int>>("modifiers");
    QTest::addColumn<QList<QPoint>>("expected");

    const int none = Qt::NoModifier;
    const int control = Qt::ControlModifier;
    QTest::newRow("a click selects only its cell")
        << QList<QPoint> {{0, 0}, {1, 0}} << QList<int> {none, none} << QList<QPoint> {{1, 0}};
    QTest::newRow("control adds a cell")
        << QList<QPoint> {{0, 0}, {2, 1}} << QList<int> {none, control}
        << QList<QPoint> {{0, 0}, {2, 1}};
    QTest::newRow("control takes a selected cell out")
        << QList<QPoint> {{0, 0}, {2, 1}, {0, 0}} << QList<int> {none, control, control}
        << QList<QPoint> {{2, 1}};
    QTest::newRow("shift changes nothing")
        << QList<QPoint> {{0, 0}, {3, 3}} << QList<int> {none, int(Qt::ShiftModifier)}
        << QList<QPoint> {{0, 0}};
    QTest::newRow("control and shift change nothing")
        << QList<QPoint> {{4, 2}, {3, 3}} << QList<int> {none, int(control | Qt::ShiftModifier)}
        << QList<QPoint> {{4, 2}};
}

void MyPaletteTest::selection()
{
    QFETCH(QList<QPoint>, clicks);
    QFETCH(QList<int>, modifiers);
    QFETCH(QList<QPoint>, expected);

    MyPaletteWidget palette;
    palette.resize(kPaletteSize);
    palette.show();
    QSignalSpy selectionChanged(&palette, &MyPaletteWidget::myPaletteSelectionChanged);
    for (int i = 0; i < clicks.size(); ++i)
        clickCell(palette, clicks.at(i), Qt::KeyboardModifiers(modifiers.at(i)));

    QCOMPARE(palette.model().selection(), expected);
    QCOMPARE(storedSelection(), sorted(expected));
    // Every click inside the grid reports, also one that changed nothing.
    QCOMPARE(selectionChanged.count(), clicks.size());
    // Empty cells are selected too, yet there is nothing to erase.
    QVERIFY(!palette.eraseButton()->isEnabled());
}

void MyPaletteTest::drop_data()
{
    QTest::addColumn<QPoint>("target");
    QTest::addColumn<QList<QPoint>>("filled");

    const QList<QPoint> selection {{0, 0}, {1, 0}, {2, 1}};
    QTest::newRow("onto a selected cell: the whole selection") << QPoint(1, 0) << selection;
    QTest::newRow("onto another cell: that cell") << QPoint(4, 3) << QList<QPoint> {{4, 3}};
}

void MyPaletteTest::drop()
{
    QFETCH(QPoint, target);
    QFETCH(QList<QPoint>, filled);

    MyPaletteWidget palette;
    palette.resize(kPaletteSize);
    palette.show();
    clickCell(palette, QPoint(0, 0));
    clickCell(palette, QPoint(1, 0), Qt::ControlModifier);
    clickCell(palette, QPoint(2, 1), Qt::ControlModifier);
    const QList<QPoint> selection = palette.model().selection();
    QSignalSpy changed(&palette, &MyPaletteWidget::myPaletteChanged);

    const DB::ColorEntry chip = normalChip(2, 3);
    dropChip(palette, target, chip);

    QCOMPARE(changed.count(), 1);
    QCOMPARE(filledCells(palette), sorted(filled));
    for (const QPoint &cell : filled) {
        QCOMPARE(palette.colorAt(cell), WidgetDeck::deckColor(2, 3));
        QCOMPARE(palette.nameAt(cell), QStringLiteral("N2-3"));
        QCOMPARE(StateStore().myPaletteEntry(cell).rowId, chip.id);
    }
    QCOMPARE(palette.model().selection(), selection);
    QCOMPARE(palette.dropCell(), QPoint(-1, -1));
    QVERIFY(palette.zoomButton()->isEnabled());
    QVERIFY(palette.clearButton()->isEnabled());
    QCOMPARE(palette.eraseButton()->isEnabled(), filled == selection);
}

void MyPaletteTest::dropSources_data()
{
    QTest::addColumn<int>("source");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("card roller") << int(CardRoller) << true;
    QTest::newRow("colour schemer") << int(ColorSchemer) << true;
    QTest::newRow("My Palette itself") << int(MyPalette) << false;
    QTest::newRow("trend colours") << int(ColorVistral) << false;
}

void MyPaletteTest::dropSources()
{
    QFETCH(int, source);
    QFETCH(bool, accepted);

    MyPaletteWidget palette;
    palette.resize(kPaletteSize);
    palette.show();
    const auto mime = Test::chipMime(DragSource(source), WidgetDeck::normal, normalChip(1, 1));
    const Test::DropAnswer answer
        = dragAndDrop(palette, palette.cellRect(QPoint(2, 2)).center(), mime.get());
    QCOMPARE(answer.enterAccepted, accepted);
    QCOMPARE(answer.moveAccepted, accepted);
    QCOMPARE(palette.isEmpty(), !accepted);

    // Outside the grid nothing is taken.
    QCOMPARE(dragAndDrop(palette, QPoint(1, 1), mime.get()).moveAccepted, false);
}

void MyPaletteTest::eraseKeepsSelection()
{
    MyPaletteWidget palette;
    palette.resize(kPaletteSize);
    palette.show();
    dropChip(palette, QPoint(5, 0), normalChip(1, 1));
    clickCell(palette, QPoint(1, 1));
    clickCell(palette, QPoint(3, 2), Qt::ControlModifier);
    dropChip(palette, QPoint(3, 2), normalChip(2, 2));
    QVERIFY(palette.eraseButton()->isEnabled());

    QSignalSpy changed(&palette, &MyPaletteWidget::myPaletteChanged);
    palette.eraseButton()->click();
    QCOMPARE(changed.count(), 1);
    QCOMPARE(filledCells(palette), QList<QPoint> {QPoint(5, 0)});
    QCOMPARE(StateStore().myPaletteEntry(QPoint(3, 2)).rowId, qint64(-1));
    QCOMPARE(palette.model().selection(), (QList<QPoint> {{1, 1}, {3, 2}}));
    QCOMPARE(storedSelection(), (QList<QPoint> {{1, 1}, {3, 2}}));
    QVERIFY(!palette.eraseButton()->isEnabled());

    // A chip dropped onto an erased cell fills the selection again.
    dropChip(palette, QPoint(1, 1), normalChip(3, 1));
    QCOMPARE(filledCells(palette), (QList<QPoint> {{5, 0}, {1, 1}, {3, 2}}));
}

void MyPaletteTest::clearQuestion_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("cleared");

    QTest::newRow("No keeps the palette") << int(QMessageBox::No) << false;
    QTest::newRow("Escape keeps the palette") << int(QMessageBox::Escape) << false;
    QTest::newRow("Yes empties it") << int(QMessageBox::Yes) << true;
}

void MyPaletteTest::clearQuestion()
{
    QFETCH(int, answer);
    QFETCH(bool, cleared);

    MyPaletteWidget palette;
    palette.resize(kPaletteSize);
    palette.show();
    clickCell(palette, QPoint(0, 0));
    dropChip(palette, QPoint(0, 0), normalChip(1, 2));
    dropChip(palette, QPoint(2, 3), normalChip(1, 3));
    palette.descriptionEdit()->setText(QStringLiteral("Kitchen"));
    QSignalSpy changed(&palette, &MyPaletteWidget::myPaletteChanged);
    QSignalSpy selectionChanged(&palette, &MyPaletteWidget::myPaletteSelectionChanged);

    palette.clearButton()->click();
    QMessageBox *question = palette.clearQuestion();
    QVERIFY(question);
    QVERIFY(question->isVisible());
    QCOMPARE(question->windowModality(), Qt::WindowModal);
    // Nothing changes before the answer.
    QCOMPARE(filledCells(palette).size(), 2);
    if (answer == QMessageBox::Escape)
        QTest::keyClick(question, Qt::Key_Escape);
    else
        question->button(QMessageBox::StandardButton(answer))->click();
    QVERIFY(!question->isVisible());

    QCOMPARE(palette.isEmpty(), cleared);
    QCOMPARE(changed.count(), cleared ? 1 : 0);
    QCOMPARE(selectionChanged.count(), cleared ? 1 : 0);
    QCOMPARE(StateStore().myPaletteEntry(QPoint(2, 3)).rowId > 0, !cleared);
    // The selection and the description stay either way.
    QCOMPARE(palette.model().selection(), QList<QPoint> {QPoint(0, 0)});
    QCOMPARE(palette.descriptionEdit()->text(), QStringLiteral("Kitchen"));

    // The same question box answers the next press.
    palette.clearButton()->click();
    QCOMPARE(palette.clearQuestion(), question);
    question->button(QMessageBox::No)->click();
}

void MyPaletteTest::restoreAfterRestart()
{
    {
        MyPaletteWidget palette;
        palette.resize(kPaletteSize);
        palette.show();
        dropChip(palette, QPoint(5, 0), normalChip(2, 1));
        dropChip(palette, QPoint(0, 1), normalChip(3, 3));
        clickCell(palette, QPoint(0, 1));
        clickCell(palette, QPoint(4, 3), Qt::ControlModifier);
        palette.gridButton()->click();
        palette.descriptionEdit()->setText(QStringLiteral("Hall"));
        emit palette.descriptionEdit()->editingFinished();
    }
    // A chip whose row is gone leaves its cell empty but keeps its key.
    StateStore().setMyPaletteEntry(QPoint(2, 2), DB::ItemIndex(WidgetDeck::normal, 1, 99999));

    MyPaletteWidget palette;
    palette.resize(kPaletteSize);
    palette.show();
    QCOMPARE(filledCells(palette), (QList<QPoint> {{5, 0}, {0, 1}}));
    QCOMPARE(palette.colorAt(QPoint(5, 0)), WidgetDeck::deckColor(2, 1));
    QCOMPARE(palette.nameAt(QPoint(0, 1)), QStringLiteral("N3-3"));
    QCOMPARE(palette.model().selection(), (QList<QPoint> {{0, 1}, {4, 3}}));
    QVERIFY(!palette.gridButton()->isChecked());
    QVERIFY(palette.descriptionEdit()->text().isEmpty());
    QCOMPARE(palette.rowIdAt(QPoint(2, 2)), qint64(-1));
    QCOMPARE(StateStore().myPaletteEntry(QPoint(2, 2)).rowId, qint64(99999));
}

void MyPaletteTest::saveButtonFollowsPalette()
{
    MainWidget main(&currentMainWidget);
    main.show();
    MyPaletteWidget *palette = main.myPalette();
    QVERIFY(palette);
    TaskButton *save = main.taskButton(1);
    QVERIFY(!save->isEnabled());
    QSignalSpy relayed(&main, &MainWidget::myPaletteChanged);

    dropChip(*palette, QPoint(5, 0), normalChip(1, 1));
    QVERIFY(save->isEnabled());
    QCOMPARE(relayed.count(), 1);

    clickCell(*palette, QPoint(5, 0));
    palette->eraseButton()->click();
    QVERIFY(!save->isEnabled());
}

void MyPaletteTest::zoomSlidesFullView()
{
    MainWidget main(&currentMainWidget);
    main.show();
    QWidget *full = main.myPaletteFull();
    QVERIFY(full && !full->isVisible());
    dropChip(*main.myPalette(), QPoint(0, 0), normalChip(1, 1));
    main.myPalette()->zoomButton()->click();
    QVERIFY(full->isVisible());
    QCOMPARE(full->geometry(), main.rect().translated(main.width(), 0));
    QTRY_COMPARE(full->pos(), QPoint(0, 0));

    static_cast<MyPaletteFullWidget *>(full)->backButton()->click();
    QTRY_VERIFY(!full->isVisible());
    QCOMPARE(full->pos(), QPoint(-main.width(), 0));
}

// The slots on top of the palette files: a file that opens is reported also when it is no
// palette; a file that does not open is not.
void MyPaletteTest::saveAndLoad()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kitchen.palette"));
    MyPaletteWidget palette;
    palette.resize(kPaletteSize);
    palette.show();
    dropChip(palette, QPoint(5, 0), normalChip(2, 1));
    dropChip(palette, QPoint(0, 1), normalChip(3, 3));
    // Typed but not yet confirmed: the file still gets it.
    palette.descriptionEdit()->setText(QStringLiteral("Kitchen & hall"));
    palette.savePaletteTo(XmlPalette, path);
    QVERIFY(QFileInfo::exists(path));

    clickCell(palette, QPoint(5, 0));
    palette.eraseButton()->click();
    palette.descriptionEdit()->clear();
    QSignalSpy changed(&palette, &MyPaletteWidget::myPaletteChanged);
    palette.loadPaletteFrom(XmlPalette, path);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(filledCells(palette), (QList<QPoint> {{5, 0}, {0, 1}}));
    QCOMPARE(palette.descriptionEdit()->text(), QStringLiteral("Kitchen & hall"));
    QVERIFY(palette.eraseButton()->isEnabled());

    palette.loadPaletteFrom(XmlPalette, dir.filePath(QStringLiteral("missing.palette")));
    QCOMPARE(changed.count(), 1);
    QFile notPalette(dir.filePath(QStringLiteral("notes.palette")));
    QVERIFY(notPalette.open(QIODevice::WriteOnly));
    notPalette.write("<notes/>");
    notPalette.close();
    palette.loadPaletteFrom(XmlPalette, notPalette.fileName());
    QCOMPARE(changed.count(), 2);
    QCOMPARE(filledCells(palette).size(), 2);
}

// The description is stored when its edit finishes; the main widget reports the edit box
// focus, and the empty edit shows its placeholder in italics while unfocused.
void MyPaletteTest::descriptionEdit()
{
    MainWidget main(&currentMainWidget);
    main.show();
    main.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    QLineEdit *edit = main.myPalette()->descriptionEdit();
    QTRY_VERIFY(edit->font().italic());
    QSignalSpy gotFocus(&main, &MainWidget::anEditBoxGotFocus);
    QSignalSpy lostFocus(&main, &MainWidget::anEditBoxLostFocus);

    edit->setFocus();
    QTRY_COMPARE(gotFocus.count(), 1);
    QVERIFY(!edit->font().italic());
    QTest::keyClicks(edit, QStringLiteral("Bath"));
    main.myPalette()->setFocus();
    QTRY_COMPARE(lostFocus.count(), 1);
    QSettings settings(StateStore().fileName(), QSettings::IniFormat);
    QCOMPARE(settings.value(QStringLiteral("MyPalette/MyPaletteDescription")).toString(),
             QStringLiteral("Bath"));
    // A filled edit keeps the normal font.
    QVERIFY(!edit->font().italic());
}

void MyPaletteTest::dragPixmap()
{
    const QImage image = Corvane::dragPixmap(QColor(200, 20, 20), QStringLiteral("N1-1"))
                             .toImage()
                             .convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(image.size(), QSize(128, 64));
    QVERIFY(image.pixelColor(0, 0).alpha() >= 250);
    QCOMPARE(image.pixelColor(0, 0).rgb(), QColor(200, 20, 20).rgb());
    QVERIFY(qAbs(image.pixelColor(20, 63).alpha() - 160) <= 3);
    // The code stands at the top right: dark pixels there, none at the left.
    bool darkRight = false;
    bool darkLeft = false;
    for (int y = 0; y < 24; ++y) {
        for (int x = 0; x < 128; ++x) {
            const bool dark = image.pixelColor(x, y).red() < 100;
            (x >= 64 ? darkRight : darkLeft) |= dark;
        }
    }
    QVERIFY(darkRight);
    QVERIFY(!darkLeft);
}

void MyPaletteTest::fullViewGeometry()
{
    MyPaletteFullWidget full;
    full.resize(kFullSize);
    full.show();
    QCOMPARE(full.cellWidth(), 112);
    QCOMPARE(full.cellHeight(), 62);
    QCOMPARE(full.gridRect().left(), 64);
    QCOMPARE(full.gridRect().right(), 735);
    QCOMPARE(full.gridRect().height(), 4 * 62);
    const int barHeight = full.barRect().height();
    QCOMPARE(full.gridRect().top(), barHeight - 1 + ((600 - barHeight + 1) - 4 * 62) / 2);
    QCOMPARE(full.backgroundSlider()->width(), 256);
    QVERIFY(full.backgroundSlider()->geometry().right() < 800);
}

void MyPaletteTest::fullViewSlider_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("shown");

    QTest::newRow("in range") << 40 << 40;
    QTest::newRow("above 255") << 300 << 176;
    QTest::newRow("below 0") << -5 << 176;
}

void MyPaletteTest::fullViewSlider()
{
    QFETCH(int, stored);
    QFETCH(int, shown);

    StateStore().setMyPaletteFullBackgroundColor(stored);
    MyPaletteFullWidget full;
    full.resize(kFullSize);
    full.show();
    QCOMPARE(full.backgroundSlider()->value(), shown);
    const QImage image = full.grab().toImage();
    QCOMPARE(image.pixelColor(10, 590), QColor(shown, shown, shown));

    // The slider's left end is white and is stored at once.
    full.backgroundSlider()->setValue(255);
    QCOMPARE(StateStore().myPaletteFullBackgroundColor(), 255);
    QCOMPARE(full.grab().toImage().pixelColor(10, 590), QColor(Qt::white));
}

void MyPaletteTest::fullViewZoom()
{
    const DB::ColorEntry chip = normalChip(2, 2);
    StateStore().setMyPaletteEntry(QPoint(5, 0), DB::ItemIndex(WidgetDeck::normal, chip));
    StateStore().setMyPaletteEntry(QPoint(0, 1), DB::ItemIndex(WidgetDeck::normal, 1, 99999));
    MyPaletteFullWidget full;
    full.resize(kFullSize);
    full.show();
    const QRect grid = full.gridRect();
    const auto cellCenter = [&](int column, int row) {
        return QPoint(grid.left() + column * full.cellWidth() + full.cellWidth() / 2,
                      grid.top() + row * full.cellHeight() + full.cellHeight() / 2);
    };
    QImage image = full.grab().toImage();
    QCOMPARE(image.pixelColor(cellCenter(5, 0)), WidgetDeck::deckColor(2, 2));
    // A chip that no longer loads is white, and a click on it does nothing.
    QCOMPARE(image.pixelColor(cellCenter(0, 1)), QColor(Qt::white));
    QTest::mouseClick(&full, Qt::LeftButton, Qt::NoModifier, cellCenter(0, 1));
    QCOMPARE(full.zoomColor(), QColor(Qt::transparent));

    QTest::mouseClick(&full, Qt::LeftButton, Qt::NoModifier, cellCenter(5, 0));
    QCOMPARE(full.zoomColor(), WidgetDeck::deckColor(2, 2));
    image = full.grab().toImage();
    QCOMPARE(image.pixelColor(cellCenter(0, 3)), WidgetDeck::deckColor(2, 2));

    // Any press returns to the grid; so does the back button.
    QTest::mouseClick(&full, Qt::RightButton, Qt::NoModifier, QPoint(5, 590));
    QCOMPARE(full.zoomColor(), QColor(Qt::transparent));
    QTest::mouseClick(&full, Qt::LeftButton, Qt::NoModifier, cellCenter(5, 0));
    QSignalSpy back(&full, &MyPaletteFullWidget::backButtonClicked);
    full.backButton()->click();
    QCOMPARE(back.count(), 1);
    QCOMPARE(full.zoomColor(), QColor(Qt::transparent));
}

void MyPaletteTest::saveDialogFilters_data()
{
    QTest::addColumn<bool>("textAllowed");
    QTest::addColumn<int>("lastFormat");
    QTest::addColumn<QStringList>("filters");
    QTest::addColumn<QString>("selected");

    const QString palette = QStringLiteral("Palettes (*.palette)");
    const QString text = QStringLiteral("Text (*.txt)");
    QStringList exports;
    for (const PaletteExportFormatInfo &info : paletteExportFormats())
        exports << info.nameFilter;
    QTest::newRow("text allowed, last saved as text")
        << true << int(PlainText) << QStringList {palette, text} + exports << text;
    QTest::newRow("text allowed, last saved as palette")
        << true << int(XmlPalette) << QStringList {palette, text} + exports << palette;
    QTest::newRow("text not allowed: the last text choice is ignored")
        << false << int(PlainText) << QStringList {palette} + exports << palette;
}

void MyPaletteTest::saveDialogFilters()
{
    QFETCH(bool, textAllowed);
    QFETCH(int, lastFormat);
    QFETCH(QStringList, filters);
    QFETCH(QString, selected);

    const QString palette = QStringLiteral("Palettes (*.palette)");
    const QString text = QStringLiteral("Text (*.txt)");
    const SaveDialogFilters result
        = Corvane::saveDialogFilters(palette, text, textAllowed, PaletteFileFormat(lastFormat));
    QCOMPARE(result.filters, filters);
    QCOMPARE(result.selected, selected);
    QCOMPARE(chosenSaveFormat(QStringLiteral("TEXT (*.TXT)"), text, textAllowed),
             textAllowed ? PlainText : XmlPalette);
    QCOMPARE(chosenSaveFormat(palette, text, textAllowed), XmlPalette);
}
