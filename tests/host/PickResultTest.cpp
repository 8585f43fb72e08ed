#include "PickResultTest.h"

#include "PickResult.h"

#include <QTest>

#include <cstring>

void PickResultTest::resetKeepsInitialColor_data()
{
    QTest::addColumn<quint32>("initial");
    QTest::addColumn<int>("hasInitial");

    QTest::newRow("none") << quint32(0xFFFFFFFF) << 0;
    QTest::newRow("pure red") << quint32(0x0000FF) << 1;
    QTest::newRow("black") << quint32(0) << 1;
}

void PickResultTest::resetKeepsInitialColor()
{
    QFETCH(quint32, initial);
    QFETCH(int, hasInitial);

    PickResult result;
    std::memset(&result, 0x5A, sizeof result);
    result.reset(initial);
    QCOMPARE(result.hasInitialColor, hasInitial);
    QCOMPARE(result.initialColor, initial);
    QCOMPARE(result.append, 0);
    QCOMPARE(result.count, 0u);
    QCOMPARE(result.colors[23], 0u);
    QCOMPARE(result.names[23][255], '\0');
}

void PickResultTest::colorsInOrderUpToCapacity()
{
    PickResult result;
    result.reset(PickResult::NoInitialColor);
    for (int i = 0; i < PickResult::Capacity; ++i)
        QVERIFY(result.addColor(qRgb(i, 0, 0), QByteArray("chip ") + QByteArray::number(i)));
    QVERIFY(!result.addColor(qRgb(1, 2, 3), "one too many"));
    QCOMPARE(result.count, 24u);
    QCOMPARE(result.colorAt(0), 0xFF000000u);
    QCOMPARE(result.colorAt(23), 0xFF170000u);
    QCOMPARE(QByteArray(result.nameAt(5)), QByteArray("chip 5"));
}

void PickResultTest::indexOutsidePicked_data()
{
    QTest::addColumn<quint64>("index");
    QTest::newRow("at count") << quint64(2);
    QTest::newRow("at capacity") << quint64(24);
    QTest::newRow("negative as unsigned") << quint64(-1);
}

void PickResultTest::indexOutsidePicked()
{
    QFETCH(quint64, index);

    PickResult result;
    result.reset(PickResult::NoInitialColor);
    result.addColor(qRgb(255, 0, 0), "Red");
    result.addColor(qRgb(0, 255, 0), "Green");
    QCOMPARE(result.colorAt(1), 0xFF00FF00u);
    QCOMPARE(result.colorAt(index), 0u);
    QVERIFY(!result.nameAt(index));
}

void PickResultTest::longNamesAreCut_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<int>("storedBytes");

    QTest::newRow("fits") << QByteArray("Sand - A1, B2") << 13;
    QTest::newRow("exactly 255") << QByteArray(255, 'a') << 255;
    QTest::newRow("ascii cut at 255") << QByteArray(400, 'a') << 255;
    // 254 ASCII bytes and a two-byte "ü": the "ü" would be split, so it goes whole.
    QTest::newRow("two-byte character at the edge")
        << QByteArray(254, 'a') + QByteArray("\xc3\xbc") << 254;
    QTest::newRow("three-byte characters") << QByteArray("\xe2\x82\xac").repeated(100) << 255;
    QTest::newRow("four-byte character at the edge")
        << QByteArray(253, 'a') + QByteArray("\xf0\x9f\x8e\xa8") << 253;
}

void PickResultTest::longNamesAreCut()
{
    QFETCH(QByteArray, name);
    QFETCH(int, storedBytes);

    PickResult result;
    result.reset(PickResult::NoInitialColor);
    std::memset(result.names[1], 0x5A, PickResult::NameSize);
    result.addColor(qRgb(1, 1, 1), name);
    const QByteArray stored(result.nameAt(0));
    QCOMPARE(stored.size(), storedBytes);
    QVERIFY(name.startsWith(stored));
    QVERIFY(QString::fromUtf8(stored).toUtf8() == stored); // still valid UTF-8
    QCOMPARE(result.names[1][0], '\x5A'); // nothing beyond the slot
}
