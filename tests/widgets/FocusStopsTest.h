#pragma once

#include "WidgetDeck.h"

#include <QObject>

// The whole picker from the keyboard: every widget the Tab key reaches shows that it has
// the focus.
class FocusStopsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void everyStopIsMarked_data();
    void everyStopIsMarked();
    void mainWidgetMarksTabFocusOnly_data();
    void mainWidgetMarksTabFocusOnly();

private:
    Corvane::Test::WidgetDeck m_deck;
};
