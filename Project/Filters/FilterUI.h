#pragma once
// What the filter dialog knows of an editor page: the three operations that
// map the page's controls onto one record's slots, the photo the previews
// show with its size, and the one-filter preview step every page performs.

#include "FiltersEnum.h"
#include "ListFilters.h"
#include "ListImages.h"

#include <QtGlobal>

class CControlImage;

class CFilterUI
{
public:
    explicit CFilterUI(int filterId);
    // Pages are destroyed through their QWidget part; virtual all the same so
    // that a delete through this part cannot go wrong either.
    virtual ~CFilterUI();

    // Sets every control to its default and starts the preview at once.
    virtual void Initialize() = 0;
    // Sets the controls from `rec`. With startPreview a preview and a state
    // report follow at once; without, the draggable pages report `rec` as
    // given and start nothing.
    virtual void Load(SFilterRecord rec, bool startPreview) = 0;
    // Writes counts and slots; never the type code, name, description or
    // active flag.
    virtual void Save(SFilterRecord& rec) = 0;

    // Size of the preview photo without decoding it: 0, 0 and 1.0 when it
    // cannot be pinged.
    void PingImage();
    // Previews a copy of `rec`, made the only active filter of the filtered
    // view under this page's type code and catalogue name.
    void StartPreview(SFilterRecord rec);

    CFiltersEnum* filtersEnum;
    CControlImage* filterView = nullptr;   // tab "Preview"; set by the dialog
    CControlImage* originalView = nullptr; // tab "Original"; set by the dialog
    int filterId;
    SImageRecord previewImage;
    SFilterEnumRecord filterRecord;
    qint64 imageWidth = 0;
    qint64 imageHeight = 0;
    double imageRatio = 1.0;
};
