#include "PaletteReader.h"

#include "CardQueries.h"
#include "CollectionRegistry.h"
#include "SearchQueries.h"
#include "StatusCodes.h"
#include "UntrustedXml.h"
#include "XmlPointer.h"

#include <QHash>
#include <QStringList>

namespace Corvane {

namespace {

constexpr int kVersionParts = 2;
constexpr int kMultiCollectionVersion = 3;
constexpr int kSingleCollectionVersion = 2;
const QString kMultiCollection = QStringLiteral("multi-collection");
const QString kEntryElement = QStringLiteral("entry");

QString fromXml(const xmlChar *text)
{
    return QString::fromUtf8(reinterpret_cast<const char *>(text));
}

// The XPath result of `expression`; null when evaluation fails.
xmlXPathObject *evaluate(xmlXPathContext *context, const char *expression)
{
    return xmlXPathEvalExpression(reinterpret_cast<const xmlChar *>(expression), context);
}

// The nodes of a result, empty when it has no node set.
QVector<xmlNode *> nodesOf(const XmlPointer<xmlXPathObject> &result)
{
    QVector<xmlNode *> nodes;
    if (result.isNull() || !result->nodesetval)
        return nodes;
    for (int i = 0; i < result->nodesetval->nodeNr; ++i)
        nodes.append(result->nodesetval->nodeTab[i]);
    return nodes;
}

// The content of the first child of the first node when that node is of `type`.
bool firstNodeText(const XmlPointer<xmlXPathObject> &result, xmlElementType type, QString &text)
{
    const QVector<xmlNode *> nodes = nodesOf(result);
    if (nodes.isEmpty() || nodes.first()->type != type || !nodes.first()->children
        || !nodes.first()->children->content)
        return false;
    text = fromXml(nodes.first()->children->content);
    return true;
}

bool attributeText(xmlXPathContext *context, const char *expression, QString &text)
{
    const XmlPointer<xmlXPathObject> result(evaluate(context, expression));
    return firstNodeText(result, XML_ATTRIBUTE_NODE, text);
}

// An attribute of an element; empty when missing.
QString attribute(xmlNode *node, const char *name)
{
    xmlChar *value = xmlGetProp(node, reinterpret_cast<const xmlChar *>(name));
    const QString text = value ? fromXml(value) : QString();
    xmlFree(value);
    return text;
}

// "major.0", with empty parts between dots skipped; 0 when the text is no such version.
int majorVersion(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char('.'), Qt::SkipEmptyParts);
    if (parts.size() != kVersionParts || parts.at(1).toInt() != 0)
        return 0;
    return parts.at(0).toInt();
}

QString statusText(int status, const QUuid &collection)
{
    switch (status) {
    case DB::StatusNullCollection:
        return QStringLiteral("no collection uuid");
    case DB::StatusUnknownCollection:
        return QStringLiteral("collection %1 is not installed").arg(collection.toString());
    case DB::StatusFileDoesNotOpen:
        return QStringLiteral("the file of collection %1 does not open").arg(collection.toString());
    default:
        return QString();
    }
}

// Collections found missing while reading one file, with their status: asking again would
// scan the collection folder once for every chip.
using UnavailableCollections = QHash<QUuid, int>;

bool isUnavailable(int status)
{
    return status == DB::StatusNullCollection || status == DB::StatusUnknownCollection
        || status == DB::StatusFileDoesNotOpen;
}

// A version 3 chip: the colour at card and position of the named collection, with the code.
void resolveEntryChip(xmlNode *chipNode, UnavailableCollections &unavailable, PaletteFileChip &chip)
{
    xmlNode *entry = chipNode->children;
    if (!entry || entry->type != XML_ELEMENT_NODE
        || fromXml(entry->name).compare(kEntryElement, Qt::CaseInsensitive) != 0) {
        chip.reason = QStringLiteral("no entry element");
        return;
    }
    chip.collection = QUuid::fromString(attribute(entry, "uuid-of-collection"));
    const int pageIndex = attribute(entry, "page-index").toInt();
    const int rowIndex = attribute(entry, "row-index").toInt();
    const QString code = attribute(entry, "color-code");
    const int status = unavailable.contains(chip.collection)
        ? unavailable.value(chip.collection)
        : DB::loadRowAt(chip.collection, pageIndex, rowIndex, chip.entry);
    if (isUnavailable(status))
        unavailable.insert(chip.collection, status);
    if (status != DB::StatusOk) {
        chip.reason = statusText(status, chip.collection);
        if (chip.reason.isEmpty())
            chip.reason
                = QStringLiteral("no colour at card %1, position %2").arg(pageIndex).arg(rowIndex);
        return;
    }
    if (chip.entry.code().compare(code, Qt::CaseInsensitive) != 0) {
        chip.reason = QStringLiteral("the colour at card %1, position %2 is %3, not %4")
                          .arg(pageIndex)
                          .arg(rowIndex)
                          .arg(chip.entry.code(), code);
        return;
    }
    chip.accepted = true;
}

// A version 2 chip: the colour its text finds by search in the file's collection.
void resolvePhraseChip(xmlNode *chipNode, const QUuid &collection, PaletteFileChip &chip)
{
    xmlNode *text = chipNode->children;
    if (!text || text->type != XML_TEXT_NODE || !text->content) {
        chip.reason = QStringLiteral("no search phrase");
        return;
    }
    const QString phrase = fromXml(text->content);
    chip.collection = collection;
    int pageIndex = -1, rowIndex = -1, segment = -1, mood = 0;
    bool exterior = false;
    const int status
        = DB::searchPhrase(collection, phrase, pageIndex, rowIndex, segment, mood, exterior);
    if (status != DB::StatusOk || pageIndex <= 0 || rowIndex <= 0
        || DB::loadRowAt(collection, pageIndex, rowIndex, chip.entry) != DB::StatusOk) {
        chip.reason = QStringLiteral("no colour found for \"%1\"").arg(phrase);
        return;
    }
    chip.accepted = true;
}

// The version and system tests; false with `contents.error` when the file is no palette.
bool checkRoot(xmlXPathContext *context, PaletteFileContents &contents, QUuid &collection)
{
    QString version;
    if (!attributeText(context, "/veltra-palette/@version", version)) {
        contents.error = QStringLiteral("not a palette file: no veltra-palette version");
        return false;
    }
    contents.majorVersion = majorVersion(version);
    QString system;
    if (!attributeText(context, "/veltra-palette/@system", system)) {
        contents.error = QStringLiteral("not a palette file: no system");
        return false;
    }
    if (contents.majorVersion == kMultiCollectionVersion) {
        if (system.compare(kMultiCollection, Qt::CaseInsensitive) == 0)
            return true;
        contents.error = QStringLiteral("a version 3 palette must name the system "
                                        "multi-collection, not \"%1\"")
                             .arg(system);
        return false;
    }
    if (contents.majorVersion == kSingleCollectionVersion) {
        if (DB::collectionUuidForSystemId(system, collection) == DB::StatusOk)
            return true;
        contents.error
            = QStringLiteral("no installed collection has the system id \"%1\"").arg(system);
        return false;
    }
    contents.error = QStringLiteral("unsupported palette version \"%1\"").arg(version);
    return false;
}

void readChips(xmlXPathContext *context, const QUuid &collection, PaletteFileContents &contents)
{
    const XmlPointer<xmlXPathObject> result(evaluate(context, "/veltra-palette/chips/chip"));
    UnavailableCollections unavailable;
    for (xmlNode *node : nodesOf(result)) {
        if (node->type != XML_ELEMENT_NODE)
            continue;
        if (contents.chips.size() == maxPaletteChips) {
            ++contents.ignoredChips;
            continue;
        }
        PaletteFileChip chip;
        chip.row = attribute(node, "row").toInt();
        chip.column = attribute(node, "col").toInt();
        if (chip.column < 0 || chip.column > 5 || chip.row < 0 || chip.row > 3)
            chip.reason = QStringLiteral("cell outside the palette");
        else if (contents.majorVersion == kMultiCollectionVersion)
            resolveEntryChip(node, unavailable, chip);
        else
            resolvePhraseChip(node, collection, chip);
        contents.chips.append(chip);
    }
}

} // namespace

PaletteFileContents readPalette(const QByteArray &bytes)
{
    PaletteFileContents contents;
    if (bytes.size() > maxPaletteFileSize) {
        contents.error
            = QStringLiteral("not a palette file: larger than %1 bytes").arg(maxPaletteFileSize);
        return contents;
    }
    XmlRefusal refusal = XmlRefusal::None;
    const XmlPointer<xmlDoc> document(parseUntrustedXml(bytes, refusal, contents.error));
    if (document.isNull()) {
        // Palette files have no document type.
        if (refusal == XmlRefusal::DocumentType)
            contents.error = QStringLiteral("not a palette file: ") + contents.error;
        return contents;
    }
    const XmlPointer<xmlXPathContext> xpath(xmlXPathNewContext(document.get()));
    if (xpath.isNull()) {
        contents.error = QStringLiteral("out of memory");
        return contents;
    }
    QUuid collection;
    if (!checkRoot(xpath.get(), contents, collection))
        return contents;
    contents.isPalette = true;
    const XmlPointer<xmlXPathObject> description(
        evaluate(xpath.get(), "/veltra-palette/description"));
    firstNodeText(description, XML_ELEMENT_NODE, contents.description);
    readChips(xpath.get(), collection, contents);
    return contents;
}

} // namespace Corvane
