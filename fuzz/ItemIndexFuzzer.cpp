// Feeds arbitrary text to the chip identity parser; whatever it reads must survive a round
// trip through its text form.
#include "ItemIndex.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const Corvane::DB::ItemIndex index = Corvane::DB::ItemIndex::fromText(text);
    if (Corvane::DB::ItemIndex::fromText(index.toText()) != index)
        abort();
    return 0;
}
