#pragma once

#include <QObject>

class AboutBoxTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void textsFromTheCollection();
    void missingTextsShowKeys();
    void windowsShareOneIcon();
};
