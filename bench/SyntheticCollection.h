#pragma once

#include <QTemporaryDir>
#include <QUuid>

namespace Corvane::Bench {

// A data folder in a temporary directory holding one enabled collection of `chipCount`
// chips with deterministic pseudo-random sRGB colours, seven to a card.
class SyntheticCollection
{
public:
    explicit SyntheticCollection(int chipCount);

    // Whether the file was written; `error` says why not.
    bool isValid() const;
    QString error() const;

    QString databaseFolder() const;
    QUuid uuid() const;

    // Makes this folder the database folder of the process.
    void activate() const;

private:
    bool write(int chipCount);

    QTemporaryDir m_dir;
    QString m_error;
};

} // namespace Corvane::Bench
