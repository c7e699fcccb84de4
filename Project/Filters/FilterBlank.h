#pragma once
// The page of a filter without settings (auto-rotate, type 5000): one
// message, and still one preview and one undo state per start or reset.

#include "FilterPage.h"

namespace Ui
{
class FilterBlank;
}

class CFilterBlank : public CFilterPage
{
    Q_OBJECT

public:
    CFilterBlank(QWidget* parent, int filterId);
    ~CFilterBlank() override;

    void Initialize() override;
    void Load(SFilterRecord rec, bool startPreview) override;
    void Save(SFilterRecord& rec) override;

private:
    Ui::FilterBlank* ui;
};
