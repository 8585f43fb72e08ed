#pragma once

#include "WidgetDeck.h"

#include <QObject>

class CardRollerTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void chipLayout_data();
    void chipLayout();
    void paintsCardsAndSelection();
    void cardWithoutChips();
    void clicks_data();
    void clicks();
    void madeToOrderChips_data();
    void madeToOrderChips();
    void toolTips();
    void wheel_data();
    void wheel();

private:
    Corvane::Test::WidgetDeck m_deck;
};
