#include "TabPagesTest.h"

#include "CardQueries.h"
#include "CollectionSettings.h"
#include "ColorMath.h"
#include "ColorSchemerDuvalineWidget.h"
#include "ColorSchemerWidget.h"
#include "ColorVistralViewport.h"
#include "ColorVistralWidget.h"
#include "ImageBytes.h"
#include "InterfaceFonts.h"
#include "MainWidget.h"
#include "ProductsWidget.h"
#include "StateStore.h"
#include "TexturesViewport.h"
#include "TexturesWidget.h"

#include <QAction>
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>

using namespace Corvane;
using Corvane::Test::WidgetDeck;

namespace {

const QString kDeck = QStringLiteral("widgets.db");
constexpr QSize kPageSize(565, 226);
constexpr qint64 kNormalId = 1;
constexpr qint64 kDuvalinId = 2;

// A font whose text lines are `height` pixels high, so layouts match worked examples.
QFont fontWithLineHeight(int height)
{
    QFont font = normalFont(2);
    for (int pixels = 6; pixels < 40; ++pixels) {
        font.setPixelSize(pixels);
        if (QFontMetrics(font).size(0, QStringLiteral("Xg")).height() == height)
            return font;
    }
    return QFont();
}

QStringList listTexts(const QListWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->item(i)->text());
    return texts;
}

} // namespace

void TabPagesTest::init()
{
    m_deck = std::make_unique<WidgetDeck>();
    // Each case builds its own settings: forget those cached from the case before.
    CollectionSettings::setCurrentCollection(QUuid());
}

void TabPagesTest::cleanup()
{
    m_deck.reset();
}

qint64 TabPagesTest::rowId(const QUuid &collection, int pageIndex, int rowIndex) const
{
    DB::ColorPage page;
    m_deck->fixture.activate();
    if (DB::loadPageByIndex(collection, pageIndex, page) != 0 || rowIndex > int(page.rows.size()))
        return -1;
    return rowIndex == 0 ? page.id : page.rows.at(size_t(rowIndex - 1)).id;
}

void TabPagesTest::addSetting(qint64 collectionId, const QString &name, const QVariant &value,
                              int index) const
{
    m_deck->fixture.addSetting(kDeck, collectionId, name, value, index);
}

void TabPagesTest::addSchemeRow(qint64 collectionId, qint64 chipId, int scheme, qint64 schemeRowId,
                                int pageOrder, int rowOrder) const
{
    m_deck->fixture.insert(kDeck, QStringLiteral("ROW_SCHEME_MAP"),
                           {{QStringLiteral("COLLECTION_ID"), collectionId},
                            {QStringLiteral("ROW_ID"), chipId},
                            {QStringLiteral("SCHEME_ID"), scheme},
                            {QStringLiteral("SCHEME_ROW_ID"), schemeRowId},
                            {QStringLiteral("PAGE_ORDER"), pageOrder},
                            {QStringLiteral("ROW_ORDER"), rowOrder}});
}

void TabPagesTest::addTexture(qint64 pageId, const QString &name) const
{
    const qint64 texture = m_deck->fixture.insert(
        kDeck, QStringLiteral("TEXTURE"),
        {{QStringLiteral("COLLECTION_ID"), kNormalId},
         {QStringLiteral("NAME"), name},
         {QStringLiteral("IMAGE"), Test::pngBytes(QSize(148, 96), Qt::white)},
         {QStringLiteral("BASE_ALPHA"), 0.5}});
    m_deck->fixture.insert(kDeck, QStringLiteral("TEXTURE_MAP"),
                           {{QStringLiteral("TEXTURE_ID"), texture},
                            {QStringLiteral("PAGE_ID"), pageId},
                            {QStringLiteral("ALPHA"), 1.0},
                            {QStringLiteral("NAME"), name}});
}

// Buttons, captions and the chip area of a 226-pixel schemer with 44 x 44 images and a
// 14-pixel line: chips from row 88 to row 187.
void TabPagesTest::schemerLayout()
{
    m_deck->reset();
    const QFont font = fontWithLineHeight(14);
    if (font == QFont())
        QSKIP("no font size with a 14-pixel line");
    ColorSchemerWidget schemer;
    schemer.setFont(font);
    schemer.resize(kPageSize);
    schemer.grab(); // delivers the resize
    QCOMPARE(schemer.schemeKinds(), QVector<int>({Contrast, Harmonic}));

    const QRect contrast = schemer.buttonRect(Contrast);
    QCOMPARE(contrast.top(), 8);
    QCOMPARE(contrast.bottom(), 51);
    QCOMPARE(contrast.width(), 44);
    // Two buttons 40 apart, centred.
    QCOMPARE(schemer.buttonRect(Harmonic).left(), contrast.right() + 41);
    QCOMPARE(contrast.left(), (kPageSize.width() + 40 - 2 * 84) / 2);
    QCOMPARE(schemer.captionRect(Contrast).top(), 53);
    QCOMPARE(schemer.captionRect(Contrast).bottom(), 68);
    QCOMPARE(schemer.captionRect(Harmonic).height(), schemer.captionRect(Contrast).height());

    const QRect area = schemer.schemeArea();
    QCOMPARE(area.top(), 88);
    QCOMPARE(area.bottom(), 187);
    QCOMPARE(area.left(), 24);
    QCOMPARE(area.right(), kPageSize.width() - 25);
}

void TabPagesTest::chipLines_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("columns");
    QTest::addColumn<QVector<int>>("lineOfChip");
    QTest::addColumn<QVector<QRect>>("expected");

    const QRect area(QPoint(24, 88), QPoint(539, 187));
    // g = 32; w = (516 - 1) / 4 - 1 = 127.
    QTest::newRow("three lines fill the area")
        << 3 << 4 << QVector<int> {0, 1, 2}
        << QVector<QRect> {QRect(25, 89, 127, 32), QRect(25, 122, 127, 32),
                           QRect(25, 155, 127, 32)};
    QTest::newRow("two lines start half a line lower")
        << 2 << 4 << QVector<int> {0, 0, 1}
        << QVector<QRect> {QRect(25, 105, 127, 32), QRect(153, 105, 127, 32),
                           QRect(25, 138, 127, 32)};
    QTest::newRow("one line in the middle")
        << 1 << 2 << QVector<int> {0, 0}
        << QVector<QRect> {QRect(25, 122, 256, 32), QRect(282, 122, 256, 32)};
}

void TabPagesTest::chipLines()
{
    QFETCH(int, lines);
    QFETCH(int, columns);
    QFETCH(QVector<int>, lineOfChip);
    QFETCH(QVector<QRect>, expected);
    const QRect area(QPoint(24, 88), QPoint(539, 187));
    const std::vector<QRect> rects = ColorSchemerWidget::chipLineRects(
        area, lines, columns, std::vector<int>(lineOfChip.begin(), lineOfChip.end()));
    QCOMPARE(QVector<QRect>(rects.begin(), rects.end()), expected);
    QCOMPARE(rects.back().bottom() <= area.bottom() - 1, true);
}

// Colour-to-colour: chips only when the entries fill whole lines of maxChipsOnAPage; a new
// line for each segment.
void TabPagesTest::colorToColor_data()
{
    QTest::addColumn<int>("entryCount");
    QTest::addColumn<int>("expectedChips");
    QTest::addColumn<int>("expectedLines");
    QTest::newRow("six entries, four a page: none") << 6 << 0 << 0;
    QTest::newRow("eight entries in two segments") << 8 << 8 << 2;
    QTest::newRow("four entries in one segment") << 4 << 4 << 1;
}

void TabPagesTest::colorToColor()
{
    QFETCH(int, entryCount);
    QFETCH(int, expectedChips);
    QFETCH(int, expectedLines);
    addSetting(kNormalId, QStringLiteral("mode.card"), QStringLiteral("ModeColorToColor"));
    addSetting(kNormalId, QStringLiteral("has.color.schemes.page"), 1);
    addSetting(kNormalId, QStringLiteral("max.chips.on.a.page"), 4);
    m_deck->reset();
    const qint64 chip = rowId(WidgetDeck::normal, 1, 1);
    // Scheme chips: the first four in segment 1, the rest in segment 2.
    QVector<qint64> schemeRows;
    for (int page = 2; page <= 4; ++page)
        for (int row = 1; row <= 4; ++row)
            if (rowId(WidgetDeck::normal, page, row) > 0)
                schemeRows.append(rowId(WidgetDeck::normal, page, row));
    for (int i = 0; i < entryCount; ++i) {
        m_deck->fixture.exec(kDeck, QStringLiteral("UPDATE ROW SET SEGMENT = ? WHERE ID = ?"),
                             {i < 4 ? 1 : 2, schemeRows.at(i)});
        addSchemeRow(kNormalId, chip, Harmonic, schemeRows.at(i), i < 4 ? 0 : 1, i);
    }
    const StateStore store;
    store.setPageIndex(WidgetDeck::normal, 1);
    store.setRowIndex(WidgetDeck::normal, 1);
    store.setSchemeKind(WidgetDeck::normal, Harmonic);

    ColorSchemerWidget schemer;
    schemer.resize(kPageSize);
    const QImage image = schemer.grab().toImage();
    QCOMPARE(int(schemer.chips().size()), expectedChips);
    QSet<int> tops;
    for (const auto &[rect, schemeChip] : schemer.chips()) {
        tops.insert(rect.top());
        QCOMPARE(schemeChip.collection, WidgetDeck::normal);
        QCOMPARE(image.pixelColor(rect.center()), schemeChip.color);
    }
    QCOMPARE(int(tops.size()), expectedLines);
    if (expectedChips > 0) {
        // Hovering a chip shows its colour tool tip.
        schemer.show();
        QVERIFY(QTest::qWaitForWindowExposed(&schemer));
        const auto &[rect, first] = schemer.chips().front();
        const QString expectedTip = DB::colorTooltipText(first.collection, first.rowId, true);
        QVERIFY(expectedTip.contains(QStringLiteral("N")));
        QTest::mouseMove(&schemer, rect.center());
        QTRY_COMPARE(QToolTip::text(), expectedTip);
        QTest::mouseMove(&schemer, QPoint(2, kPageSize.height() - 2));
        QTRY_COMPARE(QToolTip::text(), QString());

        // Lines are centred in room for three.
        const QRect area = schemer.schemeArea();
        const int g = (area.bottom() - area.top() - 3) / 3;
        QCOMPARE(*std::min_element(tops.begin(), tops.end()),
                 area.top() + ((3 - expectedLines) * (g + 1)) / 2 + 1);
    }
}

// Card-to-card with the neutral kind: the stored sub-kind falls back to tonal when the card
// has no complementary neutral scheme; with one, clicking the selected neutral button
// toggles between tonal and complementary.
void TabPagesTest::neutralSubKind_data()
{
    QTest::addColumn<bool>("complementary");
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("storedAfterPaint");
    QTest::addColumn<int>("chipCount");
    QTest::addColumn<int>("emittedOnClick");
    QTest::newRow("no complementary, 8 stored") << false << 8 << 7 << 4 << 0;
    QTest::newRow("no complementary, 7 stored") << false << 7 << 7 << 4 << 0;
    QTest::newRow("complementary, 7 stored") << true << 7 << 7 << 4 << 8;
    QTest::newRow("complementary, 8 stored") << true << 8 << 8 << 3 << 7;
}

void TabPagesTest::neutralSubKind()
{
    QFETCH(bool, complementary);
    QFETCH(int, stored);
    QFETCH(int, storedAfterPaint);
    QFETCH(int, chipCount);
    QFETCH(int, emittedOnClick);
    m_deck->fixture.exec(kDeck, QStringLiteral("DELETE FROM SETTING WHERE NAME = 'schemes'"));
    addSetting(kNormalId, QStringLiteral("schemes"), QStringLiteral("harmonic"), 0);
    addSetting(kNormalId, QStringLiteral("schemes"), QStringLiteral("neutral"), 1);
    addSetting(kNormalId, QStringLiteral("mode.card"), QStringLiteral("ModeCardToCard"));
    addSetting(kNormalId, QStringLiteral("has.color.schemes.page"), 1);
    m_deck->reset();
    const qint64 card = rowId(WidgetDeck::normal, 1, 0);
    auto addPageScheme = [&](int scheme, int schemePageIndex) {
        m_deck->fixture.insert(
            kDeck, QStringLiteral("PAGE_SCHEME"),
            {{QStringLiteral("COLLECTION_ID"), kNormalId},
             {QStringLiteral("PAGE_ID"), card},
             {QStringLiteral("SCHEME_PAGE_ID"), rowId(WidgetDeck::normal, schemePageIndex, 0)},
             {QStringLiteral("SCHEME_ID"), scheme},
             {QStringLiteral("ORDER"), 0}});
    };
    addPageScheme(TonalNeutral, 2); // four chips
    if (complementary)
        addPageScheme(ComplementaryNeutral, 3); // three chips
    const StateStore store;
    store.setPageIndex(WidgetDeck::normal, 1);
    store.setRowIndex(WidgetDeck::normal, 1);
    store.setSchemeKind(WidgetDeck::normal, Neutral);
    store.setSchemeNeutralSubKind(WidgetDeck::normal, stored);

    ColorSchemerWidget schemer;
    schemer.resize(kPageSize);
    schemer.grab();
    QCOMPARE(int(store.schemeNeutralSubKind(WidgetDeck::normal)), storedAfterPaint);
    QCOMPARE(schemer.complementaryAvailable(), complementary);
    QCOMPARE(int(schemer.chips().size()), chipCount);

    QSignalSpy kindSpy(&schemer, &ColorSchemerWidget::schemeKindChangedInteractively);
    QSignalSpy subKindSpy(&schemer, &ColorSchemerWidget::schemeNeutralSubKindChangedInteractively);
    QTest::mouseClick(&schemer, Qt::LeftButton, Qt::NoModifier,
                      schemer.buttonRect(Neutral).center());
    QCOMPARE(kindSpy.count(), 0);
    QCOMPARE(subKindSpy.count(), emittedOnClick ? 1 : 0);
    if (emittedOnClick)
        QCOMPARE(subKindSpy.first().first().value<SchemeKind>(), SchemeKind(emittedOnClick));

    // A button that is not selected reports only its kind.
    QTest::mouseClick(&schemer, Qt::LeftButton, Qt::NoModifier,
                      schemer.buttonRect(Harmonic).center());
    QCOMPARE(kindSpy.count(), 1);
    QCOMPARE(kindSpy.first().first().value<SchemeKind>(), Harmonic);
}

// Ctrl+S, Ctrl+digit: only digits up to the number of kinds, only while shown.
void TabPagesTest::schemerShortcutNumbers()
{
    m_deck->reset();
    StateStore().setSchemeKind(WidgetDeck::normal, Harmonic);
    ColorSchemerWidget schemer;
    const QList<QAction *> actions = schemer.actions();
    QCOMPARE(actions.size(), 9);
    QCOMPARE(actions.at(0)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S, Qt::CTRL | Qt::Key_1));
    QSignalSpy kindSpy(&schemer, &ColorSchemerWidget::schemeKindChangedInteractively);
    actions.at(0)->trigger();
    QCOMPARE(kindSpy.count(), 0); // hidden
    schemer.show();
    actions.at(3)->trigger(); // only two kinds
    actions.at(1)->trigger(); // harmonic, already chosen
    QCOMPARE(kindSpy.count(), 0);
    actions.at(0)->trigger();
    QCOMPARE(kindSpy.count(), 1);
    QCOMPARE(kindSpy.first().first().value<SchemeKind>(), Contrast);
}

// A collection without the colour-schemes page shows the scheme of the nearest colour in
// the first collection that has one; the chips carry that collection's id.
void TabPagesTest::schemeOfNearestColor()
{
    addSetting(kDuvalinId, QStringLiteral("has.color.schemes.page"), 1);
    addSetting(kDuvalinId, QStringLiteral("mode.card"), QStringLiteral("ModeColorToColor"));
    addSetting(kDuvalinId, QStringLiteral("max.chips.on.a.page"), 2);
    // Duvalin's first chip has the colour of Normal's first chip, and its CIELAB values.
    const qint64 twin = rowId(WidgetDeck::duvalin, 1, 1);
    const DB::LabEntry lab = labFromColor(WidgetDeck::deckColor(1, 1));
    m_deck->fixture.exec(kDeck, QStringLiteral("UPDATE ROW SET L = ?, A = ?, B = ? WHERE ID = ?"),
                         {lab.l, lab.a, lab.b, twin});
    addSchemeRow(kDuvalinId, twin, Harmonic, rowId(WidgetDeck::duvalin, 2, 1), 0, 0);
    addSchemeRow(kDuvalinId, twin, Harmonic, rowId(WidgetDeck::duvalin, 2, 2), 0, 1);
    m_deck->reset();
    const StateStore store;
    store.setPageIndex(WidgetDeck::normal, 1);
    store.setRowIndex(WidgetDeck::normal, 1);
    store.setSchemeKind(WidgetDeck::normal, Harmonic);

    ColorSchemerWidget schemer;
    QCOMPARE(schemer.schemeCollection(), WidgetDeck::duvalin);
    schemer.resize(kPageSize);
    const QImage image = schemer.grab().toImage();
    QCOMPARE(int(schemer.chips().size()), 2);
    for (const auto &[rect, chip] : schemer.chips())
        QCOMPARE(chip.collection, WidgetDeck::duvalin);
    QCOMPARE(image.pixelColor(schemer.chips().front().first.center()), WidgetDeck::deckColor(2, 1));
}

// While the schemes come from another collection, the shortcuts still compare with the kind
// stored for the collection on show, which is the one the main widget writes.
void TabPagesTest::shortcutUsesShownCollection()
{
    addSetting(kDuvalinId, QStringLiteral("has.color.schemes.page"), 1);
    m_deck->reset();
    const StateStore store;
    store.setSchemeKind(WidgetDeck::normal, Contrast);
    store.setSchemeKind(WidgetDeck::duvalin, Harmonic);
    ColorSchemerWidget schemer;
    QCOMPARE(schemer.schemeCollection(), WidgetDeck::duvalin);
    schemer.show();
    QSignalSpy kindSpy(&schemer, &ColorSchemerWidget::schemeKindChangedInteractively);
    schemer.actions().at(1)->trigger(); // Ctrl+S, Ctrl+2: harmonic
    QCOMPARE(kindSpy.count(), 1);
    QCOMPARE(kindSpy.first().first().value<SchemeKind>(), Harmonic);
    schemer.actions().at(0)->trigger(); // contrast, already chosen
    QCOMPARE(kindSpy.count(), 1);
}

// Trend colours flow left to right, 4 pixels apart, and wrap at the content's right edge.
void TabPagesTest::trendGroupFlow()
{
    const qint64 group = m_deck->fixture.insert(kDeck, QStringLiteral("VISTRAL_GROUP"),
                                                {{QStringLiteral("COLLECTION_ID"), kNormalId},
                                                 {QStringLiteral("NAME"), "Spring"},
                                                 {QStringLiteral("DEFAULT_OPEN"), 1},
                                                 {QStringLiteral("ORDER"), 1}});
    const qint64 closed = m_deck->fixture.insert(kDeck, QStringLiteral("VISTRAL_GROUP"),
                                                 {{QStringLiteral("COLLECTION_ID"), kNormalId},
                                                  {QStringLiteral("NAME"), "Autumn"},
                                                  {QStringLiteral("DEFAULT_OPEN"), 0},
                                                  {QStringLiteral("ORDER"), 2}});
    for (int i = 0; i < 3; ++i)
        m_deck->fixture.insert(kDeck, QStringLiteral("VISTRAL_ENTRY"),
                               {{QStringLiteral("COLLECTION_ID"), kNormalId},
                                {QStringLiteral("VISTRAL_GROUP_ID"), group},
                                {QStringLiteral("NAME_1"), "a"},
                                {QStringLiteral("NAME_2"), "b"},
                                {QStringLiteral("RED"), 10 * i},
                                {QStringLiteral("GREEN"), 20},
                                {QStringLiteral("BLUE"), 30},
                                {QStringLiteral("ORDER"), i}});
    m_deck->reset();

    ColorVistralViewport content;
    content.reload(WidgetDeck::normal);
    QCOMPARE(content.groupOrder(), QList<qint64>({group, closed}));
    const QFontMetrics names(italicFont(2));
    const int h1 = names.size(Qt::TextSingleLine, QStringLiteral("a")).height();
    const int h2 = names.size(Qt::TextSingleLine, QStringLiteral("b")).height();
    const int cellHeight = 48 + 4 + h1 + h2; // names start 5 rows below the chip
    const int headerHeight = std::max(
        16,
        QFontMetrics(normalFont(2)).size(Qt::TextSingleLine, QStringLiteral("Spring")).height());
    const int firstRow = headerHeight + 9;

    // Wide: one row of three.
    content.resize(400, 10);
    content.layoutContent();
    auto chips = content.entryRects(group);
    QCOMPARE(int(chips.size()), 3);
    QCOMPARE(chips.at(0).first, QRect(0, firstRow, 64, 48));
    QCOMPARE(chips.at(1).first, QRect(68, firstRow, 64, 48));
    QCOMPARE(chips.at(2).first, QRect(136, firstRow, 64, 48));
    QCOMPARE(content.groupRect(group).bottom(), firstRow + cellHeight);
    QCOMPARE(content.groupRect(closed).top(), firstRow + cellHeight + 10);

    // Room for two: the third wraps to a row the tallest cell plus 10 lower.
    content.resize(140, 10);
    content.layoutContent();
    chips = content.entryRects(group);
    QCOMPARE(chips.at(1).first.topLeft(), QPoint(68, firstRow));
    QCOMPARE(chips.at(2).first.topLeft(), QPoint(0, firstRow + cellHeight + 10));
    QCOMPARE(content.groupRect(group).bottom(), firstRow + 2 * cellHeight + 10);
}

void TabPagesTest::trendOpenStateSurvivesReload()
{
    const qint64 group = m_deck->fixture.insert(kDeck, QStringLiteral("VISTRAL_GROUP"),
                                                {{QStringLiteral("COLLECTION_ID"), kNormalId},
                                                 {QStringLiteral("NAME"), "Spring"},
                                                 {QStringLiteral("DEFAULT_OPEN"), 1},
                                                 {QStringLiteral("ORDER"), 1}});
    m_deck->reset();
    {
        ColorVistralViewport content;
        content.reload(WidgetDeck::normal);
        content.resize(400, 10);
        content.layoutContent();
        QVERIFY(content.isGroupOpen(group));
        QTest::mouseClick(&content, Qt::LeftButton, Qt::NoModifier,
                          content.iconRect(group).center());
        QVERIFY(!content.isGroupOpen(group));
    }
    ColorVistralViewport reloaded;
    reloaded.reload(WidgetDeck::normal);
    QVERIFY(!reloaded.isGroupOpen(group));
    QVERIFY(!StateStore().colorVistralGroupOpenState(WidgetDeck::normal, group, true));
}

void TabPagesTest::textureTint_data()
{
    QTest::addColumn<QColor>("texture");
    QTest::addColumn<QColor>("chip");
    QTest::addColumn<double>("alpha");
    QTest::addColumn<QColor>("expected");
    QTest::newRow("alpha 1: chip times texture")
        << QColor(200, 100, 50) << QColor(128, 64, 255) << 1.0 << QColor(100, 25, 49);
    QTest::newRow("alpha 0: texture squared")
        << QColor(200, 100, 50) << QColor(128, 64, 255) << 0.0 << QColor(156, 39, 9);
    QTest::newRow("white texture, alpha 1")
        << QColor(255, 255, 255) << QColor(128, 64, 255) << 1.0 << QColor(127, 63, 254);
    QTest::newRow("half way") << QColor(100, 100, 100) << QColor(200, 0, 100) << 0.5
                              << QColor(58, 19, 39);
    QTest::newRow("texture alpha ignored")
        << QColor(255, 255, 255, 0) << QColor(10, 20, 30) << 1.0 << QColor(9, 19, 29);
}

void TabPagesTest::textureTint()
{
    QFETCH(QColor, texture);
    QFETCH(QColor, chip);
    QFETCH(double, alpha);
    QFETCH(QColor, expected);
    QImage image(3, 2, QImage::Format_ARGB32);
    image.fill(texture);
    const QImage tinted = TexturesViewport::tintedImage(image, chip, alpha);
    QCOMPARE(tinted.size(), image.size());
    QCOMPARE(tinted.pixelColor(2, 1), expected);
}

// Four textures: three tiles on the first row, the fourth at the left of the second; the
// tiles show the current chip's tint and follow a change of row.
void TabPagesTest::textureTiles()
{
    const qint64 card = rowId(WidgetDeck::normal, 1, 0);
    for (int i = 0; i < 4; ++i)
        addTexture(card, QStringLiteral("T%1").arg(i));
    m_deck->reset();
    const StateStore store;
    store.setPageIndex(WidgetDeck::normal, 1);
    store.setRowIndex(WidgetDeck::normal, 2);

    TexturesWidget page;
    page.resize(kPageSize);
    page.updateLayout();
    const auto &tiles = page.content()->tileRects();
    QCOMPARE(int(tiles.size()), 4);
    const int top = tiles.at(0).first.top();
    QCOMPARE(tiles.at(0).first.left(), 0);
    QCOMPARE(tiles.at(1).first.top(), top);
    QCOMPARE(tiles.at(2).first.top(), top);
    QVERIFY(tiles.at(2).first.right() <= page.content()->width() - 1);
    QCOMPARE(tiles.at(3).first.left(), 0);
    QVERIFY(tiles.at(3).first.top() > tiles.at(0).first.bottom());

    auto tint = [](const QColor &chip) {
        return QColor(chip.red() * 255 / 256, chip.green() * 255 / 256, chip.blue() * 255 / 256);
    };
    QImage image = page.content()->grab().toImage();
    QCOMPARE(image.pixelColor(tiles.at(1).first.center()), tint(WidgetDeck::deckColor(1, 2)));
    store.setRowIndex(WidgetDeck::normal, 3);
    page.selectedRowChanged();
    image = page.content()->grab().toImage();
    QCOMPARE(image.pixelColor(tiles.at(1).first.center()), tint(WidgetDeck::deckColor(1, 3)));
    // A row beyond the card tints with pure red.
    store.setRowIndex(WidgetDeck::normal, 9);
    image = page.content()->grab().toImage();
    QCOMPARE(image.pixelColor(tiles.at(1).first.center()), QColor(254, 0, 0));
}

// The main widget lays the textures out again when the card changes, and only repaints
// them when the row changes.
void TabPagesTest::texturesFollowCardChange()
{
    addTexture(rowId(WidgetDeck::normal, 1, 0), QStringLiteral("One"));
    addTexture(rowId(WidgetDeck::normal, 2, 0), QStringLiteral("Two"));
    addTexture(rowId(WidgetDeck::normal, 2, 0), QStringLiteral("Three"));
    m_deck->reset();
    const StateStore store;
    store.setPageIndex(WidgetDeck::normal, 1);
    store.setRowIndex(WidgetDeck::normal, 1);
    store.setTabPageIndex(WidgetDeck::normal, PageOfTextures);

    MainWidget widget(&currentMainWidget);
    widget.show();
    QVERIFY(widget.texturesPage()->isVisible());
    const auto &tiles = widget.texturesPage()->content()->tileRects();
    QCOMPARE(int(tiles.size()), 1);
    widget.pageChangedInteractively(2);
    QCOMPARE(int(tiles.size()), 2);
    QCOMPARE(tiles.at(1).second.name, QStringLiteral("Three"));
    widget.rowChangedInteractively(2);
    QCOMPARE(int(tiles.size()), 2);
    const QImage image = widget.texturesPage()->content()->grab().toImage();
    const QColor chip = WidgetDeck::deckColor(2, 2);
    QCOMPARE(image.pixelColor(tiles.at(0).first.center()),
             QColor(chip.red() * 255 / 256, chip.green() * 255 / 256, chip.blue() * 255 / 256));
}

void TabPagesTest::products_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("product groups")
        << QStringLiteral("GroupsWithProductTooltip") << 1 << QStringLiteral("N1-1")
        << QStringList {QStringLiteral("Interior"), QStringLiteral("Exterior")};
    QTest::newRow("products with codes")
        << QStringLiteral("Products") << 1 << QStringLiteral("N1-1")
        << QStringList {QStringLiteral("Primer: P-1"), QStringLiteral("Gloss")};
    QTest::newRow("no chip") << QStringLiteral("Products") << 7 << QStringLiteral(" ")
                             << QStringList();
}

void TabPagesTest::products()
{
    QFETCH(QString, mode);
    QFETCH(int, row);
    QFETCH(QString, code);
    QFETCH(QStringList, names);
    addSetting(kNormalId, QStringLiteral("product.groups.mode"), mode);
    const qint64 chip = rowId(WidgetDeck::normal, 1, 1);
    const qint64 primer = m_deck->fixture.insert(
        kDeck, QStringLiteral("PRODUCT"),
        {{QStringLiteral("NAME"), "Primer"}, {QStringLiteral("PRODUCT_CODE"), "P-1"}});
    const qint64 gloss = m_deck->fixture.insert(
        kDeck, QStringLiteral("PRODUCT"),
        {{QStringLiteral("NAME"), "Gloss"}, {QStringLiteral("PRODUCT_CODE"), ""}});
    for (qint64 product : {primer, gloss})
        m_deck->fixture.insert(kDeck, QStringLiteral("ROW_PRODUCT_MAP"),
                               {{QStringLiteral("COLLECTION_ID"), kNormalId},
                                {QStringLiteral("ROW_ID"), chip},
                                {QStringLiteral("PRODUCT_ID"), product}});
    for (const QString &name : {QStringLiteral("Interior"), QStringLiteral("Exterior")}) {
        const qint64 groupId = m_deck->fixture.insert(kDeck, QStringLiteral("PRODUCT_GROUP"),
                                                      {{QStringLiteral("NAME"), name}});
        m_deck->fixture.insert(kDeck, QStringLiteral("ROW_PRODUCT_GROUP_MAP"),
                               {{QStringLiteral("COLLECTION_ID"), kNormalId},
                                {QStringLiteral("ROW_ID"), chip},
                                {QStringLiteral("PRODUCT_GROUP_ID"), groupId}});
    }
    m_deck->reset();
    const StateStore store;
    store.setPageIndex(WidgetDeck::normal, 1);
    store.setRowIndex(WidgetDeck::normal, row);

    ProductsWidget page;
    page.resize(kPageSize);
    page.refresh();
    QCOMPARE(page.codeLabel()->text(), code);
    QCOMPARE(listTexts(page.productList()), names);
    QCOMPARE(page.productList()->flow(), QListView::TopToBottom);
    QVERIFY(page.productList()->isWrapping());
}

void TabPagesTest::productKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("move"); // the list's scroll position afterwards: -1, 0 or +1 step
    const int none = Qt::NoModifier;
    QTest::newRow("right") << int(Qt::Key_Right) << none << 1;
    QTest::newRow("down") << int(Qt::Key_Down) << none << 1;
    QTest::newRow("left") << int(Qt::Key_Left) << none << -1;
    QTest::newRow("ctrl+right") << int(Qt::Key_Right) << int(Qt::ControlModifier) << 0;
    QTest::newRow("other key") << int(Qt::Key_A) << none << 0;
}

// The page has the focus, not its list: the arrow keys scroll the columns of names.
void TabPagesTest::productKeys()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, move);
    m_deck->reset();
    ProductsWidget page;
    page.resize(kPageSize);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    for (int i = 0; i < 200; ++i)
        page.productList()->addItem(QStringLiteral("Product %1").arg(i));
    page.productList()->doItemsLayout();
    QScrollBar *bar = page.productList()->horizontalScrollBar();
    QVERIFY(bar->maximum() > 2 * bar->singleStep());
    bar->setValue(bar->singleStep());
    const int start = bar->value();
    QTest::keyClick(&page, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(bar->value(), start + move * bar->singleStep());
}

// Exactly three contrast proposals show left to right as wide contrast of page order 0,
// contrast, wide contrast of page order 1; any other number shows none.
void TabPagesTest::duvalinProposals_data()
{
    QTest::addColumn<int>("proposals");
    QTest::newRow("three") << 3;
    QTest::newRow("four") << 4;
    QTest::newRow("two") << 2;
}

void TabPagesTest::duvalinProposals()
{
    QFETCH(int, proposals);
    const qint64 chip = rowId(WidgetDeck::duvalin, 1, 1);
    const qint64 wide1 = rowId(WidgetDeck::duvalin, 1, 2);
    const qint64 contrast = rowId(WidgetDeck::duvalin, 1, 3);
    const qint64 wide2 = rowId(WidgetDeck::duvalin, 2, 1);
    // Inserted out of order; the query sorts them.
    addSchemeRow(kDuvalinId, chip, WideContrast, wide2, 1, 0);
    addSchemeRow(kDuvalinId, chip, Contrast, contrast, 0, 0);
    if (proposals >= 3)
        addSchemeRow(kDuvalinId, chip, WideContrast, wide1, 0, 0);
    if (proposals >= 4)
        addSchemeRow(kDuvalinId, chip, Contrast, rowId(WidgetDeck::duvalin, 2, 2), 3, 0);
    m_deck->reset(WidgetDeck::duvalin);
    const StateStore store;
    store.setPageIndex(WidgetDeck::duvalin, 1);
    store.setRowIndex(WidgetDeck::duvalin, 1);

    ColorSchemerDuvalineWidget page;
    page.resize(kPageSize);
    page.resize(kPageSize + QSize(10, 0));
    QCOMPARE(int(page.sections().size()), 3);
    const QImage image = page.grab().toImage();
    if (proposals != 3) {
        QVERIFY(page.chips().empty());
        QCOMPARE(image.pixelColor(page.chipRect(0).center()), image.pixelColor(0, 0));
        return;
    }
    QCOMPARE(int(page.chips().size()), 3);
    const QColor expected[]
        = {WidgetDeck::deckColor(1, 2), WidgetDeck::deckColor(1, 3), WidgetDeck::deckColor(2, 1)};
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(page.chips().at(size_t(i)).first, page.chipRect(i));
        QCOMPARE(image.pixelColor(page.chipRect(i).center()), expected[i]);
        QCOMPARE(image.pixelColor(page.captionRect(i).topLeft() + QPoint(1, 1)),
                 QColor(99, 99, 99));
    }
    QVERIFY(page.chipRect(0).right() < page.chipRect(1).left());
    QCOMPARE(page.chipRect(0).left(), 12);
}

// Caption boxes explain their scheme; a chip position without chips hides any tip.
void TabPagesTest::duvalinToolTips_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("onCaption");
    QTest::addColumn<QString>("expected");
    const QString wide = QStringLiteral("<span style=\"font-size: 12px;\">"
                                        "tiptext.harmonizer.palette.scheme.wide.contrast</span>");
    QTest::newRow("left caption") << 0 << true << wide;
    QTest::newRow("middle caption")
        << 1 << true
        << QStringLiteral("<span style=\"font-size: 12px;\">"
                          "tiptext.harmonizer.palette.scheme.contrast</span>");
    QTest::newRow("right caption") << 2 << true << wide;
    QTest::newRow("chip position without chips") << 1 << false << QString();
}

void TabPagesTest::duvalinToolTips()
{
    QFETCH(int, column);
    QFETCH(bool, onCaption);
    QFETCH(QString, expected);
    m_deck->reset(WidgetDeck::duvalin);
    ColorSchemerDuvalineWidget page;
    page.resize(kPageSize);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    // A tip shown before must be hidden by a move over empty chips.
    QTest::mouseMove(&page, page.captionRect(0).center());
    const QRect target = onCaption ? page.captionRect(column) : page.chipRect(column);
    QTest::mouseMove(&page, target.center());
    QTRY_COMPARE(QToolTip::text(), expected);
}

void TabPagesTest::showTabPage_data()
{
    QTest::addColumn<QUuid>("collection");
    QTest::addColumn<int>("tabPage");
    QTest::addColumn<QString>("shown");
    QTest::newRow("normal schemes")
        << WidgetDeck::normal << int(PageOfColorSchemes) << QStringLiteral("schemer");
    QTest::newRow("duvalin schemes")
        << WidgetDeck::duvalin << int(PageOfColorSchemes) << QStringLiteral("duvalin");
    QTest::newRow("products") << WidgetDeck::normal << int(PageOfProducts)
                              << QStringLiteral("products");
    QTest::newRow("trend colours")
        << WidgetDeck::normal << int(PageOfColorVistral) << QStringLiteral("trend");
    QTest::newRow("textures") << WidgetDeck::duvalin << int(PageOfTextures)
                              << QStringLiteral("textures");
    QTest::newRow("no page") << WidgetDeck::normal << int(NoPage) << QString();
}

void TabPagesTest::showTabPage()
{
    QFETCH(QUuid, collection);
    QFETCH(int, tabPage);
    QFETCH(QString, shown);
    m_deck->reset(collection);
    MainWidget widget(&currentMainWidget);
    widget.showTabPage(TabBarPage(tabPage));
    const QHash<QString, QWidget *> pages = {
        {QStringLiteral("schemer"), widget.schemer()},
        {QStringLiteral("duvalin"), widget.duvalinSchemer()},
        {QStringLiteral("products"), widget.productsPage()},
        {QStringLiteral("trend"), widget.trendColorsPage()},
        {QStringLiteral("textures"), widget.texturesPage()},
    };
    for (auto it = pages.cbegin(); it != pages.cend(); ++it) {
        QCOMPARE(it.value()->isVisibleTo(&widget), it.key() == shown);
        QCOMPARE(it.value()->size(), QSize(widget.schemer()->width(), 226));
    }
}
