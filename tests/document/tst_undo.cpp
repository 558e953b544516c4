// Undo and redo: every user action is one step, and each step restores text and colours.
#include "FrameFixture.h"
#include "document/Formatting.h"
#include "platform/Clipboard.h"

#include <QtTest>

using document::frmChild;

namespace {

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
    // clang-format off
    const QString set = "[#ff0000 b]set[#000000]";
    QTest::newRow("words with their colours") << QStringList{"type:set ", "type:x ", "key:bs", "type:y"} << QStringList{set + " ", set + " x ", set + " x", set + " xy"};
    QTest::newRow("select all then a letter") << QStringList{"type:set ", "mnuEditSelectAll", "type:q"} << QStringList{set + " ", set + " ", "[#000000]q"};
    QTest::newRow("paste with its colouring") << QStringList{"type:x ", "paste:set a\nalias b"} << QStringList{"[#000000]x ", "[#000000]x " + set + " a\r\n[#ff00ff b]alias[#000000] b"};
    QTest::newRow("comment block and uncomment") << QStringList{"type:set ", "mnuFormatCommentBlock", "mnuFormatUncommentBlock"} << QStringList{set + " ", "[#ff0000 b]//set ", "[#ff0000 b]set "};
    QTest::newRow("insert command") << QStringList{"type:x ", "mnuInsertCommandsSet", "mnuInsertEOF"} << QStringList{"[#000000]x ", "[#000000]x [#ff0000 b]set", "[#000000]x [#ff0000 b]set[#000000 b]//EOF"};
    QTest::newRow("whole-file pass") << QStringList{"load:x\nset a", "format", "type:b"} << QStringList{"[#000000]x\r\nset a", "[#000000]x\r\n" + set + " a", "[#000000]bx\r\n" + set + " a"};
    // clang-format on
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
    QStringList states{colourRuns(editor)};
    for (int i = 0; i < actions.size(); ++i) {
        perform(f, child, actions.at(i));
        QCOMPARE(colourRuns(editor), looks.at(i));
        if (actions.at(i).startsWith(QLatin1String("load:"))) // a loaded file has no history
            states.clear();
        if (states.isEmpty() || colourRuns(editor) != states.last()) // selecting is no step
            states.append(colourRuns(editor));
    }
    for (qsizetype i = states.size() - 2; i >= 0; --i) {
        QVERIFY(undo->isEnabled());
        undo->trigger();
        QCOMPARE(colourRuns(editor), states.at(i));
    }
    QVERIFY(!undo->isEnabled());
    for (qsizetype i = 1; i < states.size(); ++i) {
        QVERIFY(redo->isEnabled());
        QTest::keyClick(editor, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(colourRuns(editor), states.at(i));
    }
    QVERIFY(!redo->isEnabled());
    QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(colourRuns(editor), states.last());
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
