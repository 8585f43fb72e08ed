#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace Corvane {

// Reading the colour names out of the CxF3 files that the colour-capture device's software
// writes into the watched folder.

// The CxF3 core namespace; only Object elements of this namespace are read.
extern const char cxf3CoreNamespace[];

// A device file holds a few measurements; larger files are not read.
constexpr qint64 maxCaptureFileSize = 1024 * 1024;

// Names after this many are ignored: each one costs a query over every capture collection.
constexpr int maxCaptureNames = 256;

struct CaptureFileContents
{
    bool isXml = false; // parsed, without a document type declaration
    bool isCxf3 = false; // and its root element is in the CxF3 core namespace
    QString error; // why the bytes are not a CxF3 document
    QStringList names; // the Name attributes of all CxF3 Object elements, in document order
};

// Parses the bytes (no network, no DTD, no entity expansion) and collects the Name
// attribute of every CxF3 core Object element, wherever it stands.
CaptureFileContents readCaptureNames(const QByteArray &bytes);

// Whether the capture file exists and can be opened for reading and writing: a file still
// held by the device's software is left alone.
bool isCaptureFileReadable(const QString &path);

// The bytes of a readable capture file; false when it is missing, held, not a regular file
// or larger than maxCaptureFileSize.
bool readCaptureFile(const QString &path, QByteArray &bytes);

} // namespace Corvane
