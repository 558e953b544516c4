#pragma once

#include <QEventLoop>
#include <QObject>
#include <QPointer>

namespace platform {

/**
 * Waits for something to happen while the program stays responsive: a nested event
 * loop that sleeps until one of the awaited signals arrives or the guarded object is
 * destroyed. Never polls.
 */
class EventWait : public QObject {
    Q_OBJECT
public:
    /** @p guard is the object the wait belongs to; its destruction ends the wait. */
    explicit EventWait(QObject *guard);

    /** Ends the wait when @p sender emits @p signal. */
    template <typename Sender, typename Signal>
    void quitOn(const Sender *sender, Signal signal)
    {
        connect(sender, signal, &m_loop, &QEventLoop::quit);
    }

    /** Runs until an awaited signal; false when the guard went away meanwhile. */
    bool exec();

    /** Ends the wait from code. */
    void quit() { m_loop.quit(); }

private:
    QEventLoop m_loop;
    QPointer<QObject> m_guard;
};

} // namespace platform
