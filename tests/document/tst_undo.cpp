// Undo and redo: every user action is one step, and each step restores text and colours.
#include "EditorProbe.h"
#include "FrameFixture.h"
#include "document/Formatting.h"
#include "platform/Clipboard.h"

#include <QtTest>

using document::frmChild;

namespace {

// The text with its coloured or bold runs in brackets: "[set] x".
QString look(platform::RichEdit *editor)
{
    const QString text = editor->Text();
    QString out;
    bool inRun = false;
    for (int i = 0; i < text.size(); ++i) {
        const CharLook l = lookAt(editor, i);
        const bool marked = !text.at(i).isSpace() && (l.color != QColor(0, 0, 0) || l.bold);
        if (marked != inRun)
            out += marked ? QLatin1Char('[') : QLatin1Char(']');
        inRun = marked;
        if (text.at(i) != QLatin1Char('\r'))
            out += text.at(i);
    }
    return inRun ? out + QLatin1Char(']') : out;
}

// Exact text and colour of every character, to compare a state with itself after undo.
QStringList exactState(platform::RichEdit *editor)
{
    QStringList state{editor->Text()};
    for (int i = 0; i < editor->TextLength(); ++i) {
        const CharLook l = lookAt(editor, i);
        state.append(l.color.name() + (l.bold ? QLatin1String("b") : QLatin1String("")));
    }
    return state;
}

void perform(FrameFixture &f, frmChild *child, const QString &action)
{
    const QString verb = action.section(QLatin1Char(':'), 0, 0);
    const QString argument = action.section(QLatin1Char(':'), 1);
    if (verb == QLatin1String("type"))
        f.type(child, argument);
    else if (verb == QLatin1String("key"))
        QTest::keyClick(child->editor(),
                        argument == QLatin1String("bs") ? Qt::Key_Backspace : Qt::Key_Return);
    else if (verb == QLatin1String("paste")) {
        platform::setClipboardText(argument);
        f.trigger(child, "mnuEditPaste");
    } else if (verb == QLatin1String("load"))
        child->editor()->LoadPlainText(argument);
    else if (verb == QLatin1String("format"))
        document::FormatWholeFile(child->editor(), nullptr);
    else
        f.trigger(child, verb.toLatin1().constData());
}

} // namespace

class TestUndo : public QObject {
    Q_OBJECT
private slots:
    void eachActionIsOneStep_data();
    void eachActionIsOneStep();
    void undoToTheSavedTextClearsTheChangedMark();
    void loadingStartsAnEmptyHistory();
};

void TestUndo::eachActionIsOneStep_data()
{
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QStringList>("looks"); // after each action
    QTest::newRow("words with their colours")
        << QStringList{"type:set ", "type:x ", "key:bs", "type:y"}
        << QStringList{"[set] ", "[set] x ", "[set] x", "[set] xy"};
    QTest::newRow("select all then a letter")
        << QStringList{"type:set ", "mnuEditSelectAll", "type:q"}
        << QStringList{"[set] ", "[set] ", "q"};
    QTest::newRow("paste with its colouring") << QStringList{"type:x ", "paste:set a\nalias b"}
                                              << QStringList{"x ", "x [set] a\n[alias] b"};
    QTest::newRow("comment block and uncomment")
        << QStringList{"type:set ", "mnuFormatCommentBlock", "mnuFormatUncommentBlock"}
        << QStringList{"[set] ", "[//set] ", "[set] "};
    QTest::newRow("insert command")
        << QStringList{"type:x ", "mnuInsertCommandsSet", "mnuInsertEOF"}
        << QStringList{"x ", "x [set]", "x [set//EOF]"};
    QTest::newRow("whole-file pass") << QStringList{"load:x\nset a", "format", "type:b"}
                                     << QStringList{"x\nset a", "x\n[set] a", "bx\n[set] a"};
}

void TestUndo::eachActionIsOneStep()
{
    QFETCH(QStringList, actions);
    QFETCH(QStringList, looks);
    FrameFixture f;
    frmChild *child = f.newDocument();
    platform::RichEdit *editor = child->editor();
    QAction *undo = child->menuItem(QStringLiteral("mnuEditUndo"));
    QAction *redo = child->menuItem(QStringLiteral("mnuEditRedo"));
    QVERIFY(!undo->isEnabled());
    QList<QStringList> states{exactState(editor)};
    for (int i = 0; i < actions.size(); ++i) {
        perform(f, child, actions.at(i));
        QCOMPARE(look(editor), looks.at(i));
        if (actions.at(i).startsWith(QLatin1String("load:"))) // a loaded file has no history
            states.clear();
        if (states.isEmpty() || exactState(editor) != states.last()) // selecting is no step
            states.append(exactState(editor));
    }
    for (qsizetype i = states.size() - 2; i >= 0; --i) {
        QVERIFY(undo->isEnabled());
        undo->trigger();
        QCOMPARE(exactState(editor), states.at(i));
    }
    QVERIFY(!undo->isEnabled());
    for (qsizetype i = 1; i < states.size(); ++i) {
        QVERIFY(redo->isEnabled());
        QTest::keyClick(editor, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(exactState(editor), states.at(i));
    }
    QVERIFY(!redo->isEnabled());
    QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(exactState(editor), states.last());
}

void TestUndo::undoToTheSavedTextClearsTheChangedMark()
{
    FrameFixture f;
    const QString path = f.writeFile(QStringLiteral("a.cfg"), "set a\r\n");
    frmChild *child = f.frame->documents().OpenDocument(path);
    QVERIFY(child);
    f.type(child, QStringLiteral("x "));
    QVERIFY(f.slotOf(child).Dirty);
    f.trigger(child, "mnuChildFileSave");
    QVERIFY(!f.slotOf(child).Dirty);
    f.type(child, QStringLiteral("y "));
    QVERIFY(f.slotOf(child).Dirty);
    f.trigger(child, "mnuEditUndo");
    QVERIFY(!f.slotOf(child).Dirty);
    child->close();
    QVERIFY(f.dialogs.messages.isEmpty());
}

void TestUndo::loadingStartsAnEmptyHistory()
{
    FrameFixture f;
    frmChild *child = f.newDocument();
    f.type(child, QStringLiteral("x "));
    f.trigger(child, "mnuEditUndo"); // unchanged again, with a step to redo
    const QString path = f.writeFile(QStringLiteral("b.cfg"), "set b\r\n");
    QCOMPARE(f.frame->documents().OpenDocument(path), child);
    QVERIFY(!child->menuItem(QStringLiteral("mnuEditUndo"))->isEnabled());
    QVERIFY(!child->menuItem(QStringLiteral("mnuEditRedo"))->isEnabled());
}

QTEST_MAIN(TestUndo)
#include "tst_undo.moc"
