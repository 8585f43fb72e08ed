#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace Corvane::Test {

// What one run of the halvorn program left behind.
struct HalvornResult
{
    int exitCode = -1; // -1 when it crashed or did not finish
    QString out;
    QString err;
};

inline HalvornResult runHalvorn(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(HALVORN_PATH), arguments);
    process.waitForFinished(30000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

} // namespace Corvane::Test
