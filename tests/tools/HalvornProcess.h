#pragma once

#include <QString>
#include <QStringList>

namespace Corvane::Test {

// What one run of the halvorn command line gave back.
struct HalvornResult
{
    int exitCode = -1; // -1 when it crashed or did not finish
    QString out;
    QString err;
};

// Runs the built halvorn with the arguments and waits for it to end.
HalvornResult runHalvorn(const QStringList &arguments);

} // namespace Corvane::Test
