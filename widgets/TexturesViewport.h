#pragma once

#include "Texture.h"
#include "TextureMapEntry.h"

#include <QColor>
#include <QHash>
#include <QImage>
#include <QRect>
#include <QUuid>
#include <QWidget>

#include <utility>
#include <vector>

namespace Corvane {

// The content of the textures page: one tile per texture the current card offers, three to
// a row, each the texture tinted by the current chip's colour with its name under it.
class TexturesViewport : public QWidget
{
    Q_OBJECT

public:
    explicit TexturesViewport(QWidget *parent = nullptr);

    void loadTextures(const QUuid &collection);
    void layoutContent();

    const std::vector<std::pair<QRect, DB::TextureMapEntry>> &tileRects() const
    {
        return m_tileRects;
    }
    // The tint colour for the navigation state: the current chip's, or pure red without one.
    static QColor chipColor(const QUuid &collection);
    // `texture` tinted by `chip` with the weight `alpha` (1: the chip colour, 0: the texture
    // itself), multiplied by the texture; opaque.
    static QImage tintedImage(const QImage &texture, const QColor &chip, double alpha);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void paintTile(QPainter &painter, const QRect &tile, const DB::TextureMapEntry &entry,
                   const QColor &chip) const;

    QHash<qint64, DB::Texture> m_textures;
    std::vector<std::pair<QRect, DB::TextureMapEntry>> m_tileRects;
    QImage m_backgroundImage;
    bool m_layingOut = false;
};

} // namespace Corvane
