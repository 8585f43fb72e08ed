#include "PaletteDecks.h"

#include "CardQueries.h"
#include "ColorEntry.h"

#include <QColor>
#include <QFile>

PaletteDecks::PaletteDecks() : store(scratch.filePath(QStringLiteral("state.ini")))
{
    const QString alphaFile = QStringLiteral("alpha.db");
    fixture.createFile(alphaFile);
    fixture.addCollection(alphaFile, 1, alpha().toString(), "ALPHA", "Alpha & Co", 1);
    alphaCard1 = fixture.addPage(alphaFile, 1, 1, 1);
    alphaCard2 = fixture.addPage(alphaFile, 1, 2, 1);
    a101 = fixture.addRow(alphaFile, 1, alphaCard1, 1, QColor(200, 10, 20),
                          {{"CODE", "A-101"}, {"NAME0", "Rot"}});
    a102 = fixture.addRow(alphaFile, 1, alphaCard1, 2, QColor(20, 200, 10), {{"CODE", "A-102"}});
    a201 = fixture.addRow(alphaFile, 1, alphaCard2, 1, QColor(10, 20, 200), {{"CODE", "A-201"}});

    const QString betaFile = QStringLiteral("beta.db");
    fixture.createFile(betaFile);
    fixture.addCollection(betaFile, 1, beta().toString(), "BETA", "Beta", 2);
    const qint64 betaCard = fixture.addPage(betaFile, 1, 1, 1);
    b1 = fixture.addRow(betaFile, 1, betaCard, 1, QColor(1, 2, 3), {{"CODE", "B-1"}});

    fixture.activate();
}

QUuid PaletteDecks::alpha()
{
    return QUuid::fromString(QStringLiteral("{aaaaaaaa-0000-4000-8000-000000000001}"));
}

QUuid PaletteDecks::beta()
{
    return QUuid::fromString(QStringLiteral("{bbbbbbbb-0000-4000-8000-000000000002}"));
}

Corvane::DB::ColorEntry PaletteDecks::entry(const QUuid &collection, const QString &code) const
{
    const qint64 rowId = code == QLatin1String("A-101") ? a101
        : code == QLatin1String("A-102")                ? a102
        : code == QLatin1String("A-201")                ? a201
                                                        : b1;
    Corvane::DB::ColorEntry entry;
    Corvane::DB::loadRowById(collection, rowId, entry);
    return entry;
}

QString PaletteDecks::path(const QString &name) const
{
    return scratch.filePath(name);
}

QString PaletteDecks::writeFile(const QString &name, const QByteArray &bytes) const
{
    QFile file(path(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path(name)));
    return file.fileName();
}
