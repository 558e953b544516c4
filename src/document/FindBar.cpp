#include "document/FindBar.h"

#include "document/Formatting.h"
#include "platform/RichEdit.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTextBlock>

namespace document {

namespace {

QWidget *row(QWidget *parent, const QString &caption, QLineEdit *field, QLabel **label = nullptr)
{
    auto *widget = new QWidget(parent);
    auto *layout = new QHBoxLayout(widget);
    layout->setContentsMargins(4, 2, 4, 2);
    auto *text = new QLabel(caption, widget);
    text->setBuddy(field);
    text->setMinimumWidth(80);
    field->setParent(widget);
    layout->addWidget(text);
    layout->addWidget(field, 1);
    if (label)
        *label = text;
    return widget;
}

QPushButton *button(QWidget *rowWidget, const char *name, const QString &caption)
{
    auto *pushButton = new QPushButton(caption, rowWidget);
    pushButton->setObjectName(QLatin1String(name));
    pushButton->setAutoDefault(false);
    rowWidget->layout()->addWidget(pushButton);
    return pushButton;
}

} // namespace

FindBar::FindBar(platform::RichEdit *editor, QWidget *parent)
    : QWidget(parent), m_editor(editor), m_find(new QLineEdit), m_replace(new QLineEdit),
      m_line(new QLineEdit)
{
    setObjectName(QStringLiteral("findBar"));
    m_find->setObjectName(QStringLiteral("txtFind"));
    m_replace->setObjectName(QStringLiteral("txtReplace"));
    m_line->setObjectName(QStringLiteral("txtGoToLine"));
    m_lineRange = new QIntValidator(m_line);
    m_line->setValidator(m_lineRange);
    m_findRow = row(this, QStringLiteral("F&ind:"), m_find);
    m_replaceRow = row(this, QStringLiteral("Re&place with:"), m_replace);
    m_lineRow = row(this, QString(), m_line, &m_lineLabel);

    connect(button(m_findRow, "cmdFindPrevious", QStringLiteral("Previous")), &QPushButton::clicked,
            this, &FindBar::findPrevious);
    connect(button(m_findRow, "cmdFindNext", QStringLiteral("Next")), &QPushButton::clicked, this,
            &FindBar::findNext);
    m_matchCase = new QCheckBox(QStringLiteral("&Match case"));
    m_matchCase->setObjectName(QStringLiteral("chkMatchCase"));
    m_wholeWord = new QCheckBox(QStringLiteral("Whole wor&d"));
    m_wholeWord->setObjectName(QStringLiteral("chkWholeWord"));
    m_status = new QLabel;
    m_status->setObjectName(QStringLiteral("lblFindStatus"));
    m_status->setMinimumWidth(90);
    connect(button(m_findRow, "cmdCloseFind", QStringLiteral("Close")), &QPushButton::clicked, this,
            &FindBar::closeBar);
    // The options go on a line of their own, so the bar fits a narrow document window.
    m_optionsRow = new QWidget(this);
    auto *options = new QHBoxLayout(m_optionsRow);
    options->setContentsMargins(88, 0, 4, 0);
    for (QWidget *widget : {static_cast<QWidget *>(m_matchCase),
                            static_cast<QWidget *>(m_wholeWord), static_cast<QWidget *>(m_status)})
        options->addWidget(widget);
    options->addStretch(1);
    connect(button(m_replaceRow, "cmdReplace", QStringLiteral("&Replace")), &QPushButton::clicked,
            this, &FindBar::replaceOne);
    connect(button(m_replaceRow, "cmdReplaceAll", QStringLiteral("Replace &All")),
            &QPushButton::clicked, this, &FindBar::replaceAll);
    connect(button(m_lineRow, "cmdGoToLine", QStringLiteral("&Go")), &QPushButton::clicked, this,
            &FindBar::goToLine);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (QWidget *widget : {m_findRow, m_optionsRow, m_replaceRow, m_lineRow})
        layout->addWidget(widget);

    connect(m_find, &QLineEdit::textEdited, this, &FindBar::searchAsTyped);
    connect(m_matchCase, &QCheckBox::toggled, this, &FindBar::searchAsTyped);
    connect(m_wholeWord, &QCheckBox::toggled, this, &FindBar::searchAsTyped);
    connect(m_editor, &platform::RichEdit::textChanged, this, [this] {
        if (isVisible() && m_findRow->isVisible())
            highlightMatches();
    });
    for (QLineEdit *field : {m_find, m_replace, m_line})
        field->installEventFilter(this);
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, this, &FindBar::closeBar);
    hide();
}

SearchOptions FindBar::options() const
{
    return SearchOptions{m_matchCase->isChecked(), m_wholeWord->isChecked()};
}

void FindBar::showFind(bool replacing)
{
    const QString selection = m_editor->SelText();
    if (!selection.isEmpty() && !selection.contains(QLatin1Char('\n')))
        m_find->setText(selection);
    m_anchor = m_editor->SelStart();
    m_findRow->show();
    m_optionsRow->show();
    m_replaceRow->setVisible(replacing);
    m_lineRow->hide();
    show();
    m_find->selectAll();
    m_find->setFocus(Qt::ShortcutFocusReason);
    highlightMatches();
}

void FindBar::showGoToLine()
{
    const int lines = m_editor->document()->blockCount();
    m_lineLabel->setText(QStringLiteral("&Line (1-%1):").arg(lines));
    m_lineLabel->setBuddy(m_line);
    m_lineRange->setRange(1, lines);
    m_line->setText(QString::number(m_editor->textCursor().blockNumber() + 1));
    m_findRow->hide();
    m_optionsRow->hide();
    m_replaceRow->hide();
    m_lineRow->show();
    m_editor->setExtraSelections({});
    show();
    m_line->selectAll();
    m_line->setFocus(Qt::ShortcutFocusReason);
}

void FindBar::closeBar()
{
    hide();
    m_highlighted.clear();
    m_editor->setExtraSelections({});
    m_editor->setFocus(Qt::OtherFocusReason);
}

void FindBar::setStatus(const QString &text)
{
    m_status->setText(text);
}

void FindBar::searchAsTyped()
{
    highlightMatches();
    if (const std::optional<TextMatch> match =
            findFrom(m_editor->Text(), m_find->text(), options(), m_anchor, false))
        select(*match);
    else
        m_editor->Select(m_anchor, 0);
}

void FindBar::findNext()
{
    if (m_find->text().isEmpty()) {
        showFind(false);
        return;
    }
    find(false);
}

void FindBar::findPrevious()
{
    if (m_find->text().isEmpty()) {
        showFind(false);
        return;
    }
    find(true);
}

void FindBar::find(bool backward)
{
    const int from = backward ? m_editor->SelStart() : m_editor->SelStart() + m_editor->SelLength();
    // A closed bar leaves no highlights behind: it would not keep them up to date.
    if (isVisible())
        highlightMatches();
    if (const std::optional<TextMatch> match =
            findFrom(m_editor->Text(), m_find->text(), options(), from, backward)) {
        select(*match);
        m_anchor = match->start;
    }
}

void FindBar::select(const TextMatch &match)
{
    m_editor->Select(match.start, match.length);
    m_editor->ensureCursorVisible();
}

void FindBar::highlightMatches()
{
    m_highlighted = findAll(m_editor->Text(), m_find->text(), options());
    QList<QTextEdit::ExtraSelection> selections;
    selections.reserve(m_highlighted.size());
    for (const TextMatch &match : std::as_const(m_highlighted)) {
        QTextEdit::ExtraSelection selection;
        selection.cursor = QTextCursor(m_editor->document());
        selection.cursor.setPosition(m_editor->toDocumentPosition(match.start));
        selection.cursor.setPosition(m_editor->toDocumentPosition(match.start + match.length),
                                     QTextCursor::KeepAnchor);
        selection.format.setBackground(QColor(255, 230, 120));
        selections.append(selection);
    }
    m_editor->setExtraSelections(selections);
    if (m_find->text().isEmpty())
        setStatus(QString());
    else if (m_highlighted.isEmpty())
        setStatus(QStringLiteral("No matches"));
    else
        setStatus(m_highlighted.size() == 1
                      ? QStringLiteral("1 match")
                      : QStringLiteral("%1 matches").arg(m_highlighted.size()));
}

void FindBar::replaceOne()
{
    const TextMatch selected{m_editor->SelStart(), m_editor->SelLength()};
    if (findAll(m_editor->Text(), m_find->text(), options()).contains(selected))
        PasteFormatted(m_editor, m_replace->text());
    findNext();
}

void FindBar::replaceAll()
{
    const QList<TextMatch> matches = findAll(m_editor->Text(), m_find->text(), options());
    if (matches.isEmpty()) {
        setStatus(QStringLiteral("No matches"));
        return;
    }
    {
        // One edit block: Undo takes every replacement back at once.
        platform::RichEdit::Freeze freeze(m_editor);
        for (qsizetype i = matches.size() - 1; i >= 0; --i) {
            m_editor->Select(matches.at(i).start, matches.at(i).length);
            PasteFormatted(m_editor, m_replace->text());
        }
    }
    highlightMatches();
    setStatus(QStringLiteral("Replaced %1").arg(matches.size()));
}

void FindBar::goToLine()
{
    bool ok = false;
    const int line = m_line->text().toInt(&ok);
    const int lines = m_editor->document()->blockCount();
    if (!ok || line < 1 || line > lines) {
        m_line->selectAll();
        return;
    }
    const QTextBlock block = m_editor->document()->findBlockByNumber(line - 1);
    m_editor->Select(m_editor->toModelPosition(block.position()), 0);
    m_editor->centerCursor();
    closeBar();
}

bool FindBar::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        return QWidget::eventFilter(watched, event);
    if (watched == m_find)
        find(key->modifiers() & Qt::ShiftModifier);
    else if (watched == m_replace)
        replaceOne();
    else if (watched == m_line)
        goToLine();
    return true;
}

} // namespace document
