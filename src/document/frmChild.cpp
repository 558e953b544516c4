#include "document/frmChild.h"

#include "core/Mods.h"
#include "document/DocumentDiagnostics.h"
#include "document/Documents.h"
#include "document/FindBar.h"
#include "document/Formatting.h"
#include "document/Insertion.h"
#include "document/LineEndsPanel.h"
#include "document/TypingHighlighter.h"
#include "lists/ListSearch.h"
#include "platform/Design.h"
#include "platform/Dialogs.h"
#include "platform/RichEdit.h"
#include "platform/StaticEdge.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMdiSubWindow>
#include <QStatusBar>
#include <QVBoxLayout>

namespace document {

frmChild::frmChild(Documents *documents, QWidget *parent)
    : QWidget(parent), m_documents(documents), m_editor(new platform::RichEdit(this)),
      m_statusBar(new QStatusBar(this)), m_charCount(new QLabel(m_statusBar)),
      m_findBar(new FindBar(m_editor, this)),
      m_typing(new TypingHighlighter(
          m_editor, [this] { ShowKeysList(); }, [this] { return waitForSpace(); }, this))
{
    setObjectName(QStringLiteral("frmChild"));
    setFont(platform::designFont());
    resize(platform::twipsToPixels(9270, 7185));

    m_editor->setObjectName(QStringLiteral("rtbMain"));
    platform::SetStaticEdge(m_editor);
    m_statusBar->setObjectName(QStringLiteral("sbr1"));
    m_statusBar->setSizeGripEnabled(false);
    m_charCount->setObjectName(QStringLiteral("sbr1Panel1"));
    m_statusBar->addWidget(m_charCount, 1);
    addCaretPanel();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_editor, 1);
    layout->addWidget(m_findBar);
    layout->addWidget(m_statusBar);

    createMenus();
    m_lineEndsPanel = new LineEndsPanel(m_statusBar, menuItem(QStringLiteral("mnuFormat"))->menu());
    for (QAction *choice : m_lineEndsPanel->choices())
        m_items.insert(choice->objectName(), choice);
    connect(m_lineEndsPanel, &LineEndsPanel::chosen, this,
            [this](LineEnds lineEnds) { m_documents->setLineEnds(m_tag, lineEnds); });
    connectHandlers();
    m_lists = new PopupLists(this);
    m_editor->installEventFilter(this);
    m_editor->viewport()->installEventFilter(this);
    connect(m_editor, &platform::RichEdit::textChanged, this, &frmChild::textChanged);
    connect(m_editor, &platform::RichEdit::undoAvailable, this, &frmChild::updateUndoItems);
    connect(m_editor, &platform::RichEdit::redoAvailable, this, &frmChild::updateUndoItems);
    connect(m_editor, &platform::RichEdit::plainTextArrived, this,
            [this](const QString &text) { PasteFormatted(m_editor, text); });
    updateCharCount();
    new DocumentDiagnostics(this);
}

frmChild::~frmChild() = default;

core::Game frmChild::game() const
{
    const DocumentSlot *slot = m_documents->slotOf(this);
    return slot ? slot->Game : core::Game::Quake2;
}

const core::Mod *frmChild::mod() const
{
    const DocumentSlot *slot = m_documents->slotOf(this);
    return slot ? core::findModNamed(slot->ModName) : nullptr;
}

bool frmChild::waitForListHidden(ListSearch *list)
{
    return waitUntil(list, &ListSearch::hidden, [list] { return !list->isVisible(); });
}

void frmChild::HighlightBeforeCaret(int back, int length, const QColor &color)
{
    document::HighlightBeforeCaret(m_editor, back, length, color);
}

void frmChild::setCaption(const QString &caption)
{
    m_caption = caption;
    // "[*]" is Qt's modified-marker placeholder; doubled it shows literally.
    QString title = caption;
    title.replace(QLatin1String("[*]"), QLatin1String("[*][*]"));
    setWindowTitle(title);
    Q_EMIT captionChanged(caption);
}

void frmChild::textChanged()
{
    // The changed mark follows the document, so undoing back to the saved text clears it.
    if (m_documents->markDirty(this, m_editor->document()->isModified()))
        m_documents->documentEdited(m_tag);
    updateCharCount();
    updateUndoItems();
}

void frmChild::markSaved()
{
    m_editor->document()->setModified(false);
    m_documents->markDirty(this, false);
}

void frmChild::updateUndoItems()
{
    m_items.value(QStringLiteral("mnuEditUndo"))->setEnabled(m_editor->document()->isUndoAvailable());
    m_items.value(QStringLiteral("mnuEditRedo"))->setEnabled(m_editor->document()->isRedoAvailable());
}

void frmChild::updateCharCount()
{
    m_charCount->setText(QString::number(m_editor->TextLength()) + QStringLiteral(" Chars"));
}

void frmChild::showLineEnds(LineEnds lineEnds) { m_lineEndsPanel->showLineEnds(lineEnds); }

LineEnds frmChild::lineEnds() const { return m_lineEndsPanel->lineEnds(); }

// "Ln 3, Col 5" beside the character count, following the caret.
void frmChild::addCaretPanel()
{
    auto *panel = new QLabel(m_statusBar);
    panel->setObjectName(QStringLiteral("sbr1Caret"));
    m_statusBar->addWidget(panel);
    const auto show = [this, panel] {
        const QTextCursor caret = m_editor->textCursor();
        panel->setText(QStringLiteral("Ln %1, Col %2")
                           .arg(caret.blockNumber() + 1)
                           .arg(caret.positionInBlock() + 1));
    };
    connect(m_editor, &platform::RichEdit::cursorPositionChanged, panel, show);
    connect(m_editor, &platform::RichEdit::textChanged, panel, show);
    show();
}

void frmChild::focusEditor()
{
    if (!m_unloaded)
        m_editor->setFocus(Qt::OtherFocusReason);
}

bool frmChild::QueryUnload()
{
    const DocumentSlot *slot = m_documents->slotOf(this);
    if (m_unloaded || !slot || !slot->Dirty)
        return true;
    const platform::Answer answer = platform::messageBox(
        QStringLiteral("Do you want to save changes to:\n\n") + m_caption + QStringLiteral(" ?"),
        platform::Buttons::YesNoCancel, platform::Icon::Exclamation);
    bool mayClose = true;
    if (answer == platform::Answer::Cancel)
        mayClose = false;
    else if (answer == platform::Answer::Yes)
        // A cancelled or failed save keeps the window, so the text is not lost.
        mayClose = m_documents->SaveOrSaveAs(m_tag);
    focusEditor();
    return mayClose;
}

void frmChild::closeWithoutQuestion()
{
    m_skipQuestion = true;
    close();
    m_skipQuestion = false;
}

void frmChild::closeEvent(QCloseEvent *event)
{
    if (!m_unloaded && !m_skipQuestion && !QueryUnload()) {
        event->ignore();
        return;
    }
    event->accept();
    if (!m_unloaded)
        unload();
}

void frmChild::unload()
{
    m_unloaded = true;
    Q_EMIT unloaded();
    m_documents->windowUnloaded(this);
    if (m_waitDepth > 0) {
        m_destroyPending = true;
        return;
    }
    QWidget *window = qobject_cast<QMdiSubWindow *>(parentWidget()) ? parentWidget() : this;
    window->hide();
    window->deleteLater();
}

void frmChild::beginWait() { ++m_waitDepth; }

void frmChild::endWait()
{
    if (--m_waitDepth == 0 && m_destroyPending) {
        m_destroyPending = false;
        QWidget *window = qobject_cast<QMdiSubWindow *>(parentWidget()) ? parentWidget() : this;
        window->hide();
        window->deleteLater();
    }
}

void frmChild::mnuChildFileSave_Click() { m_documents->SaveOrSaveAs(m_tag); }

void frmChild::mnuChildFileSaveAs_Click() { m_documents->SaveDocumentAs(m_tag); }

} // namespace document
