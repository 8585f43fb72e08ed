// Feeds arbitrary bytes, read as a drop's payload is read, to the JSON codec.
#include "JsonCodec.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const qsizetype end = bytes.indexOf('\0');
    const QString text = QString::fromUtf8(bytes.constData(), end < 0 ? bytes.size() : end);
    bool ok = false;
    const QVariant value = Corvane::JsonCodec::parse(text, ok);
    if (!ok)
        return 0;
    // Whatever the parser delivers, the writer can write.
    bool written = false;
    Corvane::JsonCodec::serialize(value, written);
    if (!written)
        abort();
    return 0;
}
