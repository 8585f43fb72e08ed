#include "HalvornCommandTest.h"
#include "NearestCommandTest.h"
#include "TestMain.h"

#include <QCoreApplication>

TESSARY_TEST_MAIN(QCoreApplication, HalvornCommandTest, NearestCommandTest)
