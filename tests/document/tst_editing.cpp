// Editing as the user does it: typing with its keyword colouring and bind prompt, the editor's
// shortcut keys, the clipboard, the right-click menu, and the Format and Insert commands; then
// the pure colouring scans. The document counts as changed only when its characters change.
#include "FrameFixture.h"
#include "document/KeywordScan.h"
#include "lists/ListSearch.h"
#include "platform/Clipboard.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QRegularExpression>
#include <QtTest>

using document::frmChild;

namespace {

// The text with the caret as "|" or the selection as "[...]"; and the reverse.
QString marked(platform::RichEdit *editor)
{
    QString text = editor->Text();
    const int start = editor->SelStart(), length = editor->SelLength();
    if (length == 0)
        return text.insert(start, '|');
    return text.insert(start + length, ']').insert(start, '[');
}

void load(platform::RichEdit *editor, QString text)
{
    const qsizetype caret = text.indexOf('|'), open = text.indexOf('['), close = text.indexOf(']');
    text.remove('|').remove('[').remove(']');
    editor->LoadPlainText(text);
    if (open >= 0)
        editor->Select(int(open), int(close - open - 1));
    else
        editor->setSelStart(int(caret >= 0 ? caret : text.size()));
}

const QHash<QString, QKeyCombination> kKeys{{"Enter", Qt::Key_Return},
                                            {"Right", Qt::Key_Right},
                                            {"Left", Qt::Key_Left},
                                            {"Down", Qt::Key_Down},
                                            {"Esc", Qt::Key_Escape},
                                            {"Space", Qt::Key_Space},
                                            {"End", Qt::Key_End},
                                            {"BS", Qt::Key_Backspace},
                                            {"S-Right", Qt::SHIFT | Qt::Key_Right},
                                            {"S-End", Qt::SHIFT | Qt::Key_End},
                                            {"S-Down", Qt::SHIFT | Qt::Key_Down}};

// Types @p script: text, {Key} from the table above, {C-X} for Ctrl+X, {m:name} for a menu item,
// {r:Key} for only the release of a key pressed elsewhere, {u:2028} for a character an input
// method sends.
void play(frmChild *child, const QString &script)
{
    static const QRegularExpression token(QStringLiteral("\\{([^}]*)\\}|[^{]+"));
    for (const QRegularExpressionMatch &match : token.globalMatch(script)) {
        const QString name = match.captured(1);
        if (match.captured(1).isNull())
            QTest::keyClicks(child->editor(), match.captured(0));
        else if (name.startsWith("m:"))
            FrameFixture::trigger(child, qPrintable(name.mid(2)));
        else if (name.startsWith("r:"))
            QTest::keyRelease(child->editor(), kKeys.value(name.mid(2)).key());
        else if (name.startsWith("u:")) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier,
                            QChar(name.mid(2).toUShort(nullptr, 16)));
            QCoreApplication::sendEvent(child->editor(), &press);
        } else if (name.startsWith("C-"))
            QTest::keyClick(child->editor(), name.at(2).toLatin1(), Qt::ControlModifier);
        else if (name == "S-Right*") { // Shift let go before Right
            QTest::keyPress(child->editor(), Qt::Key_Right, Qt::ShiftModifier);
            QTest::keyRelease(child->editor(), Qt::Key_Right);
        } else
            QTest::keyClick(child->editor(), kKeys.value(name).key(),
                            kKeys.value(name).keyboardModifiers());
    }
}

} // namespace

class TestEditing : public QObject {
    Q_OBJECT
private slots:
    void editing_data()
    {
        // clang-format off
        QTest::addColumn<QString>("before");    // "|" caret (default: the end), "[...]" selection
        QTest::addColumn<QString>("clipboard"); // plain text put on the clipboard first, "rtf:" RTF
        QTest::addColumn<QString>("script");    // see play(); "{prompt}" types the rest inside the prompt's wait;
                                                // ending "{clean}": the document still counts as unchanged
        QTest::addColumn<QString>("after");     // marked text
        QTest::addColumn<QString>("looks");     // colourRuns(), "" when not checked
        const QString bindX = "[#0000ff b]bind[#000000] x ";
        // Keyword colouring and rewrite: line 1, a later line, under an empty line, under a line ending in a space.
        QTest::newRow("Bind, line 1") << "" << "" << "Bind {prompt}x " << "bind x |" << bindX;
        QTest::newRow("BIND, line 2") << "set a\r\n" << "" << "BIND {prompt}x " << "set a\r\nbind x |" << "[#000000]set a\r\n" + bindX;
        QTest::newRow("bind, under an empty line") << "\r\n" << "" << "bind {prompt}x " << "\r\nbind x |" << "\r\n" + bindX;
        QTest::newRow("bind, under a blank end") << "a \r\n" << "" << "bind {prompt}x " << "a \r\nbind x |" << "[#000000]a \r\n" + bindX;
        QTest::newRow("second space, no prompt") << "" << "" << "bind {prompt}mouse1  x" << "bind mouse1  x|" << "";
        QTest::newRow("SETA, line 1") << "" << "" << "  SETA name" << "  seta name|" << "[#000000]  [#ff0000 b]seta[#000000] name";
        QTest::newRow("set, line 2") << "a\r\n" << "" << "set x" << "a\r\nset x|" << "[#000000]a\r\n[#ff0000 b]set[#000000] x";
        QTest::newRow("set, under an empty line") << "\r\n" << "" << "set x" << "\r\nset x|" << "\r\n[#ff0000 b]set[#000000] x";
        QTest::newRow("SetU, under a blank end") << "a \r\n" << "" << "SetU x" << "a \r\nsetu x|" << "[#000000]a \r\n[#ff0000 b]setu[#000000] x";
        QTest::newRow("//eof, line 1") << "" << "" << "//eof " << "//EOF |" << "[#000000 b]//EOF[#000000] ";
        QTest::newRow("//eof, under an empty line") << "\r\n" << "" << "//eof " << "\r\n//EOF |" << "\r\n[#000000 b]//EOF[#000000] ";
        QTest::newRow("//Eof, under a blank end") << "a \r\n" << "" << "//Eof " << "a \r\n//EOF |" << "[#000000]a \r\n[#000000 b]//EOF[#000000] ";
        QTest::newRow("unknown words") << "\r\n" << "" << "bindx sets \"set\" " << "\r\nbindx sets \"set\" |" << "\r\n[#000000]bindx sets \"set\" ";
        QTest::newRow("Enter, last word only") << "set name x" << "" << "{Enter}" << "set name x\r\n|" << "[#000000]set name x\r\n";
        QTest::newRow("Enter after vstr") << "bind x vstr" << "" << "{Enter}" << "bind x vstr\r\n|" << "[#000000]bind x [#00ff00 b]vstr\r\n";
        QTest::newRow("Enter after vstr, under an empty line") << "\r\n" << "" << "vstr{Enter}" << "\r\nvstr\r\n|" << "\r\n[#00ff00 b]vstr\r\n";
        QTest::newRow("Enter after vstr, under a blank end") << "a \r\n" << "" << "vstr{Enter}" << "a \r\nvstr\r\n|" << "[#000000]a \r\n[#00ff00 b]vstr\r\n";
        QTest::newRow("Right colours, inside uncolours") << "set|a x" << "" << "{Right}{Left}{Left}{Left}{Right}" << "se|ta x" << "[#000000]se[#ff0000 b]ta[#000000] x";
        QTest::newRow("moving colours, unchanged") << "|set a 1\r\nbind x y" << "" << "{Down}{End}{Left}{Left}{clean}" << "set a 1\r\nbind x| y" << "[#000000]set a 1\r\nbind x y";
        QTest::newRow("keys let go from a dialog") << "bind |" << "" << "{r:Enter}{r:Esc}{r:Space}{clean}" << "bind |" << "";
        QTest::newRow("Right past the end of set") << "|\r\nx" << "" << "set{Left}{Right}{Right}" << "set\r\n|x" << "[#ff0000 b]set\r\n[#000000]x";
        QTest::newRow("Right past the end of //EOF") << "|\r\nx" << "" << "//eof{Left}{Right}{Right}" << "//EOF\r\n|x" << "[#000000 b]//EOF\r\n[#000000]x";
        QTest::newRow("Backspace recolours") << "" << "" << "vstrx{BS}" << "vstr|" << "[#00ff00 b]vstr";
        QTest::newRow("Backspace uncolours") << "" << "" << "vstrx{BS}{BS}" << "vst|" << "[#000000]vst";
        // A selection made with Shift stays.
        QTest::newRow("Shift+Right") << "|set x" << "" << "{S-Right}{S-Right}{S-Right}{S-Right}" << "[set ]x" << "[#000000]set x";
        QTest::newRow("Shift let go first") << "|set x" << "" << "{S-Right*}{S-Right*}" << "[se]t x" << "";
        QTest::newRow("Shift+End") << "a\r\n|set x" << "" << "{S-End}" << "a\r\n[set x]" << "";
        QTest::newRow("Shift+Down") << "|set\r\nx y" << "" << "{S-Down}" << "[set\r\n]x y" << "";
        // Shortcut keys.
        QTest::newRow("Ctrl+X cuts, Ctrl+V pastes") << "[ab]c" << "old" << "{C-X}{End}{C-V}" << "cab|" << "";
        QTest::newRow("Ctrl+C keeps colours") << "" << "" << "set a{C-A}{C-C}{End} {C-V}" << "set a set a|" << "[#ff0000 b]set[#000000] a [#ff0000 b]set[#000000] a";
        QTest::newRow("Ctrl+Z takes the typed word back") << "" << "" << "abc{C-Z}" << "|" << "";
        QTest::newRow("Ctrl+S inserts set") << "" << "" << "{C-S} x" << "set x|" << "";
        QTest::newRow("Ctrl+R, Ctrl+E") << "a\r\nb\r\nc" << "" << "{C-A}{C-R}{Left}{C-E}" << "|a\r\nb\r\nc" << "{c}[#000000]a\r\n{r}b\r\n{r}c";
        QTest::newRow("Ctrl+L") << "a\r\nb\r\nc" << "" << "{C-A}{C-E}{End}{C-L}" << "a\r\nb\r\nc|" << "{c}[#000000]a\r\n{c}b\r\nc";
        // Paste: the text's own case, keywords coloured as whole words, the document's line ends.
        QTest::newRow("paste colours") << "" << "BIND x y\r\nset a vstr\nbind;" << "{m:mnuEditPaste}" << "BIND x y\r\nset a vstr\r\nbind;|"
                                       << "[#0000ff b]BIND[#000000] x y\r\n[#ff0000 b]set[#000000] a [#00ff00 b]vstr\r\n[#000000]bind;";
        QTest::newRow("paste after a keyword") << "" << " mouse1 x" << "bind{Left}{Right}{C-V}" << "bind mouse1 x|" << "[#0000ff b]bind[#000000] mouse1 x";
        QTest::newRow("paste of RTF as text") << "" << "{\\rtf1\\ansi{\\colortbl;\\red0\\green0\\blue255;}\\cf1\\b bind\\b0\\cf0  x}" << "{m:mnuEditPaste}" << "bind x|" << "[#0000ff b]bind[#000000] x";
        QTest::newRow("paste of nothing") << "ab|c" << "" << "{m:mnuEditPaste}{clean}" << "ab|c" << "";
        // NUL characters dropped, U+2028/U+2029 line breaks made CR LF, as the saved file holds them.
        QTest::newRow("paste NUL") << "" << QStringLiteral("set a%1 1").arg(QChar(0)) << "{C-V}" << "set a 1|" << "";
        QTest::newRow("paste RTF \\'00") << "" << R"(rtf:{\rtf1 set a\'00 1})" << "{C-V}" << "set a 1|" << "";
        QTest::newRow("paste RTF \\u0") << "" << R"(rtf:{\rtf1 set a\u0? 1})" << "{C-V}" << "set a 1|" << "";
        QTest::newRow("paste U+2028") << "" << "a\u2028b\u2029c" << "{C-V}" << "a\r\nb\r\nc|" << "";
        QTest::newRow("paste RTF \\u8232") << "" << R"(rtf:{\rtf1 a\u8232?b})" << "{C-V}" << "a\r\nb|" << "";
        QTest::newRow("typed U+2028") << "" << "" << "a{u:2028}b" << "a\r\nb|" << "";
        // Comment and uncomment act on whole lines.
        QTest::newRow("comment, caret mid-line") << "a\r\nbi|nd x y\r\nz" << "" << "{m:mnuFormatCommentBlock}" << "a\r\n//bi|nd x y\r\nz" << "";
        QTest::newRow("comment, three lines") << "[a\r\nb\r\nc\r\n]d" << "" << "{m:mnuFormatCommentBlock}" << "[//a\r\n//b\r\n//c\r\n]d" << "";
        QTest::newRow("comment inside a line") << "set [a 1]" << "" << "{m:mnuFormatCommentBlock}" << "set //a 1|" << "";
        QTest::newRow("comment after an empty line") << "\r\nbi|nd x" << "" << "{m:mnuFormatCommentBlock}" << "\r\n//bi|nd x" << "";
        QTest::newRow("uncomment, no prefix") << "a\r\nb|ind x" << "" << "{m:mnuFormatUncommentBlock}" << "a\r\nb|ind x" << "";
        QTest::newRow("uncomment at the start") << "|//set a\r\nb" << "" << "{m:mnuFormatUncommentBlock}" << "|set a\r\nb" << "";
        QTest::newRow("uncomment, caret mid-line") << "x\r\n//s|et a" << "" << "{m:mnuFormatUncommentBlock}" << "x\r\ns|et a" << "";
        QTest::newRow("uncomment lines") << "[//a\r\n//b\r\n]c" << "" << "{m:mnuFormatUncommentBlock}" << "|a\r\nb\r\nc" << "";
        QTest::newRow("uncomment keeps addresses") << "[//seta url http://x.org//y\r\n//b]" << "" << "{m:mnuFormatUncommentBlock}" << "|seta url http://x.org//y\r\nb" << "";
        QTest::newRow("uncomment, inner slashes") << "[a//b//c]" << "" << "{m:mnuFormatUncommentBlock}" << "|a//b//c" << "";
        QTest::newRow("uncomment from mid-line") << "set [//a 1]" << "" << "{m:mnuFormatUncommentBlock}" << "set |a 1" << "";
        // Insert menu.
        QTest::newRow("insert set") << "" << "" << "{m:mnuInsertCommandsSet}" << "set|" << "[#ff0000 b]set";
        QTest::newRow("insert //EOF") << "" << "" << "{m:mnuInsertEOF}" << "//EOF|" << "[#000000 b]//EOF";
        QTest::newRow("comment takes the format before") << "" << "" << "{m:mnuInsertCommandsSet}{m:mnuInsertComment}" << "set//|" << "[#ff0000 b]set//";
        QTest::newRow("bind wraps the selected key") << "[mouse1]" << "" << "{m:mnuInsertCommandBind}" << "bind mouse1 |" << "[#0000ff b]bind[#000000] mouse1 ";
        QTest::newRow("bind wraps lines") << "[a\r\nb]" << "" << "{m:mnuInsertCommandBind}" << "bind a\r\nb |" << "";
        QTest::newRow("bind on nothing prompts") << "" << "" << "{m:mnuInsertCommandBind}{prompt}mouse1 " << "bind mouse1 |" << "[#0000ff b]bind[#000000] mouse1 ";
        // clang-format on
    }

    void editing()
    {
        QFETCH(QString, before);
        QFETCH(QString, clipboard);
        QFETCH(QString, script);
        QFETCH(QString, after);
        QFETCH(QString, looks);
        FrameFixture f;
        frmChild *child = f.newDocument();
        f.frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.frame.get()));
        child->focusEditor();
        load(child->editor(), before);
        f.slotOf(child).Dirty = false;
        auto *data = new QMimeData;
        if (clipboard.startsWith("rtf:"))
            data->setData(QStringLiteral("text/rtf"), clipboard.mid(4).toLatin1());
        else
            data->setText(clipboard);
        QGuiApplication::clipboard()->setMimeData(data);
        const bool clean = script.endsWith(QStringLiteral("{clean}"));
        if (clean)
            script.chop(7);

        // Each prompt for a key takes the next part of the script from inside its wait.
        QStringList parts = script.split(QStringLiteral("{prompt}"));
        const int prompts = int(parts.size()) - 1;
        QStringList prompted;
        bool playing = true;
        QTimer waits;
        connect(&waits, &QTimer::timeout, child, [&] {
            if (!playing || !child->lsKeys()->isVisible())
                return;
            const QPoint caret =
                child->editor()->viewport()->mapTo(child, child->editor()->cursorRect().topLeft());
            const QPoint offset = child->lsKeys()->pos() - caret;
            prompted << (offset.manhattanLength() <= 4 ? "at the caret" : "elsewhere");
            play(child,
                 prompted.size() < parts.size() ? parts.at(prompted.size()) : QStringLiteral(" "));
        });
        waits.start(0);
        play(child, parts.first());
        playing = false;
        QCOMPARE(prompted, QStringList(prompts, QStringLiteral("at the caret")));
        QCOMPARE(marked(child->editor()), after);
        if (!looks.isEmpty())
            QCOMPARE(colourRuns(child->editor()), looks);
        QVERIFY(f.dialogs.saveRequests.isEmpty());
        const QString text = child->editor()->Text();
        if (clean || text != QString(before).remove('|').remove('[').remove(']'))
            QCOMPARE(f.slotOf(child).Dirty, !clean);
        QCOMPARE(child->findChild<QLabel *>(QStringLiteral("sbr1Panel1"))->text(),
                 QString::number(text.size()) + QStringLiteral(" Chars"));
    }

    void promptEndsWhenTheWindowCloses_data()
    {
        // clang-format off
        QTest::addColumn<QString>("script");
        QTest::newRow("typed") << "bind ";
        QTest::newRow("Insert > Bind") << "{m:mnuInsertCommandBind}";
        // clang-format on
    }

    void promptEndsWhenTheWindowCloses()
    {
        QFETCH(QString, script);
        FrameFixture f;
        frmChild *child = f.newDocument();
        QPointer<frmChild> guard(child);
        QTimer::singleShot(0, child, [child] { child->closeWithoutQuestion(); });
        play(child, script);
        f.settle();
        QVERIFY(guard.isNull());
        QVERIFY(f.frame->documentWindows().isEmpty());
    }

    void rightClickOffersTheDocumentCommands()
    {
        FrameFixture f;
        frmChild *child = f.newDocument();
        load(child->editor(), QStringLiteral("[bind] x\r\nset name \xe9"));
        const QPoint at(5, 5);
        QContextMenuEvent click(QContextMenuEvent::Mouse, at,
                                child->editor()->viewport()->mapToGlobal(at));
        QCoreApplication::sendEvent(child->editor()->viewport(), &click);
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QStringList items;
        for (QAction *item : menu->actions())
            items << (item->isSeparator() ? QStringLiteral("-") : item->objectName());
        QCOMPARE(items.join(' '),
                 QStringLiteral("mnuEditCut mnuEditCopy mnuEditPaste - mnuEditSelectAll - "
                                "mnuFormatCommentBlock mnuFormatUncommentBlock - mnuHelpSpecific"));
        QCOMPARE(menu->actions().last()->text(), QStringLiteral("Help on bind"));
        menu->actions().at(1)->trigger();
        menu->close();
        QCOMPARE(platform::clipboardText(), QStringLiteral("bind"));
        QVERIFY(platform::clipboardRtf().contains("bind"));
        // Other programs get the platform's line ends, and RTF beside the text.
        child->editor()->selectAll();
        f.trigger(child, "mnuEditCopy");
        const QMimeData *data = QGuiApplication::clipboard()->mimeData();
        QCOMPARE(data->text(), QStringLiteral("bind x\nset name \xe9"));
        QVERIFY(data->data(QStringLiteral("text/rtf")).startsWith("{\\rtf1"));
    }

    // Colouring passes as pure functions, over a whole file or pasted text: the coloured words as
    // "word:colour" in text order.
    void scan_data()
    {
        // clang-format off
        QTest::addColumn<bool>("pasted");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("coloured");
        QTest::newRow("every keyword of a line") << false << "set a 1; seta b 2; bind x \"vstr c\"" << "set:#ff0000 seta:#ff0000 bind:#0000ff";
        QTest::newRow("upper case kept") << false << "BIND x y\r\nSetU n p" << "BIND:#0000ff SetU:#ff0000";
        QTest::newRow("keyword at a line end") << false << "x vstr" << "";
        QTest::newRow("vstr and a blank") << false << "x vstr go" << "vstr:#00ff00";
        QTest::newRow("behind the bind") << false << "bind v vstr go" << "bind:#0000ff";
        QTest::newRow("inside other words") << false << "unbind x\r\nreset a\r\nxset b" << "";
        QTest::newRow("after punctuation") << false << "x \"+attack;set y 1\"" << "set:#ff0000";
        QTest::newRow("alias and eof") << false << "alias a b\r\n//EOF" << "";
        QTest::newRow("comments") << false << "// bind it" << "bind:#0000ff";
        QString many;
        for (int i = 0; i < 500; ++i)
            many += QStringLiteral("x set a%1 1\r\n").arg(i);
        QTest::newRow("the top of a long file") << false << "bind x\r\n" + many << "bind:#0000ff" + QString(" set:#ff0000").repeated(500);
        QTest::newRow("pasted: keyword ending a line") << true << "x vstr\r\ny" << "vstr:#00ff00";
        QTest::newRow("pasted: keyword ending the text") << true << "a alias" << "alias:#ff00ff";
        QTest::newRow("pasted: end marker") << true << "//eof" << "//eof:#000000";
        QTest::newRow("pasted: glued to punctuation") << true << "bind; \"set\"" << "";
        QTest::newRow("pasted: two set lines") << true << "seta a 1\r\nsetu b 2" << "seta:#ff0000 setu:#ff0000";
        // clang-format on
    }

    void scan()
    {
        QFETCH(bool, pasted);
        QFETCH(QString, text);
        QFETCH(QString, coloured);
        QList<document::KeywordRange> ranges = pasted ? document::scanPastedText(text) : QList<document::KeywordRange>();
        if (!pasted)
            for (const document::FormatStep &step : document::scanWholeFile(text))
                if (step.keyword)
                    ranges << *step.keyword;
        std::sort(ranges.begin(), ranges.end(), [](auto &a, auto &b) { return a.start < b.start; });
        QStringList words;
        for (const document::KeywordRange &range : ranges)
            words << text.mid(range.start, range.length) + ':' + range.color.name();
        QCOMPARE(words.join(' '), coloured);
    }

    void progressCaptionCycles()
    {
        QString caption = QStringLiteral("Formatting Complete");
        QStringList seen;
        for (int i = 0; i < 6; ++i)
            seen << (caption = document::nextProgressCaption(caption)).section(' ', 3);
        QCOMPARE(seen.join(' '), QStringLiteral("hold. hold.. hold... hold.... hold hold."));
    }
};

QTEST_MAIN(TestEditing)
#include "tst_editing.moc"
