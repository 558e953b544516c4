#pragma once

#include <QObject>

class QActionGroup;
class QMenu;
class QToolButton;

namespace analysis {
struct EngineProfile;
}

namespace document {

class DiagnosticsController;
class frmChild;

/**
 * A document's engine and the checks for it: the engine is guessed when a file opens (or taken
 * from the game of a new document), changeable from View > Engine and from the status bar,
 * and remembered per file; the status bar shows the command buffer budget.
 */
class DocumentDiagnostics : public QObject {
    Q_OBJECT
public:
    explicit DocumentDiagnostics(frmChild *child);

    /** The diagnostics of @p child, or nullptr. */
    static DocumentDiagnostics *of(const QObject *child);

    DiagnosticsController *controller() const { return m_controller; }
    frmChild *child() const { return m_child; }
    /** The user picks @p profileId; remembered for the document's file. */
    void chooseEngine(const QString &profileId);
    /** The document's game changed: an engine of another game gives way to the new game's. */
    void gameChanged() { decideEngine(); }
    /** The settings section of the engines chosen per file. */
    static QString settingsSection() { return QStringLiteral("Engines"); }

private:
    QString filePath() const;
    void decideEngine();
    void setEngine(const analysis::EngineProfile *profile);
    /** Keeps @p profile as the engine of the document's file, when it has one. */
    void rememberEngine(const analysis::EngineProfile *profile);
    void updateBudget();
    void addToViewMenu();

    frmChild *m_child;
    DiagnosticsController *m_controller;
    QMenu *m_engineMenu;
    QActionGroup *m_engineActions;
    QToolButton *m_budget;
    bool m_chosenByUser = false;
};

} // namespace document
