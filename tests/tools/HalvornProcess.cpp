#include "HalvornProcess.h"

#include <QProcess>

namespace Corvane::Test {

HalvornResult runHalvorn(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(HALVORN_PATH), arguments);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

} // namespace Corvane::Test
