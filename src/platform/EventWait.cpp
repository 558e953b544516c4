#include "platform/EventWait.h"

namespace platform {

EventWait::EventWait(QObject *guard) : m_guard(guard)
{
    if (guard)
        connect(guard, &QObject::destroyed, &m_loop, &QEventLoop::quit);
}

bool EventWait::exec()
{
    if (!m_guard)
        return false;
    m_loop.exec();
    return !m_guard.isNull();
}

} // namespace platform
