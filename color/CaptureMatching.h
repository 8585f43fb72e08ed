#pragma once

#include "ColorEntry.h"
#include "CxF3Reader.h"

#include <QVector>

namespace Corvane {

// One chip that a capture file finds, by name or by colour.
struct CaptureMatch
{
    DB::ColorEntry chip; // collectionId: the capture collection it was found through
    bool byColor = false; // found as the nearest chip to an object's CIELAB value
    double deltaE = 0.0; // CIEDE2000 to that value, for a chip found by colour
    QString objectName; // the object that found it by colour
};

// The chips the names of a capture file find (DB::collectCaptureMatches), then, for every
// object whose name finds no chip (or that has no name) but that carries a CIELAB value,
// the nearest chip of the capture collections, in object order. Each chip is listed once,
// where it was first found. 0, or the negative status of the capture queries.
int matchCaptureContents(const CaptureFileContents &contents, QVector<CaptureMatch> &out);

// The same chips alone, as the capture selection dialog lists them.
int collectCaptureMatches(const CaptureFileContents &contents, QVector<DB::ColorEntry> &out);

} // namespace Corvane
