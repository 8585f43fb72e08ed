#pragma once

#include <QObject>

class InterchangeTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void exportRoundTrip_data();
    void exportRoundTrip();
    void namesSurviveEachFormat_data();
    void namesSurviveEachFormat();
    void aseByteLayout();
    void readsWhatOtherProgramsWrite_data();
    void readsWhatOtherProgramsWrite();
    void malformedFiles_data();
    void malformedFiles();
    void unreadableFiles_data();
    void unreadableFiles();
    void exportFailuresKeepTheEarlierFile();
    void importMatchesNearestChips();
};
