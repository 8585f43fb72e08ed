#pragma once

#include "PaletteSwatch.h"

#include <QByteArray>

namespace Corvane {

// Adobe Swatch Exchange (.ase), big-endian: "ASEF", version 1.0 (two 16-bit numbers), the
// 32-bit block count, then blocks of a 16-bit type and a 32-bit length of the rest of the
// block. A colour block (type 0x0001) holds the name length in UTF-16 units with the
// terminating zero, the UTF-16 name, the colour model ("RGB ", "Gray", "CMYK", "LAB "), one
// 32-bit float per component and the 16-bit colour type (0 global, 1 spot, 2 normal). Group
// blocks (0xC001, 0xC002) only frame colours.
class AseFormat
{
public:
    // One colour block per swatch: RGB in 0..1, colour type normal.
    static QByteArray write(const QVector<PaletteSwatch> &swatches);
    // RGB and Gray colours; colours of other models are listed in `notes`. Every length is
    // checked against the bytes that remain before anything is read or allocated.
    static SwatchFileContents read(const QByteArray &bytes);
};

} // namespace Corvane
