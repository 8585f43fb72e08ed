#include "RollButton.h"

#include "FocusMark.h"
#include "ThemeResources.h"

#include <QPainter>

namespace Corvane {

namespace {

const QString kImageKey = QStringLiteral("image.widget.roll.%1.%2");

} // namespace

RollButton::RollButton(int kind, QWidget *parent) : QPushButton(parent), m_kind(kind)
{
    setAutoRepeat(true);
    const QString way = kind == Backward ? QStringLiteral("backward") : QStringLiteral("forward");
    m_normalImage = DB::systemThemeImage(kImageKey.arg(way, QStringLiteral("normal")), size());
    m_downImage = DB::systemThemeImage(kImageKey.arg(way, QStringLiteral("down")), size());
    setFixedSize(m_normalImage.size());
}

// The theme images are shared by every collection.
void RollButton::selectedCollectionChanged(const QUuid &) { }

void RollButton::paintEvent(QPaintEvent *)
{
    const QImage &image = isDown() ? m_downImage : m_normalImage;
    QPainter painter(this);
    if (!image.isNull())
        painter.drawImage(
            rect().translated((width() - image.width()) / 2, (height() - image.height()) / 2),
            image);
    paintFocusMark(painter, *this);
}

} // namespace Corvane
