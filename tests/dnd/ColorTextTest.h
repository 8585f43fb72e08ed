#pragma once

#include <QObject>

// The plain-text form of colours and the mime data of drags out of the picker.
class ColorTextTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parseColorText_data();
    void parseColorText();
    void chipMimeData();
    void colorMimeData();
};
