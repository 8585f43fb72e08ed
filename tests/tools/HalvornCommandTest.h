#pragma once

#include <QObject>

class HalvornCommandTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void collectionsListsInOrder();
    void badInput_data();
    void badInput();
    void pickScreenshot();
    void searchAndComplete_data();
    void searchAndComplete();
    void searchWithoutCollections();
};
