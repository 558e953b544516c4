#include "frame/ProblemsDock.h"

#include "document/DiagnosticsController.h"
#include "document/DocumentDiagnostics.h"
#include "document/frmChild.h"

#include <QHeaderView>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QStyle>
#include <QTreeWidget>

namespace frame {

namespace {

enum Column { SeverityColumn, LineColumn, MessageColumn, RuleColumn };

QIcon severityIcon(const QStyle *style, analysis::Severity severity)
{
    switch (severity) {
    case analysis::Severity::Error: return style->standardIcon(QStyle::SP_MessageBoxCritical);
    case analysis::Severity::Warning: return style->standardIcon(QStyle::SP_MessageBoxWarning);
    case analysis::Severity::Note: return style->standardIcon(QStyle::SP_MessageBoxInformation);
    }
    return {};
}

} // namespace

ProblemsDock::ProblemsDock(QMainWindow *frame, QMdiArea *area)
    : QDockWidget(QStringLiteral("Problems"), frame), m_list(new QTreeWidget(this))
{
    setObjectName(QStringLiteral("dockProblems"));
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                QDockWidget::DockWidgetFloatable);
    m_list->setObjectName(QStringLiteral("lvwProblems"));
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setHeaderLabels(
        {QString(), QStringLiteral("Line"), QStringLiteral("Message"), QStringLiteral("Rule")});
    m_list->header()->setSectionResizeMode(SeverityColumn, QHeaderView::ResizeToContents);
    m_list->header()->setSectionResizeMode(LineColumn, QHeaderView::ResizeToContents);
    m_list->header()->setSectionResizeMode(MessageColumn, QHeaderView::Stretch);
    m_list->header()->setSectionResizeMode(RuleColumn, QHeaderView::ResizeToContents);
    m_list->header()->setStretchLastSection(false);
    setWidget(m_list);
    toggleViewAction()->setObjectName(QStringLiteral("mnuViewProblems"));
    toggleViewAction()->setText(QStringLiteral("&Problems"));
    frame->addDockWidget(Qt::BottomDockWidgetArea, this);

    connect(m_list, &QTreeWidget::itemClicked, this, &ProblemsDock::goTo);
    connect(m_list, &QTreeWidget::itemActivated, this, &ProblemsDock::goTo);
    connect(area, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow *window) {
        if (window)
            follow(qobject_cast<document::frmChild *>(window->widget()));
        else if (!m_controller || !m_controller->parent())
            follow(nullptr);
    });
    refresh();
}

void ProblemsDock::follow(document::frmChild *child)
{
    const document::DocumentDiagnostics *diagnostics = document::DocumentDiagnostics::of(child);
    if (child) {
        // The panel's switch sits in the View menu of every document window.
        for (QMenu *menu : child->menus())
            if (menu->objectName() == QLatin1String("mnuView") &&
                !menu->actions().contains(toggleViewAction()))
                menu->addAction(toggleViewAction());
    }
    disconnect(m_checked);
    m_controller = diagnostics ? diagnostics->controller() : nullptr;
    if (m_controller)
        m_checked = connect(m_controller, &document::DiagnosticsController::checked, this,
                            &ProblemsDock::refresh);
    refresh();
}

void ProblemsDock::refresh()
{
    m_list->clear();
    const int count = m_controller ? int(m_controller->result().diagnostics.size()) : 0;
    setWindowTitle(count ? QStringLiteral("Problems (%1)").arg(count) : QStringLiteral("Problems"));
    if (!m_controller)
        return;
    const document::CheckResult &result = m_controller->result();
    QList<QTreeWidgetItem *> items;
    for (int i = 0; i < count && i < kMaxRows; ++i) {
        const analysis::Diagnostic &diagnostic = result.diagnostics.at(i);
        auto *item = new QTreeWidgetItem;
        item->setIcon(SeverityColumn, severityIcon(style(), diagnostic.severity));
        item->setToolTip(SeverityColumn, analysis::severityName(diagnostic.severity));
        item->setText(LineColumn, QString::number(result.lines.at(i)));
        item->setText(MessageColumn, diagnostic.message);
        item->setToolTip(MessageColumn, diagnostic.message);
        item->setText(RuleColumn, diagnostic.rule);
        item->setData(LineColumn, Qt::UserRole, diagnostic.begin);
        items.append(item);
    }
    if (count > kMaxRows)
        items.append(new QTreeWidgetItem(
            {QString(), QString(), QStringLiteral("... and %1 more").arg(count - kMaxRows)}));
    m_list->addTopLevelItems(items);
}

void ProblemsDock::goTo(QTreeWidgetItem *item)
{
    const QVariant position = item ? item->data(LineColumn, Qt::UserRole) : QVariant();
    if (!m_controller || !position.isValid())
        return;
    QPlainTextEdit *editor = m_controller->editor();
    QTextCursor cursor(editor->document());
    cursor.setPosition(qBound(0, position.toInt(), editor->document()->characterCount() - 1));
    editor->setTextCursor(cursor);
    editor->ensureCursorVisible();
    editor->setFocus(Qt::OtherFocusReason);
}

} // namespace frame
