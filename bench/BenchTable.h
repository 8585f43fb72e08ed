#pragma once

#include <QList>
#include <QString>

#include <functional>
#include <optional>

namespace Corvane::Bench {

// One named timing: the time per call, and for a measurement against a reference
// implementation the reference's time per call as well.
struct Measurement
{
    QString name;
    int calls = 0;
    double milliseconds = 0.0;
    std::optional<double> referenceMilliseconds;
    QString note;
};

// Runs `call` once to warm up, then `calls` times, and reports the mean time per call.
Measurement timeCalls(const QString &name, int calls, const std::function<void()> &call);

// The results of one run, printed as an aligned table.
class BenchTable
{
public:
    void add(const Measurement &measurement);
    QString toText() const;

private:
    QList<Measurement> m_measurements;
};

} // namespace Corvane::Bench
