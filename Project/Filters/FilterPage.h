#pragma once
// The one base of every filter editor page: the widget, the editor interface,
// the restartable preview timer and the state report, so that each page only
// maps its controls onto its slots.

#include "FilterUI.h"

#include <QWidget>

class QTimer;

class CFilterPage : public QWidget, public CFilterUI
{
    Q_OBJECT

public:
    CFilterPage(QWidget* parent, int filterId);
    ~CFilterPage() override;

    // (Re)starts the preview timer: after `ms` the page reports its state
    // and previews it once. A running timer starts over.
    void RestartPreview(int ms);

    // The page's only state machine: idle, or counting down to OnTimer().
    QTimer* timerPreview;

signals:
    // A snapshot of the page's parameters; only counts and slots count.
    void SaveState(SFilterRecord rec);

public slots:
    // Fresh record, Save, SaveState, StartPreview, stop.
    virtual void OnTimer();
};
