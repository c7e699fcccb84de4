#include "MainPanel3.h"

#include "CFormatSettings.h"
#include "FormatsEnum.h"
#include "UserProfile.h"

#include "ui_CMainPanel3.h"

namespace
{
QString KeepOriginalText()
{
    return QObject::tr("Keep original image format (if possible)");
}
} // namespace

void CMainPanel3::SetOutputFormats(bool keepSelection)
{
    const int destination = m_profile->Destination;
    ui->comboOutputFormat->clear();
    if (destination == 1)
        ui->comboOutputFormat->addItem(m_formatIcons.value(0), KeepOriginalText());
    static const QStringList flickrFormats = {QStringLiteral("JPG"), QStringLiteral("GIF"), QStringLiteral("PNG"),
                                              QStringLiteral("TIF")};
    for (const SFormatRecord& record : m_formats->records) {
        if (!record.writable || record.raw)
            continue;
        if (destination == 4 && !flickrFormats.contains(record.id))
            continue;
        ui->comboOutputFormat->addItem(m_formatIcons.value(record.icon),
                                       record.id + QStringLiteral(" - ") + record.description);
    }
    if (keepSelection)
        return;
    int index = 0;
    if (destination == 2 || destination == 3)
        index = 5;
    else if (destination == 4)
        index = 1;
    ui->comboOutputFormat->setCurrentIndex(index);
    on_comboOutputFormat_activated(ui->comboOutputFormat->currentText());
}

QString CMainPanel3::FormatIdFromText(const QString& itemText)
{
    if (itemText == KeepOriginalText())
        return itemText;
    const int dash = itemText.indexOf(QLatin1Char('-'));
    // The text before the blank that precedes the first hyphen.
    return dash < 0 ? itemText : itemText.left(qMax(0, dash - 1));
}

void CMainPanel3::on_comboOutputFormat_activated(const QString& text)
{
    m_profile->OutputFormat = FormatIdFromText(text);
    const QString& format = m_profile->OutputFormat;
    if (CFormatsEnum::HoldsPages(format)) {
        ui->checkMultipage->setEnabled(true);
    } else {
        m_profile->Multipage = false;
        ui->checkMultipage->setChecked(false);
        ui->checkMultipage->setEnabled(false);
    }
    m_profile->FilterFilename.extension = format.toLower();
    SignalPanelChanged();
}

void CMainPanel3::on_checkMultipage_clicked()
{
    m_profile->Multipage = ui->checkMultipage->isChecked();
    SignalPanelChanged();
}

int CMainPanel3::FormatOptionsPage(const QString& itemText)
{
    if (itemText == KeepOriginalText())
        return 1;
    const QString head = itemText.left(4);
    static const QList<QPair<QString, int>> pages = {{"GIF", 2}, {"JP2", 3}, {"JPG", 4}, {"PDF", 5},
                                                     {"PNG", 6}, {"TIF", 7}, {"MIFF", 8}};
    for (const auto& page : pages) {
        if (head.contains(page.first))
            return page.second;
    }
    return 0;
}

QString CMainPanel3::FormatOptionsTitle(const QString& itemText)
{
    // The text before the last hyphen without its trailing blanks, so that a
    // hyphen inside the description ("JPEG-2000") keeps the identifier whole.
    const int dash = itemText.lastIndexOf(QLatin1Char('-'));
    QString title = dash < 0 ? itemText : itemText.left(dash);
    while (!title.isEmpty() && title.at(title.size() - 1).isSpace())
        title.chop(1);
    return title.isEmpty() ? KeepOriginalText() : title;
}

void CMainPanel3::on_buttonFormatSettings_clicked()
{
    const QString text = ui->comboOutputFormat->currentText();
    CFormatSettings dialog(this);
    dialog.FormatPage = FormatOptionsPage(text);
    dialog.setWindowTitle(FormatOptionsTitle(text));
    if (hooks.runDialog(&dialog) == 1)
        SignalPanelChanged();
}
