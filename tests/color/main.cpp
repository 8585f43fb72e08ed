#include "ChromaticAdaptationTest.h"
#include "ColorMathTest.h"
#include "CxF3ReaderTest.h"
#include "TestMain.h"

#include <QCoreApplication>

TESSARY_TEST_MAIN(QCoreApplication, ColorMathTest, CxF3ReaderTest, ChromaticAdaptationTest)
