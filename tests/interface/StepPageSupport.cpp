#include "StepPageSupport.h"

#include "ListImages.h"

#include <QTest>
#include <QWidget>

namespace StepPage
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

QString TitleOrText(QWidget* page, const QString& name)
{
    QObject* object = page->findChild<QObject*>(name);
    if (!object)
        return QStringLiteral("<missing>");
    const QVariant title = object->property("title");
    return (title.isValid() ? title : object->property("text")).toString();
}

bool ShowPage(QWidget* page)
{
    page->resize(700, 550);
    page->show();
    return QTest::qWaitForWindowExposed(page);
}

} // namespace StepPage
