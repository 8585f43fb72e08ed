#pragma once

#include <QObject>

class StyleTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void scrollBarRects_data();
    void scrollBarRects();
    void scrollBarHits_data();
    void scrollBarHits();
    void scrollBarPaints();
    void sliderWithoutImagesIsForwarded();
    void sliderWithImages();
};
