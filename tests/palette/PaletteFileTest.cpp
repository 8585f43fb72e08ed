#include "PaletteFileTest.h"

#include "PaletteDecks.h"
#include "PaletteModel.h"
#include "PaletteReader.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>

#include <csignal>

#include <sys/fsuid.h>
#include <sys/resource.h>
#include <unistd.h>

using namespace Corvane;

namespace {

const QByteArray kBom("\xEF\xBB\xBF");
const QByteArray kDeclaration("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");

QByteArray readAll(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

// The filled cells in reading order as "row,column:label".
QString summary(const PaletteModel &palette)
{
    QStringList cells;
    for (int index = 0; index < PaletteModel::cellCount; ++index) {
        const QPoint cell = PaletteModel::cellAt(index);
        if (palette.hasChip(cell))
            cells.append(
                QStringLiteral("%1,%2:%3").arg(cell.y()).arg(cell.x()).arg(palette.nameAt(cell)));
    }
    return cells.join(QLatin1Char(' '));
}

QByteArray paletteFile(const QByteArray &rootAttributes, const QByteArray &body)
{
    return kBom + kDeclaration + "<veltra-palette " + rootAttributes + ">" + body
        + "</veltra-palette>\n";
}

QByteArray entryChip(const QByteArray &cell, const QUuid &collection, int page, int row,
                     const QByteArray &code)
{
    return "<chip " + cell + "><entry uuid-of-collection=\"" + collection.toString().toUtf8()
        + "\" page-index=\"" + QByteArray::number(page) + "\" row-index=\""
        + QByteArray::number(row) + "\" color-code=\"" + code + "\"/></chip>";
}

const QByteArray kVersion3("version=\"3.0\" system=\"multi-collection\"");

// While it lives, the calling thread reaches files as the unprivileged user "nobody" would,
// so that permission bits hold for a test run as root; other users are left as they are.
class UnprivilegedFileAccess
{
public:
    UnprivilegedFileAccess() : m_root(geteuid() == 0)
    {
        if (!m_root)
            return;
        setfsgid(kNobody);
        setfsuid(kNobody);
    }
    ~UnprivilegedFileAccess()
    {
        if (!m_root)
            return;
        setfsuid(0);
        setfsgid(0);
    }
    UnprivilegedFileAccess(const UnprivilegedFileAccess &) = delete;
    UnprivilegedFileAccess &operator=(const UnprivilegedFileAccess &) = delete;

private:
    static constexpr uid_t kNobody = 65534;
    bool m_root;
};

} // namespace

void PaletteFileTest::writesVersion3Layout()
{
    PaletteDecks decks;
    PaletteModel palette(decks.store);
    palette.setCell(QPoint(0, 1), PaletteDecks::beta(), decks.entry(PaletteDecks::beta(), "B-1"));
    palette.setCell(QPoint(5, 0), PaletteDecks::alpha(),
                    decks.entry(PaletteDecks::alpha(), "A-201"));
    palette.setDescription(QStringLiteral("Küche & <Bad>"));
    const QString path = decks.path("out.palette");
    QVERIFY(palette.saveTo(XmlPalette, path));

    const QByteArray expected = kBom + kDeclaration
        + "<veltra-palette version=\"3.0\" system=\"multi-collection\">\n"
          "\t<description>K\xc3\xbc"
          "che &amp; &lt;Bad&gt;</description>\n"
          "\t<chips>\n"
          "\t\t<chip row=\"0\" col=\"5\">\n"
          "\t\t\t<entry uuid-of-collection=\"{aaaaaaaa-0000-4000-8000-000000000001}\" "
          "page-index=\"2\" row-index=\"1\" color-code=\"A-201\"/>\n"
          "\t\t</chip>\n"
          "\t\t<chip row=\"1\" col=\"0\">\n"
          "\t\t\t<entry uuid-of-collection=\"{bbbbbbbb-0000-4000-8000-000000000002}\" "
          "page-index=\"1\" row-index=\"1\" color-code=\"B-1\"/>\n"
          "\t\t</chip>\n"
          "\t</chips>\n"
          "</veltra-palette>\n";
    QCOMPARE(readAll(path), expected);
}

void PaletteFileTest::writesEmptyPalette()
{
    PaletteDecks decks;
    PaletteModel palette(decks.store);
    const QString path = decks.path("empty.palette");
    QVERIFY(palette.saveTo(XmlPalette, path));
    QCOMPARE(readAll(path),
             kBom + kDeclaration
                 + "<veltra-palette version=\"3.0\" system=\"multi-collection\">\n"
                   "\t<description/>\n\t<chips>\n\t</chips>\n</veltra-palette>\n");
}

void PaletteFileTest::roundTrip_data()
{
    QTest::addColumn<QString>("description");

    QTest::newRow("empty") << QString();
    QTest::newRow("markup characters") << QStringLiteral("a & b < c > d \"e\" 'f' &amp;");
    QTest::newRow("non-ASCII") << QStringLiteral("Grüße – 東京 🎨");
    QTest::newRow("spaces and lines") << QStringLiteral("  two\nlines\t");
}

void PaletteFileTest::roundTrip()
{
    QFETCH(QString, description);

    PaletteDecks decks;
    PaletteModel palette(decks.store);
    const QList<QPair<QPoint, QString>> chips = {{QPoint(3, 2), "A-101"},
                                                 {QPoint(0, 0), "A-102"},
                                                 {QPoint(5, 3), "B-1"},
                                                 {QPoint(1, 0), "A-201"}};
    for (const auto &chip : chips) {
        const QUuid collection
            = chip.second == "B-1" ? PaletteDecks::beta() : PaletteDecks::alpha();
        palette.setCell(chip.first, collection, decks.entry(collection, chip.second));
    }
    palette.setDescription(description);
    const QString path = decks.path("round.palette");
    QVERIFY(palette.saveTo(XmlPalette, path));

    PaletteDecks other;
    QFile::copy(path, other.path("round.palette"));
    PaletteModel loaded(other.store);
    loaded.setCell(QPoint(4, 3), PaletteDecks::alpha(),
                   other.entry(PaletteDecks::alpha(), "A-101"));
    QCOMPARE(loaded.loadFrom(other.path("round.palette")), PaletteModel::Loaded);
    QCOMPARE(summary(loaded), QStringLiteral("0,0:A-102 0,1:A-201 2,3:A-101 3,5:B-1"));
    for (int index = 0; index < PaletteModel::cellCount; ++index) {
        const QPoint cell = PaletteModel::cellAt(index);
        QCOMPARE(loaded.itemAt(cell), palette.itemAt(cell));
    }
    QCOMPARE(loaded.description(), description);

    // What was loaded is in the store too.
    PaletteModel restored(other.store);
    restored.restoreFromStore();
    QCOMPARE(summary(restored), summary(loaded));
}

void PaletteFileTest::readerRules_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("cells");

    const int loaded = PaletteModel::Loaded;
    const int refused = PaletteModel::NotAPalette;
    const QString untouched = QStringLiteral("3,5:B-1");
    const QUuid alpha = PaletteDecks::alpha();
    const QByteArray chip
        = "<chips>" + entryChip("row=\"1\" col=\"2\"", alpha, 1, 2, "A-102") + "</chips>";

    QTest::newRow("version 3.0") << paletteFile(kVersion3, chip) << loaded << "1,2:A-102";
    QTest::newRow("system in capitals")
        << paletteFile("version=\"3.0\" system=\"MULTI-COLLECTION\"", chip) << loaded
        << "1,2:A-102";
    QTest::newRow("two dots in a row")
        << paletteFile("version=\"3..0\" system=\"multi-collection\"", chip) << loaded
        << "1,2:A-102";
    for (const char *version : {"3.1", "3", "3.0.1", "4.0", "", "2.0"})
        QTest::addRow("version \"%s\"", version) << paletteFile(
            "version=\"" + QByteArray(version) + "\" system=\"multi-collection\"", chip)
                                                 << refused << untouched;
    QTest::newRow("version 3 of one collection")
        << paletteFile("version=\"3.0\" system=\"ALPHA\"", chip) << refused << untouched;
    QTest::newRow("no system") << paletteFile("version=\"3.0\"", chip) << refused << untouched;
    QTest::newRow("other root") << kDeclaration + "<palette " + kVersion3 + ">" + chip
            + "</palette>" << refused
                                << untouched;
    QTest::newRow("no chips") << paletteFile(kVersion3, "<chips/>") << loaded << "";
    QTest::newRow("chip without row and col")
        << paletteFile(kVersion3, "<chips>" + entryChip("", alpha, 2, 1, "A-201") + "</chips>")
        << loaded << "0,0:A-201";
    QTest::newRow("column 6 and row 4 skipped")
        << paletteFile(kVersion3,
                       "<chips>" + entryChip("row=\"0\" col=\"6\"", alpha, 2, 1, "A-201")
                           + entryChip("row=\"4\" col=\"0\"", alpha, 2, 1, "A-201")
                           + entryChip("row=\"-1\" col=\"0\"", alpha, 2, 1, "A-201")
                           + entryChip("row=\"3\" col=\"5\"", alpha, 2, 1, "A-201") + "</chips>")
        << loaded << "3,5:A-201";
    QTest::newRow("code differs in case") << paletteFile(
        kVersion3, "<chips>" + entryChip("row=\"0\" col=\"0\"", alpha, 1, 1, "a-101") + "</chips>")
                                          << loaded << "0,0:A-101";
    QTest::newRow("code changed, card gone, collection gone")
        << paletteFile(kVersion3,
                       "<chips>" + entryChip("row=\"0\" col=\"0\"", alpha, 1, 1, "A-999")
                           + entryChip("row=\"0\" col=\"1\"", alpha, 7, 1, "A-101")
                           + entryChip("row=\"0\" col=\"2\"", QUuid::createUuid(), 1, 1, "A-101")
                           + entryChip("row=\"0\" col=\"3\"", alpha, 1, 2, "A-102") + "</chips>")
        << loaded << "0,3:A-102";
    QTest::newRow("entry element in capitals and other first child") << paletteFile(
        kVersion3,
        "<chips><chip row=\"0\" col=\"0\"><ENTRY uuid-of-collection=\"" + alpha.toString().toUtf8()
            + "\" page-index=\"1\" row-index=\"1\" color-code=\"A-101\"/></chip>"
              "<chip row=\"0\" col=\"1\"><other/><entry uuid-of-collection=\""
            + alpha.toString().toUtf8()
            + "\" page-index=\"1\" row-index=\"1\" color-code=\"A-101\"/></chip>"
              "</chips>") << loaded << "0,0:A-101";
    QTest::newRow("later chip for the same cell wins")
        << paletteFile(kVersion3,
                       "<chips>" + entryChip("row=\"2\" col=\"2\"", alpha, 1, 1, "A-101")
                           + entryChip("row=\"2\" col=\"2\"", alpha, 2, 1, "A-201") + "</chips>")
        << loaded << "2,2:A-201";
    const QByteArray outside = entryChip("row=\"0\" col=\"6\"", alpha, 1, 1, "A-101");
    const QByteArray last = entryChip("row=\"1\" col=\"1\"", alpha, 1, 1, "A-101");
    QTest::newRow("chip 256 is read")
        << paletteFile(kVersion3, "<chips>" + outside.repeated(255) + last + "</chips>") << loaded
        << "1,1:A-101";
    QTest::newRow("chips after the first 256 are ignored")
        << paletteFile(kVersion3, "<chips>" + outside.repeated(256) + last + "</chips>") << loaded
        << "";
    QTest::newRow("version 2 by search phrase")
        << paletteFile("version=\"2.0\" system=\"alpha\"",
                       "<chips><chip row=\"0\" col=\"1\">a-102</chip>"
                       "<chip row=\"0\" col=\"2\">\n  A-201  \n</chip>"
                       "<chip row=\"0\" col=\"3\">NO-SUCH</chip>"
                       "<chip row=\"0\" col=\"4\">Card 1</chip>"
                       "<chip row=\"0\" col=\"5\"><entry/></chip></chips>")
        << loaded << "0,1:A-102";
    QTest::newRow("version 2 of a collection not installed") << paletteFile(
        "version=\"2.0\" system=\"GAMMA\"", "<chips><chip row=\"0\" col=\"1\">A-102</chip></chips>")
                                                             << refused << untouched;
}

void PaletteFileTest::readerRules()
{
    QFETCH(QByteArray, file);
    QFETCH(int, result);
    QFETCH(QString, cells);

    PaletteDecks decks;
    PaletteModel palette(decks.store);
    palette.setCell(QPoint(5, 3), PaletteDecks::beta(), decks.entry(PaletteDecks::beta(), "B-1"));
    palette.setDescription(QStringLiteral("before"));
    palette.selectOnly(QPoint(2, 0));
    QString error;
    QCOMPARE(int(palette.loadFrom(decks.writeFile("rules.palette", file), &error)), result);
    QCOMPARE(summary(palette), cells);
    QCOMPARE(error.isEmpty(), result == PaletteModel::Loaded);
    QCOMPARE(palette.description().isEmpty(), result == PaletteModel::Loaded);
    // Loading never touches the selection.
    QCOMPARE(palette.selection(), QList<QPoint> {QPoint(2, 0)});
}

void PaletteFileTest::unreadableFilesChangeNothing()
{
    PaletteDecks decks;
    PaletteModel palette(decks.store);
    palette.setCell(QPoint(1, 1), PaletteDecks::beta(), decks.entry(PaletteDecks::beta(), "B-1"));
    QCOMPARE(palette.loadFrom(decks.path("missing.palette")), PaletteModel::FileNotOpened);
    QVERIFY(!QFile::exists(decks.path("missing.palette")));
    QCOMPARE(palette.loadFrom(decks.scratch.path()), PaletteModel::FileNotOpened);
    QCOMPARE(summary(palette), QStringLiteral("1,1:B-1"));

    const QString readOnly = decks.writeFile(
        "read-only.palette",
        paletteFile(kVersion3,
                    "<chips>" + entryChip("", PaletteDecks::alpha(), 1, 1, "A-101") + "</chips>"));
    const auto readable = QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    QVERIFY(QFile::setPermissions(decks.scratch.path(),
                                  readable | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                      | QFileDevice::ExeGroup | QFileDevice::ExeOther));
    QVERIFY(QFile::setPermissions(readOnly, readable));
    PaletteModel::LoadResult result = PaletteModel::Loaded;
    {
        const UnprivilegedFileAccess unprivileged;
        result = palette.loadFrom(readOnly);
    }
    QCOMPARE(result, PaletteModel::FileNotOpened);
    QCOMPARE(summary(palette), QStringLiteral("1,1:B-1"));
}

void PaletteFileTest::badInput_data()
{
    QTest::addColumn<QByteArray>("file");

    const QByteArray valid = paletteFile(
        kVersion3,
        "<description>d</description><chips>"
            + entryChip("row=\"0\" col=\"0\"", PaletteDecks::alpha(), 1, 1, "A-101") + "</chips>");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("not XML") << QByteArray("ItemIndex({x},1,2)");
    QTest::newRow("truncated") << valid.left(valid.size() / 2);
    QTest::newRow("binary") << QByteArray(4096, '\xff');
    QTest::newRow("10 MB description") << paletteFile(
        kVersion3, "<description>" + QByteArray(10 * 1024 * 1024, 'x') + "</description>");
    QTest::newRow("100000 levels deep") << paletteFile(
        kVersion3, QByteArray("<a>").repeated(100000) + QByteArray("</a>").repeated(100000));
    QTest::newRow("larger than a palette can be") << paletteFile(
        kVersion3, "<!--" + QByteArray(2 * 1024 * 1024, '-').replace("--", "- ") + "-->");
    QTest::newRow("entity expansion") << kDeclaration
            + "<!DOCTYPE veltra-palette [<!ENTITY a \"aaaaaaaaaa\">"
              "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">"
              "<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\">"
              "<!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\">]>"
              "<veltra-palette version=\"3.0\" system=\"multi-collection\">"
              "<description>&d;</description><chips><chip row=\"&d;\"/></chips>"
              "</veltra-palette>";
    QTest::newRow("external entity") << kDeclaration
            + "<!DOCTYPE veltra-palette [<!ENTITY x SYSTEM \"file:///etc/passwd\">]>"
              "<veltra-palette version=\"3.0\" system=\"multi-collection\">"
              "<description>&x;</description></veltra-palette>";
}

void PaletteFileTest::badInput()
{
    QFETCH(QByteArray, file);

    PaletteDecks decks;
    PaletteModel palette(decks.store);
    palette.setCell(QPoint(1, 1), PaletteDecks::beta(), decks.entry(PaletteDecks::beta(), "B-1"));
    palette.setDescription(QStringLiteral("kept"));
    QElapsedTimer timer;
    timer.start();
    QString error;
    QCOMPARE(palette.loadFrom(decks.writeFile("bad.palette", file), &error),
             PaletteModel::NotAPalette);
    QVERIFY2(timer.elapsed() < 10000, qPrintable(QString::number(timer.elapsed())));
    QVERIFY(!error.isEmpty());
    QCOMPARE(summary(palette), QStringLiteral("1,1:B-1"));
    QCOMPARE(palette.description(), QStringLiteral("kept"));
}

void PaletteFileTest::saveLeavesOutChipsThatDoNotLoad()
{
    PaletteDecks decks;
    decks.store.setMyPaletteEntry(
        QPoint(0, 0), DB::ItemIndex(PaletteDecks::alpha(), decks.alphaCard1, decks.a101));
    // A chip recorded on the wrong card, one that no longer exists, one of a missing collection.
    decks.store.setMyPaletteEntry(
        QPoint(1, 0), DB::ItemIndex(PaletteDecks::alpha(), decks.alphaCard1, decks.a201));
    decks.store.setMyPaletteEntry(QPoint(2, 0),
                                  DB::ItemIndex(PaletteDecks::alpha(), decks.alphaCard1, 9999));
    decks.store.setMyPaletteEntry(QPoint(3, 0), DB::ItemIndex(QUuid::createUuid(), 1, decks.a102));
    PaletteModel palette(decks.store);
    palette.restoreFromStore();
    QCOMPARE(summary(palette), QStringLiteral("0,0:A-101 0,1:A-201"));

    const QString path = decks.path("partial.palette");
    QVERIFY(palette.saveTo(XmlPalette, path));
    const QByteArray written = readAll(path);
    QCOMPARE(written.count("<chip "), 1);
    QVERIFY(written.contains("color-code=\"A-101\""));
}

void PaletteFileTest::textExport()
{
    PaletteDecks decks;
    PaletteModel palette(decks.store);
    palette.setCell(QPoint(4, 2), PaletteDecks::alpha(),
                    decks.entry(PaletteDecks::alpha(), "A-102"));
    // Both collections have the integer id 1 in their own files.
    palette.setCell(QPoint(2, 0), PaletteDecks::beta(), decks.entry(PaletteDecks::beta(), "B-1"));
    palette.setCell(QPoint(3, 0), PaletteDecks::alpha(),
                    decks.entry(PaletteDecks::alpha(), "A-101"));
    palette.setDescription(QStringLiteral("not exported"));
    const QString path = decks.path("export.txt");
    QVERIFY(palette.saveTo(PlainText, path));
    QCOMPARE(readAll(path), kBom + "Beta : B-1\nAlpha & Co : A-101\nAlpha & Co : A-102\n");
}

void PaletteFileTest::textExportWithoutChipsWritesNothing()
{
    PaletteDecks decks;
    decks.store.setMyPaletteEntry(QPoint(0, 0), DB::ItemIndex(QUuid::createUuid(), 1, 5));
    PaletteModel palette(decks.store);
    palette.restoreFromStore();
    const QString path = decks.writeFile("earlier.txt", "earlier");
    QString error;
    QVERIFY(!palette.saveTo(PlainText, path, &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(readAll(path), QByteArray("earlier"));
    QVERIFY(!palette.saveTo(PlainText, decks.path("new.txt")));
    QVERIFY(!QFile::exists(decks.path("new.txt")));
    QVERIFY(!palette.saveTo(PaletteFileFormat(7), path));
    QCOMPARE(readAll(path), QByteArray("earlier"));
}

void PaletteFileTest::failedSaveKeepsTheEarlierFile()
{
    PaletteDecks decks;
    PaletteModel palette(decks.store);
    palette.setCell(QPoint(0, 0), PaletteDecks::alpha(),
                    decks.entry(PaletteDecks::alpha(), "A-101"));
    const QString path = decks.writeFile("kept.palette", "earlier palette");

    // A disk that fills up after 64 bytes: the earlier file must survive the failed save.
    signal(SIGXFSZ, SIG_IGN);
    rlimit previous {};
    getrlimit(RLIMIT_FSIZE, &previous);
    rlimit small = previous;
    small.rlim_cur = 64;
    setrlimit(RLIMIT_FSIZE, &small);
    QString error;
    const bool saved = palette.saveTo(XmlPalette, path, &error);
    setrlimit(RLIMIT_FSIZE, &previous);

    QVERIFY(!saved);
    QVERIFY(!error.isEmpty());
    QCOMPARE(readAll(path), QByteArray("earlier palette"));
    QCOMPARE(QDir(decks.scratch.path()).entryList(QDir::Files),
             (QStringList {"kept.palette", "state.ini"}));

    QVERIFY(!palette.saveTo(XmlPalette, decks.path("no-such-folder/new.palette"), &error));
    QVERIFY(palette.saveTo(XmlPalette, path));
    QVERIFY(readAll(path).startsWith(kBom + kDeclaration));
}

void PaletteFileTest::failedSaveIntoReadOnlyFolder_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("fileName");

    QTest::newRow("palette") << int(XmlPalette) << QStringLiteral("kept.palette");
    QTest::newRow("text export") << int(PlainText) << QStringLiteral("kept.txt");
}

// A folder the user may not write to, holding a file the user may write: the save must not
// fall back to writing the file in place, which a failure half-way would leave cut off.
void PaletteFileTest::failedSaveIntoReadOnlyFolder()
{
    QFETCH(int, format);
    QFETCH(QString, fileName);

    PaletteDecks decks;
    PaletteModel palette(decks.store);
    palette.setCell(QPoint(0, 0), PaletteDecks::alpha(),
                    decks.entry(PaletteDecks::alpha(), "A-101"));
    QVERIFY(QDir(decks.scratch.path()).mkdir(QStringLiteral("locked")));
    const QString folder = decks.path("locked");
    const QString path = decks.writeFile("locked/" + fileName, "earlier palette");
    const auto all = QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther
        | QFileDevice::ExeOwner | QFileDevice::ExeGroup | QFileDevice::ExeOther;
    QVERIFY(QFile::setPermissions(decks.scratch.path(), all));
    QVERIFY(QFile::setPermissions(folder, all)); // 0555
    QVERIFY(QFile::setPermissions(path,
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                      | QFileDevice::ReadGroup | QFileDevice::WriteGroup
                                      | QFileDevice::ReadOther | QFileDevice::WriteOther));

    QString error;
    bool saved = true;
    {
        const UnprivilegedFileAccess unprivileged;
        saved = palette.saveTo(PaletteFileFormat(format), path, &error);
    }
    QFile::setPermissions(folder, all | QFileDevice::WriteOwner);

    QVERIFY(!saved);
    QVERIFY(!error.isEmpty());
    QCOMPARE(readAll(path), QByteArray("earlier palette"));
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList {fileName});
    // The same save succeeds once the folder is writable.
    QVERIFY(palette.saveTo(PaletteFileFormat(format), path));
    QVERIFY(readAll(path).startsWith(kBom));
}
