#pragma once
// Times an editor page's state reports against the test's changes, so that a
// debounce is judged by when its reports came, not by how long a loaded
// machine took to run the test's own waits.

#include "FilterPage.h"

#include <QElapsedTimer>
#include <QList>

class CReportClock
{
public:
    explicit CReportClock(CFilterPage* page)
    {
        m_Clock.start();
        QObject::connect(page, &CFilterPage::SaveState, page, [this] { reports << m_Clock.elapsed(); });
    }
    // Call right after each change.
    void Change() { changes << m_Clock.elapsed(); }

    // Every report came at least 90 % of `delay` after the change before it,
    // and there were no more reports than pauses of that length allow (one
    // when the changes came quickly).
    bool Debounced(int delay) const
    {
        if (changes.isEmpty() || reports.isEmpty())
            return false;
        const qint64 least = delay * 9 / 10;
        int pauses = 1;
        for (int i = 1; i < changes.size(); ++i)
            pauses += changes.at(i) - changes.at(i - 1) >= least;
        for (qint64 at : reports) {
            qint64 previous = -1;
            for (qint64 change : changes)
                if (change <= at)
                    previous = change;
            if (previous < 0 || at - previous < least)
                return false;
        }
        return reports.size() <= pauses;
    }

    QList<qint64> changes;
    QList<qint64> reports;

private:
    QElapsedTimer m_Clock;
};
