#include "VistralQueriesTest.h"

#include "CollectionFixture.h"
#include "ImageBytes.h"
#include "TestDecks.h"
#include "VistralQueries.h"

#include <QSqlRecord>
#include <QTest>

#include <algorithm>

using namespace Corvane;
using namespace Corvane::DB;
using namespace Corvane::Test;

namespace {

const QString kOther = QStringLiteral("other.db");
const QUuid kDeckC = QUuid::fromString(QStringLiteral("{eeeeeeee-0000-4000-8000-000000000005}"));

// Deck A (id 1) and deck B (id 2) in one file, deck C (id 1) alone in another file.
void addDecks(CollectionFixture &fixture)
{
    createDecks(fixture);
    fixture.createFile(kOther);
    fixture.addCollection(kOther, 1, kDeckC.toString(), QStringLiteral("C"), QStringLiteral("C"),
                          3);
}

qint64 addGroup(CollectionFixture &fixture, const QString &file, qint64 collectionId,
                const QString &name)
{
    return fixture.insert(file, QStringLiteral("VISTRAL_GROUP"),
                          {{QStringLiteral("COLLECTION_ID"), collectionId},
                           {QStringLiteral("NAME"), name},
                           {QStringLiteral("DEFAULT_OPEN"), 1}});
}

void addEntry(CollectionFixture &fixture, qint64 groupId, const QString &name, int order,
              const QColor &color)
{
    fixture.insert(kDeckFile, QStringLiteral("VISTRAL_ENTRY"),
                   {{QStringLiteral("COLLECTION_ID"), 1},
                    {QStringLiteral("VISTRAL_GROUP_ID"), groupId},
                    {QStringLiteral("NAME_1"), name},
                    {QStringLiteral("RED"), color.red()},
                    {QStringLiteral("GREEN"), color.green()},
                    {QStringLiteral("BLUE"), color.blue()},
                    {QStringLiteral("ORDER"), order}});
}

qint64 addTexture(CollectionFixture &fixture, qint64 collectionId, const QString &name,
                  const QByteArray &image)
{
    return fixture.insert(kDeckFile, QStringLiteral("TEXTURE"),
                          {{QStringLiteral("COLLECTION_ID"), collectionId},
                           {QStringLiteral("NAME"), name},
                           {QStringLiteral("IMAGE"), image},
                           {QStringLiteral("BASE_ALPHA"), 0.5}});
}

} // namespace

void VistralQueriesTest::cleanup()
{
    resetEngineState();
}

void VistralQueriesTest::vistralGroups_data()
{
    QTest::addColumn<QUuid>("collection");
    QTest::addColumn<int>("status");
    // "group: entry names in order" per group, sorted by group name.
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("shared groups, own groups, empty group")
        << kDeckA << 0
        << QStringList {"A empty: ", "A trends: first,second,third", "shared: shared entry"};
    QTest::newRow("another collection of the file sees the shared group")
        << kDeckB << 0 << QStringList {"B trends: ", "shared: shared entry"};
    QTest::newRow("shared groups stay in their file") << kDeckC << 0 << QStringList {};
    QTest::newRow("unknown collection") << kUnknownDeck << -4 << QStringList {};
}

void VistralQueriesTest::vistralGroups()
{
    QFETCH(QUuid, collection);
    QFETCH(int, status);
    QFETCH(QStringList, expected);

    CollectionFixture fixture;
    addDecks(fixture);
    const qint64 shared = addGroup(fixture, kDeckFile, 0, QStringLiteral("shared"));
    const qint64 own = addGroup(fixture, kDeckFile, 1, QStringLiteral("A trends"));
    addGroup(fixture, kDeckFile, 1, QStringLiteral("A empty"));
    addGroup(fixture, kDeckFile, 2, QStringLiteral("B trends"));
    addEntry(fixture, own, QStringLiteral("third"), 3, QColor(3, 3, 3));
    addEntry(fixture, own, QStringLiteral("first"), 1, QColor(10, 20, 30));
    addEntry(fixture, own, QStringLiteral("second"), 2, QColor(2, 2, 2));
    addEntry(fixture, shared, QStringLiteral("shared entry"), 1, QColor(1, 1, 1));
    fixture.activate();

    QHash<qint64, ColorVistralGroup> groups;
    groups.insert(99, ColorVistralGroup(QSqlRecord()));
    QCOMPARE(loadVistralGroups(collection, groups), status);
    QStringList found;
    for (auto it = groups.cbegin(); it != groups.cend(); ++it) {
        QCOMPARE(it.key(), it->id);
        QStringList names;
        for (const ColorVistralEntry &entry : it->entries)
            names.append(entry.name1);
        found.append(it->name + QStringLiteral(": ") + names.join(QLatin1Char(',')));
    }
    found.sort();
    QCOMPARE(found, expected);
    const auto ownGroup = groups.constFind(own);
    if (ownGroup != groups.cend()) {
        QCOMPARE(ownGroup->entries.first().color, QColor(10, 20, 30));
        QVERIFY(ownGroup->defaultOpen);
    }
}

void VistralQueriesTest::products_data()
{
    QTest::addColumn<QString>("chip");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<bool>("withCodeColumn");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("codes");
    QTest::addColumn<QStringList>("groups");

    QTest::newRow("name and code joined by the default separator")
        << "coded" << QString() << true << QStringList {"Matt: M-1", "Gloss"} << QStringList {"M-1"}
        << QStringList {"Interior", ""};
    QTest::newRow("the collection's separator")
        << "coded"
        << " / " << true << QStringList {"Matt / M-1", "Gloss"} << QStringList {"M-1"}
        << QStringList {"Interior", ""};
    QTest::newRow("products of any collection are listed")
        << "shared" << QString() << true << QStringList {"Matt: M-1"} << QStringList {"M-1"}
        << QStringList {};
    QTest::newRow("chip without products")
        << "plain" << QString() << true << QStringList {} << QStringList {} << QStringList {};
    QTest::newRow("file without product codes")
        << "coded" << QString() << false << QStringList {"Matt", "Gloss"} << QStringList {}
        << QStringList {"Interior", ""};
}

void VistralQueriesTest::products()
{
    QFETCH(QString, chip);
    QFETCH(QString, separator);
    QFETCH(bool, withCodeColumn);
    QFETCH(QStringList, names);
    QFETCH(QStringList, codes);
    QFETCH(QStringList, groups);

    CollectionFixture fixture;
    addDecks(fixture);
    const qint64 pageId = fixture.addPage(kDeckFile, 1, 1, 1);
    const QHash<QString, qint64> chips {
        {QStringLiteral("coded"), fixture.addRow(kDeckFile, 1, pageId, 1, Qt::red)},
        {QStringLiteral("shared"), fixture.addRow(kDeckFile, 1, pageId, 2, Qt::green)},
        {QStringLiteral("plain"), fixture.addRow(kDeckFile, 1, pageId, 3, Qt::blue)}};
    const qint64 matt = fixture.insert(kDeckFile, QStringLiteral("PRODUCT"),
                                       {{QStringLiteral("NAME"), QStringLiteral("Matt")},
                                        {QStringLiteral("PRODUCT_CODE"), "M-1"}});
    const qint64 gloss = fixture.insert(
        kDeckFile, QStringLiteral("PRODUCT"),
        {{QStringLiteral("NAME"), QStringLiteral("Gloss")}, {QStringLiteral("PRODUCT_CODE"), ""}});
    const auto mapProduct = [&](qint64 collectionId, const QString &key, qint64 product) {
        fixture.insert(kDeckFile, QStringLiteral("ROW_PRODUCT_MAP"),
                       {{QStringLiteral("COLLECTION_ID"), collectionId},
                        {QStringLiteral("ROW_ID"), chips.value(key)},
                        {QStringLiteral("PRODUCT_ID"), product}});
    };
    mapProduct(1, QStringLiteral("coded"), matt);
    mapProduct(1, QStringLiteral("coded"), gloss);
    mapProduct(2, QStringLiteral("shared"), matt);
    for (const QString &name : {QStringLiteral("Interior"), QStringLiteral("")}) {
        const qint64 group = fixture.insert(kDeckFile, QStringLiteral("PRODUCT_GROUP"),
                                            {{QStringLiteral("NAME"), name}});
        fixture.insert(kDeckFile, QStringLiteral("ROW_PRODUCT_GROUP_MAP"),
                       {{QStringLiteral("COLLECTION_ID"), 1},
                        {QStringLiteral("ROW_ID"), chips.value(QStringLiteral("coded"))},
                        {QStringLiteral("PRODUCT_GROUP_ID"), group}});
    }
    if (!separator.isNull())
        fixture.addSetting(kDeckFile, 1,
                           QStringLiteral("product.group.productname.productcode.separator:string"),
                           separator);
    if (!withCodeColumn)
        fixture.exec(kDeckFile, QStringLiteral("ALTER TABLE PRODUCT DROP COLUMN PRODUCT_CODE"));
    fixture.activate();

    const auto asList = [](const std::vector<QString> &values) {
        QStringList list(values.cbegin(), values.cend());
        list.sort();
        return list;
    };
    const auto sorted = [](QStringList list) {
        list.sort();
        return list;
    };
    std::vector<QString> out {QStringLiteral("stale")};
    QCOMPARE(loadProductNames(kDeckA, chips.value(chip), out), 0);
    QCOMPARE(asList(out), sorted(names));
    out = {QStringLiteral("stale")};
    QCOMPARE(loadProductCodes(kDeckA, chips.value(chip), out), 0);
    QCOMPARE(asList(out), sorted(codes));
    out = {QStringLiteral("stale")};
    QCOMPARE(loadProductGroupNames(kDeckA, chips.value(chip), out), 0);
    QCOMPARE(asList(out), sorted(groups));

    out = {QStringLiteral("stale")};
    QCOMPARE(loadProductNames(kUnknownDeck, chips.value(chip), out), -4);
    QVERIFY(out.empty());
}

void VistralQueriesTest::textures_data()
{
    QTest::addColumn<QUuid>("collection");
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("names");

    QTest::newRow("shared and own textures") << kDeckA << 0 << QStringList {"canvas", "linen"};
    QTest::newRow("another collection of the file")
        << kDeckB << 0 << QStringList {"broken", "canvas"};
    QTest::newRow("unknown collection") << kUnknownDeck << -4 << QStringList {};
}

void VistralQueriesTest::textures()
{
    QFETCH(QUuid, collection);
    QFETCH(int, status);
    QFETCH(QStringList, names);

    CollectionFixture fixture;
    addDecks(fixture);
    addTexture(fixture, 0, QStringLiteral("canvas"), pngBytes(QSize(4, 2)));
    addTexture(fixture, 1, QStringLiteral("linen"), pngBytes(QSize(3, 3)));
    addTexture(fixture, 2, QStringLiteral("broken"), QByteArray("not an image"));
    fixture.activate();

    QHash<qint64, Texture> textures;
    QCOMPARE(loadTextures(collection, textures), status);
    QStringList found;
    for (auto it = textures.cbegin(); it != textures.cend(); ++it) {
        QCOMPARE(it.key(), it->id);
        found.append(it->name());
        if (it->name() == QLatin1String("canvas"))
            QCOMPARE(it->image.size(), QSize(4, 2));
        if (it->name() == QLatin1String("broken"))
            QVERIFY(it->image.isNull());
    }
    found.sort();
    QCOMPARE(found, names);
}

void VistralQueriesTest::textureMap()
{
    CollectionFixture fixture;
    addDecks(fixture);
    const qint64 pageId = fixture.addPage(kDeckFile, 1, 1, 1);
    const qint64 otherPageId = fixture.addPage(kDeckFile, 1, 2, 1);
    const qint64 canvas = addTexture(fixture, 0, QStringLiteral("canvas"), pngBytes(QSize(2, 2)));
    const auto mapTexture = [&](qint64 textureId, qint64 page, double alpha) {
        fixture.insert(kDeckFile, QStringLiteral("TEXTURE_MAP"),
                       {{QStringLiteral("TEXTURE_ID"), textureId},
                        {QStringLiteral("PAGE_ID"), page},
                        {QStringLiteral("ALPHA"), alpha},
                        {QStringLiteral("NAME"), QStringLiteral("on card")}});
    };
    mapTexture(canvas, pageId, 0.25);
    mapTexture(canvas + 100, pageId, 0.5); // no such texture
    mapTexture(canvas, otherPageId, 0.75);
    fixture.activate();

    std::vector<TextureMapEntry> entries(2);
    QCOMPARE(loadTextureMap(kDeckA, pageId, entries), 0);
    QCOMPARE(int(entries.size()), 1);
    QCOMPARE(entries.front().textureId, canvas);
    QCOMPARE(entries.front().pageId, pageId);
    QCOMPARE(entries.front().alpha, 0.25);
    QCOMPARE(entries.front().name, QStringLiteral("on card"));

    QCOMPARE(loadTextureMap(kUnknownDeck, pageId, entries), -4);
    QVERIFY(entries.empty());
}
