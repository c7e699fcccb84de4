#pragma once

#include <QList>
#include <QMetaType>
#include <QObject>
#include <QString>

// One filter of the chain with its settings. The meaning of each slot is
// fixed per filter type by its editor; the record only carries them.
struct SFilterRecord {
    static constexpr int MaxNumbers = 32;
    static constexpr int MaxStrings = 16;
    // Characters of one string slot that a job file can hold.
    static constexpr int MaxStringLength = 64 * 1024;

    quint32 id = 0;
    QString name;
    QString description;
    quint8 numberCount = 0;
    double numbers[MaxNumbers] = {};
    quint8 stringCount = 0;
    QString strings[MaxStrings];
    bool active = false;

    // Append one slot; false (nothing changed) when all slots are used.
    bool AddNumber(double value);
    bool AddString(const QString& value);
    // Brings counts read from outside (job files, older records) into range.
    void ClampCounts();
};
Q_DECLARE_METATYPE(SFilterRecord)

// The job's filter chain, applied in list order. Derives from QObject without
// Q_OBJECT on purpose: its texts translate in the "QObject" context.
class CListFilters : public QObject
{
public:
    static CListFilters* GetInstance();
    static void DeleteInstance();

    void AddFilter(SFilterRecord record);
    bool RemoveFilter(quint16 index);
    SFilterRecord GetRecord(quint16 index);
    bool IsEmpty();
    int GetActiveCount();
    void DragAndDrop(int from, int to);

    QList<SFilterRecord> filters;

protected:
    CListFilters() = default;
    ~CListFilters() override;

private:
    static CListFilters* s_pInstance;
};
