#include "SearchQueries.h"

#include "StatusCodes.h"

namespace Corvane::DB {

int loadCompletionWords(const QUuid &, QStringList &out)
{
    out.clear();
    return StatusFailed;
}

int searchPhrase(const QUuid &, const QString &, int &pageIndex, int &rowIndex, int &segment,
                 int &mood, bool &exterior)
{
    pageIndex = rowIndex = segment = -1;
    mood = 0;
    exterior = false;
    return StatusFailed;
}

} // namespace Corvane::DB
