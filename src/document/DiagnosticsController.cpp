#include "document/DiagnosticsController.h"

#include "document/ConfigFile.h"

#include <QHelpEvent>
#include <QPlainTextEdit>
#include <QThread>
#include <QToolTip>
#include <memory>

namespace document {

namespace {

QColor underlineColor(analysis::Severity severity)
{
    switch (severity) {
    case analysis::Severity::Error: return QColor(220, 0, 0);
    case analysis::Severity::Warning: return QColor(230, 140, 0);
    case analysis::Severity::Note: return QColor(0, 100, 220);
    }
    return Qt::red;
}

CheckResult runCheck(const QString &text, const QString &path, LineEnds lineEnds,
                     const analysis::EngineProfile &profile)
{
    CheckResult result;
    const analysis::CheckInput input{text, path, configFileSize(text, lineEnds)};
    result.diagnostics = analysis::check(input, profile);
    result.bufferedBytes = analysis::bufferedBytes(input, profile);
    const analysis::LineIndex lines(text);
    result.lines.reserve(result.diagnostics.size());
    for (const analysis::Diagnostic &diagnostic : result.diagnostics)
        result.lines.append(lines.line(diagnostic.begin));
    return result;
}

} // namespace

DiagnosticsController::DiagnosticsController(QPlainTextEdit *editor,
                                             std::function<QString()> pathOf,
                                             std::function<LineEnds()> lineEndsOf)
    : QObject(editor), m_editor(editor), m_pathOf(std::move(pathOf)),
      m_lineEndsOf(std::move(lineEndsOf))
{
    m_pause.setSingleShot(true);
    m_pause.setInterval(kPauseMs);
    connect(&m_pause, &QTimer::timeout, this, &DiagnosticsController::startCheck);
    // A keystroke only restarts the pause; the check itself runs later, off this thread.
    connect(m_editor, &QPlainTextEdit::textChanged, this, &DiagnosticsController::textChanged);
    textChanged();
    m_editor->viewport()->installEventFilter(this);
}

DiagnosticsController::~DiagnosticsController()
{
    if (m_running) {
        disconnect(m_running, nullptr, this, nullptr);
        m_running->wait();
        delete m_running;
    }
}

void DiagnosticsController::setProfile(const analysis::EngineProfile *profile)
{
    m_profile = profile;
    checkNow();
}

void DiagnosticsController::checkNow()
{
    m_pause.stop();
    startCheck();
}

void DiagnosticsController::startCheck()
{
    if (!m_profile)
        return;
    if (m_running) {
        m_checkAgain = true;
        return;
    }
    auto result = std::make_shared<CheckResult>();
    const analysis::EngineProfile *profile = m_profile;
    QThread *thread = QThread::create([result, profile, text = plainText(), path = m_pathOf(),
                                       lineEnds = m_lineEndsOf()] {
        *result = runCheck(text, path, lineEnds, *profile);
    });
    m_running = thread;
    connect(thread, &QThread::finished, this, [this, thread, result] {
        thread->deleteLater();
        m_running = nullptr;
        applyResult(*result);
        if (m_checkAgain) {
            m_checkAgain = false;
            startCheck();
        }
    });
    thread->start(QThread::LowPriority);
}

void DiagnosticsController::textChanged()
{
    // Loading a file gives the editor a new document.
    if (m_editor->document() != m_followed) {
        if (m_followed)
            disconnect(m_followed, nullptr, this, nullptr);
        m_followed = m_editor->document();
        connect(m_followed, &QTextDocument::contentsChange, this,
                &DiagnosticsController::followChange);
        m_textValid = false;
    }
    m_pause.start();
}

void DiagnosticsController::followChange(int position, int removed, int added)
{
    // A colouring pass over a long range changes formats only: read the text again later
    // rather than now.
    if (!m_textValid || (removed == added && added > 64) || position + removed > m_text.size()) {
        m_textValid = false;
        return;
    }
    QTextCursor cursor(m_editor->document());
    cursor.setPosition(position);
    cursor.setPosition(position + added, QTextCursor::KeepAnchor);
    QString inserted = cursor.selectedText();
    // As QTextDocument::toPlainText gives them.
    inserted.replace(QChar::ParagraphSeparator, u'\n')
        .replace(QChar::LineSeparator, u'\n')
        .replace(QChar::Nbsp, u' ');
    m_text.replace(position, removed, inserted);
    m_textValid = m_text.size() == m_editor->document()->characterCount() - 1;
}

QString DiagnosticsController::plainText()
{
    if (!m_textValid) {
        m_text = m_editor->toPlainText();
        m_textValid = true;
    }
    return m_text;
}

void DiagnosticsController::applyResult(const CheckResult &result)
{
    m_result = result;
    applyUnderlines();
    Q_EMIT checked();
}

void DiagnosticsController::applyUnderlines()
{
    QList<QTextEdit::ExtraSelection> selections;
    const int length = m_editor->document()->characterCount() - 1;
    for (const analysis::Diagnostic &diagnostic : std::as_const(m_result.diagnostics)) {
        if (selections.size() >= kMaxUnderlines)
            break;
        QTextEdit::ExtraSelection selection;
        selection.format.setUnderlineStyle(QTextCharFormat::WaveUnderline);
        selection.format.setUnderlineColor(underlineColor(diagnostic.severity));
        selection.cursor = QTextCursor(m_editor->document());
        // An empty range (a finding at a line's end) underlines the character before it.
        const int end = qBound(0, qMax(diagnostic.end, diagnostic.begin + 1), length);
        const int begin = qBound(0, qMin(diagnostic.begin, end - 1), length);
        selection.cursor.setPosition(begin);
        selection.cursor.setPosition(end, QTextCursor::KeepAnchor);
        selections.append(selection);
    }
    m_editor->setExtraSelections(selections);
}

bool DiagnosticsController::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ToolTip || watched != m_editor->viewport())
        return QObject::eventFilter(watched, event);
    const auto *help = static_cast<QHelpEvent *>(event);
    const int position = m_editor->cursorForPosition(help->pos()).position();
    QStringList texts;
    for (const analysis::Diagnostic &diagnostic : std::as_const(m_result.diagnostics))
        if (position >= diagnostic.begin && position < qMax(diagnostic.end, diagnostic.begin + 1))
            texts.append(QStringLiteral("%1: %2 [%3]")
                             .arg(analysis::severityName(diagnostic.severity), diagnostic.message,
                                  diagnostic.rule));
    if (texts.isEmpty()) {
        QToolTip::hideText();
        return false;
    }
    QToolTip::showText(help->globalPos(), texts.join(u'\n'), m_editor->viewport());
    return true;
}

} // namespace document
