#include "ImageChooser.h"

#include "FormatsEnum.h"

#include <QFileDialog>

namespace
{

QString DefaultChooser(QWidget* parent, const QString& title, const QString& folder)
{
    QString filter = CFormatsEnum::GetInstance()->openDialogFilter;
    QString selected = filter;
    return QFileDialog::getOpenFileName(parent, title, folder, filter, &selected);
}

} // namespace

ImageChooserFunction& ImageChooser()
{
    static ImageChooserFunction chooser = DefaultChooser;
    return chooser;
}

QString ChooseImage(QWidget* parent, const QString& title, const QString& folder)
{
    ImageChooserFunction& chooser = ImageChooser();
    if (!chooser)
        chooser = DefaultChooser;
    return chooser(parent, title, folder);
}
