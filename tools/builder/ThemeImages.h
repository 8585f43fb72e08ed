#pragma once

#include "CollectionData.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QString>

namespace Corvane::Builder {

// The pictures of the demo theme, drawn with QPainter. They need a QGuiApplication (fonts).

// An image encoded as PNG; the same image always gives the same bytes.
QByteArray pngData(const QImage &image);

// Every image the picker asks of the system-wide collection, keyed by theme key, as PNG.
QList<ThemeItemData> systemThemeImages();

// The images a selectable collection carries itself: "image.banner" (its name as a wordmark),
// "image.mto" and "image.about.logo", in the collection's accent colour.
QList<ThemeItemData> collectionThemeImages(const QString &name, const QString &tagline,
                                           const QColor &accent, const QString &mtoLabel);

// A grey surface texture (plaster, linen, wood, brick, stucco, concrete) of the given size;
// `kind` picks one of them (cycled).
QImage textureImage(int kind, const QSize &size);
QString textureName(int kind, int language);
int textureKinds();

} // namespace Corvane::Builder
