#pragma once

#include <QObject>

class CardQueriesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void firstPageInSegment_data();
    void firstPageInSegment();
    void neighbourPage_data();
    void neighbourPage();
    void pagesSortTheirChips();
    void pageById();
    void rowLookups();
    void rowNearRgb_data();
    void rowNearRgb();
    void segmentsAndExteriorMoods();
    void collectionWithoutChips();
    void pageMappedToTwoCollections();
    void rowByCodeInEnabledCollections_data();
    void rowByCodeInEnabledCollections();
    void rowByRgbInEnabledCollections();
    void connectionErrors();
};
