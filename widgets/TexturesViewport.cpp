#include "TexturesViewport.h"

#include "CardQueries.h"
#include "CollectionSettings.h"
#include "InterfaceFonts.h"
#include "MainWidget.h"
#include "RectCorners.h"
#include "StateStore.h"
#include "StatusCodes.h"
#include "TabPageHelpers.h"
#include "ThemeResources.h"
#include "VistralQueries.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>

namespace Corvane {

namespace {

constexpr int kTitleFontStep = 4;
constexpr int kNameFontStep = 2;
constexpr int kTitleGap = 8;
constexpr int kRowGap = 16;
constexpr int kNameGap = 5;
constexpr int kTilesPerRow = 3;
constexpr int kViewportMargin = 16;
constexpr QSize kDefaultTextureSize(148, 96);
const QColor kFrameColor(96, 96, 96);
constexpr int kFaintAlpha = 32;
const QString kMessageKey = QStringLiteral("textures.select.message");

QUuid currentCollection()
{
    return StateStore().uuidOfLastUsedCollection();
}

// One channel: the chip and texture mixed by `alpha`, kept to 8 bits, times the texture.
int tintChannel(int chip, int texture, double alpha)
{
    const int mixed = int(chip * alpha + texture * (1.0 - alpha)) & 0xff;
    return (mixed * texture) >> 8;
}

} // namespace

TexturesViewport::TexturesViewport(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TexturesViewport"));
    setAttribute(Qt::WA_MouseTracking);
}

void TexturesViewport::loadTextures(const QUuid &collection)
{
    DB::loadTextures(collection, m_textures);
}

void TexturesViewport::resizeEvent(QResizeEvent *)
{
    if (!m_layingOut)
        layoutContent();
}

void TexturesViewport::layoutContent()
{
    m_layingOut = true;
    m_tileRects.clear();
    const QUuid collection = currentCollection();
    const QSize tile = CollectionSettings::textureSize(collection, kDefaultTextureSize);
    const int titleHeight = QFontMetrics(boldFont(kTitleFontStep)).height();
    const int nameHeight = QFontMetrics(italicFont(kNameFontStep)).height();
    const int w = width();

    DB::ColorPage card;
    DB::loadPageByIndex(collection, StateStore().pageIndex(collection), card);
    std::vector<DB::TextureMapEntry> entries;
    DB::loadTextureMap(collection, card.isValid() ? card.id : 0, entries);

    const int step = tile.width() + (w - kTilesPerRow * tile.width()) / 2;
    const int rowStep = tile.height() + nameHeight + kRowGap;
    QRect rect(QPoint(0, titleHeight + kTitleGap), tile);
    for (const DB::TextureMapEntry &entry : entries) {
        if (rect.right() > w - 1)
            rect.moveTopLeft(QPoint(0, rect.top() + rowStep));
        m_tileRects.emplace_back(rect, entry);
        rect.translate(step, 0);
    }
    const int lastBottom = m_tileRects.empty() ? rect.bottom() : m_tileRects.back().first.bottom();
    resize(w, lastBottom + nameHeight + kRowGap);

    if (currentMainWidget && parentWidget() && currentMainWidget->isAncestorOf(this)) {
        const QRect area(QPoint(kViewportMargin, kViewportMargin), size());
        const QRect inMain(parentWidget()->mapTo(currentMainWidget, area.topLeft()), area.size());
        m_backgroundImage = mainBackgroundPart(inMain);
    }
    m_layingOut = false;
}

QColor TexturesViewport::chipColor(const QUuid &collection)
{
    DB::ColorEntry chip;
    return currentChip(collection, chip) ? QColor(chip.red, chip.green, chip.blue)
                                         : QColor(255, 0, 0);
}

QImage TexturesViewport::tintedImage(const QImage &texture, const QColor &chip, double alpha)
{
    if (texture.isNull())
        return QImage();
    const QImage source = texture.convertToFormat(QImage::Format_ARGB32);
    QImage tinted(source.size(), QImage::Format_ARGB32);
    for (int y = 0; y < source.height(); ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(source.constScanLine(y));
        auto *out = reinterpret_cast<QRgb *>(tinted.scanLine(y));
        for (int x = 0; x < source.width(); ++x) {
            const QRgb pixel = in[x];
            out[x] = qRgb(tintChannel(chip.red(), qRed(pixel), alpha),
                          tintChannel(chip.green(), qGreen(pixel), alpha),
                          tintChannel(chip.blue(), qBlue(pixel), alpha));
        }
    }
    return tinted;
}

void TexturesViewport::paintEvent(QPaintEvent *event)
{
    const QColor chip = chipColor(currentCollection());
    QPainter painter(this);
    painter.setRenderHints(QPainter::TextAntialiasing);
    painter.setBrush(Qt::NoBrush);
    if (!m_backgroundImage.isNull())
        painter.drawImage(event->rect().topLeft(), m_backgroundImage);

    painter.setFont(boldFont(kTitleFontStep));
    painter.setPen(Qt::white);
    painter.drawText(rect(), Qt::TextSingleLine,
                     DB::localeString(currentCollection(), kMessageKey));
    for (const auto &[tile, entry] : m_tileRects)
        paintTile(painter, tile, entry, chip);
}

void TexturesViewport::paintTile(QPainter &painter, const QRect &tile,
                                 const DB::TextureMapEntry &entry, const QColor &chip) const
{
    const auto texture = m_textures.constFind(entry.textureId);
    if (texture == m_textures.cend())
        return;
    const QImage tinted = tintedImage(texture->image, chip, entry.alpha);
    painter.drawImage(tile.topLeft(), tinted, QRect(QPoint(0, 0), tile.size()));

    QColor faint = kFrameColor;
    faint.setAlpha(kFaintAlpha);
    painter.setPen(faint);
    painter.drawRect(tile.adjusted(-1, -1, 1, 1));
    painter.setPen(kFrameColor);
    painter.drawRect(tile);
    painter.setPen(QColor(255, 255, 255, kFaintAlpha));
    painter.drawRect(tile.adjusted(1, 1, -1, -1));

    painter.setFont(italicFont(kNameFontStep));
    painter.setPen(Qt::white);
    const QRect name = rectFromCorners(tile.left(), tile.bottom() + kNameGap, tile.right(),
                                       2 * tile.bottom() - tile.top() + kNameGap);
    painter.drawText(name, Qt::TextSingleLine, entry.name);
    painter.drawText(name, Qt::TextSingleLine, entry.name);
}

void TexturesViewport::mouseMoveEvent(QMouseEvent *)
{
    setCursor(Qt::ArrowCursor);
}

void TexturesViewport::mousePressEvent(QMouseEvent *)
{
    setCursor(Qt::ArrowCursor);
}

} // namespace Corvane
