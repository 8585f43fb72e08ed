#pragma once

#include <QObject>
#include <QUrl>

// Random user actions on the picker's main widget over the demo data, checking the state
// store's values after each one.
class MonkeyTest : public QObject
{
    Q_OBJECT

public slots:
    // Sink for links the widgets open, so no browser starts.
    void openUrl(const QUrl &url);

private slots:
    void randomActionsKeepStateInRange();
};
