#pragma once

#include <QObject>

class PaletteModelTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void freshPaletteIsEmpty();
    void cellsPersistAndRestore();
    void unresolvableChipsRestoreEmptyAndKeepTheirKeys();
    void chipLabel_data();
    void chipLabel();
    void selectionIsStored();
    void dropFillsTheSelection();
    void eraseAndClear();
};
