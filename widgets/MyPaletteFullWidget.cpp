#include "MyPaletteFullWidget.h"

#include "CardQueries.h"
#include "FocusMark.h"
#include "ImageButton.h"
#include "InterfaceFonts.h"
#include "MainWidget.h"
#include "MyPaletteWidget.h"
#include "PaletteModel.h"
#include "RectCorners.h"
#include "StateStore.h"
#include "StatusCodes.h"
#include "ThemeResources.h"
#include "VeltraCustomStyle.h"
#include "WidgetShortcuts.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QSlider>
#include <QUndoStack>

namespace Corvane {

namespace {

constexpr int kFontStep = 3;
constexpr int kButtonPadding = 2;
constexpr int kSliderMaximum = 255;
constexpr int kSliderPageStep = 10;
constexpr int kDefaultBackground = 176;
constexpr int kSliderWidth = 256;
constexpr int kGridSideMargin = 64;
constexpr double kCellAspect = 1.8;
constexpr QSize kBarPlaceholder(30, 30);
constexpr QSize kButtonPlaceholder(16, 16);
constexpr QSize kSliderPlaceholder(21, 7);

const QColor kFrameGray(176, 176, 176);
constexpr int kFrameOuterAlpha = 24;
constexpr int kFrameMiddleAlpha = 64;
constexpr int kFrameInnerAlpha = 192;
constexpr qreal kFrameOuterRadius = 3;
constexpr qreal kFrameMiddleRadius = 2;

const QString kBarImageKey = QStringLiteral("image.widget.bar.background");
const QString kBackImageKey = QStringLiteral("image.mypalettefull.back");
const QString kGrooveKey = QStringLiteral("image.mypalettefull.slider.background");
const QString kGrooveMaskKey = QStringLiteral("image.mypalettefull.slider.background.mask");
const QString kHandleKey = QStringLiteral("image.mypalettefull.slider.thumb");

QColor withAlpha(QColor color, int alpha)
{
    color.setAlpha(alpha);
    return color;
}

} // namespace

MyPaletteFullWidget::MyPaletteFullWidget(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_MouseTracking);
    setFont(normalFont(kFontStep));

    m_barImage = DB::systemThemeImage(kBarImageKey, kBarPlaceholder);
    const QImage backImage = DB::systemThemeImage(kBackImageKey, kButtonPlaceholder);
    m_backButton = new ImageButton(backImage, backImage, this);
    m_backButton->setFixedSize(backImage.size() + QSize(kButtonPadding, kButtonPadding));

    m_backgroundSlider = new QSlider(Qt::Horizontal, this);
    m_backgroundSlider->setRange(0, kSliderMaximum);
    m_backgroundSlider->setInvertedAppearance(true);
    m_backgroundSlider->setPageStep(kSliderPageStep);
    int stored = StateStore().myPaletteFullBackgroundColor();
    if (stored < 0 || stored > kSliderMaximum)
        stored = kDefaultBackground;
    m_backgroundSlider->setValue(stored);

    m_sliderStyle = new VeltraCustomStyle;
    m_sliderStyle->setParent(this);
    m_sliderStyle->grooveImage = DB::systemThemeImage(kGrooveKey, kSliderPlaceholder);
    m_sliderStyle->grooveMask = DB::systemThemeImage(kGrooveMaskKey, QSize());
    m_sliderStyle->handleImage = DB::systemThemeImage(kHandleKey, kSliderPlaceholder);
    m_backgroundSlider->setStyle(m_sliderStyle);

    createShortcuts();
    update();
    connect(m_backgroundSlider, &QSlider::valueChanged, this,
            &MyPaletteFullWidget::backgroundColorSliderValueChanged);
    connect(m_backButton, &QAbstractButton::clicked, this, &MyPaletteFullWidget::backClicked);
}

void MyPaletteFullWidget::createShortcuts()
{
    addWidgetShortcut(this, QKeySequence::Undo, [this] { stepPaletteHistory(true); });
    addWidgetShortcut(this, paletteRedoKeys(), [this] { stepPaletteHistory(false); });
}

// The history belongs to My Palette, which the main widget owns next to this view.
void MyPaletteFullWidget::stepPaletteHistory(bool undo)
{
    if (!currentMainWidget || !currentMainWidget->myPalette())
        return;
    QUndoStack *stack = currentMainWidget->myPalette()->undoStack();
    if (undo)
        stack->undo();
    else
        stack->redo();
    m_zoomColor = Qt::transparent;
    update();
}

void MyPaletteFullWidget::selectedCollectionChanged(const QUuid &)
{
    update();
}

void MyPaletteFullWidget::backClicked()
{
    m_zoomColor = Qt::transparent;
    emit backButtonClicked();
}

void MyPaletteFullWidget::backgroundColorSliderValueChanged(int value)
{
    StateStore().setMyPaletteFullBackgroundColor(value);
    update();
}

void MyPaletteFullWidget::resizeEvent(QResizeEvent *)
{
    const int w = width();
    const int h = height();
    const int barHeight = m_barImage.height();
    m_barRect = rectFromCorners(0, 0, w - 1, barHeight - 1);

    const int margin = (barHeight - m_backButton->height()) / 2;
    m_backButton->move(margin, margin);

    const int sliderHeight = m_backgroundSlider->minimumSizeHint().height();
    const int gap = (barHeight - sliderHeight) / 2;
    m_backgroundSlider->setGeometry(w - 1 - gap - (kSliderWidth - 1), gap, kSliderWidth,
                                    sliderHeight);

    m_cellWidth = (w - 2 * kGridSideMargin) / PaletteModel::columns;
    m_cellHeight = int(m_cellWidth / kCellAspect);
    const int top = barHeight - 1 + ((h - barHeight + 1) - PaletteModel::rows * m_cellHeight) / 2;
    m_gridRect = rectFromCorners(kGridSideMargin, top,
                                 kGridSideMargin + PaletteModel::columns * m_cellWidth - 1,
                                 top + PaletteModel::rows * m_cellHeight - 1);
}

bool MyPaletteFullWidget::storedCellColor(const QPoint &cell, QColor &color)
{
    const DB::ItemIndex item = StateStore().myPaletteEntry(cell);
    DB::ColorEntry entry;
    if (item.rowId <= 0 || DB::loadRowById(item.collection, item.rowId, entry) != DB::StatusOk)
        return false;
    color = QColor(entry.red, entry.green, entry.blue);
    return true;
}

void MyPaletteFullWidget::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const int gray = m_backgroundSlider->value();
    painter.fillRect(rect(), QColor(gray, gray, gray));

    const QRect area = event->region().isEmpty() ? rect() : *event->region().begin();
    if (area.intersects(m_barRect) && m_barImage.width() > 0) {
        for (int x = 0; x < width(); x += m_barImage.width())
            painter.drawImage(x, 0, m_barImage);
    }
    if (m_zoomColor != QColor(Qt::transparent))
        painter.fillRect(m_gridRect, m_zoomColor);
    else
        paintCells(painter);
    paintFocusMark(painter, *this);
}

void MyPaletteFullWidget::paintCells(QPainter &painter) const
{
    paintGridFrame(painter);

    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(kFrameGray, 0));
    for (int index = 0; index < PaletteModel::cellCount; ++index) {
        const QPoint cell = PaletteModel::cellAt(index);
        QColor color = Qt::white;
        storedCellColor(cell, color);
        painter.setBrush(color);
        painter.drawRect(m_gridRect.left() + cell.x() * m_cellWidth,
                         m_gridRect.top() + cell.y() * m_cellHeight, m_cellWidth, m_cellHeight);
    }
}

// Three outlines at falling opacity, the outer two rounded, like a soft shadow.
void MyPaletteFullWidget::paintGridFrame(QPainter &painter) const
{
    const int x1 = m_gridRect.left();
    const int y1 = m_gridRect.top();
    const int x2 = m_gridRect.right();
    const int y2 = m_gridRect.bottom();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(withAlpha(kFrameGray, kFrameOuterAlpha));
    painter.drawRoundedRect(QRectF(rectFromCorners(x1 - 2, y1 - 2, x2 + 3, y2 + 3)),
                            kFrameOuterRadius, kFrameOuterRadius);
    painter.setPen(withAlpha(kFrameGray, kFrameMiddleAlpha));
    painter.drawRoundedRect(QRectF(rectFromCorners(x1 - 1, y1 - 1, x2 + 2, y2 + 2)),
                            kFrameMiddleRadius, kFrameMiddleRadius);
    painter.setPen(withAlpha(kFrameGray, kFrameInnerAlpha));
    painter.drawRect(rectFromCorners(x1, y1, x2 + 1, y2 + 1));
}

void MyPaletteFullWidget::mousePressEvent(QMouseEvent *event)
{
    if (m_zoomColor != QColor(Qt::transparent)) {
        m_zoomColor = Qt::transparent;
        update();
        return;
    }
    const QPoint point = event->position().toPoint();
    if (!m_gridRect.contains(point) || m_cellWidth <= 0 || m_cellHeight <= 0)
        return;
    const QPoint cell((point.x() - m_gridRect.left()) / m_cellWidth,
                      (point.y() - m_gridRect.top()) / m_cellHeight);
    QColor color;
    if (!storedCellColor(cell, color))
        return;
    m_zoomColor = color;
    update();
}

// Swallowed, so that the main widget underneath does not see them.
void MyPaletteFullWidget::mouseReleaseEvent(QMouseEvent *) { }

void MyPaletteFullWidget::mouseMoveEvent(QMouseEvent *) { }

} // namespace Corvane
