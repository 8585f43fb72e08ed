#pragma once

#include <QList>
#include <QString>
#include <QUuid>

namespace Corvane::Test {

class CollectionFixture;

// A collection file made to be damaged: "broken.db" with one enabled collection (id 7,
// system id "X", name "Broken", order 5) holding two cards in segments 1 and 2 with one chip
// each, "B-1" and "B-2" in the colours (40 × card, 50, 60).
inline const QString kBrokenFile = QStringLiteral("broken.db");
inline const QUuid kBrokenDeck
    = QUuid::fromString(QStringLiteral("{dddddddd-0000-4000-8000-000000000004}"));
constexpr qint64 kBrokenDeckId = 7;

void buildBrokenDeck(CollectionFixture &fixture);

// One way of damaging kBrokenFile after buildBrokenDeck, under a name for test tables.
using Damage = void (*)(CollectionFixture &);
struct NamedDamage
{
    const char *name;
    Damage damage;
};

// Missing tables and columns, text and NULLs where numbers belong, settings of the wrong
// type; the first, "intact", leaves the file as built.
const QList<NamedDamage> &collectionDamages();

} // namespace Corvane::Test
