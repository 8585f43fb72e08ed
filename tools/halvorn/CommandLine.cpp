#include "CommandLine.h"

#include "ModuleValues.h"
#include "PlatformPaths.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace Corvane::Cli {

UsageError::UsageError(const QString &message) : std::runtime_error(message.toStdString()) { }

QString UsageError::message() const
{
    return QString::fromStdString(what());
}

CommandLine::CommandLine(const QStringList &arguments) : m_arguments(arguments) { }

std::optional<QString> CommandLine::takeOption(const QString &name)
{
    const QString prefix = name + QLatin1Char('=');
    for (int i = 0; i < m_arguments.size(); ++i) {
        const QString argument = m_arguments.at(i);
        if (argument.startsWith(prefix)) {
            m_arguments.removeAt(i);
            return argument.mid(prefix.size());
        }
        if (argument == name) {
            if (i + 1 >= m_arguments.size())
                throw UsageError(QStringLiteral("%1 needs a value").arg(name));
            const QString value = m_arguments.at(i + 1);
            m_arguments.remove(i, 2);
            return value;
        }
        if (argument == QLatin1String("--"))
            break;
    }
    return std::nullopt;
}

bool CommandLine::takeFlag(const QString &name)
{
    const int index = m_arguments.indexOf(name);
    if (index < 0)
        return false;
    m_arguments.removeAt(index);
    return true;
}

QStringList CommandLine::positionals() const
{
    QStringList result;
    bool optionsEnded = false;
    for (const QString &argument : m_arguments) {
        if (!optionsEnded && argument == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        if (!optionsEnded && argument.startsWith(QLatin1String("--")))
            throw UsageError(QStringLiteral("unknown option %1").arg(argument));
        result.append(argument);
    }
    return result;
}

QStringList CommandLine::positionals(int count, const QString &what) const
{
    const QStringList result = positionals();
    if (result.size() != count)
        throw UsageError(QStringLiteral("expected %1").arg(what));
    return result;
}

void CommandLine::applyDataDir()
{
    const std::optional<QString> given = takeOption(QStringLiteral("--data-dir"));
    const QString folder = given ? *given : defaultDatabaseFolder();
    if (given && !QFileInfo(folder).isDir())
        throw UsageError(QStringLiteral("data folder %1 does not exist").arg(folder));
    setDatabaseFolder(QDir(folder).absolutePath());
}

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

} // namespace Corvane::Cli
