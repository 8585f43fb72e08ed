#pragma once

#include <QObject>

class ButtonsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void attentionPulse();
    void checkedBacking_data();
    void checkedBacking();
    void imageFollowsState();
    void taskButtonColors_data();
    void taskButtonColors();
};
