#include "CollectionSettingsTest.h"

#include "CollectionFixture.h"
#include "CollectionSettings.h"
#include "TestDecks.h"

#include <QSize>
#include <QTest>

#include <functional>
#include <type_traits>

using namespace Corvane;
using namespace Corvane::DB;
using namespace Corvane::Test;

namespace {

using Accessor = std::function<QVariant(const QUuid &)>;

template<typename T> QVariantList toVariantList(const QVector<T> &values)
{
    QVariantList list;
    for (const T &value : values) {
        if constexpr (std::is_enum_v<T>)
            list.append(int(value));
        else
            list.append(value);
    }
    return list;
}

// The typed accessors under test, by name, with their results as variants.
const QHash<QString, Accessor> &accessors()
{
    static const QHash<QString, Accessor> table {
        {"maxChipsOnAPage", [](const QUuid &c) { return CollectionSettings::maxChipsOnAPage(c); }},
        {"cardType", [](const QUuid &c) { return int(CollectionSettings::cardType(c)); }},
        {"numOfSegments", [](const QUuid &c) { return CollectionSettings::numOfSegments(c); }},
        {"firstSegmentAngle",
         [](const QUuid &c) { return CollectionSettings::firstSegmentAngle(c); }},
        {"segmentIncrementOrientation",
         [](const QUuid &c) { return int(CollectionSettings::segmentIncrementOrientation(c)); }},
        {"modeCard", [](const QUuid &c) { return int(CollectionSettings::modeCard(c)); }},
        {"modeMood", [](const QUuid &c) { return int(CollectionSettings::modeMood(c)); }},
        {"productGroupsMode",
         [](const QUuid &c) { return int(CollectionSettings::productGroupsMode(c)); }},
        {"productGroupSeparator",
         [](const QUuid &c) { return CollectionSettings::productGroupSeparator(c); }},
        {"hasExteriorFilter",
         [](const QUuid &c) { return CollectionSettings::hasExteriorFilter(c); }},
        {"moodVisible", [](const QUuid &c) { return CollectionSettings::moodVisible(c); }},
        {"hasColorSchemesPage",
         [](const QUuid &c) { return CollectionSettings::hasColorSchemesPage(c); }},
        {"showPageName", [](const QUuid &c) { return CollectionSettings::showPageName(c); }},
        {"showRowName", [](const QUuid &c) { return CollectionSettings::showRowName(c); }},
        {"capsureFolderToWatch",
         [](const QUuid &c) { return CollectionSettings::capsureFolderToWatch(c); }},
        {"savePaletteTextFormat",
         [](const QUuid &c) { return CollectionSettings::savePaletteTextFormat(c, true); }},
        {"headerLink", [](const QUuid &c) { return CollectionSettings::headerLink(c); }},
        {"helpLink", [](const QUuid &c) { return CollectionSettings::helpLink(c); }},
        {"tabBarPages",
         [](const QUuid &c) { return toVariantList(CollectionSettings::tabBarPages(c)); }},
        {"schemes", [](const QUuid &c) { return toVariantList(CollectionSettings::schemes(c)); }},
        {"colorVistralChipSize",
         [](const QUuid &c) { return CollectionSettings::colorVistralChipSize(c); }},
        {"textureSize",
         [](const QUuid &c) { return CollectionSettings::textureSize(c, QSize(7, 9)); }},
        {"cie2000DeltaIntervals",
         [](const QUuid &c) {
             return toVariantList(CollectionSettings::cie2000DeltaIntervals(c));
         }},
    };
    return table;
}

// Adds each setting; a list value becomes one row per element, written last index first so
// that the table order differs from the VALUE_INDEX order.
void addSettings(CollectionFixture &fixture, qint64 collectionId, const QVariantMap &settings)
{
    for (auto it = settings.cbegin(); it != settings.cend(); ++it) {
        if (it.value().typeId() != QMetaType::QVariantList) {
            fixture.addSetting(kDeckFile, collectionId, it.key(), it.value());
            continue;
        }
        const QVariantList values = it.value().toList();
        for (int index = values.size() - 1; index >= 0; --index)
            fixture.addSetting(kDeckFile, collectionId, it.key(), values.at(index), index);
    }
}

QVariantList ints(std::initializer_list<int> values)
{
    QVariantList list;
    for (const int value : values)
        list.append(value);
    return list;
}

} // namespace

void CollectionSettingsTest::cleanup()
{
    resetEngineState();
}

void CollectionSettingsTest::typedValues_data()
{
    QTest::addColumn<QString>("accessor");
    QTest::addColumn<QVariantMap>("settings");
    QTest::addColumn<QVariantMap>("systemSettings");
    QTest::addColumn<QVariant>("expected");

    const QVariantMap none;
    auto add = [](const char *name, const char *accessor, const QVariantMap &settings,
                  const QVariant &expected, const QVariantMap &systemSettings = QVariantMap()) {
        QTest::newRow(name) << QString::fromLatin1(accessor) << settings << systemSettings
                            << expected;
    };

    add("enumeration ignores case", "cardType", {{"card.type", "NORMAL"}}, 1);
    add("enumeration is not trimmed", "cardType", {{"card.type", "duvalin "}}, 0);
    add("enumeration second value", "cardType", {{"card.type", "Duvalin"}}, 2);
    add("enumeration missing", "cardType", none, 0);
    add("setting name ignores case", "cardType", {{"CARD.TYPE", "normal"}}, 1);
    add("orientation", "segmentIncrementOrientation", {{"segment.increment.orientation", "ccw"}},
        2);
    add("card mode", "modeCard", {{"mode.card", "modecardtocard"}}, 3);
    add("mood mode", "modeMood", {{"mode.mood", "MoodModeWarmFreshEquals"}}, 2);
    add("product groups", "productGroupsMode", {{"product.groups.mode", "products"}}, 1);
    add("product groups with tooltip", "productGroupsMode",
        {{"product.groups.mode", "GroupsWithProductTooltip"}}, 0);

    add("segments missing", "numOfSegments", none, 12);
    add("segments not a number", "numOfSegments", {{"num.of.segments", "abc"}}, 0);
    add("segments", "numOfSegments", {{"num.of.segments", "24"}}, 24);
    add("chips missing", "maxChipsOnAPage", none, 0);
    add("chips", "maxChipsOnAPage", {{"max.chips.on.a.page", "7"}}, 7);
    add("angle", "firstSegmentAngle", {{"first.segment.angle", "12.5"}}, 12.5);

    add("separator missing", "productGroupSeparator", none, ": ");
    add("separator", "productGroupSeparator",
        {{"product.group.productname.productcode.separator:string", " / "}}, " / ");
    add("folder", "capsureFolderToWatch", {{"capsure.folder.to.watch.windows", "C:\\In"}},
        "C:\\In");

    add("flag 1", "showRowName", {{"color.tooltip.show.row.name", "1"}}, true);
    add("flag true is off", "showRowName", {{"color.tooltip.show.row.name", "true"}}, false);
    add("flag 2 is off", "showRowName", {{"color.tooltip.show.row.name", "2"}}, false);
    add("flag from the fallback name", "showRowName", {{"color.tooltip.show.color.name", "1"}},
        true);
    add("flag name wins over the fallback", "showRowName",
        {{"color.tooltip.show.row.name", "0"}, {"color.tooltip.show.color.name", "1"}}, false);
    add("card name fallback", "showPageName", {{"color.tooltip.show.card.name", "1"}}, true);
    add("exterior filter missing", "hasExteriorFilter", none, true);
    add("exterior filter off", "hasExteriorFilter", {{"has.exterior.filter", "0"}}, false);
    add("mood visible missing", "moodVisible", none, true);
    add("schemes page missing", "hasColorSchemesPage", none, false);
    add("text format missing takes the argument", "savePaletteTextFormat", none, true);
    add("text format off", "savePaletteTextFormat", {{"save.palette.text.format", "0"}}, false);

    add("header link", "headerLink", {{"header.link", "https://example.org"}},
        "https://example.org");
    add("help link missing", "helpLink", none, "file:///%APP%/Contents/Resources/help/main.html");
    add("help link empty", "helpLink", {{"help.link", ""}},
        "file:///%APP%/Contents/Resources/help/main.html");

    add("tab pages in order", "tabBarPages",
        {{"tab.bar.page", QVariantList {"PageOfTextures", "PageOfColorSchemes", "PageOfProducts"}}},
        ints({1, 8, 2}));
    add("tab pages trimmed, unknown and digits", "tabBarPages",
        {{"tab.bar.page", QVariantList {" pageofcolorvistral ", "PageOfNothing", "8"}}},
        ints({1, 4, 0, 8}));
    add("tab pages missing", "tabBarPages", none, ints({1}));
    add("tab pages with a value that is no text", "tabBarPages",
        {{"tab.bar.page", QVariantList {"PageOfTextures", QByteArray("PageOfProducts")}}},
        ints({1, 2, 4, 8}));
    add("schemes", "schemes", {{"schemes", QVariantList {"Dramatic", " harmonic "}}}, ints({5, 1}));
    add("schemes with an unknown name", "schemes",
        {{"schemes", QVariantList {"natural neutral", "pastel"}}}, ints({9, 0}));
    add("schemes missing", "schemes", none, QVariantList());
    add("schemes with a value that is no text", "schemes",
        {{"schemes", QVariantList {"dynamic", QByteArray("contrast")}}}, QVariantList());

    add("chip size", "colorVistralChipSize",
        {{"widget.color.vistral.chip.width", "80"}, {"widget.color.vistral.chip.height", "60"}},
        QSize(80, 60));
    add("chip size without height", "colorVistralChipSize",
        {{"widget.color.vistral.chip.width", "80"}}, QSize(64, 48));
    add("texture size", "textureSize", {{"texture.size", "256,128"}}, QSize(256, 128));
    add("texture size one number", "textureSize", {{"texture.size", "256"}}, QSize(7, 9));
    add("texture size not numbers", "textureSize", {{"texture.size", "a,b"}}, QSize(7, 9));
    add("texture size of the system-wide collection", "textureSize", none, QSize(32, 16),
        {{"texture.size", "32,16"}});
    add("delta intervals", "cie2000DeltaIntervals", {{"cie2000.delta.intervals", "1.5,,-2,3"}},
        QVariantList {1.5, 3.0});
    add("delta intervals without a number", "cie2000DeltaIntervals",
        {{"cie2000.delta.intervals", "none"}}, QVariantList {0.05});
    add("delta intervals missing", "cie2000DeltaIntervals", none, QVariantList {0.05});
}

void CollectionSettingsTest::typedValues()
{
    QFETCH(QString, accessor);
    QFETCH(QVariantMap, settings);
    QFETCH(QVariantMap, systemSettings);
    QFETCH(QVariant, expected);
    QVERIFY(accessors().contains(accessor));

    CollectionFixture fixture;
    createDecks(fixture);
    addSettings(fixture, 1, settings);
    addSettings(fixture, kSystemWideId, systemSettings);
    // The other collection's values must not leak into deck A's answers.
    fixture.addSetting(kDeckFile, 2, QStringLiteral("card.type"), QStringLiteral("duvalin"));
    fixture.activate();

    const QVariant first = accessors().value(accessor)(kDeckA);
    QCOMPARE(first, expected);
    // The second answer comes from the cache where the value was present.
    QCOMPARE(accessors().value(accessor)(kDeckA), expected);
}

void CollectionSettingsTest::cacheFollowsCollection()
{
    CollectionFixture fixture;
    createDecks(fixture);
    fixture.addSetting(kDeckFile, 1, QStringLiteral("card.type"), QStringLiteral("normal"));
    fixture.addSetting(kDeckFile, 2, QStringLiteral("card.type"), QStringLiteral("duvalin"));
    fixture.activate();

    QCOMPARE(CollectionSettings::cardType(kDeckB), CardTypeDuvalin);
    QCOMPARE(CollectionSettings::cardType(kDeckA), CardTypeNormal);

    // A present value is cached; a missing one is asked again on every call.
    QCOMPARE(CollectionSettings::numOfSegments(kDeckA), 12);
    fixture.addSetting(kDeckFile, 1, QStringLiteral("num.of.segments"), QStringLiteral("16"));
    fixture.exec(kDeckFile,
                 QStringLiteral("UPDATE SETTING SET VALUE = 'duvalin' WHERE NAME = "
                                "'card.type' AND COLLECTION_ID = 1"));
    QCOMPARE(CollectionSettings::numOfSegments(kDeckA), 16);
    QCOMPARE(CollectionSettings::cardType(kDeckA), CardTypeNormal);

    // Another collection empties the cache.
    CollectionSettings::setCurrentCollection(kDeckB);
    QCOMPARE(CollectionSettings::cardType(kDeckA), CardTypeDuvalin);
}

void CollectionSettingsTest::availableTabBarPages_data()
{
    QTest::addColumn<QVariantMap>("settings");
    QTest::addColumn<bool>("systemTextures");
    QTest::addColumn<int>("pages");

    QTest::newRow("nothing") << QVariantMap() << true << 1;
    QTest::newRow("products and trend colours")
        << QVariantMap {{"has.product.groups.page", "1"}, {"has.color.vistral.page", "2"}} << false
        << 7;
    QTest::newRow("textures") << QVariantMap {{"has.textures.page", "1"}} << true << 9;
    QTest::newRow("textures missing in the system-wide collection")
        << QVariantMap {{"has.textures.page", "1"}} << false << 1;
    QTest::newRow("zero values") << QVariantMap {{"has.product.groups.page", "0"}} << true << 1;
}

void CollectionSettingsTest::availableTabBarPages()
{
    QFETCH(QVariantMap, settings);
    QFETCH(bool, systemTextures);
    QFETCH(int, pages);

    CollectionFixture fixture;
    createDecks(fixture);
    addSettings(fixture, 1, settings);
    if (systemTextures)
        fixture.addSetting(kDeckFile, kSystemWideId, QStringLiteral("has.textures.page"), 1);
    fixture.activate();

    QCOMPARE(CollectionSettings::availableTabBarPages(kDeckA), pages);
}

void CollectionSettingsTest::rawLookupsAndOrders()
{
    CollectionFixture fixture;
    createDecks(fixture);
    addSettings(fixture, 1,
                {{"row.name.display.order", QVariantList {"2", "0", "x", "7"}},
                 {"page.name.search.order", QVariantList {"1"}},
                 {"it's quoted", "yes"}});
    fixture.activate();

    // Several values come in VALUE_INDEX order; the single lookup sees index 0 only.
    QCOMPARE(settingValues(kDeckA, QStringLiteral("ROW.NAME.DISPLAY.ORDER")),
             (QVariantList {"2", "0", "x", "7"}));
    QCOMPARE(settingValue(kDeckA, QStringLiteral("row.name.display.order"), QVariant()),
             QVariant(QStringLiteral("2")));
    QCOMPARE(settingValue(kDeckA, QStringLiteral("it's quoted"), QVariant()),
             QVariant(QStringLiteral("yes")));
    QCOMPARE(settingValue(kDeckA, QStringLiteral("missing"), 42), QVariant(42));
    QVERIFY(settingValues(kDeckA, QStringLiteral("missing")).isEmpty());

    QCOMPARE(loadDisplayOrders(kDeckA), 0);
    QCOMPARE(rowNameDisplayOrder(), (QVector<qint64> {2, 0, 0, 7}));
    QCOMPARE(pageNameSearchOrder(), (QVector<qint64> {1}));
    QVERIFY(rowNameSearchOrder().isEmpty());
    QVERIFY(pageNameDisplayOrder().isEmpty());
    QVERIFY(rowExtraDisplayOrder().isEmpty());

    // Another collection replaces the lists, a failing one empties them.
    QCOMPARE(loadDisplayOrders(kDeckB), 0);
    QVERIFY(rowNameDisplayOrder().isEmpty());
    QCOMPARE(loadDisplayOrders(kDeckA), 0);
    QCOMPARE(loadDisplayOrders(QUuid()), -2);
    QVERIFY(rowNameDisplayOrder().isEmpty());
    QVERIFY(pageNameSearchOrder().isEmpty());
}

void CollectionSettingsTest::tooltipText_data()
{
    QTest::addColumn<QStringList>("flags");
    QTest::addColumn<bool>("knownRow");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("html");

    const QStringList all {"color.tooltip.show.collection.name",    "color.tooltip.show.page.name",
                           "color.tooltip.show.row.code",           "color.tooltip.show.row.name",
                           "color.tooltip.show.row.auxiliary.info", "color.tooltip.show.page.index",
                           "color.tooltip.show.row.row.index"};
    QTest::newRow("every item")
        << all << true << "Deck A\nCard name\nSW-1\nMeer\nOcean\nmatt\n3\n2"
        << "<div style=\"margin:2px;\">Deck A<br/>Card name<br/>SW-1<br/>Meer<br/>Ocean<br/>"
           "<span style=\"font-style:italic;\">matt</span><br/>3<br/>2</div>";
    QTest::newRow("code and names")
        << QStringList {"color.tooltip.show.color.code", "color.tooltip.show.row.name"} << true
        << "SW-1\nMeer\nOcean"
        << "<div style=\"margin:2px;\">SW-1<br/>Meer<br/>Ocean</div>";
    QTest::newRow("every flag off") << QStringList() << true << ""
                                    << "<div style=\"margin:2px;\"></div>";
    QTest::newRow("unknown row") << all << false << ""
                                 << "";
}

void CollectionSettingsTest::tooltipText()
{
    QFETCH(QStringList, flags);
    QFETCH(bool, knownRow);
    QFETCH(QString, text);
    QFETCH(QString, html);

    CollectionFixture fixture;
    createDecks(fixture);
    for (const QString &flag : flags)
        fixture.addSetting(kDeckFile, 1, flag, 1);
    addSettings(fixture, 1,
                {{"page.name.display.order", QVariantList {"0"}},
                 {"row.name.display.order", QVariantList {"1", "4", "0"}},
                 {"row.extra.display.order", QVariantList {"0", "5"}}});
    const qint64 pageId = fixture.addPage(kDeckFile, 1, 3, 1, {{"NAME0", "Card name"}});
    const qint64 rowId = fixture.addRow(
        kDeckFile, 1, pageId, 2, Qt::blue,
        {{"CODE", "SW-1"}, {"NAME0", "Ocean"}, {"NAME1", "Meer"}, {"EXTRA0", "matt"}});
    fixture.activate();
    QCOMPARE(loadDisplayOrders(kDeckA), 0);

    const qint64 asked = knownRow ? rowId : rowId + 100;
    QCOMPARE(colorTooltipText(kDeckA, asked, false), text);
    QCOMPARE(colorTooltipText(kDeckA, asked, true), html);
}

void CollectionSettingsTest::unopenableCollection()
{
    CollectionFixture fixture;
    createDecks(fixture);
    fixture.addSetting(kDeckFile, 1, QStringLiteral("num.of.segments"), 20);
    fixture.addSetting(kDeckFile, 1, QStringLiteral("has.exterior.filter"), 0);
    QVERIFY(discoverThenRemoveDeckFile(fixture));

    QCOMPARE(CollectionSettings::numOfSegments(kDeckA), 12);
    QVERIFY(CollectionSettings::hasExteriorFilter(kDeckA));
    QCOMPARE(CollectionSettings::tabBarPages(kDeckA), QVector<TabBarPage> {PageOfColorSchemes});
    QCOMPARE(settingValue(kDeckA, QStringLiteral("num.of.segments"), 5), QVariant(5));
    QVERIFY(settingValues(kDeckA, QStringLiteral("num.of.segments")).isEmpty());
    QCOMPARE(loadDisplayOrders(kDeckA), -5);
    QVERIFY(colorTooltipText(kDeckA, 1, true).isEmpty());
}
