#pragma once

#include "CollectionData.h"

#include <QByteArray>
#include <QString>

namespace Corvane::Builder {

// A paint maker's deck: a CSV file with one chip a line, after a header line that names the
// columns (in any order, without regard to case):
//   code, name0 … name9 ("name" is name0), extra0 … extra9, red, green, blue, card, position,
//   segment, mood, exterior, mto, neutral, white.
// code, red, green, blue, card and position are required. Cards are numbered from 1; a card
// takes its segment, mood and exterior flag from its first chip. Fields may be quoted ("…",
// with "" for a quote). Errors name the file, the line and the field.
bool readDeckText(const QByteArray &text, const QString &fileName, CollectionData &collection,
                  QString *error = nullptr);
bool readDeck(const QString &path, CollectionData &collection, QString *error = nullptr);

// The JSON description of a collection: the collection row ("id", "uuid", "systemId", "name",
// "order", "version"), "language", "settings" (name to a value or a list of values), "texts"
// (key to text), "theme" (key to an image file name relative to the JSON file for "image.*"
// keys, a colour "r,g,b[,a]" for "color.*" keys, a text otherwise) and "cards" (a list of
// {"card": N, "name": …, "names": […], "extras": […]} for cards of the deck). Read it after the
// deck. "collection.enabled" is 1 unless the settings say otherwise.
bool readCollectionDescription(const QString &path, CollectionData &collection,
                               QString *error = nullptr);

} // namespace Corvane::Builder
