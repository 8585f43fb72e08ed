#include "ColorTextTest.h"
#include "DragPayloadTest.h"
#include "JsonCodecTest.h"
#include "TestMain.h"

#include <QCoreApplication>

TESSARY_TEST_MAIN(QCoreApplication, JsonCodecTest, DragPayloadTest, ColorTextTest)
