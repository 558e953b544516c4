#pragma once

#include <QObject>
#include <QSize>
#include <QString>

class QHelpEvent;

namespace lists {
class ListSearch;
}

namespace platform {
class RichEdit;
}

namespace document {

using lists::ListSearch;
class frmChild;

/** Full path of a mod list named like "\Quake2\wf.txt" below the Configs folder. */
QString specialListFile(const QString &fileName);

/**
 * The four reference lists of a document window: filled for the document's game each time
 * they pop up at the caret, and writing the picked entry into the script.
 */
class PopupLists : public QObject {
public:
    explicit PopupLists(frmChild *window);

    ListSearch *binds() const { return m_binds; }
    ListSearch *cvars() const { return m_cvars; }
    ListSearch *keys() const { return m_keys; }
    ListSearch *special() const { return m_special; }

    void showBinds();
    void showKeys();
    void showCVars();
    /** Pops up the mod list @p fileName ("\Quake2\wf.txt"), taken below the Configs folder. */
    void showSpecial(const QString &fileName);

    /** The tooltip for the name under the mouse; false when it is no name of the lists. */
    bool showHoverHelp(const QHelpEvent *help);

private:
    platform::RichEdit *editor() const;
    void placeAtCaret(ListSearch *list);
    /** Fills @p list from @p file, sizes it to its rows (at least @p size) and pops it up. */
    void popUp(ListSearch *list, const QString &file, QSize size);
    /** Tells the user, once, about the malformed lines of the names file @p nameFile. */
    void reportNameProblems(const QString &nameFile);
    void setEditorTabStop(bool tabStop);
    void close(ListSearch *list);

    frmChild *m_window;
    ListSearch *m_binds = nullptr;
    ListSearch *m_cvars = nullptr;
    ListSearch *m_keys = nullptr;
    ListSearch *m_special = nullptr;
    /** The list the window showed last (a mod's, or one a command asked for): its names are
     *  explained on hover too, beside the mod's own list. */
    QString m_specialListFile;
};

} // namespace document
