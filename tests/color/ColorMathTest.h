#pragma once

#include <QObject>

class ColorMathTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void labFromColor_data();
    void labFromColor();
    void deltaE2000_data();
    void deltaE2000();
    void identicalColorsGiveZero_data();
    void identicalColorsGiveZero();
    void nearestOrder_data();
    void nearestOrder();
    void prunedSearchMatchesPlain_data();
    void prunedSearchMatchesPlain();
};
