#pragma once

#include "WidgetDeck.h"

#include <QObject>

class ColorWheelTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void segmentRanges_data();
    void segmentRanges();
    void press_data();
    void press();
    void wheelSteps_data();
    void wheelSteps();
    void pointer();

private:
    Corvane::Test::WidgetDeck m_deck;
};
