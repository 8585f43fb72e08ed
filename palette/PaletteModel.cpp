#include "PaletteModel.h"

#include "CardQueries.h"
#include "CollectionSettings.h"
#include "PaletteReader.h"
#include "PaletteWriter.h"
#include "StatusCodes.h"

#include <QFile>
#include <QFileInfo>

#include <libxml/parser.h>

namespace Corvane {

namespace {

const QString kLabelSeparator = QStringLiteral(" - ");

} // namespace

PaletteModel::PaletteModel(const StateStore &store) : m_store(store) { }

bool PaletteModel::isCell(const QPoint &cell)
{
    return cell.x() >= 0 && cell.x() < columns && cell.y() >= 0 && cell.y() < rows;
}

QPoint PaletteModel::cellAt(int index)
{
    return QPoint(index % columns, index / columns);
}

DB::ItemIndex PaletteModel::itemAt(const QPoint &cell) const
{
    return isCell(cell) ? m_cells[indexOf(cell)].item : DB::ItemIndex();
}

QColor PaletteModel::colorAt(const QPoint &cell) const
{
    return isCell(cell) ? m_cells[indexOf(cell)].color : QColor(Qt::transparent);
}

QString PaletteModel::nameAt(const QPoint &cell) const
{
    return isCell(cell) ? m_cells[indexOf(cell)].label : QString();
}

qint64 PaletteModel::rowIdAt(const QPoint &cell) const
{
    return itemAt(cell).rowId;
}

bool PaletteModel::hasChip(const QPoint &cell) const
{
    return rowIdAt(cell) > 0;
}

bool PaletteModel::isEmpty() const
{
    for (const Cell &cell : m_cells) {
        if (cell.item.rowId > 0)
            return false;
    }
    return true;
}

QString PaletteModel::chipLabel(const DB::ColorEntry &entry)
{
    const QVector<qint64> &order = DB::rowNameDisplayOrder();
    const qint64 nameIndex = order.isEmpty() ? -1 : order.first();
    const QString name = nameIndex >= 0 && nameIndex < entry.names.size()
        ? entry.names.at(int(nameIndex))
        : QString();
    return name.isEmpty() ? entry.code() : entry.code() + kLabelSeparator + name;
}

void PaletteModel::restoreFromStore()
{
    m_selection.clear();
    for (int index = 0; index < cellCount; ++index) {
        loadCell(index);
        if (m_store.myPaletteSelected(cellAt(index)))
            m_selection.append(cellAt(index));
    }
}

void PaletteModel::loadCell(int index)
{
    const DB::ItemIndex item = m_store.myPaletteEntry(cellAt(index));
    DB::ColorEntry entry;
    if (item.rowId > 0 && DB::loadRowById(item.collection, item.rowId, entry) == DB::StatusOk) {
        Cell &target = m_cells[index];
        target.item = item;
        target.color = QColor(entry.red, entry.green, entry.blue);
        target.label = chipLabel(entry);
    } else {
        m_cells[index] = Cell();
    }
}

PaletteModel::Contents PaletteModel::contents() const
{
    Contents contents;
    for (int index = 0; index < cellCount; ++index)
        contents.entries[index] = m_store.myPaletteEntry(cellAt(index));
    contents.description = m_description;
    return contents;
}

void PaletteModel::restore(const Contents &contents, bool withDescription)
{
    for (int index = 0; index < cellCount; ++index) {
        const QPoint cell = cellAt(index);
        if (m_store.myPaletteEntry(cell) != contents.entries[index])
            m_store.setMyPaletteEntry(cell, contents.entries[index]);
        loadCell(index);
    }
    if (withDescription)
        setDescription(contents.description);
}

void PaletteModel::setCell(const QPoint &cell, const QUuid &collection, const DB::ColorEntry &entry)
{
    if (!isCell(cell))
        return;
    Cell &target = m_cells[indexOf(cell)];
    target.item = DB::ItemIndex(collection, entry);
    target.color = QColor(entry.red, entry.green, entry.blue);
    target.label = chipLabel(entry);
    m_store.setMyPaletteEntry(cell, target.item);
}

void PaletteModel::emptyCell(const QPoint &cell)
{
    m_cells[indexOf(cell)] = Cell();
    m_store.setMyPaletteEntry(cell, DB::ItemIndex());
}

void PaletteModel::clearCell(const QPoint &cell)
{
    if (isCell(cell))
        emptyCell(cell);
}

void PaletteModel::clearPalette(bool chips, bool description)
{
    if (chips) {
        for (int index = 0; index < cellCount; ++index)
            emptyCell(cellAt(index));
    }
    if (description)
        setDescription(QString());
}

void PaletteModel::dropChip(const QPoint &cell, const QUuid &collection,
                            const DB::ColorEntry &entry)
{
    if (!isSelected(cell)) {
        setCell(cell, collection, entry);
        return;
    }
    for (const QPoint &selected : std::as_const(m_selection))
        setCell(selected, collection, entry);
}

void PaletteModel::eraseSelected()
{
    for (const QPoint &selected : std::as_const(m_selection))
        clearCell(selected);
}

void PaletteModel::setDescription(const QString &description)
{
    m_description = description;
    m_store.setMyPaletteDescription(description);
}

bool PaletteModel::isSelected(const QPoint &cell) const
{
    return m_selection.contains(cell);
}

bool PaletteModel::selectionHoldsChip() const
{
    for (const QPoint &selected : m_selection) {
        if (hasChip(selected))
            return true;
    }
    return false;
}

void PaletteModel::setSelected(const QPoint &cell, bool selected)
{
    if (selected == isSelected(cell))
        return;
    if (selected)
        m_selection.append(cell);
    else
        m_selection.removeOne(cell);
    m_store.setMyPaletteSelected(cell, selected);
}

void PaletteModel::selectOnly(const QPoint &cell)
{
    if (!isCell(cell))
        return;
    while (!m_selection.isEmpty())
        setSelected(m_selection.constFirst(), false);
    setSelected(cell, true);
}

void PaletteModel::toggleSelected(const QPoint &cell)
{
    if (isCell(cell))
        setSelected(cell, !isSelected(cell));
}

bool PaletteModel::gridVisible() const
{
    return m_store.myPaletteGridVisible();
}

void PaletteModel::setGridVisible(bool visible)
{
    m_store.setMyPaletteGridVisible(visible);
}

bool PaletteModel::saveTo(PaletteFileFormat format, const QString &path, QString *error) const
{
    return writePaletteFile(paletteFileText(*this, format), path, error);
}

PaletteModel::LoadResult PaletteModel::loadFrom(const QString &path, QString *error)
{
    // A file that cannot be opened for writing too (read-only, or held by another program)
    // is not loaded.
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadWrite | QIODevice::Text)) {
        if (error)
            *error = file.errorString();
        return FileNotOpened;
    }
    // One byte more than a palette may have is enough to refuse a huge file.
    const QByteArray bytes = file.read(maxPaletteFileSize + 1);
    file.close();

    const PaletteFileContents contents = readPalette(bytes);
    // The library keeps no state between loads.
    xmlCleanupParser();
    return load(contents, error);
}

PaletteModel::LoadResult PaletteModel::load(const PaletteFileContents &contents, QString *error)
{
    if (!contents.isPalette) {
        if (error)
            *error = contents.error;
        return NotAPalette;
    }
    clearPalette(true, true);
    setDescription(contents.description);
    for (const PaletteFileChip &chip : contents.chips) {
        if (chip.accepted)
            setCell(QPoint(chip.column, chip.row), chip.collection, chip.entry);
    }
    return Loaded;
}

} // namespace Corvane
