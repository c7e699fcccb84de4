#include "StatesList.h"

#include "UserProfile.h"

#include <utility>

CStatesList* CStatesList::s_pInstance = nullptr;

namespace {

bool IsSlot(int slot)
{
    return slot >= 0 && slot < CStatesList::MaxStates;
}

} // namespace

CStatesList* CStatesList::GetInstance()
{
    if (!s_pInstance)
        s_pInstance = new CStatesList();
    return s_pInstance;
}

void CStatesList::DeleteInstance()
{
    if (!s_pInstance)
        return;
    s_pInstance->RemoveAll();
    delete s_pInstance;
    s_pInstance = nullptr;
}

CStatesList::CStatesList()
    : m_pListImages(CListImages::GetInstance())
    , m_pListFilters(CListFilters::GetInstance())
    , m_pUserProfile(CUserProfile::GetInstance())
{
}

// The models are deleted before the undo list at shutdown, so the pointers
// may dangle here; only our own snapshots are released.
CStatesList::~CStatesList() = default;

void CStatesList::SaveState(bool nameChangesOnly)
{
    if (m_count < MaxStates && m_count == m_current) {
        SaveSettings(m_count, nameChangesOnly);
        ++m_count;
        ++m_current;
    } else if (m_current == MaxStates) {
        // Full and at the newest state: drop the oldest.
        for (int k = 0; k < MaxStates - 1; ++k)
            m_states[k] = std::move(m_states[k + 1]);
        SaveSettings(MaxStates - 1, nameChangesOnly);
    } else {
        // Some steps were undone: the redo tail goes.
        for (int k = m_count - 1; k >= m_current; --k)
            ClearLists(k);
        m_count = m_current;
        SaveSettings(m_current, nameChangesOnly);
        m_count = m_current + 1;
        m_current = m_count;
    }
    // Otherwise NameChangesOnly would still look past the newest snapshot.
    m_lastOperation = OpNone;
    emit EnableUndo(m_count >= 2);
    emit EnableRedo(false);
}

void CStatesList::Undo()
{
    if (m_current >= 2) {
        LoadSettings(m_current - 2);
        --m_current;
        emit EnableUndo(m_current > 1);
    } else {
        emit EnableUndo(false);
    }
    emit EnableRedo(true);
    m_lastOperation = OpUndo;
}

void CStatesList::Redo()
{
    if (m_current < m_count) {
        LoadSettings(m_current);
        ++m_current;
    }
    emit EnableUndo(true);
    emit EnableRedo(m_current < m_count);
    m_lastOperation = OpRedo;
}

bool CStatesList::NameChangesOnly() const
{
    // After an undo: the step just undone; else the one just saved or redone.
    const int slot = m_lastOperation == OpUndo ? m_current : m_current - 1;
    if (slot < 0 || slot >= m_count)
        return false;
    return m_states[slot].nameChangesOnly;
}

void CStatesList::ClearStatesList()
{
    RemoveAll();
    m_current = 0;
    m_count = 0;
    m_lastOperation = OpNone;
}

void CStatesList::RemoveAll()
{
    for (SJobState& state : m_states) {
        state.images.clear();
        state.filters.clear();
    }
}

void CStatesList::ClearLists(int slot)
{
    if (IsSlot(slot)) {
        m_states[slot].images.clear();
        m_states[slot].filters.clear();
    }
    m_lastOperation = OpNone;
}

void CStatesList::SaveSettings(int slot, bool nameChangesOnly)
{
    if (!IsSlot(slot))
        return;
    SJobState& state = m_states[slot];
    state.images = m_pListImages->images;
    state.filters = m_pListFilters->filters;
    state.settings = static_cast<const SJobSettings&>(*m_pUserProfile);
    state.nameChangesOnly = nameChangesOnly;
}

void CStatesList::LoadSettings(int slot)
{
    if (!IsSlot(slot))
        return;
    const SJobState& state = m_states[slot];
    m_pListImages->images = state.images;
    m_pListFilters->filters = state.filters;

    // The preview switches are view choices, not job edits: they stay.
    const bool step1Preview = m_pUserProfile->Step1Preview;
    const bool step2Preview = m_pUserProfile->Step2Preview;
    static_cast<SJobSettings&>(*m_pUserProfile) = state.settings;
    m_pUserProfile->Step1Preview = step1Preview;
    m_pUserProfile->Step2Preview = step2Preview;
    m_pUserProfile->PNGComp = state.settings.PNGComp != 0 ? 1 : 0;
}
