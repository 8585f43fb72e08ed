#include "DeckReader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <algorithm>
#include <climits>

namespace Corvane::Builder {

namespace {

constexpr int kNameColumns = 10;

const QStringList kMoodNames
    = {QStringLiteral("fresh"), QStringLiteral("warm"),     QStringLiteral("calm"),
       QStringLiteral("rich"),  QStringLiteral("offwhite"), QStringLiteral("neutral")};

// A problem in the input, reported as "file:line: field: message".
struct InputError
{
    QString text;
};

void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

// One CSV record with the line it starts on.
struct Record
{
    int line = 0;
    QStringList fields;
};

// Splits CSV text into records; quoted fields may hold separators, quotes ("") and line breaks.
QVector<Record> splitRecords(const QString &text, const QString &fileName)
{
    QVector<Record> records;
    Record record;
    QString field;
    bool quoted = false;
    bool fieldStarted = false;
    int line = 1;
    record.line = 1;
    const auto endRecord = [&]() {
        record.fields.append(field);
        const bool blank = record.fields.size() == 1 && record.fields.first().trimmed().isEmpty();
        if (!blank)
            records.append(record);
        record = Record {line, {}};
        field.clear();
        fieldStarted = false;
    };
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('"')) {
                    field.append(c);
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                if (c == QLatin1Char('\n'))
                    ++line;
                field.append(c);
            }
            continue;
        }
        if (c == QLatin1Char('"') && !fieldStarted) {
            quoted = true;
            fieldStarted = true;
        } else if (c == QLatin1Char(',')) {
            record.fields.append(field);
            field.clear();
            fieldStarted = false;
        } else if (c == QLatin1Char('\n')) {
            ++line;
            endRecord();
        } else if (c != QLatin1Char('\r')) {
            field.append(c);
            if (!c.isSpace())
                fieldStarted = true;
        }
    }
    if (quoted)
        throw InputError {
            QStringLiteral("%1:%2: a quoted field is not closed").arg(fileName).arg(record.line)};
    endRecord();
    return records;
}

// Reads the fields of one deck line by column name.
class DeckLine
{
public:
    DeckLine(const QString &fileName, const Record &record, const QHash<QString, int> &columns)
        : m_fileName(fileName), m_record(record), m_columns(columns)
    { }

    int line() const { return m_record.line; }
    bool has(const QString &column) const { return m_columns.contains(column); }
    QString text(const QString &column) const
    {
        return m_record.fields.value(m_columns.value(column, -1)).trimmed();
    }

    [[noreturn]] void fail(const QString &column, const QString &message) const
    {
        throw InputError {
            QStringLiteral("%1:%2: %3: %4").arg(m_fileName).arg(line()).arg(column, message)};
    }

    int integer(const QString &column, int low, int high, const QString &expected) const
    {
        bool ok = false;
        const int value = text(column).toInt(&ok);
        if (!ok || value < low || value > high)
            fail(column, QStringLiteral("\"%1\" is not %2").arg(text(column), expected));
        return value;
    }

    bool flag(const QString &column) const
    {
        const QString value = text(column).toLower();
        if (value.isEmpty() || value == QLatin1String("0") || value == QLatin1String("no")
            || value == QLatin1String("false"))
            return false;
        if (value == QLatin1String("1") || value == QLatin1String("yes")
            || value == QLatin1String("true") || value == QLatin1String("x"))
            return true;
        fail(column, QStringLiteral("\"%1\" is not 0 or 1").arg(text(column)));
    }

    int mood() const
    {
        const QString value = text(QStringLiteral("mood")).toLower();
        if (value.isEmpty() || value == QLatin1String("none") || value == QLatin1String("0"))
            return 0;
        const int named = kMoodNames.indexOf(value);
        if (named >= 0)
            return named + 1;
        bool ok = false;
        const int number = value.toInt(&ok);
        if (ok && number >= 1 && number <= kMoodNames.size())
            return number;
        fail(QStringLiteral("mood"),
             QStringLiteral("unknown mood \"%1\" (one of %2, or empty)")
                 .arg(text(QStringLiteral("mood")), kMoodNames.join(QStringLiteral(", "))));
    }

private:
    QString m_fileName;
    const Record &m_record;
    const QHash<QString, int> &m_columns;
};

QStringList knownColumns()
{
    QStringList columns
        = {QStringLiteral("code"),    QStringLiteral("red"),     QStringLiteral("green"),
           QStringLiteral("blue"),    QStringLiteral("card"),    QStringLiteral("position"),
           QStringLiteral("segment"), QStringLiteral("mood"),    QStringLiteral("exterior"),
           QStringLiteral("mto"),     QStringLiteral("neutral"), QStringLiteral("white")};
    for (int i = 0; i < kNameColumns; ++i)
        columns << QStringLiteral("name%1").arg(i) << QStringLiteral("extra%1").arg(i);
    return columns;
}

QHash<QString, int> readHeader(const QString &fileName, const Record &header)
{
    const QStringList known = knownColumns();
    QHash<QString, int> columns;
    for (int i = 0; i < header.fields.size(); ++i) {
        QString name = header.fields.at(i).trimmed().toLower();
        if (name == QLatin1String("name"))
            name = QStringLiteral("name0");
        const auto fail = [&](const QString &message) {
            throw InputError {QStringLiteral("%1:%2: %3: %4")
                                  .arg(fileName)
                                  .arg(header.line)
                                  .arg(header.fields.at(i).trimmed(), message)};
        };
        if (!known.contains(name))
            fail(QStringLiteral("unknown column"));
        if (columns.contains(name))
            fail(QStringLiteral("column named twice"));
        columns.insert(name, i);
    }
    for (const char *required : {"code", "red", "green", "blue", "card", "position"}) {
        if (!columns.contains(QLatin1String(required)))
            throw InputError {QStringLiteral("%1:%2: %3: required column missing")
                                  .arg(fileName)
                                  .arg(header.line)
                                  .arg(QLatin1String(required))};
    }
    return columns;
}

QStringList numberedTexts(const DeckLine &line, const QString &prefix)
{
    QStringList texts;
    for (int i = 0; i < kNameColumns; ++i)
        texts << line.text(prefix + QString::number(i));
    return texts;
}

// Where each code, card position and card was first seen, for the error messages.
struct DeckIndex
{
    QHash<QString, int> codeLines;
    QHash<QPair<int, int>, int> positionLines;
    QHash<int, int> cardOfNumber; // card number to its index in the collection's cards
};

ChipData readChip(const DeckLine &line, DeckIndex &index, CollectionData &collection)
{
    const QString range = QStringLiteral("a whole number from 0 to 255");
    const QString positive = QStringLiteral("a whole number above 0");
    ChipData chip;
    chip.code = line.text(QStringLiteral("code"));
    if (chip.code.isEmpty())
        line.fail(QStringLiteral("code"), QStringLiteral("empty"));
    chip.names = numberedTexts(line, QStringLiteral("name"));
    chip.extras = numberedTexts(line, QStringLiteral("extra"));
    chip.red = line.integer(QStringLiteral("red"), 0, 255, range);
    chip.green = line.integer(QStringLiteral("green"), 0, 255, range);
    chip.blue = line.integer(QStringLiteral("blue"), 0, 255, range);
    chip.card = line.integer(QStringLiteral("card"), 1, INT_MAX, positive);
    chip.position = line.integer(QStringLiteral("position"), 1, INT_MAX, positive);
    chip.segment = line.has(QStringLiteral("segment"))
        ? line.integer(QStringLiteral("segment"), 1, INT_MAX, positive)
        : 1;
    chip.mood = line.mood();
    chip.exterior = line.flag(QStringLiteral("exterior"));
    chip.isMto = line.flag(QStringLiteral("mto"));
    chip.neutral = line.flag(QStringLiteral("neutral"));
    chip.white = line.flag(QStringLiteral("white"));

    const QString codeKey = chip.code.toLower();
    if (index.codeLines.contains(codeKey))
        line.fail(QStringLiteral("code"),
                  QStringLiteral("\"%1\" is already used on line %2")
                      .arg(chip.code)
                      .arg(index.codeLines.value(codeKey)));
    const QPair<int, int> place(chip.card, chip.position);
    if (index.positionLines.contains(place))
        line.fail(QStringLiteral("position"),
                  QStringLiteral("position %1 on card %2 is already taken on line %3")
                      .arg(chip.position)
                      .arg(chip.card)
                      .arg(index.positionLines.value(place)));
    index.codeLines.insert(codeKey, line.line());
    index.positionLines.insert(place, line.line());

    if (!index.cardOfNumber.contains(chip.card)) {
        CardData card;
        card.pageIndex = chip.card;
        card.name = QStringLiteral("Card %1").arg(chip.card);
        card.segment = chip.segment;
        card.mood = chip.mood;
        card.exterior = chip.exterior;
        index.cardOfNumber.insert(chip.card, collection.cards.size());
        collection.cards.append(card);
    } else {
        const CardData &card = collection.cards.at(index.cardOfNumber.value(chip.card));
        if (card.segment != chip.segment)
            line.fail(QStringLiteral("segment"),
                      QStringLiteral("card %1 is in segment %2 on an earlier line")
                          .arg(chip.card)
                          .arg(card.segment));
        if (card.exterior != chip.exterior)
            line.fail(
                QStringLiteral("exterior"),
                QStringLiteral("card %1 is marked differently on an earlier line").arg(chip.card));
    }
    return chip;
}

void readDeckRecords(const QByteArray &text, const QString &fileName, CollectionData &collection)
{
    QString decoded = QString::fromUtf8(text);
    if (decoded.startsWith(QChar(0xFEFF)))
        decoded.remove(0, 1);
    decoded.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const QVector<Record> records = splitRecords(decoded, fileName);
    if (records.isEmpty())
        throw InputError {QStringLiteral("%1:1: the file has no header line").arg(fileName)};
    const QHash<QString, int> columns = readHeader(fileName, records.first());
    if (records.size() == 1)
        throw InputError {QStringLiteral("%1:%2: the deck has no chips")
                              .arg(fileName)
                              .arg(records.first().line + 1)};
    collection.cards.clear();
    collection.chips.clear();
    DeckIndex index;
    for (int i = 1; i < records.size(); ++i) {
        const Record &record = records.at(i);
        if (record.fields.size() != records.first().fields.size())
            throw InputError {QStringLiteral("%1:%2: the line has %3 fields, the header %4")
                                  .arg(fileName)
                                  .arg(record.line)
                                  .arg(record.fields.size())
                                  .arg(records.first().fields.size())};
        collection.chips.append(readChip(DeckLine(fileName, record, columns), index, collection));
    }
    std::sort(collection.cards.begin(), collection.cards.end(),
              [](const CardData &a, const CardData &b) { return a.pageIndex < b.pageIndex; });
}

// --- the JSON description ---

// The 1-based line of a byte offset.
int lineOfOffset(const QByteArray &text, int offset)
{
    return int(text.left(offset).count('\n')) + 1;
}

class Description
{
public:
    Description(const QString &path, const QByteArray &text)
        : m_path(path), m_text(text), m_folder(QFileInfo(path).absoluteDir())
    { }

    // "file:line: key: message", the line being where the key first stands in the file.
    [[noreturn]] void fail(const QString &key, const QString &message) const
    {
        const int at = m_text.indexOf(QByteArray('"' + key.toUtf8() + '"'));
        const QString place
            = at < 0 ? m_path : QStringLiteral("%1:%2").arg(m_path).arg(lineOfOffset(m_text, at));
        throw InputError {QStringLiteral("%1: %2: %3").arg(place, key, message)};
    }

    // A JSON scalar as the text the file stores.
    QString scalarText(const QString &key, const QJsonValue &value) const
    {
        if (value.isString())
            return value.toString();
        if (value.isBool())
            return value.toBool() ? QStringLiteral("1") : QStringLiteral("0");
        if (value.isDouble()) {
            const double number = value.toDouble();
            return number == qint64(number) ? QString::number(qint64(number))
                                            : QString::number(number);
        }
        fail(key, QStringLiteral("expected a text, a number or true/false"));
    }

    QStringList textList(const QString &key, const QJsonValue &value) const
    {
        QStringList texts;
        if (!value.isArray())
            return {scalarText(key, value)};
        for (const QJsonValue &item : value.toArray())
            texts << scalarText(key, item);
        return texts;
    }

    QByteArray themeData(const QString &key, const QJsonValue &value) const
    {
        const QString text = scalarText(key, value);
        if (key.startsWith(QLatin1String("image."), Qt::CaseInsensitive)) {
            QFile file(m_folder.filePath(text));
            if (!file.open(QIODevice::ReadOnly))
                fail(key, QStringLiteral("cannot read the image file %1").arg(file.fileName()));
            const QByteArray bytes = file.readAll();
            if (QImage::fromData(bytes).isNull())
                fail(key, QStringLiteral("%1 is not an image").arg(file.fileName()));
            return bytes;
        }
        if (key.startsWith(QLatin1String("color."), Qt::CaseInsensitive)) {
            static const QRegularExpression pattern(QStringLiteral("^\\d{1,3}(,\\d{1,3}){2,3}$"));
            bool inRange = pattern.match(text).hasMatch();
            for (const QString &part : text.split(QLatin1Char(',')))
                inRange = inRange && part.toInt() <= 255;
            if (!inRange)
                fail(key,
                     QStringLiteral("\"%1\" is not a colour r,g,b or r,g,b,a from 0 to 255")
                         .arg(text));
            return text.toLatin1();
        }
        return text.toUtf8();
    }

    int integer(const QJsonObject &object, const QString &key, int fallback) const
    {
        const QJsonValue value = object.value(key);
        if (value.isUndefined())
            return fallback;
        if (!value.isDouble() || value.toDouble() != int(value.toDouble()))
            fail(key, QStringLiteral("expected a whole number"));
        return value.toInt();
    }

    QString text(const QJsonObject &object, const QString &key, const QString &fallback) const
    {
        const QJsonValue value = object.value(key);
        if (value.isUndefined())
            return fallback;
        if (!value.isString())
            fail(key, QStringLiteral("expected a text"));
        return value.toString();
    }

    void read(const QJsonObject &root, CollectionData &c) const
    {
        static const QStringList known
            = {QStringLiteral("id"),       QStringLiteral("uuid"),     QStringLiteral("systemId"),
               QStringLiteral("name"),     QStringLiteral("order"),    QStringLiteral("version"),
               QStringLiteral("language"), QStringLiteral("settings"), QStringLiteral("texts"),
               QStringLiteral("theme"),    QStringLiteral("cards")};
        for (const QString &key : root.keys()) {
            if (!known.contains(key))
                fail(key, QStringLiteral("unknown key"));
        }
        c.id = integer(root, QStringLiteral("id"), 1);
        if (c.id <= 0)
            fail(QStringLiteral("id"),
                 QStringLiteral("must be above 0 (0 is the system-wide "
                                "collection)"));
        c.uuid = QUuid::fromString(text(root, QStringLiteral("uuid"), QString()));
        if (c.uuid.isNull())
            fail(QStringLiteral("uuid"), QStringLiteral("missing or not a uuid"));
        c.systemId = text(root, QStringLiteral("systemId"), QString());
        c.name = text(root, QStringLiteral("name"), QString());
        if (c.systemId.trimmed().isEmpty() || c.name.trimmed().isEmpty())
            fail(c.systemId.trimmed().isEmpty() ? QStringLiteral("systemId")
                                                : QStringLiteral("name"),
                 QStringLiteral("missing"));
        c.order = integer(root, QStringLiteral("order"), 1);
        c.version = integer(root, QStringLiteral("version"), 1);
        c.language = text(root, QStringLiteral("language"), QString());

        c.setSetting(QStringLiteral("collection.enabled"), QStringLiteral("1"));
        const QJsonObject settings = object(root, QStringLiteral("settings"));
        for (auto it = settings.begin(); it != settings.end(); ++it)
            c.setSetting(it.key(), textList(it.key(), it.value()));
        const QJsonObject texts = object(root, QStringLiteral("texts"));
        for (auto it = texts.begin(); it != texts.end(); ++it)
            c.setText(it.key(), scalarText(it.key(), it.value()));
        const QJsonObject theme = object(root, QStringLiteral("theme"));
        for (auto it = theme.begin(); it != theme.end(); ++it)
            c.setThemeItem(it.key(), themeData(it.key(), it.value()));
        readCards(root.value(QStringLiteral("cards")), c);
    }

    QJsonObject object(const QJsonObject &root, const QString &key) const
    {
        const QJsonValue value = root.value(key);
        if (!value.isUndefined() && !value.isObject())
            fail(key, QStringLiteral("expected an object"));
        return value.toObject();
    }

    void readCards(const QJsonValue &value, CollectionData &c) const
    {
        if (value.isUndefined())
            return;
        if (!value.isArray())
            fail(QStringLiteral("cards"), QStringLiteral("expected a list"));
        for (const QJsonValue &item : value.toArray()) {
            const QJsonObject card = item.toObject();
            const int number = integer(card, QStringLiteral("card"), 0);
            const auto found
                = std::find_if(c.cards.begin(), c.cards.end(), [number](const CardData &source) {
                      return source.pageIndex == number;
                  });
            if (found == c.cards.end())
                fail(QStringLiteral("cards"),
                     QStringLiteral("card %1 has no chips in the deck").arg(number));
            found->name = text(card, QStringLiteral("name"), found->name);
            if (card.contains(QStringLiteral("names")))
                found->names
                    = textList(QStringLiteral("names"), card.value(QStringLiteral("names")));
            if (card.contains(QStringLiteral("extras")))
                found->extras
                    = textList(QStringLiteral("extras"), card.value(QStringLiteral("extras")));
        }
    }

private:
    QString m_path;
    QByteArray m_text;
    QDir m_folder;
};

} // namespace

bool readDeckText(const QByteArray &text, const QString &fileName, CollectionData &collection,
                  QString *error)
{
    try {
        readDeckRecords(text, fileName, collection);
    } catch (const InputError &problem) {
        setError(error, problem.text);
        return false;
    }
    return true;
}

bool readDeck(const QString &path, CollectionData &collection, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        setError(error, QStringLiteral("%1: %2").arg(path, file.errorString()));
        return false;
    }
    return readDeckText(file.readAll(), path, collection, error);
}

bool readCollectionDescription(const QString &path, CollectionData &collection, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        setError(error, QStringLiteral("%1: %2").arg(path, file.errorString()));
        return false;
    }
    const QByteArray text = file.readAll();
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(text, &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject()) {
        setError(error,
                 QStringLiteral("%1:%2: %3")
                     .arg(path)
                     .arg(lineOfOffset(text, parseError.offset))
                     .arg(document.isNull() ? parseError.errorString()
                                            : QStringLiteral("expected an object")));
        return false;
    }
    try {
        Description(path, text).read(document.object(), collection);
    } catch (const InputError &problem) {
        setError(error, problem.text);
        return false;
    }
    return true;
}

} // namespace Corvane::Builder
