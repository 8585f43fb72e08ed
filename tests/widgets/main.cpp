#include "BrokenCollectionWidgetTest.h"
#include "CaptureDialogsTest.h"
#include "CaptureWatchTest.h"
#include "CardRollerDropTest.h"
#include "CardRollerTest.h"
#include "ColorWheelTest.h"
#include "MainWidgetTest.h"
#include "MyPaletteTest.h"
#include "TabPagesTest.h"
#include "TestMain.h"

#include <QApplication>

TESSARY_TEST_MAIN(QApplication, CardRollerTest, ColorWheelTest, MainWidgetTest, TabPagesTest,
                  MyPaletteTest, CardRollerDropTest, CaptureDialogsTest, CaptureWatchTest,
                  BrokenCollectionWidgetTest)
