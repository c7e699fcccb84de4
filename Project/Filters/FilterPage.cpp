#include "FilterPage.h"

#include <QTimer>

CFilterPage::CFilterPage(QWidget* parent, int filterId)
    : QWidget(parent), CFilterUI(filterId), timerPreview(new QTimer(this))
{
    timerPreview->setObjectName(QStringLiteral("previewTimer"));
    connect(timerPreview, &QTimer::timeout, this, &CFilterPage::OnTimer);
}

CFilterPage::~CFilterPage() = default;

void CFilterPage::RestartPreview(int ms)
{
    timerPreview->start(ms);
}

void CFilterPage::OnTimer()
{
    SFilterRecord rec;
    Save(rec);
    emit SaveState(rec);
    StartPreview(rec);
    timerPreview->stop();
}
