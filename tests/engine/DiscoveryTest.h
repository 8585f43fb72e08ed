#pragma once

#include <QObject>

class DiscoveryTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void enabledSetting_data();
    void enabledSetting();
    void systemWideOnly();
    void duplicateUuidAcrossFiles();
    void sharedOrderListsOne();
    void nonUuidTextIsSkipped();
    void fileAddedAfterStartUp();
    void twoCollectionsShareOneConnection();
    void pathsDifferingInCaseStayApart();
    void garbageFilesArePassedOver();
    void connectionErrors();
    void lookups();
    void missingResourcesFolder();
};
