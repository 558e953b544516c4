#pragma once

#include <QDialog>

class QLineEdit;
class QTextEdit;

namespace generators {

/**
 * The Name Editor: a Quake 3 player name typed with its colour codes, previewed as the game
 * colours it, and copied to the clipboard with the codes. It writes into no document.
 */
class frmNameEditor : public QDialog {
    Q_OBJECT
public:
    /** Shows the dialog, bringing forward the one already open. */
    static frmNameEditor *showWindow();

private:
    frmNameEditor();

    void txtName_Change();
    void cmdCopy_Click();

    QLineEdit *m_name;
    QTextEdit *m_preview;
};

} // namespace generators
