#include "CaptureDialogsTest.h"
#include "CaptureWatchTest.h"
#include "CardRollerTest.h"
#include "ColorWheelTest.h"
#include "MainWidgetTest.h"
#include "TestMain.h"

#include <QApplication>

TESSARY_TEST_MAIN(QApplication, CardRollerTest, ColorWheelTest, MainWidgetTest, CaptureDialogsTest,
                  CaptureWatchTest)
