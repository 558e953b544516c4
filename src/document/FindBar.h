#pragma once

#include "document/TextSearch.h"

#include <QWidget>

class QCheckBox;
class QIntValidator;
class QLabel;
class QLineEdit;

namespace platform {
class RichEdit;
}

namespace document {

/**
 * The bar under a document's editor that finds, replaces and goes to a line, without
 * a modal dialog. Matches are highlighted on top of the text, never in its formats.
 */
class FindBar : public QWidget {
    Q_OBJECT
public:
    explicit FindBar(platform::RichEdit *editor, QWidget *parent = nullptr);

    /** Opens the bar for finding (@p replacing: also replacing), seeded with the selection. */
    void showFind(bool replacing);
    void showGoToLine();
    /** Selects the next (previous) match, wrapping round; opens the bar when nothing is sought. */
    void findNext();
    void findPrevious();
    /** Replaces the selected match and selects the next one. */
    void replaceOne();
    /** Replaces every match as one undo step. */
    void replaceAll();
    /** Hides the bar, drops the highlights and gives the editor the focus. */
    void closeBar();

    SearchOptions options() const;
    /** The matches shown highlighted now. */
    QList<TextMatch> highlighted() const { return m_highlighted; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void searchAsTyped();
    void find(bool backward);
    void select(const TextMatch &match);
    void highlightMatches();
    void goToLine();
    void setStatus(const QString &text);

    platform::RichEdit *m_editor;
    QWidget *m_findRow;
    QWidget *m_optionsRow;
    QWidget *m_replaceRow;
    QWidget *m_lineRow;
    QLineEdit *m_find;
    QLineEdit *m_replace;
    QLineEdit *m_line;
    QLabel *m_lineLabel;
    QIntValidator *m_lineRange;
    QCheckBox *m_matchCase;
    QCheckBox *m_wholeWord;
    QLabel *m_status;
    int m_anchor = 0;
    QList<TextMatch> m_highlighted;
};

} // namespace document
