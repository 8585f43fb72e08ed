#pragma once

#include "CollectionFixture.h"
#include "StateStore.h"

#include <QTemporaryDir>
#include <QUuid>

class QByteArray;

namespace Corvane::DB {
class ColorEntry;
}

// Two collection files for palette tests, each with a collection whose integer id is 1, and a
// scratch state store:
//   "alpha.db": "Alpha & Co" (system id ALPHA): card 1 with A-101 (NAME0 "Rot") at 1 and
//   A-102 at 2; card 2 with A-201 at 1.
//   "beta.db": "Beta" (system id BETA): card 1 with B-1 at 1.
struct PaletteDecks
{
    PaletteDecks();

    static QUuid alpha();
    static QUuid beta();

    // The chip with `code` as the queries load it.
    Corvane::DB::ColorEntry entry(const QUuid &collection, const QString &code) const;

    // Writes `bytes` to a file in the scratch folder and returns its path.
    QString writeFile(const QString &name, const QByteArray &bytes) const;
    QString path(const QString &name) const;

    Corvane::Test::CollectionFixture fixture;
    QTemporaryDir scratch;
    Corvane::StateStore store;
    qint64 alphaCard1 = -1;
    qint64 alphaCard2 = -1;
    qint64 a101 = -1;
    qint64 a102 = -1;
    qint64 a201 = -1;
    qint64 b1 = -1;
};
