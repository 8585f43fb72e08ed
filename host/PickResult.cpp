#include "PickResult.h"

#include <cstring>

namespace {

bool isUtf8Continuation(char byte)
{
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

} // namespace

void PickResult::reset(quint32 initial)
{
    std::memset(this, 0, sizeof(PickResult));
    initialColor = initial;
    hasInitialColor = initial != NoInitialColor ? 1 : 0;
}

bool PickResult::addColor(QRgb color, const QByteArray &localName)
{
    if (count >= Capacity)
        return false;
    colors[count] = color;
    const QByteArray name = cutAtCharacterBoundary(localName, NameSize - 1);
    std::memcpy(names[count], name.constData(), static_cast<size_t>(name.size()));
    names[count][name.size()] = '\0';
    ++count;
    return true;
}

quint32 PickResult::colorAt(quint64 index) const
{
    return (index < count && index < Capacity) ? colors[index] : 0;
}

const char *PickResult::nameAt(quint64 index) const
{
    return (index < count && index < Capacity) ? names[index] : nullptr;
}

PickResult &pickResult()
{
    static PickResult result = {};
    return result;
}

QByteArray cutAtCharacterBoundary(const QByteArray &text, int maxBytes)
{
    // Stop at an embedded NUL as the C string would.
    const int end = text.indexOf('\0');
    QByteArray cut = end < 0 ? text : text.left(end);
    if (cut.size() <= maxBytes)
        return cut;
    int size = maxBytes;
    // Back off to the lead byte of a sequence that would be split.
    while (size > 0 && isUtf8Continuation(cut.at(size)))
        --size;
    return cut.left(size);
}
