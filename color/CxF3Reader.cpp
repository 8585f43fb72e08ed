#include "CxF3Reader.h"

#include "ChromaticAdaptation.h"
#include "UntrustedXml.h"
#include "XmlPointer.h"

#include <libxml/xpathInternals.h>

#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <cmath>

namespace Corvane {

const char cxf3CoreNamespace[] = "http://colorexchangeformat.com/CxF3-core";

namespace {

const xmlChar kPrefix[] = "cc";
const xmlChar kNamesExpression[] = "//cc:Object/@Name";
const xmlChar kObjectsExpression[] = "//cc:Object";
const xmlChar kColorSpecsExpression[] = "//cc:ColorSpecification";
const xmlChar kNameAttribute[] = "Name";
const xmlChar kIdAttribute[] = "Id";
const xmlChar kColorSpecAttribute[] = "ColorSpecification";

// Plausible CIELAB values; anything beyond is a broken measurement, not a colour.
constexpr double kMaxLightness = 110.0;
constexpr double kMaxAxis = 200.0;

QString fromXml(const xmlChar *text)
{
    return QString::fromUtf8(reinterpret_cast<const char *>(text));
}

bool inCxf3Namespace(const xmlNode *node)
{
    return node && node->ns && node->ns->href
        && xmlStrEqual(node->ns->href, reinterpret_cast<const xmlChar *>(cxf3CoreNamespace));
}

// The text of an attribute node whose first child is a text node with content; an empty
// name would match chips without a code.
bool attributeText(const xmlNode *node, QString &text)
{
    if (!node || node->type != XML_ATTRIBUTE_NODE || !node->children
        || node->children->type != XML_TEXT_NODE || !node->children->content
        || !*node->children->content)
        return false;
    text = fromXml(node->children->content);
    return true;
}

// The attribute `name` without a namespace, by the same rule.
bool plainAttributeText(const xmlNode *element, const xmlChar *name, QString &text)
{
    return attributeText(reinterpret_cast<const xmlNode *>(xmlHasNsProp(element, name, nullptr)),
                         text);
}

QVector<const xmlNode *> evaluateNodes(xmlXPathContext *context, const xmlChar *expression)
{
    QVector<const xmlNode *> nodes;
    const XmlPointer<xmlXPathObject> result(xmlXPathEvalExpression(expression, context));
    if (result.isNull() || result->type != XPATH_NODESET || !result->nodesetval)
        return nodes;
    for (int i = 0; i < result->nodesetval->nodeNr; ++i)
        nodes.append(result->nodesetval->nodeTab[i]);
    return nodes;
}

void collectNames(xmlXPathContext *context, QStringList &names)
{
    for (const xmlNode *node : evaluateNodes(context, kNamesExpression)) {
        QString name;
        if (names.size() < maxCaptureNames && attributeText(node, name))
            names.append(name);
    }
}

// The first child element of the CxF3 namespace with this local name.
const xmlNode *childElement(const xmlNode *parent, const char *localName)
{
    for (const xmlNode *child = parent ? parent->children : nullptr; child; child = child->next) {
        if (child->type == XML_ELEMENT_NODE && inCxf3Namespace(child)
            && xmlStrEqual(child->name, reinterpret_cast<const xmlChar *>(localName)))
            return child;
    }
    return nullptr;
}

QString elementText(const xmlNode *element)
{
    if (!element)
        return QString();
    xmlChar *content = xmlNodeGetContent(element);
    const QString text = fromXml(content).trimmed();
    xmlFree(content);
    return text;
}

// The illuminant that each ColorSpecification's TristimulusSpec names, by its Id.
QHash<QString, QString> illuminantsById(xmlXPathContext *context)
{
    QHash<QString, QString> illuminants;
    for (const xmlNode *colorSpec : evaluateNodes(context, kColorSpecsExpression)) {
        QString id;
        const QString illuminant
            = elementText(childElement(childElement(colorSpec, "TristimulusSpec"), "Illuminant"));
        if (plainAttributeText(colorSpec, kIdAttribute, id) && !illuminant.isEmpty()
            && !illuminants.contains(id))
            illuminants.insert(id, illuminant);
    }
    return illuminants;
}

bool parseComponent(const xmlNode *value, double limitLow, double limitHigh, double &component)
{
    bool ok = false;
    component = elementText(value).toDouble(&ok);
    return ok && std::isfinite(component) && component >= limitLow && component <= limitHigh;
}

// The object's first ColorCIELab value, relative to D65; a value that cannot be used gets a
// note instead.
void readLab(const xmlNode *object, const QHash<QString, QString> &illuminants,
             CaptureObject &capture, QStringList &notes)
{
    const xmlNode *value = childElement(childElement(object, "ColorValues"), "ColorCIELab");
    if (!value)
        return;
    const QString who = capture.name.isEmpty() ? QStringLiteral("an object without a name")
                                               : QStringLiteral("\"%1\"").arg(capture.name);
    DB::LabEntry lab;
    if (!parseComponent(childElement(value, "L"), 0.0, kMaxLightness, lab.l)
        || !parseComponent(childElement(value, "A"), -kMaxAxis, kMaxAxis, lab.a)
        || !parseComponent(childElement(value, "B"), -kMaxAxis, kMaxAxis, lab.b)) {
        notes.append(QStringLiteral("%1: its ColorCIELab has no usable L, A and B").arg(who));
        return;
    }
    QString colorSpec;
    plainAttributeText(value, kColorSpecAttribute, colorSpec);
    capture.illuminant = illuminants.value(colorSpec);
    if (capture.illuminant.isEmpty()) {
        capture.lab = lab;
        capture.hasLab = true;
        return;
    }
    const std::optional<WhitePoint> white = standardIlluminantWhite(capture.illuminant);
    if (!white) {
        notes.append(QStringLiteral("%1: unknown illuminant \"%2\"").arg(who, capture.illuminant));
        return;
    }
    capture.lab = adaptLabToD65(lab, *white);
    capture.hasLab = true;
}

void collectObjects(xmlXPathContext *context, CaptureFileContents &contents)
{
    const QHash<QString, QString> illuminants = illuminantsById(context);
    int nameCount = 0;
    for (const xmlNode *node : evaluateNodes(context, kObjectsExpression)) {
        if (contents.objects.size() >= maxCaptureNames)
            break;
        CaptureObject object;
        if (plainAttributeText(node, kNameAttribute, object.name)
            && nameCount < contents.names.size())
            object.nameIndex = nameCount++;
        readLab(node, illuminants, object, contents.notes);
        contents.objects.append(object);
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
    collectObjects(xpath.get(), contents);
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
