// Feeds arbitrary bytes to the collection builder's CSV deck reader. A deck it accepts must
// hold chips, and every chip must sit on one of the cards it lists.
#include "DeckReader.h"

#include <QSet>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Corvane::Builder::CollectionData collection;
    QString error;
    const bool read = Corvane::Builder::readDeckText(
        QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)),
        QStringLiteral("deck.csv"), collection, &error);
    if (!read) {
        if (error.isEmpty())
            abort();
        return 0;
    }
    if (collection.chips.isEmpty() || collection.cards.isEmpty())
        abort();
    QSet<int> cards;
    for (const Corvane::Builder::CardData &card : collection.cards)
        cards.insert(card.pageIndex);
    for (const Corvane::Builder::ChipData &chip : collection.chips) {
        if (!cards.contains(chip.card))
            abort();
    }
    return 0;
}
