#include "BuilderTest.h"
#include "CaptureCommandTest.h"
#include "HalvornCommandTest.h"
#include "NearestCommandTest.h"
#include "PaletteCommandTest.h"
#include "TestMain.h"

#include <QGuiApplication>

// A GUI application: the builder draws the demo theme with QPainter (offscreen).
TESSARY_TEST_MAIN(QGuiApplication, HalvornCommandTest, BuilderTest, NearestCommandTest,
                  PaletteCommandTest, CaptureCommandTest)
