// The frame's two toolbars, built from their tables, and the commands of their buttons.
#include "document/frmChild.h"
#include "frame/ToolbarIcons.h"
#include "frame/frmParent.h"
#include "platform/Clipboard.h"
#include "platform/Dialogs.h"
#include "platform/RichEdit.h"

#include <QToolBar>

namespace frame {

namespace {

struct ToolButtonRow {
    const char *key;
    const char *tag;     // "1": needs a document
    const char *tooltip;
    const char *image;   // empty: a gap between button groups
    void (frmParent::*command)();
};

const ToolButtonRow kTbr1Buttons[] = {
    {"new", "", "New (Ctrl-N)", "new", &frmParent::newDocumentCommand},
    {"open", "", "Open (Ctrl-O)", "open", &frmParent::openCommand},
    {"SaveAs", "1", "Save", "save", nullptr},
    {"SaveAll", "1", "Save All", "saveall", nullptr},
    {"ph1", "", "", "", nullptr},
    {"Cut", "1", "Cut (Ctrl-X)", "cut", nullptr},
    {"Copy", "1", "Copy (Ctrl-C)", "copy", nullptr},
    {"Paste", "1", "Paste (Ctrl-V)", "paste", nullptr},
    {"ph2", "", "", "", nullptr},
    {"Font", "1", "Change Font", "font", nullptr},
};

const ToolButtonRow kTbr2Buttons[] = {
    {"comment", "", "Comment Block (Ctrl-I)", "commentblock", nullptr},
    {"uncomment", "", "Uncomment Block (Ctrl-U)", "uncommentblock", nullptr},
    {"pSep3", "", "", "", nullptr},
    {"leftalign", "", "Align Text Left (Ctrl-L)", "leftalign", nullptr},
    {"center", "", "Center Text (Ctrl-E)", "center", nullptr},
    {"rightalign", "", "Align Text Right (Ctrl-R)", "rightalign", nullptr},
    {"pSep4", "", "", "", nullptr},
    {"undo", "", "Undo (Ctrl-Z)", "undo", nullptr},
    {"redo", "", "Redo (Ctrl-Y)", "redo", nullptr},
};

template <size_t N>
void fillToolbar(QToolBar *toolbar, const ToolButtonRow (&rows)[N], frmParent *frame)
{
    for (const ToolButtonRow &row : rows) {
        QAction *button = nullptr;
        if (*row.image == '\0') {
            button = toolbar->addSeparator();
        } else {
            button = toolbar->addAction(toolbarIcon(QLatin1String(row.image)),
                                        QString::fromUtf8(row.tooltip));
            button->setToolTip(QString::fromUtf8(row.tooltip));
            if (row.command)
                QObject::connect(button, &QAction::triggered, frame, row.command);
        }
        button->setObjectName(QLatin1String(row.key));
        button->setProperty("Tag", QLatin1String(row.tag));
    }
}

QAction *button(QToolBar *toolbar, const char *key)
{
    return toolbar->findChild<QAction *>(QLatin1String(key), Qt::FindDirectChildrenOnly);
}

} // namespace

void frmParent::createToolbars()
{
    m_tbr1 = addToolBar(QStringLiteral("Main"));
    m_tbr1->setObjectName(QStringLiteral("tbr1"));
    m_tbr1->setIconSize(QSize(16, 16));
    m_tbr1->setMovable(false);
    fillToolbar(m_tbr1, kTbr1Buttons, this);
    connect(button(m_tbr1, "SaveAs"), &QAction::triggered, this, &frmParent::saveAsButton);
    connect(button(m_tbr1, "SaveAll"), &QAction::triggered, this, &frmParent::saveAllButton);
    connect(button(m_tbr1, "Cut"), &QAction::triggered, this, &frmParent::cutButton);
    connect(button(m_tbr1, "Copy"), &QAction::triggered, this, &frmParent::copyButton);
    connect(button(m_tbr1, "Paste"), &QAction::triggered, this, &frmParent::pasteButton);
    connect(button(m_tbr1, "Font"), &QAction::triggered, this, &frmParent::fontButton);

    m_tbr2 = addToolBar(QStringLiteral("Editing"));
    m_tbr2->setObjectName(QStringLiteral("tbr2"));
    m_tbr2->setIconSize(QSize(16, 16));
    m_tbr2->setMovable(false);
    fillToolbar(m_tbr2, kTbr2Buttons, this);
    connect(button(m_tbr2, "comment"), &QAction::triggered, this, [this] {
        if (document::frmChild *child = activeDocument())
            child->CommentBlock();
    });
    connect(button(m_tbr2, "uncomment"), &QAction::triggered, this, [this] {
        if (document::frmChild *child = activeDocument())
            child->UncommentBlock();
    });
    connect(button(m_tbr2, "leftalign"), &QAction::triggered, this,
            [this] { alignButton(Qt::AlignLeft); });
    connect(button(m_tbr2, "center"), &QAction::triggered, this,
            [this] { alignButton(Qt::AlignHCenter); });
    connect(button(m_tbr2, "rightalign"), &QAction::triggered, this,
            [this] { alignButton(Qt::AlignRight); });
    for (const char *key : {"undo", "redo"})
        connect(button(m_tbr2, key), &QAction::triggered, this, [this, key] {
            if (document::frmChild *child = activeDocument())
                child->menuItem(key == QLatin1String("undo") ? QStringLiteral("mnuEditUndo")
                                                             : QStringLiteral("mnuEditRedo"))
                    ->trigger();
        });
    updateUndoButtons();
}

// The buttons mirror the active document's Undo and Redo items.
void frmParent::updateUndoButtons()
{
    document::frmChild *child = activeDocument();
    for (const auto &[key, item] : {std::pair{"undo", "mnuEditUndo"}, std::pair{"redo", "mnuEditRedo"}}) {
        QAction *source = child ? child->menuItem(QLatin1String(item)) : nullptr;
        button(m_tbr2, key)->setEnabled(source && source->isEnabled());
    }
}

void frmParent::saveAsButton()
{
    if (const int index = m_documents.activeIndex())
        m_documents.SaveDocumentAs(index);
}

void frmParent::saveAllButton() { m_documents.SaveAllDocuments(); }

// The clipboard buttons work on plain text and leave the colours alone.
void frmParent::cutButton()
{
    if (document::frmChild *child = activeDocument()) {
        platform::setClipboardText(child->editor()->SelText());
        child->editor()->setSelText(QString());
    }
}

void frmParent::copyButton()
{
    if (document::frmChild *child = activeDocument())
        platform::setClipboardText(child->editor()->SelText());
}

void frmParent::pasteButton()
{
    if (document::frmChild *child = activeDocument())
        child->editor()->setSelText(platform::clipboardText());
}

void frmParent::fontButton()
{
    document::frmChild *child = activeDocument();
    if (!child)
        return;
    platform::RichEdit *editor = child->editor();
    const std::optional<QFont> font = platform::chooseFont(editor->SelFont());
    if (font)
        editor->setSelFont(*font);
}

void frmParent::alignButton(Qt::Alignment alignment)
{
    if (document::frmChild *child = activeDocument())
        child->editor()->setSelAlignment(alignment);
}

} // namespace frame
