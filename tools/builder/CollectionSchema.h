#pragma once

#include <QString>

class QSqlDatabase;

namespace Corvane::Builder {

// Creates every table, index and view of a collection file in the empty database behind
// `database`, with the fixed rows: the system-wide collection (ID 0), the moods and the
// schemes. Returns false and sets `error` when a statement fails.
bool createCollectionSchema(QSqlDatabase &database, QString *error = nullptr);

// Writes a new collection file holding just the schema and its fixed rows. An existing
// file at `path` is refused.
bool createEmptyCollectionFile(const QString &path, QString *error = nullptr);

} // namespace Corvane::Builder
