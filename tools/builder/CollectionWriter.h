#pragma once

#include "CollectionData.h"

#include <QString>
#include <QVector>

namespace Corvane::Builder {

// Checks what the schema cannot check on its own and what would otherwise surface as an
// obscure SQL error: card numbers and positions, unique codes and card names, colour ranges,
// moods and the chips and cards that schemes, products and trend colours refer to.
bool validateCollection(const CollectionData &collection, QString *error = nullptr);

// Writes a complete collection file: the schema with its fixed rows, then every collection in
// turn (a collection with id 0 adds its settings, texts, theme items, trend colours and
// textures to the system-wide collection). The file is written under a temporary name next to
// `path` and renamed to `path` only when everything succeeded, replacing an existing file; on
// failure nothing is left behind and `error` says why.
bool writeCollectionFile(const QString &path, const QVector<CollectionData> &collections,
                         QString *error = nullptr);

} // namespace Corvane::Builder
