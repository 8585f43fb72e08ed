#include "CardRollerTest.h"
#include "CollectionSelectTest.h"
#include "ColorWheelTest.h"
#include "MainWidgetTest.h"
#include "MoodSelectTest.h"
#include "SearchWidgetTest.h"
#include "TabBarTest.h"
#include "TestMain.h"

#include <QApplication>

TESSARY_TEST_MAIN(QApplication, CardRollerTest, ColorWheelTest, MainWidgetTest, MoodSelectTest,
                  SearchWidgetTest, TabBarTest, CollectionSelectTest)
