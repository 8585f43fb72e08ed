#include "PaletteChangeCommand.h"

namespace Corvane {

PaletteChangeCommand::PaletteChangeCommand(PaletteModel &model,
                                           const PaletteModel::Contents &before,
                                           const PaletteModel::Contents &after,
                                           bool withDescription, Restored restored)
    : m_model(model), m_before(before), m_after(after), m_withDescription(withDescription),
      m_restored(std::move(restored))
{ }

void PaletteChangeCommand::undo()
{
    apply(m_before);
}

void PaletteChangeCommand::redo()
{
    if (!m_pushed) {
        m_pushed = true;
        return;
    }
    apply(m_after);
}

void PaletteChangeCommand::apply(const PaletteModel::Contents &contents)
{
    m_model.restore(contents, m_withDescription);
    if (m_restored)
        m_restored(m_withDescription);
}

} // namespace Corvane
