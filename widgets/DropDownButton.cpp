#include "DropDownButton.h"

#include "FocusMark.h"
#include "ThemeResources.h"

#include <QPainter>

namespace Corvane {

namespace {

constexpr QSize kButtonSize(20, 20);
const QString kArrowDownKey = QStringLiteral("image.widget.dropdown.arrow.down");
const QString kArrowUpKey = QStringLiteral("image.widget.dropdown.arrow.up");

} // namespace

DropDownButton::DropDownButton(QWidget *parent) : QPushButton(parent)
{
    setAutoRepeat(false);
    // Fixed first, so that missing arrows get placeholders of the button's own size.
    setFixedSize(kButtonSize);
    m_arrowDownImage = DB::systemThemeImage(kArrowDownKey, size());
    m_arrowUpImage = DB::systemThemeImage(kArrowUpKey, size());
}

void DropDownButton::setShowArrowDown(int showArrowDown)
{
    if (m_showArrowDown == showArrowDown)
        return;
    m_showArrowDown = showArrowDown;
    update();
}

void DropDownButton::setBackgroundImage(const QImage &image)
{
    m_backgroundImage = image;
    update();
}

// The arrows are shared by every collection.
void DropDownButton::selectedCollectionChanged(const QUuid &) { }

void DropDownButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    if (!m_backgroundImage.isNull())
        painter.drawImage(0, 0, m_backgroundImage);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    const QImage &arrow = m_showArrowDown == 1 ? m_arrowDownImage : m_arrowUpImage;
    if (!arrow.isNull())
        painter.drawImage((width() - arrow.width()) / 2, (height() - arrow.height()) / 2, arrow);
    paintFocusMark(painter, *this);
}

} // namespace Corvane
