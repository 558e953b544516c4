#include "lists/ListSearch.h"
#include "support/RecordingDialogs.h"

#include <QFontDatabase>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

class TestListSearch : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void hasNamedChildrenAndDesignSize();

    void fillLowerCasesAndSkipsEmptyLines();
    void fillUpperCases();
    void fillKeepsFileOrderAndAcceptsLf();
    void fillReplacesPreviousEntries();
    void fillMissingFileReportsAndFails();
    void fillDirectoryReportsErrorNumber();
    void fillUnreadableFileReportsErrorNumber();
    void fillPipeIsRefusedWithoutBlocking();
    void fillBinaryFileReportsAndFillsNothing();
    void fillHugeFileIsCapped();
    void fillLongLinesDropsTheCutLine();

    void typingSelectsFirstPrefixMatchInAnyCase();
    void backspaceSearchesAgain();
    void enterGivesTypedText();
    void tabGivesSelectedEntry();
    void spaceWithoutMatchGivesWordAndSpace();
    void spaceWithMatchSelects();
    void spaceInEmptyBoxEscapes();
    void releaseOfKeyPressedElsewhereIsIgnored();
    void escapeInEitherPartCancels();
    void enterInListGivesSelectedEntry();
    void parenthesisCopiesEntryToSearchBox();
    void doubleClickGivesEntry();
    void downMovesFocusToList();

    void fillWithDrivesListsRoot();
    void fillWithFontsListsFamilies();

private:
    QString writeFile(const QString &name, const QByteArray &bytes);
    static QLineEdit *searchBox(ListSearch &control);
    static QListWidget *list(ListSearch &control);
    static QStringList entries(ListSearch &control);
    static QString selected(ListSearch &control);
    void fillShown(ListSearch &control, const QByteArray &lines);

    QTemporaryDir m_dir;
};

void TestListSearch::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_dir.isValid());
}

QString TestListSearch::writeFile(const QString &name, const QByteArray &bytes)
{
    const QString path = m_dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

QLineEdit *TestListSearch::searchBox(ListSearch &control)
{
    return control.findChild<QLineEdit *>(QStringLiteral("txtSearch"));
}

QListWidget *TestListSearch::list(ListSearch &control)
{
    return control.findChild<QListWidget *>(QStringLiteral("lstMain"));
}

QStringList TestListSearch::entries(ListSearch &control)
{
    QStringList texts;
    QListWidget *widget = list(control);
    for (int row = 0; row < widget->count(); ++row)
        texts << widget->item(row)->text();
    return texts;
}

QString TestListSearch::selected(ListSearch &control)
{
    const QList<QListWidgetItem *> items = list(control)->selectedItems();
    return items.isEmpty() ? QString() : items.first()->text();
}

void TestListSearch::fillShown(ListSearch &control, const QByteArray &lines)
{
    RecordingDialogs dialogs;
    QCOMPARE(control.FillWithTags(writeFile(QStringLiteral("keys.txt"), lines)), 1);
    QVERIFY(dialogs.messages.isEmpty());
    control.show();
    QVERIFY(QTest::qWaitForWindowExposed(&control));
    searchBox(control)->setFocus();
}

void TestListSearch::hasNamedChildrenAndDesignSize()
{
    ListSearch control;
    QVERIFY(searchBox(control));
    QVERIFY(list(control));
    QCOMPARE(control.size(), QSize(129, 113));
    QCOMPARE(searchBox(control)->font().family(), QStringLiteral("Tahoma"));
    QCOMPARE(list(control)->font().family(), QStringLiteral("Tahoma"));

    control.show();
    QVERIFY(QTest::qWaitForWindowExposed(&control));
    QCOMPARE(searchBox(control)->y(), control.contentsRect().top());
    QCOMPARE(searchBox(control)->width(), control.contentsRect().width());
    QCOMPARE(list(control)->y(), searchBox(control)->geometry().bottom() + 2);
    QCOMPARE(list(control)->width(), control.contentsRect().width());
    QCOMPARE(list(control)->geometry().bottom(), control.contentsRect().bottom());
}

void TestListSearch::fillLowerCasesAndSkipsEmptyLines()
{
    RecordingDialogs dialogs;
    ListSearch control;
    QCOMPARE(control.FillWithTags(writeFile(QStringLiteral("lower.txt"), "Forward\r\n\r\nJUMP\r\n")),
             1);
    QCOMPARE(entries(control), (QStringList{QStringLiteral("forward"), QStringLiteral("jump")}));
    QVERIFY(dialogs.messages.isEmpty());
}

void TestListSearch::fillUpperCases()
{
    RecordingDialogs dialogs;
    ListSearch control;
    QCOMPARE(
        control.FillWithTags(writeFile(QStringLiteral("upper.txt"), "Forward\r\n\r\njump\r\n"), true),
        1);
    QCOMPARE(entries(control), (QStringList{QStringLiteral("FORWARD"), QStringLiteral("JUMP")}));
}

void TestListSearch::fillKeepsFileOrderAndAcceptsLf()
{
    RecordingDialogs dialogs;
    ListSearch control;
    // Latin-1 bytes: 0xE9 is e with an acute accent, 0xC9 its capital.
    const QString path =
        writeFile(QStringLiteral("order.txt"), "zeta\nAlpha\n\n+Move Left\r\ncaf\xC9\r\nmid");
    QCOMPARE(control.FillWithTags(path), 1);
    QCOMPARE(entries(control),
             (QStringList{QStringLiteral("zeta"), QStringLiteral("alpha"),
                          QStringLiteral("+move left"), QStringLiteral("caf\u00E9"),
                          QStringLiteral("mid")}));
}

void TestListSearch::fillReplacesPreviousEntries()
{
    RecordingDialogs dialogs;
    ListSearch control;
    QCOMPARE(control.FillWithTags(writeFile(QStringLiteral("first.txt"), "one\r\ntwo\r\n")), 1);
    QCOMPARE(control.FillWithTags(writeFile(QStringLiteral("second.txt"), "three\r\n")), 1);
    QCOMPARE(entries(control), QStringList{QStringLiteral("three")});
    QVERIFY(list(control)->updatesEnabled());

    QCOMPARE(control.FillWithTags(writeFile(QStringLiteral("blank.txt"), "\r\n\r\n")), 1);
    QVERIFY(entries(control).isEmpty());
    QVERIFY(dialogs.messages.isEmpty());
}

void TestListSearch::fillMissingFileReportsAndFails()
{
    RecordingDialogs dialogs;
    ListSearch control;
    QCOMPARE(control.FillWithTags(writeFile(QStringLiteral("old.txt"), "old\r\n")), 1);

    const QString path = m_dir.filePath(QStringLiteral("Configs/Quake2/q2cvars.txt"));
    QCOMPARE(control.FillWithTags(path), 0);
    QCOMPARE(dialogs.messages.size(), 1);
    QCOMPARE(dialogs.messages[0].text, QStringLiteral("Couldn't find ") + path + QStringLiteral("!"));
    QCOMPARE(dialogs.messages[0].title, QStringLiteral("Error"));
    QCOMPARE(dialogs.messages[0].icon, platform::Icon::Exclamation);
    QCOMPARE(dialogs.messages[0].buttons, platform::Buttons::Ok);
    QVERIFY(entries(control).isEmpty());
    QVERIFY(list(control)->updatesEnabled());
}

void TestListSearch::fillDirectoryReportsErrorNumber()
{
    RecordingDialogs dialogs;
    ListSearch control;
    QCOMPARE(control.FillWithTags(m_dir.path()), 0);
    QCOMPARE(dialogs.messages.size(), 1);
    QCOMPARE(dialogs.messages[0].title, QStringLiteral("Error #%1").arg(int(QFileDevice::OpenError)));
    QCOMPARE(dialogs.messages[0].text, QStringLiteral("file to open is a directory"));
    QCOMPARE(dialogs.messages[0].icon, platform::Icon::Exclamation);
    QVERIFY(entries(control).isEmpty());
    QVERIFY(list(control)->updatesEnabled());
}

void TestListSearch::fillUnreadableFileReportsErrorNumber()
{
    const QString path = writeFile(QStringLiteral("locked.txt"), "secret\r\n");
    QVERIFY(QFile::setPermissions(path, QFileDevice::Permissions()));
    QFile probe(path);
    if (probe.open(QIODevice::ReadOnly))
        QSKIP("this user reads files without read permission");

    RecordingDialogs dialogs;
    ListSearch control;
    QCOMPARE(control.FillWithTags(path), 0);
    QCOMPARE(dialogs.messages.size(), 1);
    QCOMPARE(dialogs.messages[0].title, QStringLiteral("Error #%1").arg(int(probe.error())));
    QCOMPARE(dialogs.messages[0].text, probe.errorString());
    QVERIFY(entries(control).isEmpty());
}

void TestListSearch::fillPipeIsRefusedWithoutBlocking()
{
    const QString path = m_dir.filePath(QStringLiteral("pipe.txt"));
    if (::mkfifo(QFile::encodeName(path).constData(), 0600) != 0)
        QSKIP("cannot make a named pipe here");

    RecordingDialogs dialogs;
    ListSearch control;
    QCOMPARE(control.FillWithTags(path), 0);
    QCOMPARE(dialogs.messages.size(), 1);
    QCOMPARE(dialogs.messages[0].title, QStringLiteral("Error #%1").arg(int(QFileDevice::OpenError)));
    QCOMPARE(dialogs.messages[0].text, QStringLiteral("file to open is not a regular file"));
}

void TestListSearch::fillBinaryFileReportsAndFillsNothing()
{
    RecordingDialogs dialogs;
    ListSearch control;
    const QString path =
        writeFile(QStringLiteral("binary.txt"), QByteArray("abc\r\nde\0f\r\n", 11));
    QCOMPARE(control.FillWithTags(path), 0);
    QCOMPARE(dialogs.messages.size(), 1);
    QCOMPARE(dialogs.messages[0].text, path + QStringLiteral(" is not a text file."));
    QCOMPARE(dialogs.messages[0].title, QStringLiteral("Error"));
    QCOMPARE(dialogs.messages[0].icon, platform::Icon::Exclamation);
    QVERIFY(entries(control).isEmpty());
    QVERIFY(list(control)->updatesEnabled());
}

void TestListSearch::fillHugeFileIsCapped()
{
    QByteArray bytes;
    const int lines = 400000; // 14 bytes a line: over the byte cap and the entry cap
    bytes.reserve(lines * 14);
    for (int i = 0; i < lines; ++i)
        bytes += QByteArray("Entry") + QByteArray::number(i).rightJustified(7, '0') + "\r\n";
    QVERIFY(bytes.size() > ListSearch::MaxFileBytes);
    const QString path = writeFile(QStringLiteral("huge.txt"), bytes);

    RecordingDialogs dialogs;
    ListSearch control;
    QCOMPARE(control.FillWithTags(path), 1);
    QCOMPARE(list(control)->count(), ListSearch::MaxEntries);
    QCOMPARE(list(control)->item(0)->text(), QStringLiteral("entry0000000"));
    QCOMPARE(list(control)->item(ListSearch::MaxEntries - 1)->text(),
             QStringLiteral("entry%1").arg(ListSearch::MaxEntries - 1, 7, 10, QLatin1Char('0')));
    QVERIFY(dialogs.messages.isEmpty());
}

void TestListSearch::fillLongLinesDropsTheCutLine()
{
    const QByteArray line = QByteArray(100 * 1024, 'x') + "\r\n";
    const QByteArray bytes = line.repeated(50); // about 5 MiB in 50 lines
    const QString path = writeFile(QStringLiteral("long.txt"), bytes);

    RecordingDialogs dialogs;
    ListSearch control;
    QCOMPARE(control.FillWithTags(path), 1);
    const int wholeLines = int(ListSearch::MaxFileBytes / line.size());
    QCOMPARE(list(control)->count(), wholeLines);
    for (int row = 0; row < list(control)->count(); ++row)
        QCOMPARE(list(control)->item(row)->text().size(), line.size() - 2);
}

void TestListSearch::typingSelectsFirstPrefixMatchInAnyCase()
{
    ListSearch control;
    fillShown(control, "Alpha\r\nBracket\r\nBravo\r\nCharlie\r\n");
    QTest::keyClicks(searchBox(control), QStringLiteral("BRA"));
    QCOMPARE(selected(control), QStringLiteral("bracket"));
    QTest::keyClicks(searchBox(control), QStringLiteral("v"));
    QCOMPARE(selected(control), QStringLiteral("bravo"));
    QCOMPARE(list(control)->currentRow(), 2);
    QCOMPARE(searchBox(control)->text(), QStringLiteral("BRAv"));

    // No entry begins with the text: the selection stays.
    QTest::keyClicks(searchBox(control), QStringLiteral("x"));
    QCOMPARE(selected(control), QStringLiteral("bravo"));
    QCOMPARE(searchBox(control)->text(), QStringLiteral("BRAvx"));
}

void TestListSearch::backspaceSearchesAgain()
{
    ListSearch control;
    fillShown(control, "bracket\r\nbravo\r\n");
    QTest::keyClicks(searchBox(control), QStringLiteral("brav"));
    QCOMPARE(selected(control), QStringLiteral("bravo"));
    QTest::keyClick(searchBox(control), Qt::Key_Backspace);
    QCOMPARE(selected(control), QStringLiteral("bracket"));
    QTest::keyClick(searchBox(control), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(searchBox(control), Qt::Key_Backspace);
    QCOMPARE(searchBox(control)->text(), QString());
    QCOMPARE(selected(control), QStringLiteral("bracket"));
}

void TestListSearch::enterGivesTypedText()
{
    ListSearch control;
    fillShown(control, "alpha\r\nbravo\r\n");
    QSignalSpy done(&control, &ListSearch::Done);
    QSignalSpy escape(&control, &ListSearch::Escape);
    QTest::keyClicks(searchBox(control), QStringLiteral("BRa"));
    QCOMPARE(selected(control), QStringLiteral("bravo"));
    QTest::keyClick(searchBox(control), Qt::Key_Return);
    QCOMPARE(done.count(), 1);
    QCOMPARE(done[0][0].toString(), QStringLiteral("BRa"));
    QCOMPARE(escape.count(), 0);
    QCOMPARE(searchBox(control)->text(), QString());
}

void TestListSearch::tabGivesSelectedEntry()
{
    ListSearch control;
    fillShown(control, "alpha\r\nbravo\r\n");
    QSignalSpy done(&control, &ListSearch::Done);
    QTest::keyClicks(searchBox(control), QStringLiteral("BRa"));
    QTest::keyClick(searchBox(control), Qt::Key_Tab);
    QCOMPARE(done.count(), 1);
    QCOMPARE(done[0][0].toString(), QStringLiteral("bravo"));
    QCOMPARE(searchBox(control)->text(), QString());
    QCOMPARE(control.focusWidget(), searchBox(control));

    list(control)->clearSelection();
    QTest::keyClick(searchBox(control), Qt::Key_Tab);
    QCOMPARE(done.count(), 2);
    QCOMPARE(done[1][0].toString(), QString());
}

void TestListSearch::spaceWithoutMatchGivesWordAndSpace()
{
    ListSearch control;
    fillShown(control, "alpha\r\nbravo\r\n");
    QSignalSpy done(&control, &ListSearch::Done);
    QTest::keyClicks(searchBox(control), QStringLiteral("mouse1"));
    QCOMPARE(done.count(), 0);
    QTest::keyClick(searchBox(control), Qt::Key_Space);
    QCOMPARE(done.count(), 1);
    QCOMPARE(done[0][0].toString(), QStringLiteral("mouse1 "));
    QCOMPARE(searchBox(control)->text(), QString());
}

void TestListSearch::spaceWithMatchSelects()
{
    ListSearch control;
    fillShown(control, "weapon\r\nweapon 1\r\nweapon 2\r\n");
    QSignalSpy done(&control, &ListSearch::Done);
    QSignalSpy escape(&control, &ListSearch::Escape);
    QTest::keyClicks(searchBox(control), QStringLiteral("Weapon"));
    QCOMPARE(selected(control), QStringLiteral("weapon"));
    QTest::keyClick(searchBox(control), Qt::Key_Space);
    QCOMPARE(selected(control), QStringLiteral("weapon 1"));
    QCOMPARE(searchBox(control)->text(), QStringLiteral("Weapon "));
    QCOMPARE(done.count(), 0);
    QCOMPARE(escape.count(), 0);
}

void TestListSearch::spaceInEmptyBoxEscapes()
{
    ListSearch control;
    fillShown(control, "alpha\r\n");
    QSignalSpy done(&control, &ListSearch::Done);
    QSignalSpy escape(&control, &ListSearch::Escape);
    QTest::keyClick(searchBox(control), Qt::Key_Space);
    QCOMPARE(escape.count(), 1);
    QCOMPARE(done.count(), 0);
    QCOMPARE(searchBox(control)->text(), QString());
}

void TestListSearch::releaseOfKeyPressedElsewhereIsIgnored()
{
    ListSearch control;
    fillShown(control, "alpha\r\n");
    QSignalSpy done(&control, &ListSearch::Done);
    QSignalSpy escape(&control, &ListSearch::Escape);
    QTest::keyRelease(searchBox(control), Qt::Key_Space);
    QTest::keyRelease(searchBox(control), Qt::Key_Return);
    QCOMPARE(escape.count(), 0);
    QCOMPARE(done.count(), 0);
}

void TestListSearch::escapeInEitherPartCancels()
{
    ListSearch control;
    fillShown(control, "alpha\r\n");
    QSignalSpy done(&control, &ListSearch::Done);
    QSignalSpy escape(&control, &ListSearch::Escape);
    QTest::keyClicks(searchBox(control), QStringLiteral("al"));
    QTest::keyClick(searchBox(control), Qt::Key_Escape);
    QCOMPARE(escape.count(), 1);
    QCOMPARE(searchBox(control)->text(), QString());

    QTest::keyClicks(searchBox(control), QStringLiteral("al"));
    QTest::keyClick(searchBox(control), Qt::Key_Down);
    QTest::keyClick(list(control), Qt::Key_Escape);
    QCOMPARE(escape.count(), 2);
    QCOMPARE(searchBox(control)->text(), QString());
    QCOMPARE(done.count(), 0);
}

void TestListSearch::enterInListGivesSelectedEntry()
{
    ListSearch control;
    fillShown(control, "alpha\r\nbravo\r\n");
    QSignalSpy done(&control, &ListSearch::Done);
    QTest::keyClicks(searchBox(control), QStringLiteral("B"));
    QTest::keyClick(list(control), Qt::Key_Return);
    QCOMPARE(done.count(), 1);
    QCOMPARE(done[0][0].toString(), QStringLiteral("bravo"));
    QCOMPARE(searchBox(control)->text(), QString());
}

void TestListSearch::parenthesisCopiesEntryToSearchBox()
{
    ListSearch control;
    fillShown(control, "alpha\r\n+attack\r\n");
    QSignalSpy done(&control, &ListSearch::Done);
    QTest::keyClicks(searchBox(control), QStringLiteral("+"));
    QTest::keyClick(list(control), '(');
    QCOMPARE(searchBox(control)->text(), QStringLiteral("+attack"));
    QCOMPARE(selected(control), QStringLiteral("+attack"));
    QCOMPARE(done.count(), 0);
}

void TestListSearch::doubleClickGivesEntry()
{
    ListSearch control;
    fillShown(control, "alpha\r\nbravo\r\n");
    QSignalSpy done(&control, &ListSearch::Done);
    QTest::keyClicks(searchBox(control), QStringLiteral("br"));
    QListWidget *widget = list(control);
    const QRect rect = widget->visualItemRect(widget->item(1));
    QVERIFY(rect.isValid());
    // On a widget QTest sends the double-click event alone; the view wants the press of
    // the first click before it, as a real mouse gives.
    QTest::mouseClick(widget->viewport(), Qt::LeftButton, {}, rect.center());
    QTest::mouseDClick(widget->viewport(), Qt::LeftButton, {}, rect.center());
    QCOMPARE(done.count(), 1);
    QCOMPARE(done[0][0].toString(), QStringLiteral("bravo"));
    QCOMPARE(searchBox(control)->text(), QString());
}

void TestListSearch::downMovesFocusToList()
{
    ListSearch control;
    fillShown(control, "alpha\r\n");
    list(control)->setFocus();
    QCOMPARE(control.focusWidget(), list(control));
    control.setFocus(); // the host focuses the control as a whole
    QCOMPARE(control.focusWidget(), searchBox(control));
    QTest::keyClick(searchBox(control), Qt::Key_Down);
    QCOMPARE(control.focusWidget(), list(control));
}

void TestListSearch::fillWithDrivesListsRoot()
{
    ListSearch control;
    control.FillWithDrives();
    const QStringList lower = entries(control);
    QVERIFY(lower.contains(QStringLiteral("/")));
    QCOMPARE(QSet<QString>(lower.begin(), lower.end()).size(), lower.size());
    for (const QString &root : lower)
        QCOMPARE(root, root.toLower());

    control.FillWithDrives(true);
    const QStringList upper = entries(control);
    QVERIFY(upper.contains(QStringLiteral("/")));
    for (const QString &root : upper)
        QCOMPARE(root, root.toUpper());
}

void TestListSearch::fillWithFontsListsFamilies()
{
    RecordingDialogs dialogs;
    ListSearch control;
    QCOMPARE(control.FillWithTags(writeFile(QStringLiteral("before.txt"), "before\r\n")), 1);
    control.FillWithFonts();
    QCOMPARE(entries(control), QFontDatabase::families());
    QVERIFY(list(control)->updatesEnabled());
}

QTEST_MAIN(TestListSearch)
#include "tst_listsearch.moc"
