#include "AseFormat.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace Corvane {

namespace {

const QByteArray kSignature("ASEF");
constexpr quint16 kMajorVersion = 1;
constexpr quint16 kMinorVersion = 0;
constexpr quint16 kColourBlock = 0x0001;
constexpr quint16 kNormalColour = 2;
const QByteArray kRgbModel("RGB ");
const QByteArray kGrayModel("Gray");
const QByteArray kCmykModel("CMYK");
const QByteArray kLabModel("LAB ");
constexpr int kHeaderSize = 12;
constexpr int kBlockHeaderSize = 6;
constexpr qsizetype kMaxNameUnits = 0xFFFE;

void appendUint16(QByteArray &bytes, quint16 value)
{
    char buffer[2];
    qToBigEndian(value, buffer);
    bytes.append(buffer, 2);
}

void appendUint32(QByteArray &bytes, quint32 value)
{
    char buffer[4];
    qToBigEndian(value, buffer);
    bytes.append(buffer, 4);
}

void appendFloat(QByteArray &bytes, float value)
{
    quint32 bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    appendUint32(bytes, bits);
}

QByteArray colourBlockBody(const PaletteSwatch &swatch)
{
    QByteArray body;
    // The length field counts the terminating zero in 16 bits: longer names are cut, never
    // between the two halves of a surrogate pair.
    QString name = swatch.name.left(kMaxNameUnits);
    if (!name.isEmpty() && name.back().isHighSurrogate())
        name.chop(1);
    appendUint16(body, quint16(name.size() + 1));
    for (const QChar c : name)
        appendUint16(body, c.unicode());
    appendUint16(body, 0);
    body += kRgbModel;
    appendFloat(body, float(swatch.color.redF()));
    appendFloat(body, float(swatch.color.greenF()));
    appendFloat(body, float(swatch.color.blueF()));
    appendUint16(body, kNormalColour);
    return body;
}

// Reads big-endian values from a byte range; every read checks the bytes that remain and
// fails from then on once one did not fit.
class BigEndianCursor
{
public:
    BigEndianCursor(const char *data, qint64 size) : m_data(data), m_size(size) { }

    qint64 remaining() const { return m_size - m_position; }
    bool ok() const { return m_ok; }

    bool has(qint64 count)
    {
        m_ok = m_ok && count >= 0 && count <= remaining();
        return m_ok;
    }
    quint16 uint16()
    {
        if (!has(2))
            return 0;
        const quint16 value = qFromBigEndian<quint16>(m_data + m_position);
        m_position += 2;
        return value;
    }
    quint32 uint32()
    {
        if (!has(4))
            return 0;
        const quint32 value = qFromBigEndian<quint32>(m_data + m_position);
        m_position += 4;
        return value;
    }
    float float32()
    {
        const quint32 bits = uint32();
        float value = 0;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
    QByteArray bytes(qint64 count)
    {
        if (!has(count))
            return QByteArray();
        const QByteArray value(m_data + m_position, count);
        m_position += count;
        return value;
    }
    const char *current() const { return m_data + m_position; }
    void skip(qint64 count)
    {
        if (has(count))
            m_position += count;
    }

private:
    const char *m_data;
    qint64 m_size;
    qint64 m_position = 0;
    bool m_ok = true;
};

int componentCount(const QByteArray &model)
{
    if (model == kRgbModel || model == kLabModel)
        return 3;
    if (model == kCmykModel)
        return 4;
    if (model == kGrayModel)
        return 1;
    return -1;
}

int toByte(float value)
{
    return int(std::lround(std::clamp(double(value), 0.0, 1.0) * 255.0));
}

// One colour block's body; false with `error` for a body that does not hold its parts.
bool readColourBlock(BigEndianCursor body, int index, SwatchFileContents &contents, QString &error)
{
    const quint16 nameUnits = body.uint16();
    if (!body.has(qint64(nameUnits) * 2)) {
        error = QStringLiteral("block %1: a name of %2 characters does not fit its %3 bytes")
                    .arg(index)
                    .arg(nameUnits)
                    .arg(body.remaining());
        return false;
    }
    QString name;
    name.reserve(nameUnits);
    for (int i = 0; i < nameUnits; ++i)
        name.append(QChar(body.uint16()));
    if (name.endsWith(QChar(0)))
        name.chop(1);
    const QByteArray model = body.bytes(4);
    const int components = componentCount(model);
    if (!body.ok() || components < 0) {
        error = QStringLiteral("block %1: unknown colour model").arg(index);
        return false;
    }
    float values[4] = {0, 0, 0, 0};
    for (int i = 0; i < components; ++i)
        values[i] = body.float32();
    body.uint16(); // the colour type: global, spot and normal colours are all read
    if (!body.ok()) {
        error = QStringLiteral("block %1: the colour values do not fit the block").arg(index);
        return false;
    }
    for (int i = 0; i < components; ++i) {
        if (!std::isfinite(values[i])) {
            error = QStringLiteral("block %1: a colour value is not a number").arg(index);
            return false;
        }
    }
    PaletteSwatch swatch;
    swatch.name = name;
    if (model == kRgbModel) {
        swatch.color = QColor(toByte(values[0]), toByte(values[1]), toByte(values[2]));
    } else if (model == kGrayModel) {
        const int gray = toByte(values[0]);
        swatch.color = QColor(gray, gray, gray);
    } else {
        contents.notes.append(QStringLiteral("\"%1\": colour model %2 is not read")
                                  .arg(name, QString::fromLatin1(model.trimmed())));
        return true;
    }
    if (contents.swatches.size() < maxSwatches)
        contents.swatches.append(swatch);
    else
        ++contents.ignoredSwatches;
    return true;
}

} // namespace

QByteArray AseFormat::write(const QVector<PaletteSwatch> &swatches)
{
    QByteArray bytes = kSignature;
    appendUint16(bytes, kMajorVersion);
    appendUint16(bytes, kMinorVersion);
    appendUint32(bytes, quint32(swatches.size()));
    for (const PaletteSwatch &swatch : swatches) {
        const QByteArray body = colourBlockBody(swatch);
        appendUint16(bytes, kColourBlock);
        appendUint32(bytes, quint32(body.size()));
        bytes += body;
    }
    return bytes;
}

SwatchFileContents AseFormat::read(const QByteArray &bytes)
{
    SwatchFileContents contents;
    if (bytes.size() > maxSwatchFileSize) {
        contents.error = QStringLiteral("larger than %1 bytes").arg(maxSwatchFileSize);
        return contents;
    }
    BigEndianCursor cursor(bytes.constData(), bytes.size());
    if (cursor.bytes(4) != kSignature) {
        contents.error = QStringLiteral("not an Adobe Swatch Exchange file: no ASEF signature");
        return contents;
    }
    const quint16 major = cursor.uint16();
    cursor.uint16();
    const quint32 blockCount = cursor.uint32();
    if (!cursor.ok()) {
        contents.error
            = QStringLiteral("truncated header: %1 of %2 bytes").arg(bytes.size()).arg(kHeaderSize);
        return contents;
    }
    if (major != kMajorVersion) {
        contents.error = QStringLiteral("unsupported version %1").arg(major);
        return contents;
    }
    // Each block takes at least its header: a count beyond that is a broken file, and the
    // loop below never runs longer than the bytes allow.
    if (blockCount > quint64(cursor.remaining()) / kBlockHeaderSize) {
        contents.error = QStringLiteral("%1 blocks announced, but only %2 bytes follow")
                             .arg(blockCount)
                             .arg(cursor.remaining());
        return contents;
    }
    for (quint32 index = 1; index <= blockCount; ++index) {
        const quint16 type = cursor.uint16();
        const quint32 length = cursor.uint32();
        if (!cursor.ok() || length > quint64(cursor.remaining())) {
            contents.error = QStringLiteral("block %1: truncated (%2 bytes announced, %3 left)")
                                 .arg(index)
                                 .arg(length)
                                 .arg(cursor.remaining());
            contents.swatches.clear();
            return contents;
        }
        if (type == kColourBlock) {
            QString error;
            if (!readColourBlock(BigEndianCursor(cursor.current(), length), int(index), contents,
                                 error)) {
                contents.error = error;
                contents.swatches.clear();
                return contents;
            }
        }
        cursor.skip(length);
    }
    contents.isValid = true;
    return contents;
}

} // namespace Corvane
