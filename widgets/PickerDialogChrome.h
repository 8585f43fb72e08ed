#pragma once

#include <QDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QRect>

namespace Corvane {

// What the picker's small fixed-size dialogs share: a title bar with the close button only,
// and an instruction line along the bottom of which only the top frame line shows.

inline void showOnlyCloseButton(QDialog *dialog)
{
    dialog->setWindowFlags((dialog->windowFlags()
                            & ~(Qt::WindowContextHelpButtonHint | Qt::WindowMinimizeButtonHint
                                | Qt::WindowMaximizeButtonHint | Qt::MSWindowsFixedSizeDialogHint))
                           | Qt::CustomizeWindowHint);
}

inline QLabel *createHintLabel(QDialog *dialog, const QString &text, const QString &styleSheet)
{
    auto *label = new QLabel(text, dialog);
    label->setAlignment(Qt::AlignCenter);
    label->setStyleSheet(styleSheet);
    label->setFrameShape(QFrame::Box);
    label->setFrameShadow(QFrame::Plain);
    return label;
}

// The top of the instruction line: one line of the dialog's font and 8 pixels above the
// bottom.
inline int hintLabelTop(const QDialog *dialog)
{
    return dialog->height() - QFontMetrics(dialog->font()).height() - 8;
}

// One pixel beyond the dialog on the left, right and bottom.
inline QRect hintLabelRect(const QDialog *dialog)
{
    return QRect(QPoint(-1, hintLabelTop(dialog)), QPoint(dialog->width(), dialog->height()));
}

} // namespace Corvane
