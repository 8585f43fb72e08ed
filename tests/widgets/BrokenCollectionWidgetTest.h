#pragma once

#include <QObject>

// The main widget over a data folder that holds damaged collection files beside a good one:
// it paints, rolls, searches and switches collections without crashing or hanging.
class BrokenCollectionWidgetTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void brokenCollectionSelected_data();
    void brokenCollectionSelected();
};
