#pragma once

#include <QString>
#include <QStringList>

namespace Corvane::Builder {

// The files of the demo database folder, in the order discovery reads them: the first holds the
// system-wide collection's theme and settings, so it must sort first by name.
QStringList demoFileNames();

// The capture folder of the demo collections, below the database folder.
QString demoCaptureFolderName();

// Builds the demo database folder `folder` (the one that holds "Contents/Resources"): the
// system-wide collection with the whole theme, a "normal" collection, a "duvalin" collection and
// a small third collection in a second file. The result is the same on every run.
bool buildDemoFolder(const QString &folder, QString *error = nullptr);

// Writes a file with one plausible generated collection of `chipCount` chips.
bool buildSyntheticCollection(const QString &path, int chipCount, QString *error = nullptr);

} // namespace Corvane::Builder
