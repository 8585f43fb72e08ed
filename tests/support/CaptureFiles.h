#pragma once

#include <QByteArray>
#include <QColor>
#include <QList>
#include <QPair>
#include <QString>

namespace Corvane::Test {

// A small CxF3 document as a capture device writes it: one Object per measurement with its
// Name and the colour as sRGB and CIELAB values (the Lab values are placeholders).
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
                               "<%1B>%6</%1B></%1ColorSRGB><%1ColorCIELab><%1L>50</%1L>"
                               "<%1A>0</%1A><%1B>0</%1B></%1ColorCIELab></%1ColorValues>"
                               "</%1Object>\n")
                    .arg(p, name)
                    .arg(++id)
                    .arg(c.red())
                    .arg(c.green())
                    .arg(c.blue());
    }
    text += QStringLiteral("  </%1ObjectCollection>\n </%1Resources>\n</%1CxF>\n").arg(p);
    return text.toUtf8();
}

} // namespace Corvane::Test
