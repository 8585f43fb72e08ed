#pragma once

#include <QObject>

class ThemeResourcesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void localeStrings_data();
    void localeStrings();
    void themeColors_data();
    void themeColors();
    void themeImages();
    void placeholder_data();
    void placeholder();
    void unopenableCollection();
};
