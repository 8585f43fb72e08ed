#include "ColorMathTest.h"

#include "ColorMath.h"

#include <QRandomGenerator>
#include <QTest>

using Corvane::NearestMatch;
using Corvane::DB::LabEntry;

namespace {

LabEntry lab(double l, double a, double b, qint64 rowId = -1)
{
    LabEntry entry;
    entry.l = l;
    entry.a = a;
    entry.b = b;
    entry.rowId = rowId;
    return entry;
}

QString fourDecimals(double value)
{
    // Avoid "-0.0000" for tiny negative values.
    return QString::number(std::abs(value) < 0.00005 ? 0.0 : value, 'f', 4);
}

QList<qint64> rowIds(const QVector<NearestMatch> &matches)
{
    QList<qint64> ids;
    for (const NearestMatch &match : matches)
        ids.append(match.rowId);
    return ids;
}

} // namespace

void ColorMathTest::labFromColor_data()
{
    QTest::addColumn<QColor>("color");
    QTest::addColumn<QString>("l");
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");

    // The small a and b of white come from the four-digit matrix.
    QTest::newRow("white") << QColor(255, 255, 255) << "100.0000"
                           << "0.0053"
                           << "-0.0104";
    QTest::newRow("black") << QColor(0, 0, 0) << "0.0000"
                           << "0.0000"
                           << "0.0000";
    QTest::newRow("red") << QColor(255, 0, 0) << "53.2329"
                         << "80.1093"
                         << "67.2201";
    QTest::newRow("blue") << QColor(0, 0, 255) << "32.3026"
                          << "79.1967"
                          << "-107.8637";
}

void ColorMathTest::labFromColor()
{
    QFETCH(QColor, color);
    QFETCH(QString, l);
    QFETCH(QString, a);
    QFETCH(QString, b);

    const LabEntry result = Corvane::labFromColor(color);
    QCOMPARE(fourDecimals(result.l), l);
    QCOMPARE(fourDecimals(result.a), a);
    QCOMPARE(fourDecimals(result.b), b);
}

void ColorMathTest::deltaE2000_data()
{
    QTest::addColumn<double>("l1");
    QTest::addColumn<double>("a1");
    QTest::addColumn<double>("b1");
    QTest::addColumn<double>("l2");
    QTest::addColumn<double>("a2");
    QTest::addColumn<double>("b2");
    QTest::addColumn<QString>("expected");

    // Sharma, Wu and Dalal (2005), "The CIEDE2000 color-difference formula: implementation
    // notes, supplementary test data, and mathematical observations", table 1.
    const struct
    {
        double l1, a1, b1, l2, a2, b2;
        const char *expected;
    } pairs[] = {
        {50.0000, 2.6772, -79.7751, 50.0000, 0.0000, -82.7485, "2.0425"},
        {50.0000, 3.1571, -77.2803, 50.0000, 0.0000, -82.7485, "2.8615"},
        {50.0000, 2.8361, -74.0200, 50.0000, 0.0000, -82.7485, "3.4412"},
        {50.0000, -1.3802, -84.2814, 50.0000, 0.0000, -82.7485, "1.0000"},
        {50.0000, -1.1848, -84.8006, 50.0000, 0.0000, -82.7485, "1.0000"},
        {50.0000, -0.9009, -85.5211, 50.0000, 0.0000, -82.7485, "1.0000"},
        {50.0000, 0.0000, 0.0000, 50.0000, -1.0000, 2.0000, "2.3669"},
        {50.0000, -1.0000, 2.0000, 50.0000, 0.0000, 0.0000, "2.3669"},
        {50.0000, 2.4900, -0.0010, 50.0000, -2.4900, 0.0009, "7.1792"},
        {50.0000, 2.4900, -0.0010, 50.0000, -2.4900, 0.0010, "7.1792"},
        {50.0000, 2.4900, -0.0010, 50.0000, -2.4900, 0.0011, "7.2195"},
        {50.0000, 2.4900, -0.0010, 50.0000, -2.4900, 0.0012, "7.2195"},
        {50.0000, -0.0010, 2.4900, 50.0000, 0.0009, -2.4900, "4.8045"},
        {50.0000, -0.0010, 2.4900, 50.0000, 0.0010, -2.4900, "4.8045"},
        {50.0000, -0.0010, 2.4900, 50.0000, 0.0011, -2.4900, "4.7461"},
        {50.0000, 2.5000, 0.0000, 50.0000, 0.0000, -2.5000, "4.3065"},
        {50.0000, 2.5000, 0.0000, 73.0000, 25.0000, -18.0000, "27.1492"},
        {50.0000, 2.5000, 0.0000, 61.0000, -5.0000, 29.0000, "22.8977"},
        {50.0000, 2.5000, 0.0000, 56.0000, -27.0000, -3.0000, "31.9030"},
        {50.0000, 2.5000, 0.0000, 58.0000, 24.0000, 15.0000, "19.4535"},
        {50.0000, 2.5000, 0.0000, 50.0000, 3.1736, 0.5854, "1.0000"},
        {50.0000, 2.5000, 0.0000, 50.0000, 3.2972, 0.0000, "1.0000"},
        {50.0000, 2.5000, 0.0000, 50.0000, 1.8634, 0.5757, "1.0000"},
        {50.0000, 2.5000, 0.0000, 50.0000, 3.2592, 0.3350, "1.0000"},
        {60.2574, -34.0099, 36.2677, 60.4626, -34.1751, 39.4387, "1.2644"},
        {63.0109, -31.0961, -5.8663, 62.8187, -29.7946, -4.0864, "1.2630"},
        {61.2901, 3.7196, -5.3901, 61.4292, 2.2480, -4.9620, "1.8731"},
        {35.0831, -44.1164, 3.7933, 35.0232, -40.0716, 1.5901, "1.8645"},
        {22.7233, 20.0904, -46.6940, 23.0331, 14.9730, -42.5619, "2.0373"},
        {36.4612, 47.8580, 18.3852, 36.2715, 50.5065, 21.2231, "1.4146"},
        {90.8027, -2.0831, 1.4410, 91.1528, -1.6435, 0.0447, "1.4441"},
        {90.9257, -0.5406, -0.9208, 88.6381, -0.8985, -0.7239, "1.5381"},
        {6.7747, -0.2908, -2.4247, 5.8714, -0.0985, -2.2286, "0.6377"},
        {2.0776, 0.0795, -1.1350, 0.9033, -0.0636, -0.5514, "0.9082"},
    };
    int number = 1;
    for (const auto &pair : pairs) {
        QTest::addRow("published pair %d", number++)
            << pair.l1 << pair.a1 << pair.b1 << pair.l2 << pair.a2 << pair.b2
            << QString::fromLatin1(pair.expected);
    }

    // Hues of about 10 and 120 degrees are less than half a turn apart: their mean is 65
    // degrees, not 245.
    QTest::newRow("hues 10 and 120 degrees")
        << 50.0 << 39.3923 << 6.9459 << 55.0 << -20.0 << 34.6410 << "48.7468";
    // 30 and 300 degrees are more than half a turn apart: the mean wraps to 345 degrees.
    QTest::newRow("hues 30 and 300 degrees")
        << 50.0 << 34.6410 << 20.0 << 55.0 << 20.0 << -34.6410 << "30.6472";
    // A mean hue of 275 degrees, where the rotation term is strongest.
    QTest::newRow("blue rotation")
        << 60.0 << -20.5212 << -56.3816 << 62.0 << 25.0 << -43.3013 << "33.9996";
}

void ColorMathTest::deltaE2000()
{
    QFETCH(double, l1);
    QFETCH(double, a1);
    QFETCH(double, b1);
    QFETCH(double, l2);
    QFETCH(double, a2);
    QFETCH(double, b2);
    QFETCH(QString, expected);

    const double forward = Corvane::deltaE2000(lab(l1, a1, b1), lab(l2, a2, b2));
    const double backward = Corvane::deltaE2000(lab(l2, a2, b2), lab(l1, a1, b1));
    QCOMPARE(fourDecimals(forward), expected);
    QCOMPARE(backward, forward);
}

void ColorMathTest::identicalColorsGiveZero_data()
{
    QTest::addColumn<double>("l");
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");

    QTest::newRow("neutral grey") << 50.0 << 0.0 << 0.0;
    QTest::newRow("black") << 0.0 << 0.0 << 0.0;
    QTest::newRow("saturated blue") << 32.3026 << 79.1967 << -107.8637;
    QTest::newRow("negative a and b") << 70.0 << -40.0 << -12.5;
}

void ColorMathTest::identicalColorsGiveZero()
{
    QFETCH(double, l);
    QFETCH(double, a);
    QFETCH(double, b);

    QCOMPARE(Corvane::deltaE2000(lab(l, a, b), lab(l, a, b)), 0.0);
}

void ColorMathTest::nearestOrder_data()
{
    QTest::addColumn<QList<double>>("lightness");
    QTest::addColumn<int>("maxCount");
    QTest::addColumn<QList<qint64>>("expected");

    // Candidates are neutral greys with row ids 1, 2, ... against a reference of L = 50;
    // L = 48 and L = 52 lie at exactly the same difference.
    QTest::newRow("ascending, ties in candidate order")
        << QList<double> {52.0, 48.0, 60.0, 50.5} << 6 << QList<qint64> {4, 1, 2, 3};
    QTest::newRow("maxCount 1 keeps the earlier of a tie")
        << QList<double> {60.0, 48.0, 52.0} << 1 << QList<qint64> {2};
    QTest::newRow("duplicates keep candidate order")
        << QList<double> {55.0, 51.0, 51.0, 51.0} << 2 << QList<qint64> {2, 3};
    QTest::newRow("maxCount cuts the tail")
        << QList<double> {60.0, 55.0, 51.0, 70.0} << 2 << QList<qint64> {3, 2};
    QTest::newRow("maxCount 0") << QList<double> {50.0, 51.0} << 0 << QList<qint64> {};
    QTest::newRow("negative maxCount") << QList<double> {50.0} << -1 << QList<qint64> {};
    QTest::newRow("no candidates") << QList<double> {} << 6 << QList<qint64> {};
}

void ColorMathTest::nearestOrder()
{
    QFETCH(QList<double>, lightness);
    QFETCH(int, maxCount);
    QFETCH(QList<qint64>, expected);

    QVector<LabEntry> candidates;
    for (int i = 0; i < lightness.size(); ++i)
        candidates.append(lab(lightness.at(i), 0.0, 0.0, i + 1));
    const LabEntry reference = lab(50.0, 0.0, 0.0);

    // Stale contents of the result vector are dropped.
    QVector<NearestMatch> pruned {{1.0, 99}};
    QVector<NearestMatch> plain {{1.0, 99}};
    Corvane::findNearestColors(reference, candidates, pruned, maxCount);
    Corvane::findNearestColorsPlain(reference, candidates, plain, maxCount);
    QCOMPARE(rowIds(pruned), expected);
    QCOMPARE(rowIds(plain), expected);
    for (int i = 1; i < pruned.size(); ++i)
        QVERIFY(pruned.at(i - 1).deltaE <= pruned.at(i).deltaE);
}

void ColorMathTest::prunedSearchMatchesPlain_data()
{
    QTest::addColumn<int>("candidateCount");
    QTest::addColumn<int>("maxCount");

    QTest::newRow("2000 candidates, 6 matches") << 2000 << 6;
    QTest::newRow("2000 candidates, 1 match") << 2000 << 1;
    QTest::newRow("500 candidates, 40 matches") << 500 << 40;
    QTest::newRow("fewer candidates than matches") << 4 << 6;
}

// Random references against random collections that contain exact duplicates, near
// duplicates of the reference and references equal to a candidate: every match, its
// difference and the order of ties must be those of the plain pass.
void ColorMathTest::prunedSearchMatchesPlain()
{
    QFETCH(int, candidateCount);
    QFETCH(int, maxCount);

    QRandomGenerator random(20050101u + candidateCount * 7u + maxCount);
    const auto uniform = [&random](double low, double high) {
        return low + (high - low) * random.generateDouble();
    };
    QVector<LabEntry> candidates;
    for (int i = 0; i < candidateCount; ++i) {
        LabEntry entry;
        switch (i % 4) {
        case 0: // any sRGB colour
            entry = Corvane::labFromColor(QColor::fromRgb(random.bounded(0x1000000u)));
            break;
        case 1: // exact duplicate of an earlier candidate
            entry = candidates.at(random.bounded(i));
            break;
        case 2: // near-neutral colours, where hue angles are unstable
            entry = lab(uniform(0, 100), uniform(-1, 1), uniform(-1, 1));
            break;
        default: // wide Lab range, blues around 275 degrees included
            entry = lab(uniform(0, 100), uniform(-128, 127), uniform(-128, 127));
            break;
        }
        entry.rowId = i + 1;
        candidates.append(entry);
    }

    for (int round = 0; round < 60; ++round) {
        LabEntry reference;
        if (round % 3 == 0 && !candidates.isEmpty()) {
            reference = candidates.at(random.bounded(candidates.size()));
        } else if (round % 3 == 1 && !candidates.isEmpty()) {
            const LabEntry &near = candidates.at(random.bounded(candidates.size()));
            reference = lab(near.l + uniform(-0.5, 0.5), near.a + uniform(-0.5, 0.5),
                            near.b + uniform(-0.5, 0.5));
        } else {
            reference = Corvane::labFromColor(QColor::fromRgb(random.bounded(0x1000000u)));
        }

        QVector<NearestMatch> pruned;
        QVector<NearestMatch> plain;
        Corvane::findNearestColors(reference, candidates, pruned, maxCount);
        Corvane::findNearestColorsPlain(reference, candidates, plain, maxCount);
        QCOMPARE(pruned.size(), plain.size());
        for (int i = 0; i < plain.size(); ++i) {
            QCOMPARE(pruned.at(i).rowId, plain.at(i).rowId);
            QCOMPARE(pruned.at(i).deltaE, plain.at(i).deltaE);
        }
    }
}
