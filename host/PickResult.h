#pragma once

#include <QByteArray>
#include <QRgb>
#include <QtGlobal>

// The one result record of a pick, read back by the host one colour at a time. Its layout
// is fixed: 6256 bytes.
struct PickResult
{
    static constexpr int Capacity = 24;
    static constexpr int NameSize = 256;
    static constexpr quint32 NoInitialColor = 0xFFFFFFFFu;

    qint32 hasInitialColor;
    quint32 initialColor; // 0x00BBGGRR as the host passed it
    qint32 append;
    quint32 count;
    quint32 colors[Capacity]; // 0xFFRRGGBB
    char names[Capacity][NameSize];

    // Zero-fills the record and keeps the host's initial colour (NoInitialColor for none).
    void reset(quint32 initial);

    // Adds a colour with its name in the local 8-bit encoding. A name longer than a slot is
    // cut at a character boundary. Returns false when the record is full.
    bool addColor(QRgb color, const QByteArray &localName);

    // The colour or name at `index`, or 0 / nullptr outside the picked ones.
    quint32 colorAt(quint64 index) const;
    const char *nameAt(quint64 index) const;
};

static_assert(sizeof(PickResult) == 6256, "the result record's layout is fixed");

// The record of this process.
PickResult &pickResult();

// `text` cut to at most `maxBytes` bytes without splitting a UTF-8 sequence.
QByteArray cutAtCharacterBoundary(const QByteArray &text, int maxBytes);
