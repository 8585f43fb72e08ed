// Feeds arbitrary bytes to the capture file reader and matches the names it finds. No
// collection is installed, so the matching ends at the missing connection.
#include "CaptureQueries.h"
#include "CxF3Reader.h"
#include "ModuleValues.h"

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
    const Corvane::CaptureFileContents contents = Corvane::readCaptureNames(
        QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    QVector<Corvane::DB::ColorEntry> matches;
    Corvane::DB::collectCaptureMatches(contents.names, matches);
    return 0;
}
