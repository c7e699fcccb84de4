#pragma once
// One tip balloon of a step page for new users: a CTextWidget child of the
// page in a GenerateInfoBaloon outline, its show and hide timers and its
// shown flag. It appears only during the first launches (counter at most 2,
// read from CUserProfile) and at most once per run; the page decides when
// the timers start and gives the shape, text, size and place.

#include <QObject>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QTimer>

#include <functional>

class CTextWidget;
class QWidget;

class CTipBalloon : public QObject
{
    Q_OBJECT
public:
    static constexpr int ShowDelay = 2000;
    static constexpr int HideDelay = 15000;
    static constexpr qint64 LastLaunch = 2;

    // `name` becomes the object name of the helper and of its widget, and,
    // with "ShowTimer" and "HideTimer" appended, of its timers.
    CTipBalloon(QWidget* page, const QString& name);
    ~CTipBalloon() override;

    // `position` is asked each time the balloon is shown (it may depend on
    // the page's size).
    void Setup(int shape, const QString& text, const QSize& size, std::function<QPoint()> position);

    // Starts (or restarts) the show timer, 2000 ms unless told otherwise.
    void StartShowTimer(int ms = ShowDelay) { showTimer.start(ms); }
    // Hides at once, through the hide timer.
    void HideSoon() { hideTimer.start(0); }

    CTextWidget* Widget() const { return m_widget; }
    bool Shown() const { return m_shown; }

    QTimer showTimer;
    QTimer hideTimer;

public slots:
    void Show();
    void Hide();

private:
    CTextWidget* m_widget; // child of the page
    int m_shape = 1;
    QString m_text;
    QSize m_size;
    std::function<QPoint()> m_position;
    bool m_shown = false;
};
