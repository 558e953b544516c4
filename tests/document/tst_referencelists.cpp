// The reference lists of a document window: which file fills them, where they pop up,
// and what a pick writes.
#include "FrameFixture.h"
#include "lists/ListSearch.h"
#include "platform/AppPaths.h"

#include <QLineEdit>
#include <QListWidget>
#include <QtTest>

using document::frmChild;

namespace {

QLineEdit *searchOf(ListSearch *list) { return list->findChild<QLineEdit *>(QStringLiteral("txtSearch")); }
QListWidget *entriesOf(ListSearch *list) { return list->findChild<QListWidget *>(QStringLiteral("lstMain")); }

frmChild *documentOfGame(FrameFixture &f, int16_t game)
{
    frmChild *child = f.newDocument();
    f.frame->documents().slot(child->Tag()).Game = game;
    return child;
}

} // namespace

class TestReferenceLists : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { platform::setProgramFolder(QString()); }
    void listsFillForTheDocumentsGame_data();
    void listsFillForTheDocumentsGame();
    void otherGamesKeepTheOldEntries();
    void missingFileShowsTheMessageAndNoList();
    void pickWritesTheEntryAndReturnsFocus();
    void typedTextAndEscape();
    void viewMenuOpensTheLists();
    void listOpensLeftOfTheCaretNearTheRightEdge();
    void listOpensAboveTheCaretNearTheBottom();
    void typedBindPromptsForAKeyFromTheKeyboard();
    void mouseInTheEditorHidesTheLists();
};

void TestReferenceLists::listsFillForTheDocumentsGame_data()
{
    QTest::addColumn<int>("game");
    QTest::addColumn<QString>("keyOnlyThere");
    QTest::newRow("Quake 3") << 1 << "capslock";
    QTest::newRow("Quake 2") << 0 << "aux32";
    QTest::newRow("blank config uses Quake 2") << -1 << "aux32";
}

void TestReferenceLists::listsFillForTheDocumentsGame()
{
    QFETCH(int, game);
    QFETCH(QString, keyOnlyThere);
    FrameFixture f;
    frmChild *child = documentOfGame(f, int16_t(game));
    child->ShowKeysList();
    QVERIFY(child->lsKeys()->isVisible());
    QVERIFY(!entriesOf(child->lsKeys())->findItems(keyOnlyThere, Qt::MatchExactly).isEmpty());
    for (int row = 0; row < entriesOf(child->lsKeys())->count(); ++row) {
        const QString entry = entriesOf(child->lsKeys())->item(row)->text();
        QCOMPARE(entry, entry.toLower());
    }
}

void TestReferenceLists::otherGamesKeepTheOldEntries()
{
    FrameFixture f;
    frmChild *child = documentOfGame(f, -2);
    child->ShowCVarsList();
    QVERIFY(child->lsCVars()->isVisible());
    QCOMPARE(entriesOf(child->lsCVars())->count(), 0);
}

void TestReferenceLists::missingFileShowsTheMessageAndNoList()
{
    QTemporaryDir empty;
    QDir(empty.path()).mkpath(QStringLiteral("Configs/Quake2"));
    platform::setProgramFolder(empty.path());
    FrameFixture f;
    frmChild *child = documentOfGame(f, 0);
    f.trigger(child, "mnuViewCVars");
    QCOMPARE(f.dialogs.messages.size(), 1);
    QCOMPARE(f.dialogs.messages.first().text,
             QStringLiteral("Couldn't find ") + empty.path() + QStringLiteral("/Configs/Quake2/q2cvars.txt!"));
    QCOMPARE(f.dialogs.messages.first().title, QStringLiteral("Error"));
    QVERIFY(!child->lsCVars()->isVisible());
}

void TestReferenceLists::pickWritesTheEntryAndReturnsFocus()
{
    FrameFixture f;
    frmChild *child = documentOfGame(f, 1);
    child->editor()->LoadPlainText(QStringLiteral("bind x "));
    child->editor()->setSelStart(7);
    QApplication::setActiveWindow(f.frame.get());
    f.trigger(child, "mnuViewActions");
    QVERIFY(child->lsBinds()->isVisible());
    QTest::keyClicks(searchOf(child->lsBinds()), QStringLiteral("+ATT"));
    QTest::keyClick(searchOf(child->lsBinds()), Qt::Key_Tab);
    QCOMPARE(child->editor()->Text(), QStringLiteral("bind x +attack"));
    QVERIFY(!child->lsBinds()->isVisible());
    QCOMPARE(QApplication::focusWidget(), child->editor());
}

void TestReferenceLists::typedTextAndEscape()
{
    FrameFixture f;
    frmChild *child = documentOfGame(f, 1);
    child->ShowCVarsList();
    QTest::keyClicks(searchOf(child->lsCVars()), QStringLiteral("CG_Fo"));
    QTest::keyClick(searchOf(child->lsCVars()), Qt::Key_Return);
    QCOMPARE(child->editor()->Text(), QStringLiteral("CG_Fo"));
    child->ShowCVarsList();
    QTest::keyClicks(searchOf(child->lsCVars()), QStringLiteral("cg_"));
    QTest::keyClick(searchOf(child->lsCVars()), Qt::Key_Escape);
    QCOMPARE(child->editor()->Text(), QStringLiteral("CG_Fo"));
    QVERIFY(!child->lsCVars()->isVisible());
}

void TestReferenceLists::viewMenuOpensTheLists()
{
    FrameFixture f;
    frmChild *child = documentOfGame(f, 0);
    const struct {
        const char *item;
        ListSearch *list;
    } rows[] = {{"mnuViewActions", child->lsBinds()},
                {"mnuViewBindableKeys", child->lsKeys()},
                {"mnuViewCVars", child->lsCVars()}};
    for (const auto &row : rows) {
        f.trigger(child, row.item);
        QVERIFY2(row.list->isVisible(), row.item);
        QVERIFY(entriesOf(row.list)->count() > 20);
        QTest::keyClick(searchOf(row.list), Qt::Key_Escape);
    }
    child->ShowSpecialList(QStringLiteral("\\Quake2\\q2ctf.txt"));
    QVERIFY(child->lsSpecial()->isVisible());
    QVERIFY(entriesOf(child->lsSpecial())->count() > 0);
}

void TestReferenceLists::listOpensLeftOfTheCaretNearTheRightEdge()
{
    FrameFixture f;
    frmChild *child = documentOfGame(f, 0);
    child->editor()->LoadPlainText(QString(200, QLatin1Char('x')));
    child->editor()->setSelStart(200);
    child->editor()->ensureCursorVisible();
    const QPoint caret = child->editor()->viewport()->mapTo(child, child->editor()->cursorRect().topLeft());
    QVERIFY(caret.x() + child->lsBinds()->width() > child->width());
    child->ShowBindsList();
    QCOMPARE(child->lsBinds()->x() + child->lsBinds()->width(), caret.x());
}

void TestReferenceLists::listOpensAboveTheCaretNearTheBottom()
{
    FrameFixture f;
    frmChild *child = documentOfGame(f, 0);
    QStringList lines;
    for (int i = 0; i < 200; ++i)
        lines << QStringLiteral("line");
    child->editor()->LoadPlainText(lines.join(QStringLiteral("\r\n")));
    child->editor()->setSelStart(child->editor()->TextLength());
    child->editor()->ensureCursorVisible();
    const QPoint caret = child->editor()->viewport()->mapTo(child, child->editor()->cursorRect().topLeft());
    child->ShowKeysList();
    QCOMPARE(child->lsKeys()->y() + child->lsKeys()->height(), caret.y());
    QVERIFY(child->lsKeys()->x() >= caret.x());
}

void TestReferenceLists::typedBindPromptsForAKeyFromTheKeyboard()
{
    FrameFixture f;
    frmChild *child = documentOfGame(f, 1);
    bool prompted = false;
    QTimer::singleShot(0, child, [&] {
        prompted = child->lsKeys()->isVisible();
        QTest::keyClicks(searchOf(child->lsKeys()), QStringLiteral("mwheelu"));
        QTest::keyClick(searchOf(child->lsKeys()), Qt::Key_Tab);
        QTest::keyClick(child->editor(), Qt::Key_Space);
    });
    f.type(child, QStringLiteral("bind "));
    QVERIFY(prompted);
    QCOMPARE(child->editor()->Text(), QStringLiteral("bind mwheelup "));
    f.trigger(child, "mnuViewActions");
    QTest::keyClicks(searchOf(child->lsBinds()), QStringLiteral("weapn"));
    QTest::keyClick(searchOf(child->lsBinds()), Qt::Key_Tab);
    QCOMPARE(child->editor()->Text(), QStringLiteral("bind mwheelup weapnext"));
}

void TestReferenceLists::mouseInTheEditorHidesTheLists()
{
    FrameFixture f;
    frmChild *child = documentOfGame(f, 1);
    child->ShowKeysList();
    child->ShowCVarsList();
    QTest::mouseClick(child->editor()->viewport(), Qt::LeftButton);
    QVERIFY(!child->lsKeys()->isVisible());
    QVERIFY(!child->lsCVars()->isVisible());
}

QTEST_MAIN(TestReferenceLists)
#include "tst_referencelists.moc"
