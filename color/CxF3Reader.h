#pragma once

#include "LabEntry.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

namespace Corvane {

// Reading the colour names out of the CxF3 files that the colour-capture device's software
// writes into the watched folder.

// The CxF3 core namespace; only Object elements of this namespace are read.
extern const char cxf3CoreNamespace[];

// A device file holds a few measurements; larger files are not read.
constexpr qint64 maxCaptureFileSize = 1024 * 1024;

// Names after this many are ignored: each one costs a query over every capture collection.
constexpr int maxCaptureNames = 256;

// One CxF3 core Object element with the colour it carries.
struct CaptureObject
{
    QString name; // its Name attribute, empty when it has none
    int nameIndex = -1; // its place in CaptureFileContents::names, -1 without a name
    bool hasLab = false; // a usable ColorCIELab value was found
    DB::LabEntry lab; // that value relative to D65, adapted when the file names another white
    QString illuminant; // the illuminant the file names for the value, empty when none
};

struct CaptureFileContents
{
    bool isXml = false; // parsed, without a document type declaration
    bool isCxf3 = false; // and its root element is in the CxF3 core namespace
    QString error; // why the bytes are not a CxF3 document
    QStringList names; // the Name attributes of all CxF3 Object elements, in document order
    QVector<CaptureObject> objects; // every CxF3 Object element, in document order
    QStringList notes; // CIELAB values that were not usable, and why
};

// Parses the bytes (no network, no DTD, no entity expansion) and collects the Name
// attribute of every CxF3 core Object element, wherever it stands, and the first
// ColorCIELab value of its ColorValues. A value whose ColorSpecification names an
// illuminant other than D65 in its TristimulusSpec is adapted to D65 (Bradford); a value
// without a named illuminant is taken as D65; one with an unknown illuminant, or with L, A
// or B missing or out of range, is left out with a note.
CaptureFileContents readCaptureNames(const QByteArray &bytes);

// Whether the capture file exists and can be opened for reading and writing: a file still
// held by the device's software is left alone.
bool isCaptureFileReadable(const QString &path);

// The bytes of a readable capture file; false when it is missing, held, not a regular file
// or larger than maxCaptureFileSize.
bool readCaptureFile(const QString &path, QByteArray &bytes);

} // namespace Corvane
