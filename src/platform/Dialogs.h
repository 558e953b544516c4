#pragma once

#include <QFont>
#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace platform {

enum class Icon { None, Information, Exclamation, Question, Critical };
/**
 * RecoverDiscard shows "Recover" (answers Yes), "Discard" (No) and "Later" (Cancel, also
 * Escape); ReloadKeep shows "Reload" (Yes) and "Keep mine" (No, also Escape).
 */
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, RecoverDiscard, ReloadKeep };
enum class Answer { Ok, Cancel, Yes, No };

/** The application title every message box carries unless it is given another. */
QString applicationTitle();

/** A modal message box; answers Cancel (or No) when the box is closed without a button. */
Answer messageBox(const QString &text, Buttons buttons = Buttons::Ok, Icon icon = Icon::None,
                  const QString &title = applicationTitle());

/** Open dialog allowing several existing files; empty list when cancelled. */
QStringList openFileNames(const QString &filter);

/**
 * Save As dialog proposing @p proposedName; empty text when cancelled.
 * It does not confirm overwriting: callers ask themselves.
 */
QString saveFileName(const QString &proposedName, const QString &defaultSuffix,
                     const QString &filter);

/** Font dialog preset with @p initial; nothing when cancelled. */
std::optional<QFont> chooseFont(const QFont &initial);

/** Folder picker titled @p prompt; empty text when cancelled. */
QString chooseFolder(const QString &prompt);

/**
 * Everything modal goes through this seam, so tests can answer dialogs and read the
 * messages that were shown instead of blocking on a real window.
 */
class DialogSeam {
public:
    virtual ~DialogSeam() = default;
    virtual Answer messageBox(const QString &text, Buttons buttons, Icon icon,
                              const QString &title) = 0;
    virtual QStringList openFileNames(const QString &filter) = 0;
    virtual QString saveFileName(const QString &proposedName, const QString &defaultSuffix,
                                 const QString &filter) = 0;
    virtual std::optional<QFont> chooseFont(const QFont &initial) = 0;
    virtual QString chooseFolder(const QString &prompt) = 0;
};

/** Installs @p seam (not owned); nullptr restores the real dialogs. */
void setDialogSeam(DialogSeam *seam);

/** Shows the wait pointer for the lifetime of the object. */
class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};

} // namespace platform
