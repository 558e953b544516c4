#pragma once

#include "document/ConfigFile.h"

#include "analysis/Diagnostics.h"

#include <QObject>
#include <QPointer>
#include <QTextDocument>
#include <QThread>
#include <QTimer>
#include <functional>

class QPlainTextEdit;

namespace document {

/** The outcome of one check of an editor's text. */
struct CheckResult {
    QList<analysis::Diagnostic> diagnostics;
    /** 1-based line of each diagnostic's start, in the same order. */
    QList<int> lines;
    /** Bytes the file takes in the engine's command buffer. */
    qint64 bufferedBytes = 0;
};

/**
 * Checks an editor's text for an engine after a pause in typing, off the UI thread, and shows
 * the findings as wavy underlines (extra selections, so the text's own formats stay untouched)
 * with the message as tooltip.
 */
class DiagnosticsController : public QObject {
    Q_OBJECT
public:
    /** The pause after the last keystroke before the text is checked. */
    static constexpr int kPauseMs = 400;
    /** At most this many findings are underlined; all are listed. */
    static constexpr int kMaxUnderlines = 2000;

    /**
     * @p pathOf gives the document's file path (empty while unsaved) and @p lineEndsOf the
     * line ends it is saved with, at check time.
     */
    DiagnosticsController(QPlainTextEdit *editor, std::function<QString()> pathOf,
                          std::function<LineEnds()> lineEndsOf);
    ~DiagnosticsController() override;

    /** Sets the engine and checks again at once. */
    void setProfile(const analysis::EngineProfile *profile);
    const analysis::EngineProfile *profile() const { return m_profile; }
    const CheckResult &result() const { return m_result; }
    QPlainTextEdit *editor() const { return m_editor; }

    /** Starts a check now (or as soon as the running one ends). */
    void checkNow();
    /** True while a check runs or waits for the pause to end. */
    bool busy() const { return m_pause.isActive() || m_running; }

Q_SIGNALS:
    /** New findings are there. */
    void checked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void startCheck();
    void textChanged();
    /** Keeps m_text equal to the editor's plain text, one edit at a time. */
    void followChange(int position, int removed, int added);
    /** The editor's plain text, without reading the whole document on every check. */
    QString plainText();
    void applyResult(const CheckResult &result);
    void applyUnderlines();

    QPlainTextEdit *m_editor;
    std::function<QString()> m_pathOf;
    std::function<LineEnds()> m_lineEndsOf;
    const analysis::EngineProfile *m_profile = nullptr;
    QTimer m_pause;
    QPointer<QThread> m_running;
    bool m_checkAgain = false;
    CheckResult m_result;
    QPointer<QTextDocument> m_followed;
    QString m_text;
    bool m_textValid = false;
};

} // namespace document
