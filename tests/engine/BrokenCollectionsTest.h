#pragma once

#include <QObject>

// Start-up and every query against collection files that are damaged or malformed beside one
// good file: nothing crashes, the good collection stays usable, and each query reports its
// documented status.
class BrokenCollectionsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void startUpUsesTheGoodCollection();
    void queriesOnBrokenCollection_data();
    void queriesOnBrokenCollection();
    void hugeThemeBlob();
    void fileReplacedByGarbageAfterStartUp();
};
