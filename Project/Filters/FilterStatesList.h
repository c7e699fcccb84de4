#pragma once
// The undo and redo history of one filter while its dialog is open: up to 50
// whole records, the oldest dropped first.

#include "ListFilters.h"

#include <QObject>

class CFilterStatesList : public QObject
{
public:
    static constexpr int MaxStates = 50;

    CFilterStatesList() = default;

    // Stores `rec` as the newest state, dropping any redo tail.
    void SaveState(const SFilterRecord& rec);
    // The state before the shown one. With position below 2 nothing moves and
    // the shown state (an empty record for an empty list) comes back.
    SFilterRecord Undo();
    // The state after the shown one. With no redo tail nothing moves and the
    // shown state comes back.
    SFilterRecord Redo();

    int Position() const { return m_Position; }
    int Count() const { return m_Count; }
    bool CanUndo() const { return m_Position >= 2; }
    bool CanRedo() const { return m_Position < m_Count; }

    // Set by the dialog after an undo or a redo so that the editor's echo of
    // the loaded state is not stored again; the list only holds it.
    bool skipNextSave = false;

private:
    SFilterRecord Shown() const;

    SFilterRecord m_States[MaxStates];
    int m_Position = 0;
    int m_Count = 0;
};
