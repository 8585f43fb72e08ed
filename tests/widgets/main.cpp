#include "CardRollerTest.h"
#include "ColorWheelTest.h"
#include "MainWidgetTest.h"
#include "TabPagesTest.h"
#include "TestMain.h"

#include <QApplication>

TESSARY_TEST_MAIN(QApplication, CardRollerTest, ColorWheelTest, MainWidgetTest, TabPagesTest)
