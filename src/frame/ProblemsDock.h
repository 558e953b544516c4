#pragma once

#include <QDockWidget>
#include <QPointer>

class QMainWindow;
class QMdiArea;
class QTreeWidget;
class QTreeWidgetItem;

namespace document {
class DiagnosticsController;
class frmChild;
} // namespace document

namespace frame {

/** The Problems panel: the findings of the active document; activating one moves the caret there.
 */
class ProblemsDock : public QDockWidget {
    Q_OBJECT
public:
    /** At most this many findings are listed; a last row tells how many more there are. */
    static constexpr int kMaxRows = 1000;

    /** Docks itself at the bottom of @p frame and follows the active window of @p area. */
    ProblemsDock(QMainWindow *frame, QMdiArea *area);

    QTreeWidget *list() const { return m_list; }

private:
    void follow(document::frmChild *child);
    void refresh();
    void goTo(QTreeWidgetItem *item);

    QTreeWidget *m_list;
    QPointer<document::DiagnosticsController> m_controller;
    QMetaObject::Connection m_checked;
};

} // namespace frame
