// Feeds arbitrary bytes to the palette file reader. No collection is installed, so chips are
// parsed and looked up but never resolve.
#include "ModuleValues.h"
#include "PaletteReader.h"

#include <QCoreApplication>

#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication application(*argc, *argv);
    Corvane::setDatabaseFolder(QStringLiteral("/nonexistent/tessary-fuzz"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Corvane::readPalette(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    return 0;
}
