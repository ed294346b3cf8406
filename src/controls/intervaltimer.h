#pragma once

#include <QObject>
#include <QTimer>

// A window timer: setInterval(0) stops it, any positive interval (re)starts it. It keeps
// ticking until stopped; the windows' handlers stop it as their first step when they want
// a single shot.
class IntervalTimer : public QObject
{
    Q_OBJECT
public:
    explicit IntervalTimer(QObject *parent = nullptr);

    void setInterval(int ms);
    int interval() const { return m_interval; }
    bool isActive() const { return m_timer.isActive(); }

signals:
    void timeout();

private:
    QTimer m_timer;
    int m_interval = 0;
};
