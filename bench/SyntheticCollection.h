#pragma once

#include <QTemporaryDir>
#include <QUuid>

namespace Corvane::Bench {

// A data folder in a temporary directory holding the collection builder's synthetic
// collection of `chipCount` chips, made the database folder of the process.
class SyntheticCollection
{
public:
    explicit SyntheticCollection(int chipCount);

    // Whether the collection was written and found; `error` says why not.
    bool isValid() const;
    QString error() const;

    QUuid uuid() const;

private:
    QTemporaryDir m_dir;
    QString m_error;
    QUuid m_uuid;
};

} // namespace Corvane::Bench
