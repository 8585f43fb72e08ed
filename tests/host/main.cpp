#include "AboutBoxTest.h"
#include "PickResultTest.h"
#include "StartupTest.h"
#include "TestMain.h"

#include <QApplication>

TESSARY_TEST_MAIN(QApplication, PickResultTest, StartupTest, AboutBoxTest)
