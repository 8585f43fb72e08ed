#pragma once

#include <QObject>

class SchemeQueriesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void rowQueries_data();
    void rowQueries();
    void schemePages_data();
    void schemePages();
    void complementaryNeutral_data();
    void complementaryNeutral();
};
