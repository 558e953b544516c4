#pragma once

#include <QPointer>

namespace platform {

enum class Focus { Take, Leave };

/**
 * Shows the one window of its kind, kept in @p window and made by @p make when there is none
 * (or it was closed); shown again, it is raised. It takes the focus unless told to leave it.
 */
template <typename Window, typename Make>
Window *showSingleton(QPointer<Window> &window, Make make, Focus focus = Focus::Take)
{
    if (!window)
        window = make();
    window->show();
    window->raise();
    if (focus == Focus::Take)
        window->activateWindow();
    return window;
}

} // namespace platform
