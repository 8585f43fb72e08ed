#pragma once

#include <QObject>

class ChromaticAdaptationTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void illuminants_data();
    void illuminants();
    void adaptsToD65_data();
    void adaptsToD65();
};
