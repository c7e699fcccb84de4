#pragma once

#include "JobSettings.h"
#include "ListFilters.h"
#include "ListImages.h"

#include <QList>
#include <QObject>
#include <QString>

class CUserProfile;

// One whole-job snapshot: both lists (implicitly shared copies) and the job
// settings of CUserProfile.
struct SJobState {
    QList<SImageRecord> images;
    QList<SFilterRecord> filters;
    SJobSettings settings;
    // The edit that led here changed only output names.
    bool nameChangesOnly = false;
};

// Undo and redo over the whole job (photo list, filter chain, job settings),
// at most MaxStates snapshots, the oldest dropped when full. GUI thread only;
// the window connects the signals through queued connections.
class CStatesList : public QObject
{
    Q_OBJECT

public:
    static constexpr int MaxStates = 50;

    static CStatesList* GetInstance();
    // Empties the snapshots and destroys the object. The models may already
    // be gone: neither this nor the destructor touches them.
    static void DeleteInstance();

    void SaveState(bool nameChangesOnly);
    void Undo();
    void Redo();
    bool NameChangesOnly() const;
    void ClearStatesList();
    void RemoveAll();
    void ClearLists(int slot);
    void SaveSettings(int slot, bool nameChangesOnly);
    void LoadSettings(int slot);

    int GetCurrent() const { return m_current; }
    int GetCount() const { return m_count; }

    // Set by the window and the panels while they change the job themselves;
    // they save no snapshot while it is set. Never read here.
    bool SuspendSaving = false;

signals:
    void EnableUndo(bool val);
    void EnableRedo(bool val);

protected:
    CStatesList();
    ~CStatesList() override;

private:
    enum LastOperation { OpNone = 0, OpUndo = 1, OpRedo = 2 };

    CListImages* m_pListImages;
    CListFilters* m_pListFilters;
    CUserProfile* m_pUserProfile;
    SJobState m_states[MaxStates];
    int m_current = 0; // snapshots up to and including the present state
    int m_count = 0;   // slots holding a snapshot
    int m_lastOperation = OpNone;

    static CStatesList* s_pInstance;
};
