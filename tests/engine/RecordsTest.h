#pragma once

#include <QObject>

class RecordsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void colorEntryFields_data();
    void colorEntryFields();
    void colorEntryNamesAndCopies();
    void pageFields_data();
    void pageFields();
    void collectionWithoutColumns();
    void textureImage_data();
    void textureImage();
    void vistralEntryColor_data();
    void vistralEntryColor();
    void itemIndexRoundTrip_data();
    void itemIndexRoundTrip();
    void itemIndexMalformed_data();
    void itemIndexMalformed();
};
