#include "InterfaceFontsTest.h"

#include "CollectionFixture.h"
#include "InterfaceFonts.h"

#include <QTest>

using namespace Corvane;

using Preferences = QList<FontPreference>;
Q_DECLARE_METATYPE(Preferences)

namespace {

const Preferences kBuiltIn = {{"Myriad Pro", 10}, {"Arial", 8}};

} // namespace

void InterfaceFontsTest::parsePreferences_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<Preferences>("expected");

    QTest::newRow("malformed entries dropped")
        << QByteArray("Tahoma,9;;Arial,x;Verdana,0") << Preferences {{"Tahoma", 9}};
    QTest::newRow("names differing in case are two")
        << QByteArray("Arial,8;arial,9") << Preferences {{"Arial", 8}, {"arial", 9}};
    QTest::newRow("a family twice gives the built-in list")
        << QByteArray("Arial,8;Arial,9") << kBuiltIn;
    QTest::newRow("nothing valid gives the built-in list") << QByteArray("x;y,;,3") << kBuiltIn;
    QTest::newRow("empty gives the built-in list") << QByteArray() << kBuiltIn;
    QTest::newRow("three pieces dropped")
        << QByteArray("A,1,2;Liberation Sans,9") << Preferences {{"Liberation Sans", 9}};
    QTest::newRow("text ends at a zero byte")
        << QByteArray("DejaVu Sans,8\0Arial,9", 21) << Preferences {{"DejaVu Sans", 8}};
    QTest::newRow("utf-8 family") << QByteArray("Grünschrift,11")
                                  << Preferences {{QString::fromUtf8("Grünschrift"), 11}};
}

void InterfaceFontsTest::parsePreferences()
{
    QFETCH(QByteArray, data);
    QFETCH(Preferences, expected);

    QCOMPARE(parseFontPreferences(data), expected);
}

void InterfaceFontsTest::chooseInstalled_data()
{
    QTest::addColumn<Preferences>("preferences");
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("pointSize");

    QTest::newRow("first installed wins")
        << kBuiltIn << QStringList {"Arial", "Myriad Pro"} << "Myriad Pro" << 10;
    QTest::newRow("only the second installed") << kBuiltIn << QStringList {"Arial"} << "Arial" << 8;
    QTest::newRow("other case keeps the list's spelling")
        << Preferences {{"liberation sans", 9}} << QStringList {"Liberation Sans"}
        << "liberation sans" << 9;
    QTest::newRow("none installed") << kBuiltIn << QStringList {"DejaVu Sans"} << QString() << 0;
}

void InterfaceFontsTest::chooseInstalled()
{
    QFETCH(Preferences, preferences);
    QFETCH(QStringList, installed);
    QFETCH(QString, family);
    QFETCH(int, pointSize);

    const FontPreference chosen = chooseInstalledFont(preferences, installed);
    QCOMPARE(chosen.family, family);
    QCOMPARE(chosen.pointSize, pointSize);
}

void InterfaceFontsTest::sizeStepsFromTheme()
{
    Test::CollectionFixture fixture;
    fixture.createFile(QStringLiteral("shared.db"));
    fixture.insert(QStringLiteral("shared.db"), QStringLiteral("THEME"),
                   {{"COLLECTION_ID", 0},
                    {"ITEM_KEY", "list.of.preferred.font.faces"},
                    {"ITEM_DATA", QByteArray("No Such Family,12;DejaVu Sans,9")}});
    fixture.activate();

    QCOMPARE(interfaceFontFamily(), QStringLiteral("DejaVu Sans"));
    const QList<int> expected = {7, 8, 9, 10, 11};
    for (int step = 0; step < expected.size(); ++step)
        QCOMPARE(normalFont(step).pointSize(), expected.at(step));
    QCOMPARE(normalFont(9).pointSize(), 9);
    QCOMPARE(normalFont(-1).pointSize(), 9);
    QCOMPARE(boldFont(4).weight(), QFont::Bold);
    QVERIFY(italicFont().italic());
    QCOMPARE(normalFont().weight(), QFont::Normal);
    QCOMPARE(boldFont(4), boldFont(4));
    QCOMPARE(boldFont(4).family(), QStringLiteral("DejaVu Sans"));
}
