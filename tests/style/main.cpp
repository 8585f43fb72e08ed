#include "ButtonsTest.h"
#include "InterfaceFontsTest.h"
#include "StyleTest.h"
#include "TestMain.h"

#include <QApplication>

TESSARY_TEST_MAIN(QApplication, InterfaceFontsTest, StyleTest, ButtonsTest)
