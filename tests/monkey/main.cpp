#include "MonkeyTest.h"
#include "TestMain.h"

#include <QApplication>

TESSARY_TEST_MAIN(QApplication, MonkeyTest)
