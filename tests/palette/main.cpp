#include "InterchangeTest.h"
#include "PaletteFileTest.h"
#include "PaletteModelTest.h"
#include "TestMain.h"

#include <QCoreApplication>

TESSARY_TEST_MAIN(QCoreApplication, PaletteModelTest, PaletteFileTest, InterchangeTest)
