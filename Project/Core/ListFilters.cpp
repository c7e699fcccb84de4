#include "ListFilters.h"

#include "MoveByGap.h"

#include <algorithm>

CListFilters* CListFilters::s_pInstance = nullptr;

bool SFilterRecord::AddNumber(double value)
{
    ClampCounts();
    if (numberCount >= MaxNumbers)
        return false;
    numbers[numberCount++] = value;
    return true;
}

bool SFilterRecord::AddString(const QString& value)
{
    ClampCounts();
    if (stringCount >= MaxStrings)
        return false;
    strings[stringCount++] = value;
    return true;
}

void SFilterRecord::ClampCounts()
{
    numberCount = std::min<quint8>(numberCount, MaxNumbers);
    stringCount = std::min<quint8>(stringCount, MaxStrings);
}

CListFilters* CListFilters::GetInstance()
{
    if (!s_pInstance)
        s_pInstance = new CListFilters();
    return s_pInstance;
}

void CListFilters::DeleteInstance()
{
    if (!s_pInstance)
        return;
    s_pInstance->filters.clear();
    delete s_pInstance;
    s_pInstance = nullptr;
}

CListFilters::~CListFilters() = default;

void CListFilters::AddFilter(SFilterRecord record)
{
    filters.append(record);
}

bool CListFilters::RemoveFilter(quint16 index)
{
    if (index >= filters.size())
        return false;
    filters.removeAt(index);
    return true;
}

SFilterRecord CListFilters::GetRecord(quint16 index)
{
    if (index >= filters.size())
        return SFilterRecord();
    return filters.at(index);
}

bool CListFilters::IsEmpty()
{
    return filters.isEmpty();
}

int CListFilters::GetActiveCount()
{
    return static_cast<int>(std::count_if(filters.cbegin(), filters.cend(), [](const SFilterRecord& r) { return r.active; }));
}

void CListFilters::DragAndDrop(int from, int to)
{
    MoveByGap(filters, from, to);
}
