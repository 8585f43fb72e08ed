#pragma once

#include <QObject>

class CaptureQueriesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void captureCollectionsByPriority();
    void matches_data();
    void matches();
    void pageSharedByTwoCaptureCollections();
    void collectGroupsByPriorityAndDropsRepeats();
    void withoutCollectionFile();
    void colorFallbackAfterNameMatches();
};
