#include "BrokenDecks.h"

#include "CollectionFixture.h"

#include <QColor>
#include <QVariantMap>

namespace Corvane::Test {

namespace {

// Rebuilds `table` without its constraints from `selectList` of the old rows, which drops
// columns (when the list names fewer) and lets later statements store NULLs.
void rebuildTable(CollectionFixture &fixture, const QString &table, const QString &selectList)
{
    fixture.exec(kBrokenFile, QStringLiteral("ALTER TABLE \"%1\" RENAME TO OLD_TABLE").arg(table));
    fixture.exec(
        kBrokenFile,
        QStringLiteral("CREATE TABLE \"%1\" AS SELECT %2 FROM OLD_TABLE").arg(table, selectList));
    fixture.exec(kBrokenFile, QStringLiteral("DROP TABLE OLD_TABLE"));
}

void dropTables(CollectionFixture &fixture, const QStringList &tables)
{
    for (const QString &table : tables)
        fixture.exec(kBrokenFile, QStringLiteral("DROP TABLE \"%1\"").arg(table));
}

} // namespace

void buildBrokenDeck(CollectionFixture &fixture)
{
    fixture.createFile(kBrokenFile);
    fixture.addCollection(kBrokenFile, kBrokenDeckId, kBrokenDeck.toString(), QStringLiteral("X"),
                          QStringLiteral("Broken"), 5);
    for (int card = 1; card <= 2; ++card) {
        const qint64 page = fixture.addPage(kBrokenFile, kBrokenDeckId, card, card);
        fixture.addRow(kBrokenFile, kBrokenDeckId, page, 1, QColor(40 * card, 50, 60),
                       {{"CODE", QStringLiteral("B-%1").arg(card)}});
    }
}

const QList<NamedDamage> &collectionDamages()
{
    static const QList<NamedDamage> damages = {
        {"intact", [](CollectionFixture &) {}},
        {"no PAGE table", [](CollectionFixture &f) { dropTables(f, {"PAGE"}); }},
        {"no ROW table", [](CollectionFixture &f) { dropTables(f, {"ROW"}); }},
        {"no page map", [](CollectionFixture &f) { dropTables(f, {"COLLECTION_PAGE_MAP"}); }},
        {"ROW without colour columns",
         [](CollectionFixture &f) {
             rebuildTable(f, "ROW", "ID, COLLECTION_ID, PAGE_ID, ROW_INDEX, CODE, SEGMENT");
         }},
        {"PAGE without SEGMENT",
         [](CollectionFixture &f) {
             rebuildTable(f, "PAGE", "ID, COLLECTION_ID, PAGE_INDEX, NAME, EXTERIOR, MOOD");
         }},
        {"text in number columns",
         [](CollectionFixture &f) {
             f.exec(kBrokenFile, "PRAGMA ignore_check_constraints = 1");
             f.exec(kBrokenFile,
                    "UPDATE \"ROW\" SET RED = 'red', L = 'light', MOOD = 'x', "
                    "ROW_INDEX = 'first'");
             f.exec(kBrokenFile, "UPDATE PAGE SET SEGMENT = 'one', MOOD = x'00ff'");
         }},
        {"NULLs everywhere",
         [](CollectionFixture &f) {
             rebuildTable(f, "ROW", "*");
             rebuildTable(f, "PAGE", "*");
             f.exec(kBrokenFile,
                    "UPDATE \"ROW\" SET CODE = NULL, NAME = NULL, RED = NULL, "
                    "GREEN = NULL, BLUE = NULL, L = NULL, A = NULL, B = NULL, "
                    "MOOD = NULL, SEGMENT = NULL");
             f.exec(kBrokenFile,
                    "UPDATE PAGE SET NAME = NULL, MOOD = NULL, EXTERIOR = NULL, "
                    "SEGMENT = NULL");
         }},
        {"settings of the wrong type",
         [](CollectionFixture &f) {
             const QVariantMap values = {{"card.type", "banana"},
                                         {"num.of.segments", "many"},
                                         {"max.chips.on.a.page", -40},
                                         {"first.segment.angle", "north"},
                                         {"tab.bar.page", "all"},
                                         {"cie2000.delta.intervals", "a;b"},
                                         {"texture.size", "huge"},
                                         {"has.exterior.filter", "perhaps"},
                                         {"row.name.display.order", "9;x;-3"},
                                         {"mode.mood", 1e30}};
             for (auto it = values.cbegin(); it != values.cend(); ++it)
                 f.addSetting(kBrokenFile, kBrokenDeckId, it.key(), it.value());
         }},
        {"no THEME and LOCALE tables",
         [](CollectionFixture &f) {
             dropTables(f, {"THEME", "LOCALE"});
         }},
    };
    return damages;
}

} // namespace Corvane::Test
