#include "ColorRules.h"

#include "color/ColorMath.h"

#include <QHash>
#include <QMap>

#include <algorithm>
#include <cmath>

namespace Corvane::Builder {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kWhiteX = 0.95047;
constexpr double kWhiteZ = 1.08883;
constexpr double kEpsilon = 216.0 / 24389.0;
constexpr double kKappa = 24389.0 / 27.0;

// Chroma of the chromatic card kinds, from vivid to greyed.
constexpr double kCardChroma[] = {72.0, 54.0, 40.0, 28.0, 18.0, 11.0};
constexpr int kCardKinds = int(sizeof(kCardChroma) / sizeof(kCardChroma[0]));
constexpr double kNeutralChroma = 10.0;
// Lightness between neighbouring chips of a scheme line.
constexpr double kLineLightnessStep = 7.0;

enum Scheme {
    Harmonic = 1,
    Contrast,
    WideContrast,
    Dynamic,
    Dramatic,
    Neutral,
    Tonal,
    ComplementaryNeutral
};

double inverseLabCurve(double t)
{
    const double cube = t * t * t;
    return cube > kEpsilon ? cube : (116.0 * t - 16.0) / kKappa;
}

double srgbFromLinear(double c)
{
    return c <= 0.0031308 ? 12.92 * c : 1.055 * std::pow(c, 1.0 / 2.4) - 0.055;
}

// Linear RGB of an LCh value, without clipping.
void linearRgb(const Lch &lch, double rgb[3])
{
    const double a = lch.c * std::cos(lch.h * kPi / 180.0);
    const double b = lch.c * std::sin(lch.h * kPi / 180.0);
    const double fy = (lch.l + 16.0) / 116.0;
    const double x = kWhiteX * inverseLabCurve(fy + a / 500.0);
    const double y = inverseLabCurve(fy);
    const double z = kWhiteZ * inverseLabCurve(fy - b / 200.0);
    rgb[0] = 3.2406 * x - 1.5372 * y - 0.4986 * z;
    rgb[1] = -0.9689 * x + 1.8758 * y + 0.0415 * z;
    rgb[2] = 0.0557 * x - 0.2040 * y + 1.0570 * z;
}

bool inGamut(const Lch &lch)
{
    double rgb[3];
    linearRgb(lch, rgb);
    return std::all_of(rgb, rgb + 3, [](double c) { return c >= -0.0005 && c <= 1.0005; });
}

int wrapSegment(int segment, int count)
{
    return ((segment - 1) % count + count) % count + 1;
}

int moodOfCard(double hue, int kind)
{
    const bool warmHue = hue < 85.0 || hue >= 330.0;
    const bool freshHue = hue >= 85.0 && hue < 210.0;
    if (kind <= 1)
        return warmHue || hue >= 270.0 ? 4 : 1; // rich reds, purples and violets; fresh others
    if (kind <= 3)
        return warmHue ? 2 : (freshHue ? 1 : 3);
    return warmHue ? 2 : 3;
}

} // namespace

Lch lchFromColor(const QColor &color)
{
    const DB::LabEntry lab = labFromColor(color);
    double hue = std::atan2(lab.b, lab.a) * 180.0 / kPi;
    if (hue < 0.0)
        hue += 360.0;
    return {lab.l, std::hypot(lab.a, lab.b), hue};
}

QColor colorFromLch(const Lch &lch)
{
    Lch fitted = lch;
    fitted.l = std::clamp(fitted.l, 0.0, 100.0);
    // Halve the step between a fitting and a failing chroma until the step is negligible.
    if (!inGamut(fitted)) {
        double low = 0.0;
        double high = fitted.c;
        while (high - low > 0.05) {
            fitted.c = (low + high) / 2.0;
            (inGamut(fitted) ? low : high) = fitted.c;
        }
        fitted.c = low;
    }
    double rgb[3];
    linearRgb(fitted, rgb);
    int channel[3];
    for (int i = 0; i < 3; ++i)
        channel[i] = std::clamp(
            int(std::lround(255.0 * srgbFromLinear(std::clamp(rgb[i], 0.0, 1.0)))), 0, 255);
    return QColor(channel[0], channel[1], channel[2]);
}

DeckVocabulary englishGermanVocabulary()
{
    DeckVocabulary words;
    words.hues[0] = QStringList {"Rosewood", "Terracotta", "Amber", "Saffron", "Olive", "Fern",
                                 "Jade",     "Lagoon",     "Fjord", "Cobalt",  "Iris",  "Orchid"};
    words.hues[1]
        = QStringList {"Rosenholz", "Terrakotta", "Bernstein", "Safran", "Olive", "Farn",
                       "Jade",      "Lagune",     "Fjord",     "Kobalt", "Iris",  "Orchidee"};
    words.families[0]
        = QStringList {"Velvet", "Meadow", "Harbour", "Dune",  "Stone", "Mist", "Ember",
                       "Garden", "Canyon", "Frost",   "Cedar", "Silk",  "Dawn"};
    words.families[1]
        = QStringList {"Samt",   "Wiese",    "Hafen", "Düne",  "Stein", "Nebel", "Glut",
                       "Garten", "Schlucht", "Frost", "Zeder", "Seide", "Morgen"};
    words.shades[0] = QStringList {"Whisper", "Pale", "Soft", "Mid", "Rich", "Deep", "Dark"};
    words.shades[1] = QStringList {"Hauch", "Hell", "Zart", "Mittel", "Satt", "Tief", "Dunkel"};
    words.interior[0] = QStringLiteral("Interior");
    words.interior[1] = QStringLiteral("Innen");
    words.exterior[0] = QStringLiteral("Interior and exterior");
    words.exterior[1] = QStringLiteral("Innen und außen");
    return words;
}

DeckVocabulary norwegianEnglishVocabulary()
{
    DeckVocabulary words;
    words.hues[0] = QStringList {"Rogn",  "Teglstein", "Rav", "Multe",  "Mose", "Bregne",
                                 "Einer", "Fjord",     "Is",  "Blåbær", "Lyng", "Tyttebær"};
    words.hues[1]
        = QStringList {"Rowan",   "Brick", "Amber", "Cloudberry", "Moss",    "Fern",
                       "Juniper", "Fjord", "Ice",   "Bilberry",   "Heather", "Lingonberry"};
    words.families[0] = QStringList {"Skog", "Kyst", "Fjell"};
    words.families[1] = QStringList {"Forest", "Coast", "Mountain"};
    words.shades[0] = QStringList {"Dis", "Lys", "Myk", "Middels", "Fyldig", "Dyp", "Mørk"};
    words.shades[1] = QStringList {"Haze", "Light", "Soft", "Mid", "Full", "Deep", "Dark"};
    words.interior[0] = QStringLiteral("Innendørs");
    words.interior[1] = QStringLiteral("Interior");
    words.exterior[0] = QStringLiteral("Inne og ute");
    words.exterior[1] = QStringLiteral("Interior and exterior");
    return words;
}

void generateDeck(const DeckShape &shape, CollectionData &collection)
{
    const DeckVocabulary &words = shape.vocabulary;
    const int firstCard = collection.cards.size() + 1;
    const int cardCount = (shape.chipCount + shape.chipsPerCard - 1) / shape.chipsPerCard;
    const double hueStep = 360.0 / shape.segments;
    for (int n = 0; n < cardCount; ++n) {
        // Cards go round the wheel segment by segment; within a segment from vivid to greyed,
        // then the off-whites and the neutrals.
        const int segment = n / shape.cardsPerSegment % shape.segments + 1;
        const int round = n / (shape.cardsPerSegment * shape.segments);
        const int k = n % shape.cardsPerSegment;
        const bool offwhite = k == shape.cardsPerSegment - 2;
        const bool neutral = k == shape.cardsPerSegment - 1;
        const int kind = k % kCardKinds;
        const double hue
            = std::fmod((segment - 0.5) * hueStep + (k % 5 - 2) * hueStep / 8.0 + 360.0, 360.0);

        CardData card;
        card.pageIndex = firstCard + n;
        card.segment = segment;
        card.mood = offwhite ? 5 : (neutral ? 6 : moodOfCard(hue, kind));
        card.exterior = shape.exteriorEvery > 0 && k % shape.exteriorEvery == 0;
        for (int language = 0; language < 2; ++language) {
            const QStringList &families = words.families[language];
            QString family = offwhite
                ? (language == 0 ? QStringLiteral("Whites") : QStringLiteral("Weißtöne"))
                : (neutral ? (language == 0 ? QStringLiteral("Greys") : QStringLiteral("Grautöne"))
                           : families.at(k % families.size()));
            const int cycle = k / families.size() + round * 100;
            if (!offwhite && !neutral && cycle > 0)
                family += QStringLiteral(" %1").arg(cycle + 1);
            else if ((offwhite || neutral) && round > 0)
                family += QStringLiteral(" %1").arg(round + 1);
            const QStringList &hues = words.hues[language];
            card.names << hues.at((segment - 1) % hues.size()) + QLatin1Char(' ') + family;
        }
        card.name = card.names.first();
        collection.cards.append(card);

        const int chipsHere
            = std::min(shape.chipsPerCard, shape.chipCount - n * shape.chipsPerCard);
        const double top = offwhite ? 97.0 : (kind == 0 ? 88.0 : 93.0);
        const double bottom = offwhite ? 82.0 : (neutral ? 24.0 : 27.0);
        for (int p = 0; p < chipsHere; ++p) {
            const double t = shape.chipsPerCard > 1 ? double(p) / (shape.chipsPerCard - 1) : 0.5;
            const double bell = 0.45 + 0.55 * std::sin(kPi * (0.15 + 0.7 * t));
            Lch lch {top + (bottom - top) * t, 0.0, hue};
            if (offwhite)
                lch.c = 2.5 + 5.0 * t;
            else if (neutral)
                lch.c = 2.0 + 3.0 * t;
            else
                lch.c = kCardChroma[kind] * bell;
            const QColor color = colorFromLch(lch);
            const Lch stored = lchFromColor(color);

            ChipData chip;
            chip.code = QStringLiteral("%1 %2-%3")
                            .arg(shape.codePrefix)
                            .arg(card.pageIndex, 3, 10, QLatin1Char('0'))
                            .arg(p + 1);
            for (int language = 0; language < 2; ++language) {
                const QStringList &shades = words.shades[language];
                const QString shade = shades.at(p % shades.size());
                chip.names << (language == 0 ? shade + QLatin1Char(' ') + card.names.at(0)
                                             : card.names.at(1) + QLatin1Char(' ') + shade);
                chip.extras << (card.exterior ? words.exterior[language]
                                              : words.interior[language]);
            }
            // The light reflectance value: relative luminance in percent.
            const double luminance = std::pow((stored.l + 16.0) / 116.0, 3.0) * 100.0;
            chip.extras.prepend(QStringLiteral("LRV %1").arg(std::lround(luminance)));
            chip.red = color.red();
            chip.green = color.green();
            chip.blue = color.blue();
            chip.card = card.pageIndex;
            chip.position = p + 1;
            chip.segment = segment;
            chip.mood = card.mood;
            chip.exterior = card.exterior;
            chip.neutral = stored.c < kNeutralChroma;
            chip.white = stored.l >= 93.0 && stored.c < 6.0;
            chip.isMto = shape.deepVividMadeToOrder && kind == 0 && !offwhite && !neutral
                && p >= shape.chipsPerCard - 2;
            collection.chips.append(chip);
        }
    }
}

namespace {

// The chips of a collection in LCh, grouped by segment, for choosing scheme partners.
class WheelIndex
{
public:
    explicit WheelIndex(const CollectionData &collection) : m_collection(collection)
    {
        for (int i = 0; i < collection.chips.size(); ++i) {
            const ChipData &chip = collection.chips.at(i);
            m_lch.append(lchFromColor(QColor(chip.red, chip.green, chip.blue)));
            m_segments = std::max(m_segments, chip.segment);
            m_byCard[chip.card].append(i);
        }
        for (auto it = m_byCard.cbegin(); it != m_byCard.cend(); ++it) {
            double chroma = 0.0;
            for (int chip : it.value())
                chroma += m_lch.at(chip).c;
            m_cardChroma.insert(it.key(), chroma / it.value().size());
        }
    }

    int segments() const { return m_segments; }
    const Lch &lch(int chip) const { return m_lch.at(chip); }
    const ChipData &chip(int index) const { return m_collection.chips.at(index); }
    bool neutralCard(int card) const { return m_cardChroma.value(card) < kNeutralChroma; }
    double cardChroma(int card) const { return m_cardChroma.value(card); }
    QList<int> cards() const { return m_byCard.keys(); }
    QVector<int> chipsOfCard(int card) const { return m_byCard.value(card); }

    int segmentAt(int segment, int offset) const
    {
        return wrapSegment(segment + offset, m_segments);
    }

    // Cards of a segment, neutral or chromatic, nearest to a chroma first (ties: lower index).
    QVector<int> cardsNear(int segment, bool neutral, double chroma, int skipCard) const
    {
        QVector<int> cards;
        for (int card : m_byCard.keys()) {
            const QVector<int> &chips = m_byCard[card];
            if (card != skipCard && chip(chips.first()).segment == segment
                && neutralCard(card) == neutral)
                cards.append(card);
        }
        std::stable_sort(cards.begin(), cards.end(), [this, chroma](int a, int b) {
            return std::abs(cardChroma(a) - chroma) < std::abs(cardChroma(b) - chroma);
        });
        return cards;
    }

    // The chip of a card nearest to a lightness.
    int nearestOnCard(int card, double lightness) const
    {
        const QVector<int> &chips = m_byCard[card];
        return *std::min_element(chips.begin(), chips.end(), [this, lightness](int a, int b) {
            return std::abs(lch(a).l - lightness) < std::abs(lch(b).l - lightness);
        });
    }

    // `count` chips of a segment: one from each of the cards nearest in chroma (chromatic) or
    // the neutral chips nearest in lightness; light to dark. Fewer than `count` gives none.
    QVector<int> line(int segment, bool neutral, const Lch &target, int count, int skipCard) const
    {
        QVector<int> chips;
        if (neutral) {
            for (int card : cardsNear(segment, true, target.c, skipCard))
                chips += m_byCard[card];
            std::stable_sort(chips.begin(), chips.end(), [this, &target](int a, int b) {
                return std::abs(lch(a).l - target.l) < std::abs(lch(b).l - target.l);
            });
        } else {
            // One chip a card, their lightness spread evenly around the target's.
            const QVector<int> cards = cardsNear(segment, false, target.c, skipCard);
            for (int j = 0; j < std::min(count, int(cards.size())); ++j)
                chips.append(nearestOnCard(
                    cards.at(j), target.l + (j - (count - 1) / 2.0) * kLineLightnessStep));
        }
        if (chips.size() < count)
            return {};
        chips.resize(count);
        std::stable_sort(chips.begin(), chips.end(),
                         [this](int a, int b) { return lch(a).l > lch(b).l; });
        return chips;
    }

private:
    const CollectionData &m_collection;
    QVector<Lch> m_lch;
    QMap<int, QVector<int>> m_byCard;
    QHash<int, double> m_cardChroma;
    int m_segments = 1;
};

// One line of a scheme: a segment offset and whether the partners are neutrals.
struct SchemeLine
{
    int offset;
    bool neutral;
    double chroma; // < 0: the chip's own chroma
};

struct SchemeRule
{
    int scheme;
    QVector<SchemeLine> lines;
};

const QVector<SchemeRule> &schemeRules()
{
    static const QVector<SchemeRule> rules = {
        {Harmonic, {{-1, false, -1.0}, {0, false, -1.0}, {1, false, -1.0}}},
        {Contrast, {{6, false, -1.0}}},
        {WideContrast, {{5, false, -1.0}, {7, false, -1.0}}},
        {Dynamic, {{4, false, kCardChroma[0]}, {8, false, kCardChroma[0]}}},
        {Dramatic,
         {{3, false, kCardChroma[0]}, {6, false, kCardChroma[0]}, {9, false, kCardChroma[0]}}},
        {Tonal, {{0, true, 0.0}, {1, true, 0.0}}},
        {ComplementaryNeutral, {{6, true, 0.0}, {5, true, 0.0}}},
    };
    return rules;
}

// Whether a chip or card takes part in a scheme (dramatic: neutrals; complementary: rich).
bool qualifies(int scheme, bool neutral, int mood)
{
    if (scheme == Dramatic)
        return neutral;
    if (scheme == ComplementaryNeutral)
        return mood == 4;
    return true;
}

} // namespace

void addWheelSchemes(CollectionData &collection, int chipsPerLine)
{
    const WheelIndex wheel(collection);
    for (int i = 0; i < collection.chips.size(); ++i) {
        const ChipData &chip = collection.chips.at(i);
        for (const SchemeRule &rule : schemeRules()) {
            if (!qualifies(rule.scheme, chip.neutral || chip.white, chip.mood))
                continue;
            int pageOrder = 0;
            for (const SchemeLine &line : rule.lines) {
                Lch target = wheel.lch(i);
                if (line.chroma >= 0.0)
                    target.c = line.chroma;
                const QVector<int> partners
                    = wheel.line(wheel.segmentAt(chip.segment, line.offset), line.neutral, target,
                                 chipsPerLine, chip.card);
                if (partners.isEmpty())
                    continue;
                for (int r = 0; r < partners.size(); ++r)
                    collection.rowSchemes.append({i, rule.scheme, partners.at(r), pageOrder, r});
                ++pageOrder;
            }
        }
    }
    // Card schemes: the card nearest in chroma on each line's segment.
    for (int card : wheel.cards()) {
        const int first = wheel.chipsOfCard(card).first();
        const ChipData &chip = wheel.chip(first);
        const bool neutral = wheel.neutralCard(card);
        for (const SchemeRule &rule : schemeRules()) {
            if (!qualifies(rule.scheme, neutral, chip.mood))
                continue;
            int order = 0;
            for (const SchemeLine &line : rule.lines) {
                const QVector<int> near = wheel.cardsNear(
                    wheel.segmentAt(chip.segment, line.offset), line.neutral,
                    line.chroma >= 0.0 ? line.chroma : wheel.cardChroma(card), card);
                if (near.isEmpty())
                    continue;
                collection.pageSchemes.append({card, rule.scheme, near.first(), order});
                for (int member : wheel.chipsOfCard(card)) {
                    collection.rowPageSchemes.append({member, rule.scheme, near.first(), order});
                    // The colour-to-card page asks the neutral button's kind as it is.
                    if (rule.scheme == Tonal)
                        collection.rowPageSchemes.append({member, Neutral, near.first(), order});
                }
                ++order;
            }
        }
    }
}

void addContrastSchemes(CollectionData &collection)
{
    const WheelIndex wheel(collection);
    const int offsets[] = {5, 6, 7};
    const int schemes[] = {WideContrast, Contrast, WideContrast};
    const int pageOrders[] = {0, 0, 1};
    for (int i = 0; i < collection.chips.size(); ++i) {
        const ChipData &chip = collection.chips.at(i);
        QVector<RowSchemeData> proposals;
        for (int k = 0; k < 3; ++k) {
            const QVector<int> partner = wheel.line(wheel.segmentAt(chip.segment, offsets[k]),
                                                    false, wheel.lch(i), 1, chip.card);
            if (partner.isEmpty())
                break;
            proposals.append({i, schemes[k], partner.first(), pageOrders[k], 0});
        }
        if (proposals.size() == 3)
            collection.rowSchemes += proposals;
    }
}

} // namespace Corvane::Builder
