#pragma once

#include "mods/ModCatalogue.h"

#include <QDialog>

class QCheckBox;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace document {
class Documents;
}

namespace mods {

/**
 * The Select Mod dialog: a game, one of its mods (or a blank config), and OK creates the
 * document for it. Modeless and ownerless; it deletes itself when closed.
 */
class frmSelMod : public QDialog {
    Q_OBJECT
public:
    /** Shows the dialog for @p documents, bringing forward the one already open. */
    static frmSelMod *showWindow(document::Documents *documents);

private:
    explicit frmSelMod(document::Documents *documents);

    /** OK, and a double click on an entry. */
    void cmdModSEL_Click();

    QListWidget *createList(const QString &name, GameList game);
    void selectGame(GameList game);
    void updateLists();
    GameList selectedGame() const;
    QListWidget *listOf(GameList game) const;

    document::Documents *m_documents;
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
