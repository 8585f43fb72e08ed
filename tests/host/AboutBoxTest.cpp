#include "AboutBoxTest.h"

#include "AboutBox.h"
#include "CollectionFixture.h"
#include "CollectionRegistry.h"
#include "StateStore.h"

#include <QLabel>
#include <QPushButton>
#include <QSysInfo>
#include <QTest>

using namespace Corvane;

namespace {

const QString kDeck = QStringLiteral("{aaaaaaaa-0000-4000-8000-000000000001}");

// One collection, "Deck", in deck.db.
void addDeck(Test::CollectionFixture &fixture)
{
    fixture.createFile(QStringLiteral("deck.db"));
    fixture.addCollection(QStringLiteral("deck.db"), 1, kDeck, QStringLiteral("DECK"),
                          QStringLiteral("Deck"), 1);
}

void addText(Test::CollectionFixture &fixture, const QString &key, const QString &text)
{
    fixture.insert(QStringLiteral("deck.db"), QStringLiteral("LOCALE"),
                   {{"COLLECTION_ID", 1}, {"KEY", key}, {"STRING", text}});
}

QLabel *labelWithText(const QWidget &parent, const QString &text)
{
    for (QLabel *label : parent.findChildren<QLabel *>()) {
        if (label->text() == text)
            return label;
    }
    return nullptr;
}

} // namespace

void AboutBoxTest::cleanup()
{
    DB::collectionRegistry().clear();
}

void AboutBoxTest::textsFromTheCollection()
{
    Test::CollectionFixture fixture;
    addDeck(fixture);
    addText(fixture, QStringLiteral("aboutbox.version"), QStringLiteral("Version"));
    addText(fixture, QStringLiteral("aboutbox.main"), QStringLiteral("Tessary"));
    addText(fixture, QStringLiteral("aboutbox.qt.license.button"),
            QStringLiteral("About the toolkit"));
    addText(fixture, QStringLiteral("aboutbox.close.button"), QStringLiteral("OK"));
    fixture.activate();
    StateStore().setUuidOfLastUsedCollection(QUuid::fromString(kDeck));

    AboutBox box(nullptr, QString());
    QCOMPARE(box.versionLine(), QStringLiteral("Version 4.0.0 (%1bit)").arg(QSysInfo::WordSize));
    QCOMPARE(box.size(), QSize(680, 480));
    QVERIFY(labelWithText(box, QStringLiteral("Tessary")));

    const QList<QPushButton *> buttons = box.findChildren<QPushButton *>();
    QCOMPARE(buttons.size(), 2);
    QCOMPARE(buttons.at(0)->width(), buttons.at(1)->width());
    QVERIFY(buttons.at(0)->text() != buttons.at(1)->text());

    // The logo placeholder: white with a red frame, cut to 128 x 48.
    const QImage logo = box.grab().toImage();
    QCOMPARE(logo.pixelColor(16 + 64, 16 + 24), QColor(Qt::white));
}

void AboutBoxTest::missingTextsShowKeys()
{
    Test::CollectionFixture fixture;
    addDeck(fixture);
    fixture.activate();
    StateStore().setUuidOfLastUsedCollection(QUuid::fromString(kDeck));

    AboutBox box(nullptr, QStringLiteral("2.1"));
    QVERIFY(labelWithText(box, QStringLiteral("aboutbox.main")));
    QCOMPARE(box.windowTitle(), QStringLiteral("aboutbox.caption"));
    QCOMPARE(box.versionLine(),
             QStringLiteral("2.1 (engine 4.0.0) (%1bit)").arg(QSysInfo::WordSize));
    QVERIFY(!box.windowIcon().isNull());
}

// Every pick makes new windows. They must carry the same icon: Qt's pixmap cache keeps an
// icon's pixmaps under that icon's key, and a new icon per window would add them again.
void AboutBoxTest::windowsShareOneIcon()
{
    Test::CollectionFixture fixture;
    addDeck(fixture);
    fixture.activate();

    qint64 firstIcon = 0;
    {
        const AboutBox first(nullptr, QString());
        firstIcon = first.windowIcon().cacheKey();
    }
    const AboutBox second(nullptr, QString());
    QVERIFY(firstIcon != 0);
    QCOMPARE(second.windowIcon().cacheKey(), firstIcon);
}
