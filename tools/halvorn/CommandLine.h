#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <optional>
#include <stdexcept>

namespace Corvane::Cli {

// Bad input on the command line: reported as "halvorn: <message>", exit status 2.
class UsageError : public std::runtime_error
{
public:
    explicit UsageError(const QString &message);
    QString message() const;
};

// The arguments of one subcommand; options are taken out as they are read.
class CommandLine
{
public:
    explicit CommandLine(const QStringList &arguments);

    // "--name VALUE" or "--name=VALUE"; a missing value is a usage error.
    std::optional<QString> takeOption(const QString &name);
    bool takeFlag(const QString &name);

    // What remains; any option left unread is a usage error.
    QStringList positionals() const;
    // Exactly `count` positionals, named in the error message by `what`.
    QStringList positionals(int count, const QString &what) const;

    // Takes "--data-dir DIR" and makes DIR (or the machine's default) the database folder.
    // A folder that does not exist is a usage error.
    void applyDataDir();

private:
    QStringList m_arguments;
};

QTextStream &out();
QTextStream &err();

} // namespace Corvane::Cli
