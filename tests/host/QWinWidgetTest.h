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

private:
    xcb_connection_t *m_connection = nullptr;
    xcb_window_t m_host = 0;
};
