#include "generators/frmOSPType.h"

#include "document/DocumentHost.h"
#include "document/Documents.h"
#include "document/WindowGrowth.h"
#include "document/frmChild.h"
#include "platform/Design.h"
#include "platform/Dialogs.h"
#include "platform/RichEdit.h"
#include "platform/Singleton.h"

#include <QGridLayout>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

namespace generators {

namespace {

QPointer<frmOSPType> g_window;

// One insertion per line, so each setting line's keyword can be coloured as it lands.
void insertLines(document::frmChild *child, const QList<OspLine> &lines)
{
    platform::RichEdit *editor = child->editor();
    const core::KeywordRow &keyword = core::keywordRow(kOspHighlightKeyword);
    for (const OspLine &line : lines) {
        editor->setSelText(line.withLineEnd());
        if (line.isHighlighted())
            child->HighlightBeforeCaret(line.highlightBack(), int(keyword.spelling.size()),
                                        keyword.color);
    }
}

} // namespace

frmOSPType::frmOSPType(document::Documents *documents) : QDialog(nullptr), m_documents(documents)
{
    setObjectName(QStringLiteral("frmOSPType"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("OSP Template Type"));
    setFont(platform::designFont());

    // Two rows of three, in index order; OK under the middle column.
    auto *layout = new QGridLayout(this);
    const std::span<const OspServerTypeRow> types = ospServerTypes();
    for (int index = 0; index < int(types.size()); ++index) {
        auto *option = new QRadioButton(QLatin1String(types[index].caption), this);
        option->setObjectName(QStringLiteral("optOSPType"));
        option->setProperty("Index", index);
        layout->addWidget(option, index / 3, index % 3);
        m_optOSPType.append(option);
    }
    // Created after the option buttons, so the focus chain already runs in tab order.
    m_cmdOK = new QPushButton(QStringLiteral("OK"), this);
    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
    m_cmdOK->setDefault(true);
    layout->addWidget(m_cmdOK, 2, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    for (int index = 1; index < int(m_optOSPType.size()); ++index)
        setTabOrder(m_optOSPType.at(index - 1), m_optOSPType.at(index));
    setTabOrder(m_optOSPType.last(), m_cmdOK);
    // The focus starts on the first type, which is selected as it takes the focus.
    m_optOSPType.first()->setChecked(true);
    m_optOSPType.first()->setFocus(Qt::TabFocusReason);

    connect(m_cmdOK, &QPushButton::clicked, this, &frmOSPType::cmdOK_Click);
}

frmOSPType *frmOSPType::showWindow(document::Documents *documents)
{
    // A dialog already hidden is on its way out (deleted on close); it is not brought back.
    if (g_window && !g_window->isVisible())
        g_window.clear();
    if (g_window)
        g_window->m_documents = documents;
    return platform::showSingleton(g_window, [documents] { return new frmOSPType(documents); });
}

int frmOSPType::selectedIndex() const
{
    for (int index = 0; index < int(m_optOSPType.size()); ++index)
        if (m_optOSPType.at(index)->isChecked())
            return index;
    return kOspServerTypeCount;
}

void frmOSPType::writeConfiguration(document::frmChild *target, int index)
{
    // The message box runs an event loop in which the window may be closed.
    QPointer<document::frmChild> child(target);
    if (!child || child->isUnloaded())
        return;
    const bool known = index >= 0 && index < kOspServerTypeCount;
    {
        platform::RichEdit::Freeze freeze(child->editor());
        insertLines(child,
                    known ? ospServerConfigLines(ospServerTypes()[index].type) : ospHeaderLines());
    }
    if (!known)
        platform::messageBox(QLatin1String(kOspInternalErrorMessage), platform::Buttons::Ok);
    if (!child || child->isUnloaded())
        return;
    document::growDocumentWindow(child, kOspWindowGrowWidthTwips, kOspWindowGrowHeightTwips);
    child->focusEditor();
}

void frmOSPType::cmdOK_Click()
{
    // The document active now, not the one the dialog was opened from: the user may have
    // switched windows meanwhile. With no document left there is nowhere to write.
    document::frmChild *child = m_documents ? m_documents->host()->activeDocument() : nullptr;
    writeConfiguration(child, selectedIndex());
    close();
}

frmOSPType *showOspTypeDialog(document::Documents *documents)
{
    return frmOSPType::showWindow(documents);
}

} // namespace generators
