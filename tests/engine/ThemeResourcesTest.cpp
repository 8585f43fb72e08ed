#include "ThemeResourcesTest.h"

#include "CollectionFixture.h"
#include "ImageBytes.h"
#include "TestDecks.h"
#include "ThemeResources.h"

#include <QTest>

using namespace Corvane;
using namespace Corvane::DB;
using namespace Corvane::Test;

namespace {

const QColor kDefault(1, 2, 3, 4);

void addLocale(CollectionFixture &fixture, qint64 collectionId, const QString &key,
               const QVariant &text)
{
    fixture.insert(kDeckFile, QStringLiteral("LOCALE"),
                   {{QStringLiteral("COLLECTION_ID"), collectionId},
                    {QStringLiteral("KEY"), key},
                    {QStringLiteral("STRING"), text}});
}

void addTheme(CollectionFixture &fixture, qint64 collectionId, const QString &key,
              const QVariant &data)
{
    fixture.insert(kDeckFile, QStringLiteral("THEME"),
                   {{QStringLiteral("COLLECTION_ID"), collectionId},
                    {QStringLiteral("ITEM_KEY"), key},
                    {QStringLiteral("ITEM_DATA"), data}});
}

} // namespace

void ThemeResourcesTest::cleanup()
{
    resetEngineState();
}

void ThemeResourcesTest::localeStrings_data()
{
    QTest::addColumn<QString>("storedKey");
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QString>("askedKey");
    QTest::addColumn<QString>("expected");

    QTest::newRow("text") << "color.palette.caption" << QVariant("My Palette")
                          << "color.palette.caption"
                          << "My Palette";
    QTest::newRow("key ignores case")
        << "Color.Palette.CAPTION" << QVariant("My Palette") << "color.palette.caption"
        << "My Palette";
    QTest::newRow("missing shows the key") << "other.key" << QVariant("Other") << "motto"
                                           << "motto";
    QTest::newRow("text that is no text shows the key")
        << "motto" << QVariant(QByteArray("42")) << "motto"
        << "motto";
    QTest::newRow("key with a quote") << "it's.key" << QVariant("Quoted") << "it's.key"
                                      << "Quoted";
    QTest::newRow("crafted key finds nothing") << "motto" << QVariant("Motto") << "x' OR '1'='1"
                                               << "x' OR '1'='1";
}

void ThemeResourcesTest::localeStrings()
{
    QFETCH(QString, storedKey);
    QFETCH(QVariant, stored);
    QFETCH(QString, askedKey);
    QFETCH(QString, expected);

    CollectionFixture fixture;
    createDecks(fixture);
    addLocale(fixture, 1, storedKey, stored);
    // Texts of the system-wide collection are not the collection's texts.
    addLocale(fixture, kSystemWideId, askedKey, QStringLiteral("system-wide"));
    fixture.activate();

    QCOMPARE(localeString(kDeckA, askedKey), expected);
}

void ThemeResourcesTest::themeColors_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QColor>("expected");

    QTest::newRow("opaque") << QVariant(QByteArray("12,34,56")) << QColor(12, 34, 56);
    QTest::newRow("with alpha") << QVariant(QByteArray("12,34,56,128")) << QColor(12, 34, 56, 128);
    QTest::newRow("empty part dropped") << QVariant(QByteArray("12,,34,56")) << QColor(12, 34, 56);
    QTest::newRow("two parts") << QVariant(QByteArray("12,34")) << kDefault;
    QTest::newRow("five parts") << QVariant(QByteArray("1,2,3,4,5")) << kDefault;
    QTest::newRow("out of range") << QVariant(QByteArray("12,34,300")) << kDefault;
    QTest::newRow("negative") << QVariant(QByteArray("-1,34,56")) << kDefault;
    QTest::newRow("not a number") << QVariant(QByteArray("12,x,56")) << kDefault;
    QTest::newRow("hexadecimal") << QVariant(QByteArray("0x10,34,56")) << kDefault;
    QTest::newRow("stored as text") << QVariant(QStringLiteral("12,34,56")) << kDefault;
}

void ThemeResourcesTest::themeColors()
{
    QFETCH(QVariant, stored);
    QFETCH(QColor, expected);

    CollectionFixture fixture;
    createDecks(fixture);
    addTheme(fixture, kSystemWideId, QStringLiteral("color.widget.collectionselector.text"),
             stored);
    fixture.activate();

    const QColor color
        = systemThemeColor(QStringLiteral("COLOR.widget.collectionselector.text"), kDefault);
    QCOMPARE(color, expected);
    QCOMPARE(color.alpha(), expected.alpha());
    QCOMPARE(themeColor(kDeckA, QStringLiteral("color.widget.collectionselector.text"), kDefault),
             kDefault);
}

void ThemeResourcesTest::themeImages()
{
    QImage red(3, 2, QImage::Format_ARGB32);
    red.fill(Qt::red);
    CollectionFixture fixture;
    createDecks(fixture);
    addTheme(fixture, 1, QStringLiteral("IMAGE.BANNER"), pngOf(red));
    addTheme(fixture, kSystemWideId, QStringLiteral("image.tick.normal"), pngOf(red));
    addTheme(fixture, 1, QStringLiteral("image.as.text"), QStringLiteral("not an image"));
    addTheme(fixture, 1, QStringLiteral("image.broken"), QByteArray("not an image"));
    fixture.activate();

    const QImage banner = themeImage(kDeckA, QStringLiteral("image.banner"), QSize(10, 10));
    QCOMPARE(banner.size(), QSize(3, 2));
    QCOMPARE(banner.pixelColor(1, 1), QColor(Qt::red));
    QCOMPARE(systemThemeImage(QStringLiteral("image.tick.normal"), QSize()).size(), QSize(3, 2));
    QVERIFY(systemThemeImage(QStringLiteral("image.banner"), QSize()).isNull());

    QByteArray data("stale");
    QCOMPARE(themeData(kDeckA, QStringLiteral("image.banner"), data), 0);
    QCOMPARE(data, pngOf(red));
    QCOMPARE(themeData(kDeckA, QStringLiteral("image.as.text"), data), -1);
    QVERIFY(data.isEmpty());
    QCOMPARE(themeData(kUnknownDeck, QStringLiteral("image.banner"), data), -4);

    // Text and undecodable bytes give the placeholder.
    QCOMPARE(themeImage(kDeckA, QStringLiteral("image.as.text"), QSize(8, 6)).size(), QSize(8, 6));
    QCOMPARE(themeImage(kDeckA, QStringLiteral("image.broken"), QSize(8, 6)).size(), QSize(8, 6));

    // Decoded images are kept, but a changed file is read again.
    QImage blue(5, 4, QImage::Format_ARGB32);
    blue.fill(Qt::blue);
    fixture.exec(kDeckFile,
                 QStringLiteral("UPDATE THEME SET ITEM_DATA = ? WHERE ITEM_KEY = 'IMAGE.BANNER'"),
                 {pngOf(blue)});
    const QImage changed = themeImage(kDeckA, QStringLiteral("image.banner"), QSize(10, 10));
    QCOMPARE(changed.size(), QSize(5, 4));
    QCOMPARE(changed.pixelColor(1, 1), QColor(Qt::blue));
}

void ThemeResourcesTest::placeholder_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("96 x 50") << QSize(96, 50);
    QTest::newRow("smallest with a white centre") << QSize(5, 5);
}

void ThemeResourcesTest::placeholder()
{
    QFETCH(QSize, size);

    CollectionFixture fixture;
    createDecks(fixture);
    fixture.activate();

    const QImage image = themeImage(kDeckA, QStringLiteral("image.missing"), size);
    QCOMPARE(image.size(), size);
    QCOMPARE(image.format(), QImage::Format_ARGB32);
    const int right = size.width() - 1;
    const int bottom = size.height() - 1;
    const QColor red(255, 0, 0);
    const QColor white(Qt::white);
    // The outline runs one pixel inside the border on all four sides.
    for (int x = 1; x < right; ++x) {
        QCOMPARE(image.pixelColor(x, 1), red);
        QCOMPARE(image.pixelColor(x, bottom - 1), red);
        QCOMPARE(image.pixelColor(x, 0), white);
        QCOMPARE(image.pixelColor(x, bottom), white);
    }
    for (int y = 1; y < bottom; ++y) {
        QCOMPARE(image.pixelColor(1, y), red);
        QCOMPARE(image.pixelColor(right - 1, y), red);
        QCOMPARE(image.pixelColor(0, y), white);
        QCOMPARE(image.pixelColor(right, y), white);
    }
    QCOMPARE(image.pixelColor(size.width() / 2, size.height() / 2), white);

    QVERIFY(themeImage(kDeckA, QStringLiteral("image.missing"), QSize(0, 50)).isNull());
    QVERIFY(themeImage(kDeckA, QStringLiteral("image.missing"), QSize(50, -1)).isNull());
}

void ThemeResourcesTest::unopenableCollection()
{
    CollectionFixture fixture;
    createDecks(fixture);
    addLocale(fixture, 1, QStringLiteral("motto"), QStringLiteral("Motto"));
    addTheme(fixture, 1, QStringLiteral("color"), QByteArray("1,1,1"));
    QVERIFY(discoverThenRemoveDeckFile(fixture));

    QCOMPARE(localeString(kDeckA, QStringLiteral("motto")), QStringLiteral("motto"));
    QCOMPARE(themeColor(kDeckA, QStringLiteral("color"), kDefault), kDefault);
    QCOMPARE(themeImage(kDeckA, QStringLiteral("image"), QSize(4, 4)).size(), QSize(4, 4));
    QByteArray data;
    QCOMPARE(themeData(kDeckA, QStringLiteral("color"), data), -5);
}
