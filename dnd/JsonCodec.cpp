#include "JsonCodec.h"

#include <QVariantHash>
#include <QVariantList>
#include <QVariantMap>

namespace Corvane {

namespace {

const QString kNumberCharacters = QStringLiteral("0123456789+-.eE");
constexpr int kHexDigits = 4;

QByteArray quoted(QString text)
{
    text.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    text.replace(QLatin1Char('"'), QLatin1String("\\\""));
    text.replace(QLatin1Char('\b'), QLatin1String("\\b"));
    text.replace(QLatin1Char('\f'), QLatin1String("\\f"));
    text.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    text.replace(QLatin1Char('\r'), QLatin1String("\\r"));
    text.replace(QLatin1Char('\t'), QLatin1String("\\t"));
    return '"' + text.toUtf8() + '"';
}

QByteArray doubleText(double value)
{
    QByteArray text = QByteArray::number(value, 'g', 20);
    if (!text.contains('.') && !text.contains('e'))
        text += ".0";
    return text;
}

bool write(const QVariant &value, QByteArray &out);

// Writes "open element, element close" of what `write` makes of each element; fails as a whole.
template<typename Range, typename WriteOne>
bool writeJoined(const Range &range, const char *open, const char *close, WriteOne writeOne,
                 QByteArray &out)
{
    QByteArray text = open;
    bool first = true;
    for (auto it = range.cbegin(); it != range.cend(); ++it) {
        if (!first)
            text += ", ";
        first = false;
        if (!writeOne(it, text))
            return false;
    }
    out += text + close;
    return true;
}

template<typename Map> bool writeObject(const Map &map, QByteArray &out)
{
    return writeJoined(
        map, "{ ", " }",
        [](auto it, QByteArray &text) {
            text += quoted(it.key()) + " : ";
            return write(it.value(), text);
        },
        out);
}

bool write(const QVariant &value, QByteArray &out)
{
    if (!value.isValid()) {
        out += "null";
        return true;
    }
    switch (value.typeId()) {
    case QMetaType::QVariantList:
    case QMetaType::QStringList:
        return writeJoined(
            value.toList(), "[ ", " ]", [](auto it, QByteArray &text) { return write(*it, text); },
            out);
    case QMetaType::QVariantMap:
        return writeObject(value.toMap(), out);
    case QMetaType::QVariantHash:
        return writeObject(value.toHash(), out);
    case QMetaType::QString:
    case QMetaType::QByteArray:
        out += quoted(value.toString());
        return true;
    case QMetaType::Double:
    case QMetaType::Float:
        out += doubleText(value.toDouble());
        return true;
    case QMetaType::Bool:
        out += value.toBool() ? "true" : "false";
        return true;
    case QMetaType::ULongLong:
        out += QByteArray::number(value.toULongLong());
        return true;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
        out += QByteArray::number(value.toLongLong());
        return true;
    case QMetaType::Long:
        out += QString::number(value.toLongLong()).toUtf8();
        return true;
    case QMetaType::ULong:
        out += QString::number(value.toULongLong()).toUtf8();
        return true;
    default:
        break;
    }
    if (!value.canConvert<QString>())
        return false;
    out += quoted(value.toString());
    return true;
}

enum class Token {
    None,
    String,
    Comma,
    Number,
    Colon,
    ArrayOpen,
    ArrayClose,
    ObjectOpen,
    ObjectClose,
    True,
    False,
    Null
};

// Recursive descent over the text; `m_index` is the read position.
class Parser
{
public:
    explicit Parser(const QString &text) : m_text(text) { }

    QVariant value(bool &ok, int depth);

private:
    bool isWhitespace(QChar c) const
    {
        return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n')
            || c == QLatin1Char('\r');
    }
    void skipWhitespace()
    {
        while (m_index < m_text.size() && isWhitespace(m_text.at(m_index)))
            ++m_index;
    }
    bool startsWithAt(int index, QLatin1String word) const
    {
        return QStringView(m_text).mid(index, word.size()) == word;
    }
    Token nextToken();
    Token lookAhead()
    {
        const int index = m_index;
        const Token token = nextToken();
        m_index = index;
        return token;
    }
    QVariantMap object(bool &ok, int depth);
    QVariantList array(bool &ok, int depth);
    QString string(bool &ok);
    QVariant number();

    const QString &m_text;
    int m_index = 0;
};

Token Parser::nextToken()
{
    skipWhitespace();
    if (m_index >= m_text.size())
        return Token::None;
    const QChar c = m_text.at(m_index++);
    switch (c.unicode()) {
    case '"':
        return Token::String;
    case ',':
        return Token::Comma;
    case ':':
        return Token::Colon;
    case '[':
        return Token::ArrayOpen;
    case ']':
        return Token::ArrayClose;
    case '{':
        return Token::ObjectOpen;
    case '}':
        return Token::ObjectClose;
    default:
        break;
    }
    if (c == QLatin1Char('-') || (c >= QLatin1Char('0') && c <= QLatin1Char('9')))
        return Token::Number;
    --m_index;
    const struct
    {
        QLatin1String word;
        Token token;
    } words[] = {{QLatin1String("true"), Token::True},
                 {QLatin1String("false"), Token::False},
                 {QLatin1String("null"), Token::Null}};
    for (const auto &word : words) {
        if (startsWithAt(m_index, word.word)) {
            m_index += word.word.size();
            return word.token;
        }
    }
    return Token::None;
}

QVariant Parser::value(bool &ok, int depth)
{
    if (depth > JsonCodec::maxDepth) {
        ok = false;
        return QVariant();
    }
    switch (lookAhead()) {
    case Token::ObjectOpen:
        return object(ok, depth + 1);
    case Token::ArrayOpen:
        return array(ok, depth + 1);
    case Token::String:
        return string(ok);
    case Token::Number:
        return number();
    case Token::True:
    case Token::False:
        return nextToken() == Token::True;
    case Token::Null:
        nextToken();
        return QVariant();
    default:
        ok = false;
        return QVariant();
    }
}

QVariantMap Parser::object(bool &ok, int depth)
{
    QVariantMap map;
    nextToken();
    for (;;) {
        const Token token = lookAhead();
        if (token == Token::None)
            break;
        if (token == Token::Comma) {
            nextToken();
            continue;
        }
        if (token == Token::ObjectClose) {
            nextToken();
            return map;
        }
        const QString key = string(ok);
        if (!ok || nextToken() != Token::Colon)
            break;
        const QVariant element = value(ok, depth);
        if (!ok)
            break;
        map.insert(key, element);
    }
    ok = false;
    return QVariantMap();
}

QVariantList Parser::array(bool &ok, int depth)
{
    QVariantList list;
    nextToken();
    for (;;) {
        const Token token = lookAhead();
        if (token == Token::None)
            break;
        if (token == Token::Comma) {
            nextToken();
            continue;
        }
        if (token == Token::ArrayClose) {
            nextToken();
            return list;
        }
        const QVariant element = value(ok, depth);
        if (!ok)
            break;
        list.append(element);
    }
    ok = false;
    return QVariantList();
}

QString Parser::string(bool &ok)
{
    QString text;
    skipWhitespace();
    ++m_index; // the opening quote, whatever character stands there
    while (m_index < m_text.size()) {
        const QChar c = m_text.at(m_index++);
        if (c == QLatin1Char('"'))
            return text;
        if (c != QLatin1Char('\\')) {
            text.append(c);
            continue;
        }
        if (m_index >= m_text.size())
            break;
        const QChar escaped = m_text.at(m_index++);
        switch (escaped.unicode()) {
        case '"':
        case '\\':
        case '/':
            text.append(escaped);
            break;
        case 'b':
            text.append(QLatin1Char('\b'));
            break;
        case 'f':
            text.append(QLatin1Char('\f'));
            break;
        case 'n':
            text.append(QLatin1Char('\n'));
            break;
        case 'r':
            text.append(QLatin1Char('\r'));
            break;
        case 't':
            text.append(QLatin1Char('\t'));
            break;
        case 'u':
            if (m_text.size() - m_index < kHexDigits) {
                ok = false;
                return QString();
            }
            // A group that is not hexadecimal gives code 0.
            text.append(QChar(m_text.mid(m_index, kHexDigits).toUShort(nullptr, 16)));
            m_index += kHexDigits;
            break;
        default:
            break; // an unknown escape drops both characters
        }
    }
    ok = false;
    return QString();
}

QVariant Parser::number()
{
    skipWhitespace();
    const int start = m_index;
    while (m_index < m_text.size() && kNumberCharacters.contains(m_text.at(m_index)))
        ++m_index;
    const QString text = m_text.mid(start, m_index - start);
    if (text.contains(QLatin1Char('.')))
        return text.toDouble();
    if (text.startsWith(QLatin1Char('-')))
        return text.toLongLong();
    return text.toULongLong();
}

} // namespace

QByteArray JsonCodec::serialize(const QVariant &value, bool &ok)
{
    QByteArray text;
    ok = write(value, text);
    return ok ? text : QByteArray();
}

QVariant JsonCodec::parse(const QString &text, bool &ok)
{
    ok = true;
    if (text.isNull())
        return QVariant();
    Parser parser(text);
    return parser.value(ok, 0);
}

} // namespace Corvane
