#pragma once

#include <QObject>

class NearestCommandTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void matches_data();
    void matches();
    void badInput_data();
    void badInput();
    void noCollections();
};
