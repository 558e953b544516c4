#pragma once

#include "document/ConfigFile.h"

#include <QToolButton>

class QAction;
class QMenu;
class QStatusBar;

namespace document {

/**
 * The status-bar panel that shows a document's line ends ("CR LF" or "LF"). Clicking it, or
 * Format > Line Ends, offers both; choosing one emits chosen().
 */
class LineEndsPanel : public QToolButton {
    Q_OBJECT
public:
    /** Adds itself to @p statusBar and its choices as a "Line Ends" submenu of @p formatMenu. */
    LineEndsPanel(QStatusBar *statusBar, QMenu *formatMenu);

    void showLineEnds(LineEnds lineEnds);
    LineEnds lineEnds() const { return m_lineEnds; }
    /** The two choices, CR LF first (named mnuLineEndsCrLf and mnuLineEndsLf). */
    QList<QAction *> choices() const { return m_choices; }

Q_SIGNALS:
    void chosen(LineEnds lineEnds);

private:
    QList<QAction *> m_choices;
    LineEnds m_lineEnds = LineEnds::CrLf;
};

} // namespace document
