#include "CaptureDialogsTest.h"

#include "CapsureSelectDialog.h"
#include "SelectNearestColorDialog.h"
#include "TaskButton.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

using namespace Corvane;

Q_DECLARE_METATYPE(Corvane::DB::ColorEntry)
using Corvane::Test::WidgetDeck;

namespace {

const QColor kReference(200, 180, 40);
const QColor kFrameLine(64, 64, 64);
const QColor kGround(123, 123, 123);

// A chip that needs no database: row id, code, collection id and colour.
DB::ColorEntry chip(qint64 id, const QString &code, qint64 collectionId, const QColor &color)
{
    DB::ColorEntry entry;
    entry.id = id;
    entry.setCode(code);
    entry.collectionId = collectionId;
    entry.red = color.red();
    entry.green = color.green();
    entry.blue = color.blue();
    return entry;
}

QVector<DB::ColorEntry> chips(int count)
{
    QVector<DB::ColorEntry> entries;
    for (int i = 0; i < count; ++i)
        entries.append(
            chip(100 + i, QStringLiteral("N-%1").arg(i), 1, QColor(20 + 30 * i, 200 - 30 * i, 90)));
    return entries;
}

// Saves a dialog's picture for a look by eye when TESSARY_TEST_SHOTS names a folder.
void keepShot(const QImage &image, const QString &name)
{
    const QString folder = qEnvironmentVariable("TESSARY_TEST_SHOTS");
    if (!folder.isEmpty())
        image.save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

QStringList itemTexts(const QComboBox *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->itemText(i));
    return texts;
}

void press(QWidget *widget, const QPoint &position, Qt::MouseButton button,
           Qt::MouseButtons buttons)
{
    QMouseEvent event(QEvent::MouseButtonPress, position, widget->mapToGlobal(position), button,
                      buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

} // namespace

void CaptureDialogsTest::init()
{
    m_deck.reset();
}

void CaptureDialogsTest::nearestSwatchLayout_data()
{
    QTest::addColumn<int>("count");
    QTest::newRow("two chips") << 2;
    QTest::newRow("six chips") << 6;
    QTest::newRow("more than six") << 8;
}

// Three columns of 80 pixels in two rows, reading order; positions without a chip stay
// the reference colour.
void CaptureDialogsTest::nearestSwatchLayout()
{
    QFETCH(int, count);

    SelectNearestColorDialog dialog(kReference, chips(count));
    QCOMPARE(dialog.size(), QSize(320, 200));
    const int f = QFontMetrics(dialog.font()).height();
    const int h = (200 - f - 48) / 2;
    const QVector<QRect> rects = dialog.swatchRects();
    QCOMPARE(rects.size(), qMin(count, 6));
    for (int i = 0; i < rects.size(); ++i)
        QCOMPARE(rects.at(i), QRect(32 + (i % 3) * 88, 16 + (i / 3) * (h + 8), 80, h));
    QCOMPARE(dialog.hintLabel()->geometry(), QRect(QPoint(-1, 200 - f - 8), QPoint(320, 200)));
    QCOMPARE(dialog.framedChipsBox()->geometry().bottom(), 200 - f - 8 - 1);

    const QImage image = dialog.grab().toImage();
    keepShot(image, QStringLiteral("nearest-%1").arg(count));
    QCOMPARE(image.pixelColor(4, 4), kReference);
    for (int i = 0; i < 6; ++i) {
        const QPoint centre(32 + (i % 3) * 88 + 40, 16 + (i / 3) * (h + 8) + h / 2);
        const QColor expected = i < count ? QColor(20 + 30 * i, 200 - 30 * i, 90) : kReference;
        QCOMPARE(image.pixelColor(centre), expected);
    }
}

// The dialog opens with the chips framed; unchecking the box removes the frames at once.
void CaptureDialogsTest::nearestFrames()
{
    const QVector<DB::ColorEntry> entries = chips(3);
    SelectNearestColorDialog dialog(kReference, entries);
    const QRect swatch = dialog.swatchRects().at(1);
    const QPoint edge(swatch.right(), swatch.center().y());
    QVERIFY(dialog.framedChipsBox()->isChecked());
    QCOMPARE(dialog.grab().toImage().pixelColor(edge), kFrameLine);

    dialog.framedChipsBox()->setChecked(false);
    const QImage plain = dialog.grab().toImage();
    QCOMPARE(plain.pixelColor(edge), entries.at(1).color());
    QCOMPARE(plain.pixelColor(swatch.right() + 2, swatch.center().y()), kReference);
}

void CaptureDialogsTest::nearestClicks_data()
{
    QTest::addColumn<QPoint>("position");
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("chosen"); // index of the chip, -1 when the dialog stays open

    const int left = Qt::LeftButton;
    const int both = Qt::LeftButton | Qt::RightButton;
    QTest::newRow("left on the first swatch") << QPoint(40, 30) << left << left << 0;
    QTest::newRow("left on the fourth swatch (second row)") << QPoint(33, 100) << left << left << 3;
    QTest::newRow("right button") << QPoint(40, 30) << int(Qt::RightButton) << int(Qt::RightButton)
                                  << -1;
    QTest::newRow("left and right together") << QPoint(40, 30) << left << both << -1;
    QTest::newRow("gap between swatches") << QPoint(115, 30) << left << left << -1;
    QTest::newRow("empty position") << QPoint(250, 100) << left << left << -1;
}

void CaptureDialogsTest::nearestClicks()
{
    QFETCH(QPoint, position);
    QFETCH(int, button);
    QFETCH(int, buttons);
    QFETCH(int, chosen);

    const QVector<DB::ColorEntry> entries = chips(4);
    SelectNearestColorDialog dialog(kReference, entries);
    dialog.show();
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    press(&dialog, position, Qt::MouseButton(button), Qt::MouseButtons(buttons));
    QCOMPARE(accepted.count(), chosen < 0 ? 0 : 1);
    QCOMPARE(dialog.isVisible(), chosen < 0);
    if (chosen >= 0)
        QCOMPARE(dialog.chosenChip().id, entries.at(chosen).id);
}

void CaptureDialogsTest::nearestKeys_data()
{
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("framed"); // the swatch framed afterwards
    QTest::addColumn<int>("chosen"); // index of the chip, -1 when none is chosen

    // Five chips: three in the first row, two in the second.
    const int left = Qt::Key_Left;
    const int right = Qt::Key_Right;
    const int up = Qt::Key_Up;
    const int down = Qt::Key_Down;
    const int ret = Qt::Key_Return;
    QTest::newRow("the first arrow frames the first swatch") << QList<int> {down, ret} << 0 << 0;
    QTest::newRow("right, return") << QList<int> {right, right, ret} << 1 << 1;
    QTest::newRow("down to the second row")
        << QList<int> {right, right, down, Qt::Key_Enter} << 4 << 4;
    QTest::newRow("down where the second row ends")
        << QList<int> {right, right, right, down} << 2 << -1;
    QTest::newRow("right stops at the row's end")
        << QList<int> {right, right, right, right, Qt::Key_Space} << 2 << 2;
    QTest::newRow("left and up stop at the edges") << QList<int> {right, left, up, ret} << 0 << 0;
    QTest::newRow("up from the second row") << QList<int> {right, down, right, up, ret} << 1 << 1;
    QTest::newRow("return before any arrow") << QList<int> {ret} << -1 << -1;
    QTest::newRow("escape") << QList<int> {right, Qt::Key_Escape} << 0 << -1;
}

// The dialog takes the keyboard focus as it opens; the keys go where the focus is.
void CaptureDialogsTest::nearestKeys()
{
    QFETCH(QList<int>, keys);
    QFETCH(int, framed);
    QFETCH(int, chosen);

    const QVector<DB::ColorEntry> entries = chips(5);
    SelectNearestColorDialog dialog(kReference, entries);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QCOMPARE(QApplication::focusWidget(), &dialog);
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    for (int key : keys)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    QCOMPARE(dialog.keyboardSwatch(), framed);
    QCOMPARE(accepted.count(), chosen < 0 ? 0 : 1);
    if (chosen >= 0)
        QCOMPARE(dialog.chosenChip().id, entries.at(chosen).id);
    if (framed >= 0 && chosen < 0 && dialog.isVisible()) {
        // The framed swatch shows the dotted line in its gap.
        const QRect swatch = dialog.swatchRects().at(framed);
        const QImage image = dialog.grab().toImage();
        keepShot(image, QStringLiteral("nearest-keyboard"));
        int dotted = 0;
        for (int x = swatch.left(); x <= swatch.right(); ++x)
            dotted += image.pixelColor(x, swatch.top() - 3) != kReference;
        QVERIFY(dotted > swatch.width() / 3);
    }
}

void CaptureDialogsTest::captureListTexts_data()
{
    QTest::addColumn<QVector<DB::ColorEntry>>("matches");
    QTest::addColumn<bool>("multiCollection");
    QTest::addColumn<QStringList>("texts");

    const DB::ColorEntry n1 = chip(1, QStringLiteral("N1-1"), 1, Qt::red);
    const DB::ColorEntry n2 = chip(2, QStringLiteral("N1-2"), 1, Qt::green);
    const DB::ColorEntry d1 = chip(7, QStringLiteral("D1-1"), 2, Qt::blue);
    DB::ColorEntry sharedInDuvalin = n1;
    sharedInDuvalin.collectionId = 2;
    const DB::ColorEntry unknown = chip(9, QStringLiteral("X-9"), 42, Qt::gray);

    QTest::newRow("one match") << QVector<DB::ColorEntry> {n1} << false << QStringList {"N1-1"};
    QTest::newRow("one collection: codes alone")
        << QVector<DB::ColorEntry> {n1, n2} << false << QStringList {"N1-1", "N1-2"};
    QTest::newRow("two collections: every item names its collection")
        << QVector<DB::ColorEntry> {d1, n1, n2} << true
        << QStringList {"D1-1 (Duvalin)", "N1-1 (Normal)", "N1-2 (Normal)"};
    QTest::newRow("same chip through two collections: listed once, first collection")
        << QVector<DB::ColorEntry> {sharedInDuvalin, n1, n2} << true
        << QStringList {"N1-1 (Duvalin)", "N1-2 (Normal)"};
    QTest::newRow("collection that does not load")
        << QVector<DB::ColorEntry> {n1, d1, unknown} << true
        << QStringList {"N1-1 (Normal)", "D1-1 (Duvalin)", "X-9 ()"};
    QTest::newRow("only an unloadable collection beside one other")
        << QVector<DB::ColorEntry> {n1, unknown} << false << QStringList {"N1-1", "X-9"};
}

void CaptureDialogsTest::captureListTexts()
{
    QFETCH(QVector<DB::ColorEntry>, matches);
    QFETCH(bool, multiCollection);
    QFETCH(QStringList, texts);

    CapsureSelectDialog dialog(matches);
    QCOMPARE(dialog.multiCollection(), multiCollection);
    QCOMPARE(itemTexts(dialog.chipList()), texts);
    QCOMPARE(dialog.chipList()->currentIndex(), 0);
    QVERIFY(dialog.okButton()->isEnabled());
    QCOMPARE(dialog.chosenChip().id, matches.first().id);
    QCOMPARE(dialog.chosenChip().collectionId, matches.first().collectionId);
}

// The swatch shows the selected chip at once; OK ends the dialog with that chip.
void CaptureDialogsTest::captureSelection()
{
    const QVector<DB::ColorEntry> matches {chip(1, QStringLiteral("N1-1"), 1, QColor(200, 30, 40)),
                                           chip(7, QStringLiteral("D1-1"), 2, QColor(20, 90, 210))};
    CapsureSelectDialog dialog(matches);
    QCOMPARE(dialog.size(), QSize(320, 200));
    const QRect list = dialog.chipList()->geometry();
    QCOMPARE(list.left(), 48);
    QCOMPARE(list.width(), 224);
    QCOMPARE(dialog.okButton()->geometry().topLeft().x(), 120);
    QCOMPARE(dialog.swatch()->geometry().top(), list.bottom() + 12);
    QCOMPARE(dialog.swatch()->geometry().bottom(), dialog.okButton()->geometry().top() - 12);

    const QPoint swatchCentre = dialog.swatch()->geometry().center();
    QImage image = dialog.grab().toImage();
    keepShot(image, QStringLiteral("capture-select"));
    QCOMPARE(image.pixelColor(swatchCentre), matches.at(0).color());
    QCOMPARE(image.pixelColor(10, 100), kGround);

    dialog.chipList()->setCurrentIndex(1);
    QCOMPARE(dialog.grab().toImage().pixelColor(swatchCentre), matches.at(1).color());
    QCOMPARE(dialog.chosenChip().id, qint64(7));

    dialog.show();
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    QCOMPARE(accepted.count(), 1);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.chosenChip().collectionId, qint64(2));
}

// Nothing to choose: the grey ground shows through the swatch and OK stays disabled.
void CaptureDialogsTest::captureEmptyList()
{
    CapsureSelectDialog dialog {QVector<DB::ColorEntry>()};
    QCOMPARE(dialog.chipList()->count(), 0);
    QVERIFY(!dialog.okButton()->isEnabled());
    QCOMPARE(dialog.chosenChip().id, qint64(-1));
    const QImage image = dialog.grab().toImage();
    keepShot(image, QStringLiteral("capture-select-empty"));
    QCOMPARE(image.pixelColor(dialog.swatch()->geometry().center()), kGround);
}
