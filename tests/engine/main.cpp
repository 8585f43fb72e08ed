#include "BrokenCollectionsTest.h"
#include "CaptureQueriesTest.h"
#include "CardQueriesTest.h"
#include "CollectionSettingsTest.h"
#include "DiscoveryTest.h"
#include "RecordsTest.h"
#include "SchemeQueriesTest.h"
#include "SearchQueriesTest.h"
#include "TestMain.h"
#include "ThemeResourcesTest.h"
#include "VistralQueriesTest.h"

#include <QGuiApplication>

TESSARY_TEST_MAIN(QGuiApplication, RecordsTest, DiscoveryTest, CardQueriesTest, SearchQueriesTest,
                  CaptureQueriesTest, CollectionSettingsTest, ThemeResourcesTest, SchemeQueriesTest,
                  VistralQueriesTest, BrokenCollectionsTest)
