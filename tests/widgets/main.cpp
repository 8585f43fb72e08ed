#include "BrokenCollectionWidgetTest.h"
#include "CaptureDialogsTest.h"
#include "CaptureWatchTest.h"
#include "CardRollerDropTest.h"
#include "CardRollerKeyboardTest.h"
#include "CardRollerTest.h"
#include "CollectionSelectTest.h"
#include "ColorWheelTest.h"
#include "FocusStopsTest.h"
#include "MainWidgetTest.h"
#include "MoodSelectTest.h"
#include "MyPaletteTest.h"
#include "MyPaletteUndoTest.h"
#include "PaletteExchangeTest.h"
#include "SearchWidgetTest.h"
#include "TabBarTest.h"
#include "TabPagesTest.h"
#include "TestMain.h"

#include <QApplication>

TESSARY_TEST_MAIN(QApplication, CardRollerTest, ColorWheelTest, MainWidgetTest, TabPagesTest,
                  MyPaletteTest, CardRollerDropTest, CaptureDialogsTest, CaptureWatchTest,
                  MoodSelectTest, SearchWidgetTest, TabBarTest, CollectionSelectTest,
                  PaletteExchangeTest, BrokenCollectionWidgetTest, CardRollerKeyboardTest,
                  MyPaletteUndoTest, FocusStopsTest)
