#pragma once

#include "ColorEntry.h"
#include "Enums.h"
#include "ItemIndex.h"
#include "StateStore.h"

#include <QColor>
#include <QList>
#include <QPoint>
#include <QString>

#include <array>

namespace Corvane {

struct PaletteFileContents;

// The contents of My Palette: 4 × 6 cells of chip references, their selection and the
// description, written through to the state store on every change. Shared by My Palette's
// widget, its full view and the command line; it holds no widget code. A cell position is
// (x = column 0..5, y = row 0..3); any other position is no cell.
class PaletteModel
{
public:
    static constexpr int rows = 4;
    static constexpr int columns = 6;
    static constexpr int cellCount = rows * columns;

    // How loadFrom ended.
    enum LoadResult {
        FileNotOpened, // missing or not writable: nothing changed, nothing to report
        NotAPalette, // opened but not a palette of a known version and system: nothing changed
        Loaded // the palette was replaced by the file's contents
    };

    // What an undoable change of the palette replaces: the stored chip of every cell (also
    // one that does not load now) and the description.
    struct Contents
    {
        std::array<DB::ItemIndex, cellCount> entries;
        QString description;

        bool operator==(const Contents &other) const
        {
            return entries == other.entries && description == other.description;
        }
        bool operator!=(const Contents &other) const { return !(*this == other); }
    };

    // A model on the user's store, or on the given one.
    explicit PaletteModel(const StateStore &store = StateStore());

    const StateStore &store() const { return m_store; }

    static int rowCount() { return rows; }
    static int columnCount() { return columns; }
    static bool isCell(const QPoint &cell);
    // The position of cell `index` in reading order (row by row).
    static QPoint cellAt(int index);

    DB::ItemIndex itemAt(const QPoint &cell) const;
    // Transparent, empty and -1 for empty cells and for positions outside the palette.
    QColor colorAt(const QPoint &cell) const;
    QString nameAt(const QPoint &cell) const;
    qint64 rowIdAt(const QPoint &cell) const;
    bool hasChip(const QPoint &cell) const;
    bool isEmpty() const;

    // The chip label of an entry: "code - name" with the first name of the collection's row
    // name display order, or the code alone when that name is empty.
    static QString chipLabel(const DB::ColorEntry &entry);

    // Reads the cells and the selection from the store. A cell whose stored chip does not
    // parse or no longer loads is empty in memory; its key stays for when it loads again.
    void restoreFromStore();

    Contents contents() const;
    // Stores the chips of `contents` (and its description when `withDescription`) and reads
    // the cells back from the store. The selection stays.
    void restore(const Contents &contents, bool withDescription);

    // Puts the chip into the cell and stores it.
    void setCell(const QPoint &cell, const QUuid &collection, const DB::ColorEntry &entry);
    // Empties the cell and removes its stored chip.
    void clearCell(const QPoint &cell);
    // Empties every cell and/or the description; the selection stays.
    void clearPalette(bool chips, bool description);
    // A dropped chip fills every selected cell when `cell` is selected, else `cell` alone.
    void dropChip(const QPoint &cell, const QUuid &collection, const DB::ColorEntry &entry);
    // Empties every selected cell; the selection stays.
    void eraseSelected();

    QString description() const { return m_description; }
    // Takes and stores the description.
    void setDescription(const QString &description);

    const QList<QPoint> &selection() const { return m_selection; }
    bool isSelected(const QPoint &cell) const;
    // Whether some selected cell holds a chip.
    bool selectionHoldsChip() const;
    // Makes `cell` the only selected cell.
    void selectOnly(const QPoint &cell);
    // Adds `cell` to the selection or takes it out.
    void toggleSelected(const QPoint &cell);

    bool gridVisible() const;
    void setGridVisible(bool visible);

    // Writes the palette to `path`; false when nothing was written (no chip loads for a text
    // export, or the file cannot be written). An existing file is replaced only as a whole.
    bool saveTo(PaletteFileFormat format, const QString &path, QString *error = nullptr) const;

    // Replaces the palette with the contents of a palette file. The selection stays.
    LoadResult loadFrom(const QString &path, QString *error = nullptr);
    // The same for contents already read: the description and the accepted chips, in file
    // order, replace cells and description when the contents are a palette.
    LoadResult load(const PaletteFileContents &contents, QString *error = nullptr);

private:
    struct Cell
    {
        DB::ItemIndex item;
        QColor color = Qt::transparent;
        QString label;
    };

    static int indexOf(const QPoint &cell) { return cell.y() * columns + cell.x(); }
    // Reads cell `index` from the store; empty when its chip does not load.
    void loadCell(int index);
    void emptyCell(const QPoint &cell);
    void setSelected(const QPoint &cell, bool selected);

    StateStore m_store;
    std::array<Cell, cellCount> m_cells;
    QList<QPoint> m_selection;
    QString m_description;
};

} // namespace Corvane
