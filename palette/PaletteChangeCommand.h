#pragma once

#include "PaletteModel.h"

#include <QUndoCommand>

#include <functional>

namespace Corvane {

// One undoable change of My Palette (a drop, an erase, a clear or a load), kept as the
// palette contents before and after it. Undo and redo write those contents back through
// the model, so the state store follows every step.
class PaletteChangeCommand : public QUndoCommand
{
public:
    // Called after every undo and redo; the flag tells whether the description changed too.
    using Restored = std::function<void(bool withDescription)>;

    // The change is already made when the command is pushed: the first redo does nothing.
    PaletteChangeCommand(PaletteModel &model, const PaletteModel::Contents &before,
                         const PaletteModel::Contents &after, bool withDescription,
                         Restored restored);

    void undo() override;
    void redo() override;

private:
    void apply(const PaletteModel::Contents &contents);

    PaletteModel &m_model;
    PaletteModel::Contents m_before;
    PaletteModel::Contents m_after;
    bool m_withDescription;
    Restored m_restored;
    bool m_pushed = false;
};

} // namespace Corvane
