#include "ColorMathTest.h"
#include "TestMain.h"

#include <QCoreApplication>

TESSARY_TEST_MAIN(QCoreApplication, ColorMathTest)
