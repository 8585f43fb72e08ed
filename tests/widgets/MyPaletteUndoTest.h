#pragma once

#include "WidgetDeck.h"

#include <QObject>

// My Palette's undo history and keys: undo and redo of drops, erases, clears and loads
// against the state store, Delete, Ctrl+C and the focus mark.
class MyPaletteUndoTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void undoRedo_data();
    void undoRedo();
    void noStepWithoutChange();
    void descriptionEditKeepsItsKeys();
    void copy_data();
    void copy();
    void fullViewUndo();
    void focusMark_data();
    void focusMark();

private:
    Corvane::Test::WidgetDeck m_deck;
};
