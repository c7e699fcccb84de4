#include "MainPanel3.h"

#include "ui_CMainPanel3.h"

CMainPanel3::CMainPanel3(QWidget* parent) : QWidget(parent), ui(new Ui::CMainPanel3)
{
    ui->setupUi(this);
}

CMainPanel3::~CMainPanel3()
{
    delete ui;
}

void CMainPanel3::UnsignalPanelChanged()
{
    changed = false;
    emit UnsignalChanges();
}

void CMainPanel3::SetOutputFormats(bool) {}
