#include "TipBalloon.h"

#include "CTextWidget.h"
#include "UserProfile.h"
#include "Utils.h"

CTipBalloon::CTipBalloon(QWidget* page, const QString& name) : QObject(page), m_widget(new CTextWidget(page))
{
    setObjectName(name);
    m_widget->setObjectName(name);
    m_widget->hide();
    showTimer.setObjectName(name + QStringLiteral("ShowTimer"));
    hideTimer.setObjectName(name + QStringLiteral("HideTimer"));
    connect(&showTimer, &QTimer::timeout, this, &CTipBalloon::Show);
    connect(&hideTimer, &QTimer::timeout, this, &CTipBalloon::Hide);
}

CTipBalloon::~CTipBalloon()
{
    // The page may already be deleting its children; the widget goes with them.
    showTimer.stop();
    hideTimer.stop();
}

void CTipBalloon::Setup(int shape, const QString& text, const QSize& size, std::function<QPoint()> position)
{
    m_shape = shape;
    m_text = text;
    m_size = size;
    m_position = std::move(position);
}

void CTipBalloon::Show()
{
    if (CUserProfile::GetInstance()->LaunchCounter <= LastLaunch && !m_shown) {
        m_widget->SetShape(GenerateInfoBaloon(m_shape));
        m_widget->SetParagraphs(QStringList(m_text));
        m_widget->resize(m_size);
        m_widget->GrowToText();
        if (m_position)
            m_widget->move(m_position());
        m_widget->raise();
        m_widget->setVisible(true);
        hideTimer.start(HideDelay);
        m_shown = true;
    }
    showTimer.stop();
}

void CTipBalloon::Hide()
{
    m_widget->hide();
    hideTimer.stop();
}
