#pragma once

#include "CardQueries.h"
#include "DropEvents.h"
#include "MyPaletteWidget.h"
#include "StatusCodes.h"
#include "WidgetDeck.h"

#include <QTest>

namespace Corvane::Test {

// About the size My Palette gets in the main widget.
constexpr QSize kPaletteSize(566, 240);

// The chip at (page, row) of the deck's normal collection.
inline DB::ColorEntry normalChip(int pageIndex, int rowIndex)
{
    DB::ColorEntry entry;
    if (DB::loadRowAt(WidgetDeck::normal, pageIndex, rowIndex, entry) != DB::StatusOk)
        qFatal("deck chip missing");
    return entry;
}

inline void clickCell(MyPaletteWidget &palette, const QPoint &cell,
                      Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::mouseClick(&palette, Qt::LeftButton, modifiers, palette.cellRect(cell).center());
}

// Drops a chip of the normal collection from the card roller onto the cell.
inline void dropChip(MyPaletteWidget &palette, const QPoint &cell, const DB::ColorEntry &entry)
{
    const auto mime = chipMime(CardRoller, WidgetDeck::normal, entry);
    dragAndDrop(palette, palette.cellRect(cell).center(), mime.get());
}

} // namespace Corvane::Test
