#pragma once

#include "ColorEntry.h"

#include <QString>
#include <QUuid>

class QWidget;

namespace Corvane {

// Imports a capture file: reads the colour names of its CxF3 objects, finds the chips they
// name in the capture collections and lets the user pick one in a CapsureSelectDialog over
// `parent`. True with the chip and the uuid of its collection when the user confirmed one;
// a missing, held or broken file, or names that match nothing, end it silently with false.
bool runCaptureImport(const QString &path, QWidget *parent, QUuid &collection,
                      DB::ColorEntry &chip);

} // namespace Corvane
