#pragma once

#include "WidgetDeck.h"

#include <QObject>

// Drops onto the card roller: which sources it takes and where a dropped chip or colour
// leads. Its own deck, since some cases change a collection setting.
class CardRollerDropTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void dropSources_data();
    void dropSources();
    void dropChip_data();
    void dropChip();
    void dropColor_data();
    void dropColor();

private:
    Corvane::Test::WidgetDeck m_deck;
};
