#pragma once

#include <QObject>

class PickResultTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void resetKeepsInitialColor_data();
    void resetKeepsInitialColor();
    void colorsInOrderUpToCapacity();
    void indexOutsidePicked_data();
    void indexOutsidePicked();
    void longNamesAreCut_data();
    void longNamesAreCut();
};
