#pragma once

#include "CollectionFixture.h"

#include <QObject>

class CollectionSelectTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void collectionList_data();
    void collectionList();
    void choosing_data();
    void choosing();
    void choosingByKeys_data();
    void choosingByKeys();
    void closesOnFocusLoss();
    void captureButton_data();
    void captureButton();

private:
    Corvane::Test::CollectionFixture m_single;
    Corvane::Test::CollectionFixture m_three;
};
