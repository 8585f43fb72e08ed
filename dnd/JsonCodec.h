#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>

namespace Corvane {

// The small JSON text codec of the drag payload. The writer puts one blank inside brackets
// and braces and around colons; the reader is lenient (repeated, leading and trailing commas
// are skipped; text after the first value is ignored) but bounded: nesting deeper than
// `maxDepth` fails instead of exhausting the stack.
class JsonCodec
{
public:
    static constexpr int maxDepth = 512;

    // UTF-8 text of `value`; a null array and `ok` false when some part cannot be written.
    static QByteArray serialize(const QVariant &value, bool &ok);

    // The value at the start of `text`: maps, lists, strings, doubles (numbers with a point),
    // signed (leading minus) or unsigned 64-bit integers, booleans, and an invalid QVariant
    // for null. A null text gives an invalid QVariant with `ok` true.
    static QVariant parse(const QString &text, bool &ok);
};

} // namespace Corvane
