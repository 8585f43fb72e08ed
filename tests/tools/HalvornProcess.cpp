#include "HalvornProcess.h"

#include <QProcess>

namespace Corvane::Test {

namespace {

constexpr int kTimeoutMs = 30000;

} // namespace

HalvornResult runHalvorn(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(HALVORN_PATH), arguments);
    process.waitForFinished(kTimeoutMs);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

} // namespace Corvane::Test
