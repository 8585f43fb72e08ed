#pragma once

#include <QString>
#include <QUuid>

namespace Corvane::Test {

class CollectionFixture;

// The collection file and collections most database tests build on.
inline const QString kDeckFile = QStringLiteral("deck.db");
inline const QUuid kDeckA
    = QUuid::fromString(QStringLiteral("{aaaaaaaa-0000-4000-8000-000000000001}"));
inline const QUuid kDeckB
    = QUuid::fromString(QStringLiteral("{bbbbbbbb-0000-4000-8000-000000000002}"));
// A uuid that no file holds.
inline const QUuid kUnknownDeck
    = QUuid::fromString(QStringLiteral("{cccccccc-0000-4000-8000-000000000003}"));
constexpr qint64 kSystemWideId = 0;

// Creates kDeckFile with the enabled decks A (id 1, system id "A", name "Deck A", order 1)
// and B (id 2, "B", "Deck B", order 2).
void createDecks(CollectionFixture &fixture);

// Activates the fixture, registers its collections and then deletes kDeckFile, so that its
// collections stay registered but their file no longer opens. False when the file remains.
bool discoverThenRemoveDeckFile(CollectionFixture &fixture);

// Forgets the process-wide state a test leaves behind: the collection registry, the database
// folder, the settings cache and the order lists.
void resetEngineState();

} // namespace Corvane::Test
