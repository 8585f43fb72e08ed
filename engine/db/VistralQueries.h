#pragma once

#include "ColorVistralGroup.h"
#include "Texture.h"
#include "TextureMapEntry.h"

#include <QHash>
#include <QString>
#include <QUuid>

#include <vector>

namespace Corvane::DB {

// Trend colours, products and textures of a collection. Trend-colour groups and textures
// stored with COLLECTION_ID 0 are offered for every collection of their file. Each returns
// 0, -1 when its statement fails, or the negative code of ensureConnection; the output is
// emptied first.

// The trend-colour groups by id, each with its entries sorted by order.
int loadVistralGroups(const QUuid &collection, QHash<qint64, ColorVistralGroup> &out);

// The names of the products of a chip, each followed by the collection's separator and
// the product code when it has one.
int loadProductNames(const QUuid &collection, qint64 rowId, std::vector<QString> &out);

// The non-empty product codes of a chip.
int loadProductCodes(const QUuid &collection, qint64 rowId, std::vector<QString> &out);

// The names of the product groups of a chip.
int loadProductGroupNames(const QUuid &collection, qint64 rowId, std::vector<QString> &out);

// The textures by id, their images decoded.
int loadTextures(const QUuid &collection, QHash<qint64, Texture> &out);

// The textures offered for a card (by PAGE id) whose texture exists.
int loadTextureMap(const QUuid &collection, qint64 pageId, std::vector<TextureMapEntry> &out);

} // namespace Corvane::DB
