#pragma once

#include <QByteArray>
#include <QString>

#include <libxml/tree.h>

namespace Corvane {

enum class XmlRefusal { None, OutOfMemory, NotXml, DocumentType };

// Parses XML from a file that a user or another program wrote: whitespace-only text dropped,
// nothing fetched from the network, no entity expansion, and a document with a document type
// declaration refused, which keeps entities out of reach. Errors are kept, not printed. The
// caller owns the document (XmlPointer); null with `refusal` and `error` set on failure.
xmlDoc *parseUntrustedXml(const QByteArray &bytes, XmlRefusal &refusal, QString &error);

} // namespace Corvane
