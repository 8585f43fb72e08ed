#pragma once

#include <QObject>

class PaletteCommandTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void showListsChipsAsLoaded();
    void convertWritesBothFormats();
    void badInput_data();
    void badInput();
    void convertsToEveryExportFormat_data();
    void convertsToEveryExportFormat();
    void importWarnsAboutFarColours_data();
    void importWarnsAboutFarColours();
};
