#pragma once

#include <QObject>

class JsonCodecTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void serialize_data();
    void serialize();
    void serializeFailure_data();
    void serializeFailure();
    void parse_data();
    void parse();
    void parseFailure_data();
    void parseFailure();
    void roundTrip();
};
