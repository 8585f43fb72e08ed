#include "BrokenSettingsFileTest.h"
#include "StateStoreTest.h"
#include "TestMain.h"

#include <QCoreApplication>

TESSARY_TEST_MAIN(QCoreApplication, StateStoreTest, BrokenSettingsFileTest)
