#include "JsonPaletteFormat.h"

#include "ColorText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace Corvane {

QByteArray JsonPaletteFormat::write(const QVector<PaletteSwatch> &swatches, const QString &title)
{
    QJsonArray colors;
    for (const PaletteSwatch &swatch : swatches) {
        colors.append(QJsonObject {
            {QStringLiteral("name"), swatch.name},
            {QStringLiteral("hex"), colorText(swatch.color)},
            {QStringLiteral("rgb"),
             QJsonArray {swatch.color.red(), swatch.color.green(), swatch.color.blue()}}});
    }
    const QJsonObject root {{QStringLiteral("name"), title}, {QStringLiteral("colors"), colors}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

} // namespace Corvane
