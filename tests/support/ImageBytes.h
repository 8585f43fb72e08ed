#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QSize>

namespace Corvane::Test {

// The PNG encoding of `image`, as collection files store images.
inline QByteArray pngOf(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// The PNG encoding of a one-colour image of `size`.
inline QByteArray pngBytes(const QSize &size, const QColor &color = Qt::red)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    return pngOf(image);
}

} // namespace Corvane::Test
