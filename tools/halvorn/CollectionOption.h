#pragma once

#include <QString>
#include <QUuid>

#include <optional>

namespace Corvane::Cli {

class CommandLine;

// Takes "--collection UUID|SYSTEMID" and answers the collection it names, or the first
// selectable collection when the option is absent. Call after applyDataDir. An unknown
// collection, or a data folder without collections, is a usage error.
QUuid resolveCollectionOption(CommandLine &commandLine);
// The same for an option value already taken.
QUuid resolveCollection(const std::optional<QString> &given);

// Why a database function failed, from its status code, for messages on stderr.
QString describeStatus(int status);

} // namespace Corvane::Cli
