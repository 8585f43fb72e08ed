#pragma once

#include <QObject>

// The main widget's capture-folder watch and the import of a capture file.
class CaptureWatchTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void captureOff();
    void folderThatAppearsLater();
    void fileAppearsChangesAndDisappears();
    void captureButtonImports();
    void collectionSwitchMovesTheWatch();
    void import_data();
    void import();
    void fileGoneBeforeImport();
};
