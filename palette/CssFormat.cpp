#include "CssFormat.h"

#include <QSet>

namespace Corvane {

namespace {

const QString kFallbackName = QStringLiteral("color");

// Text inside a CSS comment: "*/" would end the comment early.
QString commentText(const QString &text)
{
    QString result = text.simplified();
    result.replace(QLatin1String("*/"), QLatin1String("* /"));
    return result;
}

} // namespace

QString CssFormat::propertyName(const QString &name)
{
    QString result;
    bool separator = false;
    for (const QChar c : name.toLower()) {
        if (c.isLetterOrNumber()) {
            if (separator && !result.isEmpty())
                result.append(QLatin1Char('-'));
            result.append(c);
            separator = false;
        } else {
            separator = true;
        }
    }
    return QStringLiteral("--") + (result.isEmpty() ? kFallbackName : result);
}

QByteArray CssFormat::write(const QVector<PaletteSwatch> &swatches, const QString &title)
{
    QString text = QStringLiteral("/* %1 */\n:root {\n").arg(commentText(title));
    QSet<QString> used;
    for (const PaletteSwatch &swatch : swatches) {
        const QString base = propertyName(swatch.name);
        QString property = base;
        for (int number = 2; used.contains(property); ++number)
            property = base + QLatin1Char('-') + QString::number(number);
        used.insert(property);
        text += QStringLiteral("  %1: %2; /* %3 */\n")
                    .arg(property, swatch.color.name(QColor::HexRgb), commentText(swatch.name));
    }
    text += QStringLiteral("}\n");
    return text.toUtf8();
}

} // namespace Corvane
