#pragma once

#include <QObject>

class StartupTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void noCollection_data();
    void noCollection();
    void newHostProcessStartsOnFirstCollection();
};
