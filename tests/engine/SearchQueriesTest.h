#pragma once

#include <QObject>

class SearchQueriesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void completionWords_data();
    void completionWords();
    void searchPhrase_data();
    void searchPhrase();
    void connectionErrors();
};
