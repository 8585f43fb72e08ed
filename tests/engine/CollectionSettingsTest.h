#pragma once

#include <QObject>

class CollectionSettingsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void typedValues_data();
    void typedValues();
    void cacheFollowsCollection();
    void availableTabBarPages_data();
    void availableTabBarPages();
    void rawLookupsAndOrders();
    void tooltipText_data();
    void tooltipText();
    void unopenableCollection();
};
