#pragma once

#include "ColorEntry.h"
#include "DragPayload.h"

#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUuid>
#include <QWidget>

#include <memory>

namespace Corvane::Test {

// What a widget answered to one drag, step by step.
struct DropAnswer
{
    bool enterAccepted = false;
    bool moveAccepted = false;
};

inline std::unique_ptr<QMimeData> chipMime(DragSource source, const QUuid &collection,
                                           const DB::ColorEntry &entry)
{
    return std::unique_ptr<QMimeData>(payloadMimeData(chipPayload(source, collection, entry)));
}

inline std::unique_ptr<QMimeData> colorMime(const QColor &color, const QString &name1 = QString(),
                                            const QString &name2 = QString())
{
    return std::unique_ptr<QMimeData>(
        payloadMimeData(colorPayload(ColorVistral, color, name1, name2)));
}

// Drags `mime` into `widget`, moves it to `point` and drops it there, as a drag from
// another widget would; the drop is sent only when the move was accepted.
inline DropAnswer dragAndDrop(QWidget &widget, const QPoint &point, const QMimeData *mime)
{
    DropAnswer answer;
    QDragEnterEvent enter(point, Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &enter);
    answer.enterAccepted = enter.isAccepted();
    QDragMoveEvent move(point, Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &move);
    answer.moveAccepted = move.isAccepted();
    if (answer.moveAccepted) {
        QDropEvent drop(point, Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&widget, &drop);
    }
    return answer;
}

} // namespace Corvane::Test
