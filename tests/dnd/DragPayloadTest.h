#pragma once

#include <QObject>

class DragPayloadTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void chipPayloadText();
    void colorPayloadRoundTrip();
    void payloadSource_data();
    void payloadSource();
    void unreadablePayloads_data();
    void unreadablePayloads();
    void decodeChipLoadsTheRow();
};
