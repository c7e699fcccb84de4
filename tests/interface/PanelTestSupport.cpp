#include "PanelTestSupport.h"

#include "ListImages.h"

#include <QTest>
#include <QWidget>

namespace PanelTest
{

void SetPhotos(const QStringList& paths)
{
    CListImages* list = CListImages::GetInstance();
    list->images.clear();
    QStringList rejected;
    for (const QString& path : paths)
        list->AddImage(path, rejected);
    for (int i = 0; i < list->images.size(); ++i)
        list->images[i].position = i;
}

bool ShowPage(QWidget* page)
{
    page->resize(700, 550);
    page->show();
    return QTest::qWaitForWindowExposed(page);
}

} // namespace PanelTest
