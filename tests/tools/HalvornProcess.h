#pragma once

#include <QString>
#include <QStringList>

namespace Corvane::Test {

// How one run of the halvorn command line ended.
struct HalvornResult
{
    int exitCode = -1; // -1 when the program crashed or did not end in time
    QString out;
    QString err;
};

// Runs the built halvorn with `arguments` and waits up to 30 seconds for it.
HalvornResult runHalvorn(const QStringList &arguments);

} // namespace Corvane::Test
