#pragma once

#include "WidgetDeck.h"

#include <QObject>

class MyPaletteTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void layout();
    void selection_data();
    void selection();
    void drop_data();
    void drop();
    void dropSources_data();
    void dropSources();
    void eraseKeepsSelection();
    void clearQuestion_data();
    void clearQuestion();
    void restoreAfterRestart();
    void saveButtonFollowsPalette();
    void zoomSlidesFullView();
    void saveAndLoad();
    void descriptionEdit();
    void dragPixmap();
    void fullViewGeometry();
    void fullViewSlider_data();
    void fullViewSlider();
    void fullViewZoom();
    void saveDialogFilters_data();
    void saveDialogFilters();

private:
    Corvane::Test::WidgetDeck m_deck;
};
