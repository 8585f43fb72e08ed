#pragma once

#include "CollectionData.h"

#include <QColor>
#include <QStringList>

namespace Corvane::Builder {

// CIE LCh(ab): lightness, chroma and hue angle in degrees.
struct Lch
{
    double l = 0.0;
    double c = 0.0;
    double h = 0.0;
};

// The LCh values of an sRGB colour (the conversion the picker uses).
Lch lchFromColor(const QColor &color);

// The sRGB colour of an LCh value; the chroma is reduced until the colour fits into sRGB.
QColor colorFromLch(const Lch &lch);

// Words a generated deck names its cards and chips with, in two languages (index 0 and 1).
struct DeckVocabulary
{
    QStringList hues[2]; // one per wheel segment (cycled)
    QStringList families[2]; // one per card of a segment (cycled)
    QStringList shades[2]; // one per chip position, light to dark (cycled)
    QString interior[2]; // auxiliary text of interior-only cards
    QString exterior[2]; // auxiliary text of cards for interior and exterior use
};

// The shape of a generated deck: cards of `chipsPerCard` chips, light to dark within a hue,
// ordered around a wheel of `segments` segments. The last two cards of every segment hold
// off-whites and tinted neutrals.
struct DeckShape
{
    QString codePrefix;
    int chipCount = 0; // the last card may be short
    int segments = 12;
    int cardsPerSegment = 15;
    int chipsPerCard = 7;
    int exteriorEvery = 3; // every n-th card of a segment is for exterior use
    bool deepVividMadeToOrder = false; // the two darkest chips of the most vivid cards
    DeckVocabulary vocabulary;
};

// Appends the cards and chips of a generated deck (page indexes from 1).
void generateDeck(const DeckShape &shape, CollectionData &collection);

// The vocabularies of the demo decks: English and German, Norwegian and English.
DeckVocabulary englishGermanVocabulary();
DeckVocabulary norwegianEnglishVocabulary();

// Scheme proposals made by colour rules in LCh, for every chip and card of the collection:
// harmonic neighbours, contrast and wide contrast across the wheel, dynamic triads, dramatic
// accents for neutrals, tonal and complementary neutrals. Chip schemes hold lines of
// `chipsPerLine` chips, one segment a line.
void addWheelSchemes(CollectionData &collection, int chipsPerLine);

// Three contrast proposals per chip: a wide-contrast chip (page order 0), a contrast chip and a
// second wide-contrast chip (page order 1).
void addContrastSchemes(CollectionData &collection);

} // namespace Corvane::Builder
