#pragma once

#include <QObject>

#include <xcb/xcb.h>

class QWinWidgetTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void hostWindowIsFound();
    void modalDialogDisablesHost();
    void focusIsSavedOnce();
    void qtHostWindowIsDisabled();
    void tabPassesBetweenHostAndWidgets();
    void hostStandInGoesWithTheWidget_data();
    void hostStandInGoesWithTheWidget();

private:
    xcb_connection_t *m_connection = nullptr;
    xcb_window_t m_host = 0;
};
