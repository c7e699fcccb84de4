#include "FilterStatesList.h"

#include <utility>

void CFilterStatesList::SaveState(const SFilterRecord& rec)
{
    if (m_Count < MaxStates && m_Count == m_Position) {
        m_States[m_Count] = rec;
        ++m_Count;
        ++m_Position;
    } else if (m_Position != MaxStates) {
        if (m_Count > m_Position)
            m_Count = m_Position;
        m_States[m_Position] = rec;
        ++m_Count;
        m_Position = m_Count;
    } else {
        for (int i = 1; i < MaxStates; ++i)
            m_States[i - 1] = std::move(m_States[i]);
        m_States[MaxStates - 1] = rec;
    }
}

SFilterRecord CFilterStatesList::Shown() const
{
    return m_Position > 0 ? m_States[m_Position - 1] : SFilterRecord();
}

SFilterRecord CFilterStatesList::Undo()
{
    if (!CanUndo())
        return Shown();
    --m_Position;
    return m_States[m_Position - 1];
}

SFilterRecord CFilterStatesList::Redo()
{
    if (!CanRedo())
        return Shown();
    SFilterRecord state = m_States[m_Position];
    ++m_Position;
    return state;
}
