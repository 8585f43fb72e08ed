#include "CollectionOption.h"
#include "CollectionSettings.h"
#include "CommandLine.h"
#include "Commands.h"
#include "SearchQueries.h"
#include "StatusCodes.h"

namespace Corvane::Cli {

// The card or chip a phrase names: page index, row index, segment, mood, exterior.
int runSearch(CommandLine &commandLine)
{
    commandLine.applyDataDir();
    const QUuid collection = resolveCollectionOption(commandLine);
    const QString phrase = commandLine.positionals(1, QStringLiteral("one PHRASE")).first();
    // The search looks at the name columns the collection's search orders name.
    DB::loadDisplayOrders(collection);
    CollectionSettings::setCurrentCollection(collection);

    int pageIndex = -1;
    int rowIndex = -1;
    int segment = -1;
    int mood = 0;
    bool exterior = false;
    const int status
        = DB::searchPhrase(collection, phrase, pageIndex, rowIndex, segment, mood, exterior);
    if (status == DB::StatusNoCardPasses) {
        err() << "halvorn search: no card or colour matches \"" << phrase << "\"\n";
        err().flush();
        return 1;
    }
    if (status != DB::StatusOk) {
        err() << "halvorn search: " << describeStatus(status) << '\n';
        err().flush();
        return 1;
    }
    out() << pageIndex << '\t' << rowIndex << '\t' << segment << '\t' << mood << '\t'
          << (exterior ? 1 : 0) << '\n';
    out().flush();
    return 0;
}

} // namespace Corvane::Cli
