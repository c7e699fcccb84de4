#pragma once
// What the four frame pages share: a frame list with icons cut from the
// frame icon sheet, a background colour, "transparent background" and
// "random frame". The shape page adds its edges list in slot 2, which moves
// the two flags one slot on. Every change restarts the preview after 500 ms.

#include "FilterPage.h"

#include <QRgb>
#include <QStringList>

class CColorPicker;
class QCheckBox;
class QComboBox;

class CFilterFrameBase : public CFilterPage
{
    Q_OBJECT

public:
    // The controls of a page's form; `edges` only on the shape page.
    struct SFrameControls {
        QComboBox* frame = nullptr;
        CColorPicker* color = nullptr;
        QCheckBox* transparent = nullptr;
        QCheckBox* random = nullptr;
        QComboBox* edges = nullptr;
    };

    // `iconRow` is the page's row of "Icons-Frames.png"; `frames` the
    // untranslated item texts, one icon cell each.
    CFilterFrameBase(QWidget* parent, int filterId, int iconRow, const QStringList& frames);

    void Initialize() override;
    void Load(SFilterRecord rec, bool startPreview) override;
    void Save(SFilterRecord& rec) override;

    // Refills the frame list (and the edges list); restarts nothing.
    virtual void InitControls();

    struct SFrameDefaults {
        int frame = 0;
        QRgb color = 0xFFFFFFFFu;
        int edges = 0;
        bool transparent = false;
        bool random = false;
    } defaults;

    static constexpr int kIconSize = 32;

protected:
    // Called by each page once its form is set up.
    void Attach(const SFrameControls& controls);
    void RestartShort();

private slots:
    void CPBackgroundColorChanged();
    void on_comboFrame_activated(int index);
    void on_checkTranspBackground_clicked();
    void on_checkRandomFrame_clicked();

private:
    void SetTransparent(bool on);
    void SetRandom(bool on);
    // Slot of the transparent flag; the random flag follows it.
    int FlagSlot() const;

    SFrameControls m_Controls;
    int m_IconRow;
    QStringList m_Frames;
};
