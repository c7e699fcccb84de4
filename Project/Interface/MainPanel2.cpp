#include "MainPanel2.h"

#include "ui_CMainPanel2.h"

CMainPanel2::CMainPanel2(QWidget* parent) : QWidget(parent), ui(new Ui::CMainPanel2)
{
    ui->setupUi(this);
}

CMainPanel2::~CMainPanel2()
{
    delete ui;
}

void CMainPanel2::UnsignalPanelChanged()
{
    changed = false;
    emit UnsignalChanges();
}

void CMainPanel2::ClearComboImg() {}

void CMainPanel2::InsertItemComboImg(int, QString) {}
