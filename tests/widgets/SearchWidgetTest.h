#pragma once

#include "WidgetDeck.h"

#include <QObject>

class SearchWidgetTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void upperCase_data();
    void upperCase();
    void escapeClears();
    void returnHandsPhrase_data();
    void returnHandsPhrase();
    void rollButtons();
    void rollButtonRepeats();
    void layout();

private:
    Corvane::Test::WidgetDeck m_deck;
};
