#pragma once

#include "WidgetDeck.h"

#include <QObject>

// The nearest-colour dialog and the capture selection dialog.
class CaptureDialogsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void nearestSwatchLayout_data();
    void nearestSwatchLayout();
    void nearestFrames();
    void nearestClicks_data();
    void nearestClicks();
    void nearestKeys_data();
    void nearestKeys();
    void captureListTexts_data();
    void captureListTexts();
    void captureSelection();
    void captureEmptyList();

private:
    Corvane::Test::WidgetDeck m_deck;
};
