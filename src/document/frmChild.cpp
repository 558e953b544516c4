#include "document/frmChild.h"

#include "document/DocumentDiagnostics.h"
#include "document/DocumentHost.h"
#include "document/Documents.h"
#include "document/Formatting.h"
#include "platform/Dialogs.h"
#include "platform/RichEdit.h"
#include "platform/StaticEdge.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMdiSubWindow>
#include <QStatusBar>
#include <QVBoxLayout>

namespace document {

frmChild::frmChild(Documents *documents, QWidget *parent)
    : QWidget(parent), m_documents(documents), m_editor(new platform::RichEdit(this)),
      m_statusBar(new QStatusBar(this)), m_charCount(new QLabel(m_statusBar))
{
    setObjectName(QStringLiteral("frmChild"));
    QFont font(QStringLiteral("Tahoma"));
    font.setStyleHint(QFont::SansSerif);
    setFont(font);
    // 9270 x 7185 twips at 15 twips a pixel.
    resize(618, 479);

    m_editor->setObjectName(QStringLiteral("rtbMain"));
    platform::SetStaticEdge(m_editor);
    m_statusBar->setObjectName(QStringLiteral("sbr1"));
    m_statusBar->setSizeGripEnabled(false);
    m_charCount->setObjectName(QStringLiteral("sbr1Panel1"));
    m_statusBar->addWidget(m_charCount, 1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_editor, 1);
    layout->addWidget(m_statusBar);

    createMenus();
    connectHandlers();
    createLists();
    m_editor->installEventFilter(this);
    m_editor->viewport()->installEventFilter(this);
    connect(m_editor, &platform::RichEdit::textChanged, this, &frmChild::textChanged);
    connect(m_editor, &platform::RichEdit::plainTextArrived, this,
            [this](const QString &text) { PasteFormatted(m_editor, text); });
    updateCharCount();
    new DocumentDiagnostics(this);
}

frmChild::~frmChild() = default;

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
    if (m_tag >= 1 && m_tag <= m_documents->slotCount() && m_documents->slot(m_tag).Window == this)
        m_documents->slot(m_tag).Dirty = true;
    updateCharCount();
}

void frmChild::updateCharCount()
{
    m_charCount->setText(QString::number(m_editor->TextLength()) + QStringLiteral(" Chars"));
}

void frmChild::focusEditor()
{
    if (!m_unloaded)
        m_editor->setFocus(Qt::OtherFocusReason);
}

bool frmChild::QueryUnload()
{
    if (m_unloaded || m_tag < 1 || m_tag > m_documents->slotCount())
        return true;
    if (!m_documents->slot(m_tag).Dirty)
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

// The item is checkable, so triggering it has already inverted its check mark.
void frmChild::mnuShowToolbars_Click() { m_documents->host()->toggleToolbars(); }

} // namespace document
