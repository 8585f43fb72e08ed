#pragma once

#include <QObject>

class InterfaceFontsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parsePreferences_data();
    void parsePreferences();
    void chooseInstalled_data();
    void chooseInstalled();
    void sizeStepsFromTheme();
};
