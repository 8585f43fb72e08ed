#pragma once

#include <QByteArray>
#include <QColor>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

namespace Corvane::Test {

// A small CxF3 document as a capture device writes it: one Object per measurement with its
// Name and the colour as sRGB values.
inline QByteArray cxf3Document(const QList<QPair<QString, QColor>> &objects,
                               const QString &prefix = QStringLiteral("cc"),
                               const QString &uri
                               = QStringLiteral("http://colorexchangeformat.com/CxF3-core"))
{
    const QString p = prefix.isEmpty() ? QString() : prefix + QLatin1Char(':');
    const QString declaration = prefix.isEmpty()
        ? QStringLiteral("xmlns=\"%1\"").arg(uri)
        : QStringLiteral("xmlns:%1=\"%2\"").arg(prefix, uri);
    QString text = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                  "<%1CxF %2>\n <%1FileInformation><%1Creator>Tessary tests"
                                  "</%1Creator></%1FileInformation>\n <%1Resources>\n"
                                  "  <%1ObjectCollection>\n")
                       .arg(p, declaration);
    int id = 0;
    for (const auto &object : objects) {
        const QString name = object.first.toHtmlEscaped();
        const QColor &c = object.second;
        text += QStringLiteral("   <%1Object ObjectType=\"Standard\" Name=\"%2\" Id=\"%3\">"
                               "<%1ColorValues><%1ColorSRGB><%1R>%4</%1R><%1G>%5</%1G>"
                               "<%1B>%6</%1B></%1ColorSRGB></%1ColorValues></%1Object>\n")
                    .arg(p, name)
                    .arg(++id)
                    .arg(c.red())
                    .arg(c.green())
                    .arg(c.blue());
    }
    text += QStringLiteral("  </%1ObjectCollection>\n </%1Resources>\n</%1CxF>\n").arg(p);
    return text.toUtf8();
}

// One measurement as CIELAB only: its name (none when null) and the illuminant named by the
// ColorSpecification it refers to (none when empty).
struct LabObject
{
    QString name;
    double l;
    double a;
    double b;
    QString illuminant;
};

// A CxF3 document of CIELAB measurements, with one ColorSpecification per illuminant.
inline QByteArray cxf3LabDocument(const QList<LabObject> &objects)
{
    QString text = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                  "<cc:CxF xmlns:cc=\"http://colorexchangeformat.com/CxF3-core\">\n"
                                  " <cc:Resources>\n  <cc:ObjectCollection>\n");
    QStringList illuminants;
    int id = 0;
    for (const LabObject &object : objects) {
        const QString name = object.name.isNull()
            ? QString()
            : QStringLiteral(" Name=\"%1\"").arg(object.name.toHtmlEscaped());
        const QString colorSpec = object.illuminant.isEmpty()
            ? QString()
            : QStringLiteral(" ColorSpecification=\"CS-%1\"").arg(object.illuminant);
        if (!object.illuminant.isEmpty() && !illuminants.contains(object.illuminant))
            illuminants.append(object.illuminant);
        text += QStringLiteral("   <cc:Object ObjectType=\"Standard\"%1 Id=\"%2\"><cc:ColorValues>"
                               "<cc:ColorCIELab%3><cc:L>%4</cc:L><cc:A>%5</cc:A><cc:B>%6</cc:B>"
                               "</cc:ColorCIELab></cc:ColorValues></cc:Object>\n")
                    .arg(name)
                    .arg(++id)
                    .arg(colorSpec)
                    .arg(object.l)
                    .arg(object.a)
                    .arg(object.b);
    }
    text += QStringLiteral("  </cc:ObjectCollection>\n  <cc:ColorSpecificationCollection>\n");
    for (const QString &illuminant : illuminants)
        text += QStringLiteral("   <cc:ColorSpecification Id=\"CS-%1\"><cc:TristimulusSpec>"
                               "<cc:Illuminant>%1</cc:Illuminant><cc:Observer>2_Degree"
                               "</cc:Observer><cc:Method>E308</cc:Method></cc:TristimulusSpec>"
                               "</cc:ColorSpecification>\n")
                    .arg(illuminant);
    text += QStringLiteral("  </cc:ColorSpecificationCollection>\n </cc:Resources>\n</cc:CxF>\n");
    return text.toUtf8();
}

} // namespace Corvane::Test
