#include "ChromaticAdaptationTest.h"

#include "ChromaticAdaptation.h"

#include <QTest>

#include <cmath>

using namespace Corvane;

void ChromaticAdaptationTest::illuminants_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("known");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("z");

    QTest::newRow("D50") << "D50" << true << 0.96422 << 0.82521;
    QTest::newRow("case and blanks") << " d 65 " << true << 0.95047 << 1.08883;
    QTest::newRow("A") << "A" << true << 1.09850 << 0.35585;
    QTest::newRow("F11") << "F11" << true << 1.00966 << 0.64370;
    QTest::newRow("not a standard white") << "F12" << false << 0.0 << 0.0;
    QTest::newRow("custom") << "Custom" << false << 0.0 << 0.0;
    QTest::newRow("empty") << "" << false << 0.0 << 0.0;
}

void ChromaticAdaptationTest::illuminants()
{
    QFETCH(QString, name);
    QFETCH(bool, known);
    QFETCH(double, x);
    QFETCH(double, z);

    const std::optional<WhitePoint> white = standardIlluminantWhite(name);
    QCOMPARE(white.has_value(), known);
    if (known) {
        QCOMPARE(white->x, x);
        QCOMPARE(white->y, 1.0);
        QCOMPARE(white->z, z);
    }
}

void ChromaticAdaptationTest::adaptsToD65_data()
{
    QTest::addColumn<QString>("illuminant");
    QTest::addColumn<QList<double>>("source");
    QTest::addColumn<QList<double>>("expected");

    // Expected values through the published Bradford matrix from D50 to D65 (Lindbloom).
    QTest::newRow("D50 rose") << "D50" << QList<double> {52.1, 24.3, 6.8}
                              << QList<double> {51.8679, 23.8559, 6.3276};
    QTest::newRow("D50 white is D65 white")
        << "D50" << QList<double> {100, 0, 0} << QList<double> {100, 0, 0};
    QTest::newRow("D50 green") << "D50" << QList<double> {30, -40, 20}
                               << QList<double> {30.0508, -41.9884, 20.5622};
    QTest::newRow("D50 near black")
        << "D50" << QList<double> {5, 2, -3} << QList<double> {5.0175, 2.2746, -3.0023};
    QTest::newRow("D65 stays") << "D65" << QList<double> {52.1, 24.3, 6.8}
                               << QList<double> {52.1, 24.3, 6.8};
    QTest::newRow("A white is D65 white")
        << "A" << QList<double> {100, 0, 0} << QList<double> {100, 0, 0};
}

void ChromaticAdaptationTest::adaptsToD65()
{
    QFETCH(QString, illuminant);
    QFETCH(QList<double>, source);
    QFETCH(QList<double>, expected);

    DB::LabEntry lab;
    lab.l = source.at(0);
    lab.a = source.at(1);
    lab.b = source.at(2);
    lab.rowId = 42;
    const DB::LabEntry adapted = adaptLabToD65(lab, *standardIlluminantWhite(illuminant));
    const double values[3] = {adapted.l, adapted.a, adapted.b};
    for (int i = 0; i < 3; ++i)
        QVERIFY2(std::abs(values[i] - expected.at(i)) < 0.001,
                 qPrintable(QStringLiteral("component %1: %2").arg(i).arg(values[i], 0, 'f', 4)));
    QCOMPARE(adapted.rowId, qint64(42));
}
