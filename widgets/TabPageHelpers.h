#pragma once

#include "ColorEntry.h"
#include "ColorPage.h"
#include "Enums.h"

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>
#include <QUuid>

class QPainter;
class QScrollArea;
class QWidget;

namespace Corvane {

// Small pieces the tab pages share.

// Chip number `rowIndex` (1-based, in row order) of `page`; false when there is none.
bool chipOfCard(const DB::ColorPage &page, int rowIndex, DB::ColorEntry &out);

// The chip the navigation points at: the card "PageIndex" of `collection` and its chip
// "RowIndex". False when the card does not load or has no such chip.
bool currentChip(const QUuid &collection, DB::ColorEntry &out);

// The three-pass frame around a block of chips whose union, grown by one pixel, is `grown`.
void drawChipBlockFrame(QPainter &painter, const QRect &grown);

// The part of the main widget's background under `sourceRect` (in the main widget's
// coordinates), for a page that continues that background.
QImage mainBackgroundPart(const QRect &sourceRect);
// Makes that part the window brush of `target` in all colour groups.
void setBackgroundBehind(QWidget *target, const QRect &sourceRect);

// Sets up a scrolling tab page: vertical scroll bar only, drawn by a custom style that the
// page owns, no frame, and `content` as the scrolled widget, which does not fill its
// background (the page does).
void setUpScrollingPage(QScrollArea *page, QWidget *content);

// True for a page that was hidden with hide(): the main widget hides the pages not on show
// and lays a page out again when it shows it, so a hidden page can skip that work.
bool hiddenByOwner(const QWidget *page);

} // namespace Corvane
