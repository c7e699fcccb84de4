#pragma once
// The change protocol of the step pages: one user action stores one undo
// snapshot, however many field handlers it fires on the way.
//
// The scope takes the snapshot-suppression flag of CStatesList only when it
// finds it clear, so a flag the window set (start-up, undo, redo) is never
// cleared here. Finish() marks the page changed, stores the one snapshot and
// emits the page's SignalChanges(). A scope that ends without Finish() (a
// cancelled dialog) gives the flag back and records nothing.

#include "StatesList.h"

class CSnapshotScope
{
public:
    explicit CSnapshotScope(CStatesList* states = CStatesList::GetInstance()) : m_states(states)
    {
        m_owns = !m_states->SuspendSaving;
        m_states->SuspendSaving = true;
    }
    ~CSnapshotScope()
    {
        if (m_owns && !m_finished)
            m_states->SuspendSaving = false;
    }
    CSnapshotScope(const CSnapshotScope&) = delete;
    CSnapshotScope& operator=(const CSnapshotScope&) = delete;

    // Whether this scope set the flag (it was clear on entry).
    bool Owns() const { return m_owns; }

    // Gives the flag back (when owned) and stores a snapshot unless someone
    // else still suppresses them. `Page` has a public bool `changed` and the
    // signal SignalChanges().
    template <typename Page> void Finish(Page* page, bool nameChangesOnly = false)
    {
        if (m_finished)
            return;
        m_finished = true;
        page->changed = true;
        if (m_owns)
            m_states->SuspendSaving = false;
        if (!m_states->SuspendSaving)
            m_states->SaveState(nameChangesOnly);
        emit page->SignalChanges();
    }

    // The protocol of a plain edit that fires nothing else.
    template <typename Page> static void Record(Page* page, bool nameChangesOnly = false)
    {
        CSnapshotScope scope;
        scope.Finish(page, nameChangesOnly);
    }

private:
    CStatesList* m_states;
    bool m_owns = false;
    bool m_finished = false;
};
