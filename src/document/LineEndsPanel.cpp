#include "document/LineEndsPanel.h"

#include <QActionGroup>
#include <QMenu>
#include <QStatusBar>

namespace document {

namespace {

struct Choice {
    LineEnds lineEnds;
    const char *name;
    const char *caption;
};

const Choice kChoices[] = {
    {LineEnds::CrLf, "mnuLineEndsCrLf", "&CR LF (Windows)"},
    {LineEnds::Lf, "mnuLineEndsLf", "&LF (Linux, Quake 3)"},
};

} // namespace

LineEndsPanel::LineEndsPanel(QStatusBar *statusBar, QMenu *formatMenu) : QToolButton(statusBar)
{
    setObjectName(QStringLiteral("sbr1LineEnds"));
    setAutoRaise(true);
    setFocusPolicy(Qt::NoFocus);
    setToolTip(QStringLiteral("Line ends this document is saved with"));
    auto *menu = new QMenu(QStringLiteral("&Line Ends"), this);
    menu->setObjectName(QStringLiteral("mnuFormatLineEnds"));
    menu->menuAction()->setObjectName(QStringLiteral("mnuFormatLineEnds"));
    auto *group = new QActionGroup(menu);
    for (const Choice &choice : kChoices) {
        QAction *action = menu->addAction(QString::fromUtf8(choice.caption));
        action->setObjectName(QLatin1String(choice.name));
        action->setCheckable(true);
        group->addAction(action);
        const LineEnds lineEnds = choice.lineEnds;
        connect(action, &QAction::triggered, this, [this, lineEnds] { Q_EMIT chosen(lineEnds); });
        m_choices.append(action);
    }
    setMenu(menu);
    setPopupMode(QToolButton::InstantPopup);
    formatMenu->addSeparator();
    formatMenu->addMenu(menu);
    statusBar->addPermanentWidget(this);
    showLineEnds(LineEnds::CrLf);
}

void LineEndsPanel::showLineEnds(LineEnds lineEnds)
{
    m_lineEnds = lineEnds;
    setText(lineEndsName(lineEnds));
    for (qsizetype i = 0; i < m_choices.size(); ++i)
        m_choices.at(i)->setChecked(kChoices[i].lineEnds == lineEnds);
}

} // namespace document
