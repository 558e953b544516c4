#pragma once

#include "mods/ModCatalogue.h"

#include <QDialog>
#include <QPointer>

class QBoxLayout;
class QCheckBox;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace document {
class Documents;
class frmChild;
} // namespace document

namespace mods {

struct ModChoice;

/**
 * The Select Mod dialog: a game, one of its mods (or a blank config), and OK creates the
 * document for it, or, opened for a document, makes that document one of the game and mod.
 * Modeless and ownerless; it deletes itself when closed.
 */
class frmSelMod : public QDialog {
    Q_OBJECT
public:
    /** Shows the dialog for @p documents, bringing forward the one already open. */
    static frmSelMod *showWindow(document::Documents *documents);
    /** Shows the dialog on the game and mod of @p target; OK changes them, Cancel nothing. */
    static frmSelMod *showForDocument(document::Documents *documents, document::frmChild *target);

private:
    frmSelMod(document::Documents *documents, document::frmChild *target);
    static frmSelMod *present(document::Documents *documents, document::frmChild *target);
    void addCancelButton(QBoxLayout *buttons);
    /** Selects the game and entry (or "Blank CFG") of the target document. */
    void selectTargetMod();
    void createDocument(const NewDocumentRequest &request);
    void retargetDocument(const NewDocumentRequest &request, const ModChoice &choice);

    /** OK, and a double click on an entry. */
    void cmdModSEL_Click();

    QListWidget *createList(const QString &name, GameList game);
    void selectGame(GameList game);
    void updateLists();
    GameList selectedGame() const;
    QListWidget *listOf(GameList game) const;

    document::Documents *m_documents;
    QPointer<document::frmChild> m_target; // null: OK creates a new document
    bool m_forDocument;
    QRadioButton *m_optQ2;
    QRadioButton *m_optQ3;
    QPushButton *m_cmdModSEL;
    QListWidget *m_lstQ2Mods;
    QListWidget *m_lstQ3Mods;
    QCheckBox *m_chkBlank;
};

/** File > New: the Select Mod dialog, which creates the new document. */
void showSelectModDialog(document::Documents *documents);

} // namespace mods
