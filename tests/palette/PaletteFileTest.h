#pragma once

#include <QObject>

class PaletteFileTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void writesVersion3Layout();
    void writesEmptyPalette();
    void roundTrip_data();
    void roundTrip();
    void readerRules_data();
    void readerRules();
    void unreadableFilesChangeNothing();
    void badInput_data();
    void badInput();
    void saveLeavesOutChipsThatDoNotLoad();
    void textExport();
    void textExportWithoutChipsWritesNothing();
    void failedSaveKeepsTheEarlierFile();
    void failedSaveIntoReadOnlyFolder_data();
    void failedSaveIntoReadOnlyFolder();
};
