#include "GplFormat.h"

#include <QList>
#include <QRegularExpression>

namespace Corvane {

namespace {

const QByteArray kMagic("GIMP Palette");
const QByteArray kByteOrderMark("\xEF\xBB\xBF");
const QByteArray kNameHeader("Name:");
const QByteArray kColumnsHeader("Columns:");
constexpr int kColumns = 6;

// A header value or colour name on one line: line breaks and other control characters
// would end the line early or break the file.
QString oneLine(const QString &text)
{
    QString result = text;
    for (QChar &c : result) {
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char(' ');
    }
    return result.simplified();
}

// "R G B name": three numbers 0..255 separated by blanks, then the rest of the line.
bool parseColourLine(const QString &line, PaletteSwatch &swatch)
{
    static const QRegularExpression pattern(
        QStringLiteral("^\\s*(\\d{1,3})\\s+(\\d{1,3})\\s+(\\d{1,3})(?:\\s+(.*))?$"));
    const QRegularExpressionMatch match = pattern.match(line);
    if (!match.hasMatch())
        return false;
    int components[3] = {0, 0, 0};
    for (int i = 0; i < 3; ++i) {
        components[i] = match.captured(i + 1).toInt();
        if (components[i] > 255)
            return false;
    }
    swatch.color = QColor(components[0], components[1], components[2]);
    swatch.name = match.captured(4).trimmed();
    return true;
}

} // namespace

QByteArray GplFormat::write(const QVector<PaletteSwatch> &swatches, const QString &title)
{
    QByteArray text = kMagic + '\n' + kNameHeader + ' ' + oneLine(title).toUtf8() + '\n'
        + kColumnsHeader + ' ' + QByteArray::number(kColumns) + "\n#\n";
    for (const PaletteSwatch &swatch : swatches) {
        text += QStringLiteral("%1 %2 %3\t%4\n")
                    .arg(swatch.color.red(), 3)
                    .arg(swatch.color.green(), 3)
                    .arg(swatch.color.blue(), 3)
                    .arg(oneLine(swatch.name))
                    .toUtf8();
    }
    return text;
}

SwatchFileContents GplFormat::read(const QByteArray &bytes)
{
    SwatchFileContents contents;
    if (bytes.size() > maxSwatchFileSize) {
        contents.error = QStringLiteral("larger than %1 bytes").arg(maxSwatchFileSize);
        return contents;
    }
    const QByteArray text = bytes.startsWith(kByteOrderMark) ? bytes.mid(3) : bytes;
    const QList<QByteArray> lines = text.split('\n');
    if (lines.first().trimmed() != kMagic) {
        contents.error = QStringLiteral("not a GIMP palette: the first line is not \"%1\"")
                             .arg(QString::fromLatin1(kMagic));
        return contents;
    }
    for (int number = 2; number <= lines.size(); ++number) {
        const QString line = QString::fromUtf8(lines.at(number - 1)).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1String(kNameHeader))) {
            contents.title = line.mid(kNameHeader.size()).trimmed();
            continue;
        }
        if (line.startsWith(QLatin1String(kColumnsHeader)))
            continue;
        PaletteSwatch swatch;
        if (!parseColourLine(line, swatch)) {
            contents.error
                = QStringLiteral("line %1: expected three numbers from 0 to 255 and a name")
                      .arg(number);
            contents.swatches.clear();
            return contents;
        }
        if (contents.swatches.size() < maxSwatches)
            contents.swatches.append(swatch);
        else
            ++contents.ignoredSwatches;
    }
    contents.isValid = true;
    return contents;
}

} // namespace Corvane
