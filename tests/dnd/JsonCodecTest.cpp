#include "JsonCodecTest.h"

#include "JsonCodec.h"

#include <QRect>
#include <QTest>
#include <QUuid>

using Corvane::JsonCodec;

void JsonCodecTest::serialize_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QByteArray>("text");

    QTest::newRow("null") << QVariant() << QByteArray("null");
    QTest::newRow("empty list") << QVariant(QVariantList()) << QByteArray("[  ]");
    QTest::newRow("list") << QVariant(QVariantList {1, "a", true, QVariant()})
                          << QByteArray("[ 1, \"a\", true, null ]");
    QTest::newRow("string list") << QVariant(QStringList {"x", "y"})
                                 << QByteArray("[ \"x\", \"y\" ]");
    QTest::newRow("map in key order")
        << QVariant(QVariantMap {{"from", 3}, {"colorId", 1234}, {"a", QVariantMap()}})
        << QByteArray("{ \"a\" : {  }, \"colorId\" : 1234, \"from\" : 3 }");
    QTest::newRow("hash") << QVariant(QVariantHash {{"k", false}})
                          << QByteArray("{ \"k\" : false }");
    QTest::newRow("escapes") << QVariant(QStringLiteral("a\"b\\c\b\f\n\r\t/\x01"))
                             << QByteArray("\"a\\\"b\\\\c\\b\\f\\n\\r\\t/\x01\"");
    QTest::newRow("non-ASCII once in UTF-8")
        << QVariant(QStringLiteral("Grün")) << QByteArray("\"Gr\xc3\xbcn\"");
    QTest::newRow("byte array") << QVariant(QByteArray("raw")) << QByteArray("\"raw\"");
    QTest::newRow("double with point") << QVariant(12.5) << QByteArray("12.5");
    QTest::newRow("whole double") << QVariant(3.0) << QByteArray("3.0");
    QTest::newRow("double with exponent") << QVariant(1e21) << QByteArray("1e+21");
    QTest::newRow("negative int") << QVariant(-5) << QByteArray("-5");
    QTest::newRow("unsigned int") << QVariant(0xFFFF0000u) << QByteArray("4294901760");
    QTest::newRow("64-bit") << QVariant(Q_INT64_C(-9000000000)) << QByteArray("-9000000000");
    QTest::newRow("unsigned 64-bit")
        << QVariant(Q_UINT64_C(18446744073709551615)) << QByteArray("18446744073709551615");
    QTest::newRow("convertible to text")
        << QVariant(QUuid::fromString(QStringLiteral("{1b4e28ba-2fa1-11d2-883f-0016d3cca427}")))
        << QByteArray("\"{1b4e28ba-2fa1-11d2-883f-0016d3cca427}\"");
}

void JsonCodecTest::serialize()
{
    QFETCH(QVariant, value);
    QFETCH(QByteArray, text);

    bool ok = false;
    QCOMPARE(JsonCodec::serialize(value, ok), text);
    QVERIFY(ok);
}

void JsonCodecTest::serializeFailure_data()
{
    QTest::addColumn<QVariant>("value");

    QTest::newRow("rectangle") << QVariant(QRect(1, 2, 3, 4));
    QTest::newRow("inside a list") << QVariant(QVariantList {1, QRect()});
    QTest::newRow("inside a map") << QVariant(QVariantMap {{"a", 1}, {"b", QRect()}});
}

void JsonCodecTest::serializeFailure()
{
    QFETCH(QVariant, value);

    bool ok = true;
    QVERIFY(JsonCodec::serialize(value, ok).isNull());
    QVERIFY(!ok);
}

void JsonCodecTest::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<int>("type");

    const int invalid = QMetaType::UnknownType;
    QTest::newRow("null text") << QString() << QVariant() << invalid;
    QTest::newRow("empty text fails") << QString("") << QVariant() << -1;
    QTest::newRow("null") << "null" << QVariant() << invalid;
    QTest::newRow("true, rest ignored") << "  true false" << QVariant(true) << int(QMetaType::Bool);
    QTest::newRow("false") << "false" << QVariant(false) << int(QMetaType::Bool);
    QTest::newRow("double") << "12.50" << QVariant(12.5) << int(QMetaType::Double);
    QTest::newRow("signed") << "-3" << QVariant(Q_INT64_C(-3)) << int(QMetaType::LongLong);
    QTest::newRow("unsigned") << "3" << QVariant(Q_UINT64_C(3)) << int(QMetaType::ULongLong);
    QTest::newRow("large unsigned")
        << "18446744073709551615" << QVariant(Q_UINT64_C(18446744073709551615))
        << int(QMetaType::ULongLong);
    QTest::newRow("exponent without point")
        << "1e5" << QVariant(Q_UINT64_C(0)) << int(QMetaType::ULongLong);
    QTest::newRow("exponent with point") << "1.5e3" << QVariant(1500.0) << int(QMetaType::Double);
    QTest::newRow("two points") << "1.2.3" << QVariant(0.0) << int(QMetaType::Double);
    QTest::newRow("sparse list") << "[1,,2,]" << QVariant(QVariantList {1u, 2u})
                                 << int(QMetaType::QVariantList);
    QTest::newRow("list without commas")
        << "[ \"a\" \"b\" ]" << QVariant(QVariantList {"a", "b"}) << int(QMetaType::QVariantList);
    QTest::newRow("empty object") << "{}" << QVariant(QVariantMap()) << int(QMetaType::QVariantMap);
    QTest::newRow("object with stray commas")
        << "{ , \"a\" : [ ], , \"b\":null, }"
        << QVariant(QVariantMap {{"a", QVariantList()}, {"b", QVariant()}})
        << int(QMetaType::QVariantMap);
    QTest::newRow("later duplicate wins")
        << "{\"k\":1,\"k\":2}" << QVariant(QVariantMap {{"k", 2u}}) << int(QMetaType::QVariantMap);
    QTest::newRow("escapes") << "\"\\\"\\\\\\/\\b\\f\\n\\r\\t\\u00e9\\u20AC\""
                             << QVariant(QStringLiteral("\"\\/\b\f\n\r\t\u00e9\u20ac"))
                             << int(QMetaType::QString);
    QTest::newRow("unknown escape dropped")
        << "\"a\\qb\"" << QVariant("ab") << int(QMetaType::QString);
    QTest::newRow("non-hex escape gives zero")
        << "\"\\uzzzz\"" << QVariant(QString(QChar(0))) << int(QMetaType::QString);
    QTest::newRow("non-ASCII") << QStringLiteral("\"Grün\"") << QVariant(QStringLiteral("Grün"))
                               << int(QMetaType::QString);
    QTest::newRow("nested") << "{\"a\":{\"b\":[{\"c\":-1.0}]}}"
                            << QVariant(QVariantMap {
                                   {"a",
                                    QVariantMap {{"b", QVariantList {QVariantMap {{"c", -1.0}}}}}}})
                            << int(QMetaType::QVariantMap);
    QTest::newRow("deep but allowed")
        << QString(100, '[') + QString(100, ']') << QVariant() << int(QMetaType::QVariantList);
}

void JsonCodecTest::parse()
{
    QFETCH(QString, text);
    QFETCH(QVariant, value);
    QFETCH(int, type);

    bool ok = false;
    const QVariant parsed = JsonCodec::parse(text, ok);
    QCOMPARE(ok, type >= 0);
    if (type < 0)
        return;
    QCOMPARE(parsed.typeId(), type);
    if (value.isValid())
        QCOMPARE(parsed, value);
}

void JsonCodecTest::parseFailure_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("open bracket") << "[";
    QTest::newRow("tru") << "tru";
    QTest::newRow("nul") << "nul";
    QTest::newRow("plus sign") << "+1";
    QTest::newRow("colon") << ":";
    QTest::newRow("closing brace") << "}";
    QTest::newRow("unterminated string") << "\"abc";
    QTest::newRow("backslash at the end") << "\"abc\\";
    QTest::newRow("short unicode escape") << "\"\\u12\"";
    QTest::newRow("key without colon") << "{\"a\" 1}";
    QTest::newRow("unterminated object") << "{\"a\":1";
    QTest::newRow("bad value in object") << "{\"a\":x}";
    QTest::newRow("bad value in list") << "[1, :]";
    QTest::newRow("unterminated nested list") << "[[1], [2";
    QTest::newRow("100000 nested lists") << QString(100000, '[');
    QTest::newRow("100000 nested objects") << QString(100000, '{').replace("{", "{\"k\":");
    QTest::newRow("100000 closed lists") << QString(100000, '[') + QString(100000, ']');
}

void JsonCodecTest::parseFailure()
{
    QFETCH(QString, text);

    bool ok = true;
    const QVariant parsed = JsonCodec::parse(text, ok);
    QVERIFY(!ok);
    // A failed container is empty, never half filled.
    QVERIFY(parsed.toList().isEmpty() && parsed.toMap().isEmpty());
}

void JsonCodecTest::roundTrip()
{
    const QVariantMap value {{"names", QStringList {"Quote \" and \\ and\nline", "Grün €"}},
                             {"numbers", QVariantList {Q_INT64_C(-7), 0.25}},
                             {"flag", true}};
    bool ok = false;
    const QByteArray text = JsonCodec::serialize(value, ok);
    QVERIFY(ok);
    const QVariant parsed = JsonCodec::parse(QString::fromUtf8(text), ok);
    QVERIFY(ok);
    QCOMPARE(parsed.toMap().value("names").toStringList(), value.value("names").toStringList());
    QCOMPARE(parsed.toMap().value("numbers"), value.value("numbers"));
    QCOMPARE(parsed.toMap().value("flag"), QVariant(true));

    // A huge text is read in one pass.
    const QString huge
        = QLatin1Char('"') + QString(10 * 1024 * 1024, QLatin1Char('x')) + QLatin1Char('"');
    QCOMPARE(JsonCodec::parse(huge, ok).toString().size(), 10 * 1024 * 1024);
    QVERIFY(ok);
}
