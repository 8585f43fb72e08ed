#pragma once

#include "CollectionFixture.h"

#include <QObject>

class TabBarTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void visiblePages_data();
    void visiblePages();
    void shortcuts_data();
    void shortcuts();
    void arrowKeys_data();
    void arrowKeys();
    void clicks();

private:
    Corvane::Test::CollectionFixture m_fixture;
};
