#pragma once

#include "WidgetDeck.h"

#include <QObject>

class MoodSelectTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void layoutNormal_data();
    void layoutNormal();
    void layoutDuvalin();
    void press_data();
    void press();
    void mtoTick_data();
    void mtoTick();

private:
    Corvane::Test::WidgetDeck m_deck;
};
