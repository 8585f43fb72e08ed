#include "CxF3ReaderTest.h"

#include "CaptureFiles.h"
#include "CxF3Reader.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace Corvane;
using namespace Corvane::Test;

namespace {

const QString kOtherNamespace = QStringLiteral("http://example.invalid/not-cxf3");

QByteArray billionLaughs()
{
    QByteArray text = "<?xml version=\"1.0\"?>\n<!DOCTYPE cc:CxF [\n <!ENTITY l0 \"lol\">\n";
    for (int i = 1; i < 12; ++i)
        text += QStringLiteral(" <!ENTITY l%1 \"&l%2;&l%2;&l%2;&l%2;&l%2;&l%2;&l%2;&l%2;&l%2;"
                               "&l%2;\">\n")
                    .arg(i)
                    .arg(i - 1)
                    .toLatin1();
    text += "]>\n<cc:CxF xmlns:cc=\"http://colorexchangeformat.com/CxF3-core\">"
            "<cc:Object Name=\"&l11;\"/></cc:CxF>\n";
    return text;
}

QByteArray deepNesting(int depth)
{
    return "<cc:CxF xmlns:cc=\"http://colorexchangeformat.com/CxF3-core\">"
        + QByteArray("<a>").repeated(depth) + "<cc:Object Name=\"DEEP\"/>"
        + QByteArray("</a>").repeated(depth) + "</cc:CxF>";
}

} // namespace

void CxF3ReaderTest::names_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("isCxf3");
    QTest::addColumn<QStringList>("names");

    const QList<QPair<QString, QColor>> two {{"A-100", QColor(1, 2, 3)},
                                             {"Misty \"Blue\" & O'Hara", QColor(4, 5, 6)}};
    QTest::newRow("device file, document order")
        << cxf3Document(two) << true << QStringList {"A-100", "Misty \"Blue\" & O'Hara"};
    QTest::newRow("another prefix") << cxf3Document(two, QStringLiteral("x")) << true
                                    << QStringList {"A-100", "Misty \"Blue\" & O'Hara"};
    QTest::newRow("default namespace")
        << cxf3Document(two, QString()) << true << QStringList {"A-100", "Misty \"Blue\" & O'Hara"};
    QTest::newRow("no namespace") << QByteArray("<CxF><Object Name=\"A-100\"/></CxF>") << false
                                  << QStringList();
    QTest::newRow("another namespace")
        << cxf3Document(two, QStringLiteral("cc"), kOtherNamespace) << false << QStringList();
    QTest::newRow("objects anywhere, empty and missing names skipped")
        << QByteArray("<cc:CxF xmlns:cc=\"http://colorexchangeformat.com/CxF3-core\">"
                      "<cc:Object Name=\"\"/><x><y><cc:Object Name=\"deep\"/></y></x>"
                      "<cc:Object Id=\"3\"/><Object Name=\"plain\"/>"
                      "<cc:Object cc:Name=\"qualified\"/><cc:Object Name=\"é\"/></cc:CxF>")
        << true << QStringList {"deep", "é"};
    QTest::newRow("CxF3 objects under a foreign root")
        << QByteArray("<root><cc:Object xmlns:cc=\"http://colorexchangeformat.com/CxF3-core\" "
                      "Name=\"A-100\"/></root>")
        << false << QStringList {"A-100"};
}

void CxF3ReaderTest::names()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, isCxf3);
    QFETCH(QStringList, names);

    const CaptureFileContents contents = readCaptureNames(bytes);
    QVERIFY(contents.isXml);
    QCOMPARE(contents.isCxf3, isCxf3);
    QCOMPARE(contents.error.isEmpty(), isCxf3);
    QCOMPARE(contents.names, names);
}

void CxF3ReaderTest::hostileDocuments_data()
{
    QTest::addColumn<QByteArray>("bytes");

    const QByteArray device
        = cxf3Document({{QStringLiteral("A-100"), QColor(1, 2, 3)}, {"B-200", QColor(4, 5, 6)}});
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("not XML") << QByteArray("A-100,12,34,56\n");
    QTest::newRow("truncated") << device.left(device.size() / 2);
    QTest::newRow("binary") << QByteArray("\x00\xff\xfe<cc:CxF", 9);
    QTest::newRow("entity expansion") << billionLaughs();
    QTest::newRow("external entity")
        << QByteArray("<?xml version=\"1.0\"?>\n<!DOCTYPE cc:CxF [<!ENTITY x SYSTEM "
                      "\"file:///etc/passwd\">]>\n<cc:CxF xmlns:cc=\"http://"
                      "colorexchangeformat.com/CxF3-core\"><cc:Object Name=\"&x;\"/></cc:CxF>");
    QTest::newRow("external DTD over the network")
        << QByteArray("<?xml version=\"1.0\"?>\n<!DOCTYPE cc:CxF SYSTEM "
                      "\"http://127.0.0.1:9/cxf.dtd\">\n<cc:CxF xmlns:cc=\"http://"
                      "colorexchangeformat.com/CxF3-core\"><cc:Object Name=\"A\"/></cc:CxF>");
    QTest::newRow("deep nesting") << deepNesting(100000);
    QTest::newRow("larger than the limit") << device + QByteArray(int(maxCaptureFileSize), ' ');
}

// Broken and hostile files yield no names, quickly, and nothing beyond the bytes is read.
void CxF3ReaderTest::hostileDocuments()
{
    QFETCH(QByteArray, bytes);

    QElapsedTimer timer;
    timer.start();
    const CaptureFileContents contents = readCaptureNames(bytes);
    QVERIFY2(timer.elapsed() < 5000, "reading took too long");
    QVERIFY(!contents.isCxf3);
    QVERIFY(!contents.error.isEmpty());
    QVERIFY(contents.names.isEmpty());
}

void CxF3ReaderTest::manyObjectsAreCapped()
{
    QList<QPair<QString, QColor>> objects;
    for (int i = 0; i < maxCaptureNames + 10; ++i)
        objects.append({QStringLiteral("N-%1").arg(i), QColor(i % 256, 0, 0)});
    const CaptureFileContents contents = readCaptureNames(cxf3Document(objects));
    QCOMPARE(contents.names.size(), maxCaptureNames);
    QCOMPARE(contents.names.last(), QStringLiteral("N-%1").arg(maxCaptureNames - 1));
}

void CxF3ReaderTest::labValues_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("objects"); // name, index among the names, L/a/b or "none"
    QTest::addColumn<QString>("note");

    QTest::newRow("D65 and no illuminant are taken as they are")
        << cxf3LabDocument({{"A", 52.1, 24.3, 6.8, "D65"}, {"B", 30, -40, 20, ""}})
        << QStringList {"A:0:52.10/24.30/6.80", "B:1:30.00/-40.00/20.00"} << "";
    QTest::newRow("D50 is adapted to D65") << cxf3LabDocument({{"Rose", 52.1, 24.3, 6.8, "D50"}})
                                           << QStringList {"Rose:0:51.87/23.86/6.33"} << "";
    QTest::newRow("object without a name")
        << cxf3LabDocument({{QString(), 40, 1, 2, ""}, {"Named", 41, 1, 2, ""}})
        << QStringList {":-1:40.00/1.00/2.00", "Named:0:41.00/1.00/2.00"} << "";
    QTest::newRow("unknown illuminant")
        << cxf3LabDocument({{"X", 50, 0, 0, "F12"}}) << QStringList {"X:0:none"}
        << "\"X\": unknown illuminant \"F12\"";
    QTest::newRow("lightness out of range")
        << cxf3LabDocument({{"X", 500, 0, 0, ""}}) << QStringList {"X:0:none"}
        << "\"X\": its ColorCIELab has no usable L, A and B";
    const QByteArray head("<cc:CxF xmlns:cc=\"http://colorexchangeformat.com/CxF3-core\">");
    QTest::newRow("component missing") << head
            + "<cc:Object Name=\"X\"><cc:ColorValues><cc:ColorCIELab><cc:L>5</cc:L>"
              "<cc:A>1</cc:A></cc:ColorCIELab></cc:ColorValues></cc:Object></cc:CxF>"
                                       << QStringList {"X:0:none"} << "no usable L, A and B";
    QTest::newRow("not a number") << head
            + "<cc:Object Name=\"X\"><cc:ColorValues><cc:ColorCIELab><cc:L>nan</cc:L>"
              "<cc:A>1</cc:A><cc:B>1</cc:B></cc:ColorCIELab></cc:ColorValues></cc:Object>"
              "</cc:CxF>" << QStringList {"X:0:none"}
                                  << "no usable L, A and B";
    QTest::newRow("undefined ColorSpecification id, sRGB-only object")
        << head
            + "<cc:Object Name=\"X\"><cc:ColorValues><cc:ColorCIELab ColorSpecification="
              "\"Lab-D50\"><cc:L>5</cc:L><cc:A>1</cc:A><cc:B>2</cc:B></cc:ColorCIELab>"
              "</cc:ColorValues></cc:Object><cc:Object Name=\"Y\"><cc:ColorValues>"
              "<cc:ColorSRGB><cc:R>1</cc:R><cc:G>2</cc:G><cc:B>3</cc:B></cc:ColorSRGB>"
              "</cc:ColorValues></cc:Object></cc:CxF>"
        << QStringList {"X:0:5.00/1.00/2.00", "Y:1:none"} << "";
}

// Each object's CIELAB value, relative to D65; values that cannot be used are noted.
void CxF3ReaderTest::labValues()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, objects);
    QFETCH(QString, note);

    const CaptureFileContents contents = readCaptureNames(bytes);
    QVERIFY2(contents.isCxf3, qPrintable(contents.error));
    QStringList found;
    for (const CaptureObject &object : contents.objects) {
        const QString lab = object.hasLab ? QStringLiteral("%1/%2/%3")
                                                .arg(object.lab.l, 0, 'f', 2)
                                                .arg(object.lab.a, 0, 'f', 2)
                                                .arg(object.lab.b, 0, 'f', 2)
                                          : QStringLiteral("none");
        found.append(QStringLiteral("%1:%2:%3").arg(object.name).arg(object.nameIndex).arg(lab));
    }
    QCOMPARE(found, objects);
    QCOMPARE(contents.notes.join(QLatin1Char('|')).contains(note), true);
    QCOMPARE(contents.notes.isEmpty(), note.isEmpty());
}

void CxF3ReaderTest::captureFiles_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("readable");

    QTest::newRow("regular file") << "file" << true;
    QTest::newRow("missing") << "missing" << false;
    QTest::newRow("folder") << "folder" << false;
    QTest::newRow("pipe") << "pipe" << false;
    QTest::newRow("held: not writable") << "read-only" << false;
    QTest::newRow("larger than the limit") << "huge" << false;
}

// What counts as a capture file that can be imported; a missing one is not created.
void CxF3ReaderTest::captureFiles()
{
    QFETCH(QString, kind);
    QFETCH(bool, readable);

    if (kind == QLatin1String("read-only") && geteuid() == 0)
        QSKIP("permissions do not hold a file back from root");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("capsure.cxf"));
    const QByteArray device = cxf3Document({{QStringLiteral("A-100"), QColor(1, 2, 3)}});
    if (kind == QLatin1String("folder")) {
        QVERIFY(QDir().mkpath(path));
    } else if (kind == QLatin1String("pipe")) {
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (kind != QLatin1String("missing")) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(kind == QLatin1String("huge") ? QByteArray(int(maxCaptureFileSize) + 1, ' ')
                                                 : device);
        file.close();
        if (kind == QLatin1String("read-only"))
            QVERIFY(file.setPermissions(QFileDevice::ReadOwner));
    }

    QByteArray bytes("left over");
    QCOMPARE(readCaptureFile(path, bytes), readable);
    QCOMPARE(bytes, readable ? device : QByteArray());
    if (kind == QLatin1String("missing"))
        QVERIFY(!QFile::exists(path));
}
