#pragma once

#include <QObject>

class BuilderTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void deckParsing_data();
    void deckParsing();
    void deckErrors_data();
    void deckErrors();
    void descriptionErrors_data();
    void descriptionErrors();
    void deckBuildsCollectionFile();
    void failedBuildLeavesNothing();
    void collectionsOfAFileMustDiffer_data();
    void collectionsOfAFileMustDiffer();
    void commandReportsBadDeck();
    void exampleDeckBuilds();
    void syntheticCollection();
    void demoFolder();
    void demoCommandListsCollections();
};
