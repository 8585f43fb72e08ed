#include "HalvornCommandTest.h"
#include "PaletteCommandTest.h"
#include "TestMain.h"

#include <QCoreApplication>

TESSARY_TEST_MAIN(QCoreApplication, HalvornCommandTest, PaletteCommandTest)
