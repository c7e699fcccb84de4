#include "FilterFrameBase.h"

#include "ColorPicker.h"
#include "DialogSheets.h"
#include "EditorControls.h"
#include "FilterValues.h"

#include <QCheckBox>
#include <QComboBox>
#include <QIcon>
#include <QPixmap>

using namespace EditorControls;

namespace
{
constexpr int kDelay = 500;
}

CFilterFrameBase::CFilterFrameBase(QWidget* parent, int filterId, int iconRow, const QStringList& frames)
    : CFilterPage(parent, filterId), m_IconRow(iconRow), m_Frames(frames)
{
}

void CFilterFrameBase::Attach(const SFrameControls& controls)
{
    m_Controls = controls;
    connect(m_Controls.color, &CColorPicker::ColorChanged, this, &CFilterFrameBase::CPBackgroundColorChanged);
}

int CFilterFrameBase::FlagSlot() const
{
    return m_Controls.edges ? 3 : 2;
}

void CFilterFrameBase::InitControls()
{
    QComboBox* combo = m_Controls.frame;
    combo->clear();
    // Cells of 32 points, the combo's icon size; the double sheet on a high-density screen.
    int scale = 1;
    const QImage sheet = LoadDialogSheet(QStringLiteral("Icons-Frames.png"), scale);
    for (int i = 0; i < m_Frames.size(); ++i) {
        const QPixmap cell = DialogSheetCell(sheet, scale, kIconSize, i, m_IconRow);
        combo->addItem(cell.isNull() ? QIcon() : QIcon(cell), m_Frames.at(i));
    }
    combo->setFocus(Qt::OtherFocusReason);
}

void CFilterFrameBase::RestartShort()
{
    RestartPreview(kDelay);
}

void CFilterFrameBase::SetTransparent(bool on)
{
    m_Controls.transparent->setChecked(on);
    m_Controls.color->setEnabled(!on);
    RestartShort();
}

void CFilterFrameBase::SetRandom(bool on)
{
    m_Controls.random->setChecked(on);
    m_Controls.frame->setEnabled(!on);
    RestartShort();
}

void CFilterFrameBase::Initialize()
{
    InitControls();
    m_Controls.frame->setCurrentIndex(defaults.frame);
    m_Controls.color->SetColor(defaults.color);
    if (m_Controls.edges)
        m_Controls.edges->setCurrentIndex(defaults.edges);
    SetTransparent(defaults.transparent);
    SetRandom(defaults.random);
    RestartPreview(0);
}

void CFilterFrameBase::Load(SFilterRecord rec, bool startPreview)
{
    const double* n = rec.numbers;
    InitControls();
    SetComboNearest(m_Controls.frame, n[0]);
    SetColor(m_Controls.color, n[1]);
    if (m_Controls.edges)
        SetComboIndex(m_Controls.edges, n[2], -1);
    SetTransparent(SlotChecked(n[FlagSlot()]));
    SetRandom(SlotChecked(n[FlagSlot() + 1]));
    if (startPreview)
        RestartPreview(0);
}

void CFilterFrameBase::Save(SFilterRecord& rec)
{
    double* n = rec.numbers;
    rec.numberCount = static_cast<quint8>(FlagSlot() + 2);
    n[0] = m_Controls.frame->currentIndex();
    n[1] = m_Controls.color->color;
    if (m_Controls.edges)
        n[2] = m_Controls.edges->currentIndex();
    n[FlagSlot()] = m_Controls.transparent->isChecked() ? 1 : 0;
    n[FlagSlot() + 1] = m_Controls.random->isChecked() ? 1 : 0;
}

void CFilterFrameBase::CPBackgroundColorChanged()
{
    RestartShort();
}

void CFilterFrameBase::on_comboFrame_activated(int)
{
    RestartShort();
}

void CFilterFrameBase::on_checkTranspBackground_clicked()
{
    SetTransparent(m_Controls.transparent->isChecked());
}

void CFilterFrameBase::on_checkRandomFrame_clicked()
{
    SetRandom(m_Controls.random->isChecked());
}
