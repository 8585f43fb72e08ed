#include "CollectionOption.h"
#include "CollectionSettings.h"
#include "CommandLine.h"
#include "Commands.h"
#include "SearchQueries.h"
#include "StatusCodes.h"

namespace Corvane::Cli {

// The completion words that start with a prefix, ignoring case, in completion order.
int runComplete(CommandLine &commandLine)
{
    commandLine.applyDataDir();
    const QUuid collection = resolveCollectionOption(commandLine);
    const QString prefix = commandLine.positionals(1, QStringLiteral("one PREFIX")).first();
    DB::loadDisplayOrders(collection);
    CollectionSettings::setCurrentCollection(collection);

    QStringList words;
    const int status = DB::loadCompletionWords(collection, words);
    // An empty word list (-1) simply completes nothing.
    if (status < DB::StatusFailed) {
        err() << "halvorn complete: " << describeStatus(status) << '\n';
        err().flush();
        return 1;
    }
    for (const QString &word : std::as_const(words)) {
        if (word.startsWith(prefix, Qt::CaseInsensitive))
            out() << word << '\n';
    }
    out().flush();
    return 0;
}

} // namespace Corvane::Cli
