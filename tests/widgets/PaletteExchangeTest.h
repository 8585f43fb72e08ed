#pragma once

#include <QObject>

// Exporting My Palette for other programs through the save dialog, and importing their
// palettes through the load button's import entry.
class PaletteExchangeTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void exportChoices_data();
    void exportChoices();
    void exportThroughSaveDialog();
    void importThroughImportEntry_data();
    void importThroughImportEntry();
};
