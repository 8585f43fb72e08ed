#pragma once

#include "WidgetDeck.h"

#include <QObject>

// The card roller without the mouse: navigation keys, the focus mark, copying the current
// chip and pasting or dropping a colour's text.
class CardRollerKeyboardTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keys_data();
    void keys();
    void focusMark();
    void copyCurrentChip_data();
    void copyCurrentChip();
    void copyBeforeWindowShortcuts();
    void pasteAndDropText_data();
    void pasteAndDropText();
    void ownChipsKeepTheirPayload();

private:
    Corvane::Test::WidgetDeck m_deck;
};
