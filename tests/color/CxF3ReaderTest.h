#pragma once

#include <QObject>

class CxF3ReaderTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void names_data();
    void names();
    void hostileDocuments_data();
    void hostileDocuments();
    void manyObjectsAreCapped();
    void labValues_data();
    void labValues();
    void captureFiles_data();
    void captureFiles();
};
