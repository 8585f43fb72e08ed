#include "ChipDrag.h"

#include "ColorEntry.h"
#include "DragPayload.h"
#include "InterfaceFonts.h"

#include <QDrag>
#include <QLinearGradient>
#include <QMimeData>
#include <QPainter>
#include <QTextOption>
#include <QWidget>

namespace Corvane {

namespace {

constexpr QSize kPixmapSize(128, 64);
constexpr int kTextMargin = 2;
constexpr int kFontStep = 2;
constexpr QPointF kGradientEnd(16, 63);
constexpr qreal kMiddleStop = 0.65;
constexpr int kMiddleAlpha = 208;
constexpr int kEndAlpha = 160;

QColor withAlpha(QColor color, int alpha)
{
    color.setAlpha(alpha);
    return color;
}

Qt::DropAction runDrag(QWidget *source, const QPixmap &pixmap, QMimeData *mime)
{
    auto *drag = new QDrag(source);
    drag->setPixmap(pixmap);
    drag->setHotSpot(QPoint(0, 0));
    drag->setMimeData(mime);
    return drag->exec(Qt::CopyAction, Qt::CopyAction);
}

} // namespace

QPixmap dragPixmap(const QColor &color, const QString &text)
{
    QPixmap pixmap(kPixmapSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    QLinearGradient gradient(QPointF(0, 0), kGradientEnd);
    gradient.setColorAt(0, withAlpha(color, 255));
    gradient.setColorAt(kMiddleStop, withAlpha(color, kMiddleAlpha));
    gradient.setColorAt(1, withAlpha(color, kEndAlpha));
    painter.fillRect(pixmap.rect(), gradient);

    painter.setFont(italicFont(kFontStep));
    painter.setPen(Qt::black);
    QTextOption option(Qt::AlignRight | Qt::AlignTop);
    option.setWrapMode(QTextOption::WordWrap);
    const QRectF textRect(
        pixmap.rect().adjusted(kTextMargin, kTextMargin, -kTextMargin, -kTextMargin));
    // Drawn twice, so that the antialiased edges come out darker.
    painter.drawText(textRect, text, option);
    painter.drawText(textRect, text, option);
    return pixmap;
}

Qt::DropAction startChipDrag(QWidget *source, DragSource from, const QUuid &collection,
                             const DB::ColorEntry &entry)
{
    return runDrag(source, dragPixmap(QColor(entry.red, entry.green, entry.blue), entry.code()),
                   chipMimeData(from, collection, entry));
}

Qt::DropAction startColorDrag(QWidget *source, DragSource from, const QColor &color,
                              const QString &label, const QString &name1, const QString &name2)
{
    return runDrag(source, dragPixmap(color, label), colorMimeData(from, color, name1, name2));
}

} // namespace Corvane
