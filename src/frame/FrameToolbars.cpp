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

using document::frmChild;

/** Runs @p act on the active document, if there is one. */
template <typename Act> void onActive(frmParent &frame, Act act)
{
    if (frmChild *child = frame.activeDocument())
        act(*child, *child->editor());
}

void align(frmParent &frame, Qt::Alignment alignment)
{
    onActive(frame, [alignment](frmChild &, platform::RichEdit &editor) {
        editor.setSelAlignment(alignment);
    });
}

void triggerItem(frmParent &frame, const char *item)
{
    onActive(frame, [item](frmChild &child, platform::RichEdit &) {
        child.menuItem(QLatin1String(item))->trigger();
    });
}

// The clipboard buttons work on plain text and leave the colours alone.
void cut(frmParent &frame)
{
    onActive(frame, [](frmChild &, platform::RichEdit &editor) {
        platform::setClipboardText(editor.SelText());
        editor.setSelText(QString());
    });
}

void chooseFont(frmParent &frame)
{
    onActive(frame, [](frmChild &, platform::RichEdit &editor) {
        if (const std::optional<QFont> font = platform::chooseFont(editor.SelFont()))
            editor.setSelFont(*font);
    });
}

struct ToolButtonRow {
    const char *key;
    const char *tag; // "1": needs a document
    const char *tooltip;
    const char *image; // empty: a gap between button groups
    void (*command)(frmParent &frame);
};

const ToolButtonRow kTbr1Buttons[] = {
    {"new", "", "New (Ctrl-N)", "new", [](frmParent &f) { f.newDocumentCommand(); }},
    {"open", "", "Open (Ctrl-O)", "open", [](frmParent &f) { f.openCommand(); }},
    {"SaveAs", "1", "Save", "save",
     [](frmParent &f) {
         if (const int index = f.documents().activeIndex())
             f.documents().SaveDocumentAs(index);
     }},
    {"SaveAll", "1", "Save All", "saveall", [](frmParent &f) { f.documents().SaveAllDocuments(); }},
    {"ph1", "", "", "", nullptr},
    {"Cut", "1", "Cut (Ctrl-X)", "cut", &cut},
    {"Copy", "1", "Copy (Ctrl-C)", "copy",
     [](frmParent &f) {
         onActive(f, [](frmChild &, platform::RichEdit &editor) {
             platform::setClipboardText(editor.SelText());
         });
     }},
    {"Paste", "1", "Paste (Ctrl-V)", "paste",
     [](frmParent &f) {
         onActive(f, [](frmChild &, platform::RichEdit &editor) {
             editor.setSelText(platform::clipboardText());
         });
     }},
    {"ph2", "", "", "", nullptr},
    {"Font", "1", "Change Font", "font", &chooseFont},
};

const ToolButtonRow kTbr2Buttons[] = {
    {"comment", "", "Comment Block (Ctrl-I)", "commentblock",
     [](frmParent &f) {
         onActive(f, [](frmChild &child, platform::RichEdit &) { child.CommentBlock(); });
     }},
    {"uncomment", "", "Uncomment Block (Ctrl-U)", "uncommentblock",
     [](frmParent &f) {
         onActive(f, [](frmChild &child, platform::RichEdit &) { child.UncommentBlock(); });
     }},
    {"pSep3", "", "", "", nullptr},
    {"leftalign", "", "Align Text Left (Ctrl-L)", "leftalign",
     [](frmParent &f) { align(f, Qt::AlignLeft); }},
    {"center", "", "Center Text (Ctrl-E)", "center",
     [](frmParent &f) { align(f, Qt::AlignHCenter); }},
    {"rightalign", "", "Align Text Right (Ctrl-R)", "rightalign",
     [](frmParent &f) { align(f, Qt::AlignRight); }},
    {"pSep4", "", "", "", nullptr},
    {"undo", "", "Undo (Ctrl-Z)", "undo", [](frmParent &f) { triggerItem(f, "mnuEditUndo"); }},
    {"redo", "", "Redo (Ctrl-Y)", "redo", [](frmParent &f) { triggerItem(f, "mnuEditRedo"); }},
};

template <size_t N>
QToolBar *makeToolbar(frmParent *frame, const char *name, const QString &title,
                      const ToolButtonRow (&rows)[N])
{
    QToolBar *toolbar = frame->addToolBar(title);
    toolbar->setObjectName(QLatin1String(name));
    toolbar->setIconSize(QSize(16, 16));
    toolbar->setMovable(false);
    for (const ToolButtonRow &row : rows) {
        QAction *button = nullptr;
        if (*row.image == '\0') {
            button = toolbar->addSeparator();
        } else {
            button = toolbar->addAction(toolbarIcon(QLatin1String(row.image)),
                                        QString::fromUtf8(row.tooltip));
            button->setToolTip(QString::fromUtf8(row.tooltip));
            QObject::connect(button, &QAction::triggered, frame,
                             [frame, command = row.command] { command(*frame); });
        }
        button->setObjectName(QLatin1String(row.key));
        button->setProperty("Tag", QLatin1String(row.tag));
    }
    return toolbar;
}

QAction *button(QToolBar *toolbar, const char *key)
{
    return toolbar->findChild<QAction *>(QLatin1String(key), Qt::FindDirectChildrenOnly);
}

} // namespace

void frmParent::createToolbars()
{
    m_tbr1 = makeToolbar(this, "tbr1", QStringLiteral("Main"), kTbr1Buttons);
    m_tbr2 = makeToolbar(this, "tbr2", QStringLiteral("Editing"), kTbr2Buttons);
    updateUndoButtons();
}

// The buttons mirror the active document's Undo and Redo items.
void frmParent::updateUndoButtons()
{
    document::frmChild *child = activeDocument();
    for (const auto &[key, item] :
         {std::pair{"undo", "mnuEditUndo"}, std::pair{"redo", "mnuEditRedo"}}) {
        QAction *source = child ? child->menuItem(QLatin1String(item)) : nullptr;
        button(m_tbr2, key)->setEnabled(source && source->isEnabled());
    }
}

} // namespace frame
