#pragma once

#include <QObject>

class CaptureCommandTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void listsMatches_data();
    void listsMatches();
    void badFiles_data();
    void badFiles();
    void colorFallback();
    void demoFolder();
};
