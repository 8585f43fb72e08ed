#include "CxF3Reader.h"

#include "UntrustedXml.h"
#include "XmlPointer.h"

#include <libxml/xpathInternals.h>

#include <QFile>
#include <QFileInfo>

namespace Corvane {

const char cxf3CoreNamespace[] = "http://colorexchangeformat.com/CxF3-core";

namespace {

const xmlChar kPrefix[] = "cc";
const xmlChar kNamesExpression[] = "//cc:Object/@Name";

QString fromXml(const xmlChar *text)
{
    return QString::fromUtf8(reinterpret_cast<const char *>(text));
}

bool inCxf3Namespace(const xmlNode *node)
{
    return node && node->ns && node->ns->href
        && xmlStrEqual(node->ns->href, reinterpret_cast<const xmlChar *>(cxf3CoreNamespace));
}

// The text of every attribute node whose first child is a text node with content; an empty
// name would match chips without a code.
void collectNames(xmlXPathContext *context, QStringList &names)
{
    const XmlPointer<xmlXPathObject> result(xmlXPathEvalExpression(kNamesExpression, context));
    if (result.isNull() || result->type != XPATH_NODESET || !result->nodesetval)
        return;
    const xmlNodeSet *nodes = result->nodesetval;
    for (int i = 0; i < nodes->nodeNr && names.size() < maxCaptureNames; ++i) {
        const xmlNode *node = nodes->nodeTab[i];
        if (node->type != XML_ATTRIBUTE_NODE || !node->children
            || node->children->type != XML_TEXT_NODE || !node->children->content
            || !*node->children->content)
            continue;
        names.append(fromXml(node->children->content));
    }
}

} // namespace

CaptureFileContents readCaptureNames(const QByteArray &bytes)
{
    CaptureFileContents contents;
    if (bytes.size() > maxCaptureFileSize) {
        contents.error = QStringLiteral("larger than %1 bytes").arg(maxCaptureFileSize);
        return contents;
    }
    XmlRefusal refusal = XmlRefusal::None;
    const XmlPointer<xmlDoc> document(parseUntrustedXml(bytes, refusal, contents.error));
    if (document.isNull())
        return contents;
    contents.isXml = true;
    contents.isCxf3 = inCxf3Namespace(xmlDocGetRootElement(document.get()));
    if (!contents.isCxf3)
        contents.error = QStringLiteral("no CxF3 root element");
    const XmlPointer<xmlXPathContext> xpath(xmlXPathNewContext(document.get()));
    if (xpath.isNull()
        || xmlXPathRegisterNs(xpath.get(), kPrefix,
                              reinterpret_cast<const xmlChar *>(cxf3CoreNamespace))
            != 0)
        return contents;
    collectNames(xpath.get(), contents.names);
    return contents;
}

bool isCaptureFileReadable(const QString &path)
{
    // Opening for writing would create a missing file; a folder or a pipe is no capture file.
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Text))
        return false;
    file.close();
    return true;
}

bool readCaptureFile(const QString &path, QByteArray &bytes)
{
    bytes.clear();
    if (!isCaptureFileReadable(path))
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > maxCaptureFileSize)
        return false;
    bytes = file.read(maxCaptureFileSize + 1);
    return bytes.size() <= maxCaptureFileSize;
}

} // namespace Corvane
