#pragma once

#include <QWidget>

class QTextBrowser;
class QToolButton;

namespace platform {

/**
 * The help window: the HTML pages of the Help folder in a browser with Back, Forward and
 * Contents. There is one at a time; asking for a topic again reuses the window that is open.
 *
 * Children: "brwHelp" (QTextBrowser), "cmdBack", "cmdForward", "cmdContents" (QToolButton).
 */
class HelpViewer : public QWidget {
    Q_OBJECT
public:
    /** The page the Contents button opens. */
    static QString contentsPage();

    /**
     * Shows @p page of the Help folder ("Quake 2 Commands.htm") scrolled to the anchor named
     * @p anchor, or at its top when @p anchor is empty or not on the page. A missing page is
     * reported in a message box and leaves the window as it was; the result is false then.
     */
    static bool showTopic(const QString &page, const QString &anchor = QString());

    /** The help window that is open, or nullptr. */
    static HelpViewer *openWindow();

    QTextBrowser *browser() const { return m_browser; }

private:
    HelpViewer();

    void open(const QString &path, const QString &anchor);
    void showContents();

    QTextBrowser *m_browser;
    QToolButton *m_back;
    QToolButton *m_forward;
};

} // namespace platform
