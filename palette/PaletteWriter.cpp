#include "PaletteWriter.h"

#include "CardQueries.h"
#include "Collection.h"
#include "CollectionRegistry.h"
#include "ColorPage.h"
#include "PaletteModel.h"
#include "StatusCodes.h"
#include "XmlPointer.h"

#include <QSaveFile>
#include <QVector>

#include <libxml/xmlsave.h>

namespace Corvane {

namespace {

const QByteArray kByteOrderMark("\xEF\xBB\xBF");

// A filled cell whose chip and card load, with the chip on that card.
struct WritableChip
{
    QPoint cell;
    QUuid collection;
    DB::ColorEntry entry;
    DB::ColorPage page;
};

QVector<WritableChip> writableChips(const PaletteModel &palette)
{
    QVector<WritableChip> chips;
    for (int index = 0; index < PaletteModel::cellCount; ++index) {
        WritableChip chip;
        chip.cell = PaletteModel::cellAt(index);
        const DB::ItemIndex item = palette.itemAt(chip.cell);
        if (item.rowId <= 0)
            continue;
        chip.collection = item.collection;
        if (DB::loadRowById(item.collection, item.rowId, chip.entry) != DB::StatusOk
            || DB::loadPageById(item.collection, item.pageId, true, chip.page) != DB::StatusOk
            || chip.entry.pageId != chip.page.id)
            continue;
        chips.append(chip);
    }
    return chips;
}

// The text without the characters XML 1.0 forbids (control characters other than tab, line
// feed and carriage return, unpaired surrogates, U+FFFE and U+FFFF), which would make the
// whole file unreadable.
QByteArray xmlText(const QString &text)
{
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            result.append(c).append(text.at(++i));
            continue;
        }
        const char16_t code = c.unicode();
        const bool allowedControl = code == u'\t' || code == u'\n' || code == u'\r';
        if ((code < 0x20 && !allowedControl) || c.isSurrogate() || code == 0xFFFE || code == 0xFFFF)
            continue;
        result.append(c);
    }
    return result.toUtf8();
}

const xmlChar *xml(const char *text)
{
    return reinterpret_cast<const xmlChar *>(text);
}

const xmlChar *xml(const QByteArray &text)
{
    return reinterpret_cast<const xmlChar *>(text.constData());
}

// Builds the document through a text writer; every step must succeed.
bool writeDocument(xmlTextWriter *writer, const QString &description,
                   const QVector<WritableChip> &chips)
{
    bool ok = xmlTextWriterStartDocument(writer, nullptr, "UTF-8", nullptr) >= 0;
    const auto start
        = [&](const char *name) { ok = ok && xmlTextWriterStartElement(writer, xml(name)) >= 0; };
    const auto attribute = [&](const char *name, const QByteArray &value) {
        ok = ok && xmlTextWriterWriteAttribute(writer, xml(name), xml(value)) >= 0;
    };
    const auto text = [&](const QByteArray &value) {
        ok = ok && xmlTextWriterWriteString(writer, xml(value)) >= 0;
    };
    const auto end = [&] { ok = ok && xmlTextWriterEndElement(writer) >= 0; };

    start("veltra-palette");
    attribute("version", "3.0");
    attribute("system", "multi-collection");
    text("\n\t");
    start("description");
    if (!description.isEmpty())
        text(xmlText(description));
    end();
    text("\n\t");
    start("chips");
    for (const WritableChip &chip : chips) {
        text("\n\t\t");
        start("chip");
        attribute("row", QByteArray::number(chip.cell.y()));
        attribute("col", QByteArray::number(chip.cell.x()));
        text("\n\t\t\t");
        start("entry");
        attribute("uuid-of-collection", chip.collection.toString().toUtf8());
        attribute("page-index", QByteArray::number(chip.page.pageIndex));
        attribute("row-index", QByteArray::number(chip.entry.rowIndex));
        attribute("color-code", xmlText(chip.entry.code()));
        end();
        text("\n\t\t");
        end();
    }
    text("\n\t");
    end();
    text("\n");
    end();
    return ok && xmlTextWriterEndDocument(writer) >= 0;
}

QByteArray serializedDocument(xmlDoc *document)
{
    XmlPointer<xmlBuffer> buffer(xmlBufferCreate());
    if (buffer.isNull())
        return QByteArray();
    xmlSaveCtxt *save = xmlSaveToBuffer(buffer.get(), "UTF-8", 0);
    if (!save)
        return QByteArray();
    const bool saved = xmlSaveDoc(save, document) >= 0;
    if (xmlSaveClose(save) < 0 || !saved)
        return QByteArray();
    return QByteArray(reinterpret_cast<const char *>(xmlBufferContent(buffer.get())),
                      xmlBufferLength(buffer.get()));
}

} // namespace

QByteArray paletteXml(const PaletteModel &palette)
{
    const QVector<WritableChip> chips = writableChips(palette);
    xmlDoc *documentPointer = nullptr;
    XmlPointer<xmlTextWriter> writer(xmlNewTextWriterDoc(&documentPointer, 0));
    // The writer leaves its document to the caller.
    XmlPointer<xmlDoc> document(documentPointer);
    if (writer.isNull() || document.isNull())
        return QByteArray();
    const bool written = writeDocument(writer.get(), palette.description(), chips);
    writer.reset();
    return written ? serializedDocument(document.get()) : QByteArray();
}

QByteArray paletteTextExport(const PaletteModel &palette)
{
    QByteArray text;
    for (const WritableChip &chip : writableChips(palette)) {
        // The cell's own collection: integer ids repeat across collection files.
        QSharedPointer<DB::Collection> collection;
        if (DB::loadCollection(chip.collection, collection) == DB::StatusOk)
            text += collection->name().toUtf8() + " : ";
        text += chip.entry.code().toUtf8() + '\n';
    }
    return text;
}

QByteArray paletteFileText(const PaletteModel &palette, PaletteFileFormat format)
{
    switch (format) {
    case XmlPalette:
        return paletteXml(palette);
    case PlainText:
        return paletteTextExport(palette);
    }
    return QByteArray();
}

bool writePaletteFile(const QByteArray &text, const QString &path, QString *error)
{
    if (text.isEmpty()) {
        if (error)
            *error = QStringLiteral("no chip of the palette loads");
        return false;
    }
    return replaceFileContents(kByteOrderMark + text, path, error);
}

bool replaceFileContents(const QByteArray &bytes, const QString &path, QString *error)
{
    // commit() overlooks a short write while flushing its buffer, so flush explicitly.
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush()
        && file.commit())
        return true;
    if (error)
        *error = file.errorString();
    file.cancelWriting();
    return false;
}

} // namespace Corvane
