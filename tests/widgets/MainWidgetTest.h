#pragma once

#include "WidgetDeck.h"

#include <QObject>
#include <QUrl>

class MainWidgetTest : public QObject
{
    Q_OBJECT

public Q_SLOTS:
    // Receives the URLs the widget asks the desktop to open.
    void openUrl(const QUrl &url);

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void layout();
    void initialState_data();
    void initialState();
    void taskButtons();
    void taskButtonRow_data();
    void taskButtonRow();
    void collectionSwitch();
    void helpFiles();
    void helpLink_data();
    void helpLink();
    void bannerCursor_data();
    void bannerCursor();
    void wheelSegment_data();
    void wheelSegment();
    void rollCards_data();
    void rollCards();
    void filters_data();
    void filters();
    void search_data();
    void search();
    void selectNearestColor_data();
    void selectNearestColor();
    void captureChoice();

private:
    Corvane::Test::WidgetDeck m_deck;
    QList<QUrl> m_openedUrls;
};
