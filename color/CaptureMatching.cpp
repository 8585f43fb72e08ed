#include "CaptureMatching.h"

#include "CaptureQueries.h"
#include "StatusCodes.h"

namespace Corvane {

namespace {

bool isListed(const QVector<CaptureMatch> &matches, const DB::ColorEntry &chip)
{
    for (const CaptureMatch &match : matches) {
        if (match.chip.id == chip.id && match.chip.collectionId == chip.collectionId)
            return true;
    }
    return false;
}

bool needsColorMatch(const CaptureObject &object, const QVector<bool> &nameFound)
{
    return object.hasLab
        && (object.nameIndex < 0 || object.nameIndex >= nameFound.size()
            || !nameFound.at(object.nameIndex));
}

} // namespace

int matchCaptureContents(const CaptureFileContents &contents, QVector<CaptureMatch> &out)
{
    out.clear();
    QVector<DB::ColorEntry> byName;
    QVector<bool> nameFound;
    const int status = DB::collectCaptureMatches(contents.names, byName, &nameFound);
    if (status != DB::StatusOk)
        return status;
    for (const DB::ColorEntry &chip : byName)
        out.append({chip, false, 0.0, QString()});

    QVector<DB::CaptureLabEntries> candidates;
    bool candidatesLoaded = false;
    for (const CaptureObject &object : contents.objects) {
        if (!needsColorMatch(object, nameFound))
            continue;
        // Loaded once, and only when some object needs them.
        if (!candidatesLoaded && DB::loadCaptureLabEntries(candidates) != DB::StatusOk)
            return DB::StatusOk;
        candidatesLoaded = true;
        CaptureMatch match;
        match.byColor = true;
        match.objectName = object.name;
        if (DB::findNearestCaptureChip(candidates, object.lab, match.chip, match.deltaE)
                == DB::StatusOk
            && !isListed(out, match.chip))
            out.append(match);
    }
    return DB::StatusOk;
}

int collectCaptureMatches(const CaptureFileContents &contents, QVector<DB::ColorEntry> &out)
{
    out.clear();
    QVector<CaptureMatch> matches;
    const int status = matchCaptureContents(contents, matches);
    for (const CaptureMatch &match : matches)
        out.append(match.chip);
    return status;
}

} // namespace Corvane
