#include "BenchTable.h"

#include <QElapsedTimer>
#include <QStringList>

namespace Corvane::Bench {

namespace {

constexpr int kNameWidth = 58;
constexpr int kNumberWidth = 12;

QString number(double value, int decimals)
{
    return QString::number(value, 'f', decimals).rightJustified(kNumberWidth);
}

} // namespace

Measurement timeCalls(const QString &name, int calls, const std::function<void()> &call)
{
    call();
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < calls; ++i)
        call();
    Measurement measurement;
    measurement.name = name;
    measurement.calls = calls;
    measurement.milliseconds = timer.nsecsElapsed() / 1e6 / calls;
    return measurement;
}

void BenchTable::add(const Measurement &measurement)
{
    m_measurements.append(measurement);
}

QString BenchTable::toText() const
{
    QStringList lines;
    lines.append(QStringLiteral("measurement").leftJustified(kNameWidth)
                 + QStringLiteral("calls").rightJustified(kNumberWidth)
                 + QStringLiteral("ms/call").rightJustified(kNumberWidth)
                 + QStringLiteral("plain ms").rightJustified(kNumberWidth)
                 + QStringLiteral("speed-up").rightJustified(kNumberWidth)
                 + QStringLiteral("  note"));
    for (const Measurement &measurement : m_measurements) {
        QString line = measurement.name.leftJustified(kNameWidth)
            + QString::number(measurement.calls).rightJustified(kNumberWidth)
            + number(measurement.milliseconds, 4);
        if (measurement.referenceMilliseconds) {
            line += number(*measurement.referenceMilliseconds, 4);
            line += (QString::number(*measurement.referenceMilliseconds / measurement.milliseconds,
                                     'f', 1)
                     + QLatin1Char('x'))
                        .rightJustified(kNumberWidth);
        } else {
            line += QString(2 * kNumberWidth, QLatin1Char(' '));
        }
        if (!measurement.note.isEmpty())
            line += QStringLiteral("  ") + measurement.note;
        lines.append(line);
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace Corvane::Bench
