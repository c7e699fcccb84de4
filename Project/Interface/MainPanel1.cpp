#include "MainPanel1.h"

#include "ui_CMainPanel1.h"

CMainPanel1::CMainPanel1(QWidget* parent) : QWidget(parent), ui(new Ui::CMainPanel1)
{
    ui->setupUi(this);
    addPhotoTipShowTimer.setSingleShot(true);
    connect(&addPhotoTipShowTimer, &QTimer::timeout, this, &CMainPanel1::ShowAddPhotoTip);
}

CMainPanel1::~CMainPanel1()
{
    delete ui;
}

void CMainPanel1::UnsignalPanelChanged()
{
    changed = false;
    emit UnsignalChanges();
}

void CMainPanel1::ShowAddPhotoTip()
{
    // The balloon comes with the photo list; until then there is nothing to point at.
}
