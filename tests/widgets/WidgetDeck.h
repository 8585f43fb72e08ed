#pragma once

#include "CollectionFixture.h"
#include "ColorEntry.h"

#include <QColor>
#include <QUuid>

namespace Corvane::Test {

// Collections for the widget tests, in one file:
// - "Normal" (id 1, card type normal, 4 segments from 90° counter-clockwise): card 1
//   (segment 1, warm, exterior, 3 chips), card 2 (segment 2, calm, 4 chips), card 3
//   (segment 2, calm, 3 chips), card 4 (segment 3, off-white, 2 chips), card 5 (segment 3,
//   calm, no chips); segment 4 has no card.
// - "Duvalin" (id 2, card type duvalin): card 1 (segment 1, 3 chips, the second made to
//   order), card 2 (segment 2, 2 chips).
// Normal has the locale text "license.copyright", the schemes contrast and harmonic, the
// products page listed first, and chip tool tips showing the code; Duvalin has a
// "header.link" and a "help.link" with a lower-case "%app%".
// Chip colours are deckColor(page, row); codes "N<page>-<row>" and "D<page>-<row>".
class WidgetDeck
{
public:
    static const QUuid normal;
    static const QUuid duvalin;
    static constexpr int normalCardCount = 5;

    WidgetDeck();

    static QColor deckColor(int pageIndex, int rowIndex);
    // The chip at a card and row of the deck; a missing chip ends the test run.
    static DB::ColorEntry chip(const QUuid &collection, int pageIndex, int rowIndex);

    // Starts a test afresh: no per-user state, `collection` as the last-used collection
    // with its orders and settings loaded.
    void reset(const QUuid &collection = normal) const;

    CollectionFixture fixture;
};

} // namespace Corvane::Test
