#include "UntrustedXml.h"

#include "XmlPointer.h"

namespace Corvane {

namespace {

constexpr int kParseOptions = XML_PARSE_NOBLANKS | XML_PARSE_NONET | XML_PARSE_COMPACT
    | XML_PARSE_NOERROR | XML_PARSE_NOWARNING;

QString parseError(xmlParserCtxt *context)
{
    const xmlError *error = xmlCtxtGetLastError(context);
    if (!error || !error->message)
        return QStringLiteral("not an XML file");
    return QStringLiteral("not an XML file: line %1: %2")
        .arg(error->line)
        .arg(QString::fromUtf8(error->message).trimmed());
}

} // namespace

xmlDoc *parseUntrustedXml(const QByteArray &bytes, XmlRefusal &refusal, QString &error)
{
    refusal = XmlRefusal::None;
    error.clear();
    xmlInitParser();
    const XmlPointer<xmlParserCtxt> parser(xmlNewParserCtxt());
    if (parser.isNull()) {
        refusal = XmlRefusal::OutOfMemory;
        error = QStringLiteral("out of memory");
        return nullptr;
    }
    xmlDoc *document = xmlCtxtReadMemory(parser.get(), bytes.constData(), int(bytes.size()), "",
                                         "UTF-8", kParseOptions);
    if (!document) {
        refusal = XmlRefusal::NotXml;
        error = parseError(parser.get());
        return nullptr;
    }
    if (document->intSubset || document->extSubset) {
        xmlFreeDoc(document);
        refusal = XmlRefusal::DocumentType;
        error = QStringLiteral("it has a document type declaration");
        return nullptr;
    }
    return document;
}

} // namespace Corvane
