#pragma once

#include <QPoint>
#include <QRect>

namespace Corvane {

// A rectangle from its inclusive corners (left, top) and (right, bottom), the form in which
// the widgets' layouts are given.
inline QRect rectFromCorners(int left, int top, int right, int bottom)
{
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

} // namespace Corvane
