// The search list: filling it from a list file, and the keys and clicks that pick from it.
#include "lists/ListSearch.h"
#include "support/RecordingDialogs.h"

#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

namespace {

QLineEdit *searchBox(ListSearch &control) { return control.findChild<QLineEdit *>("txtSearch"); }
QListWidget *list(ListSearch &control) { return control.findChild<QListWidget *>("lstMain"); }

QStringList entries(ListSearch &control)
{
    QStringList texts;
    for (int row = 0; row < list(control)->count(); ++row)
        texts << list(control)->item(row)->text();
    return texts;
}

QString selected(ListSearch &control)
{
    const QList<QListWidgetItem *> items = list(control)->selectedItems();
    return items.isEmpty() ? QString() : items.first()->text();
}

} // namespace

class TestListSearch : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void fill_data();
    void fill();
    void unusableFileIsReported_data();
    void unusableFileIsReported();
    void hugeFileIsCapped();
    void longLinesDropTheCutLine();

    void typingSelectsFirstPrefixMatchInAnyCase();
    void keys_data();
    void keys();
    void doubleClickGivesEntry();
    void downMovesFocusToList();

private:
    QString writeFile(const QString &name, const QByteArray &bytes);
    void fillShown(ListSearch &control, const QByteArray &lines);

    QTemporaryDir m_dir;
};

void TestListSearch::initTestCase() { QVERIFY(m_dir.isValid()); }

QString TestListSearch::writeFile(const QString &name, const QByteArray &bytes)
{
    const QString path = m_dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
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

void TestListSearch::fill_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("uppercase");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("lower case, empty lines skipped")
        << QByteArray("Forward\r\n\r\nJUMP\r\n") << false << QStringList{"forward", "jump"};
    QTest::newRow("upper case") << QByteArray("Forward\r\n\r\njump\r\n") << true
                                << QStringList{"FORWARD", "JUMP"};
    // Latin-1 bytes: 0xC9 is a capital e with an acute accent.
    QTest::newRow("file order, LF, Latin-1, no last line break")
        << QByteArray("zeta\nAlpha\n\n+Move Left\r\ncaf\xC9\r\nmid") << false
        << QStringList{"zeta", "alpha", "+move left", QStringLiteral("caf\u00E9"), "mid"};
    QTest::newRow("only blank lines") << QByteArray("\r\n\r\n") << false << QStringList();
}

void TestListSearch::fill()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, uppercase);
    QFETCH(QStringList, expected);

    RecordingDialogs dialogs;
    ListSearch control;
    QCOMPARE(control.FillWithTags(writeFile(QStringLiteral("old.txt"), "old\r\n")), 1);
    QCOMPARE(control.FillWithTags(writeFile(QStringLiteral("list.txt"), bytes), uppercase), 1);
    QCOMPARE(entries(control), expected);
    QVERIFY(dialogs.messages.isEmpty());
}

void TestListSearch::unusableFileIsReported_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text"); // %1: the path

    const QString openError = QStringLiteral("Error #%1").arg(int(QFileDevice::OpenError));
    QTest::newRow("missing") << "missing" << "Error" << "Couldn't find %1!";
    QTest::newRow("folder") << "folder" << openError << "file to open is a directory";
    QTest::newRow("named pipe, refused without blocking") << "pipe" << openError
                                                          << "file to open is not a regular file";
    QTest::newRow("binary") << "binary" << "Error" << "%1 is not a text file.";
}

void TestListSearch::unusableFileIsReported()
{
    QFETCH(QString, kind);
    QFETCH(QString, title);
    QFETCH(QString, text);

    QString path = m_dir.filePath(QStringLiteral("Configs/Quake2/q2cvars.txt"));
    if (kind == QLatin1String("folder")) {
        path = m_dir.path();
    } else if (kind == QLatin1String("pipe")) {
        path = m_dir.filePath(QStringLiteral("pipe.txt"));
        if (!QFile::exists(path) && ::mkfifo(QFile::encodeName(path).constData(), 0600) != 0)
            QSKIP("cannot make a named pipe here");
    } else if (kind == QLatin1String("binary")) {
        path = writeFile(QStringLiteral("binary.txt"), QByteArray("abc\r\nde\0f\r\n", 11));
    }

    RecordingDialogs dialogs;
    ListSearch control;
    QCOMPARE(control.FillWithTags(writeFile(QStringLiteral("old.txt"), "old\r\n")), 1);
    QCOMPARE(control.FillWithTags(path), 0);
    QCOMPARE(dialogs.messages.size(), 1);
    QCOMPARE(dialogs.messages[0].title, title);
    QCOMPARE(dialogs.messages[0].text, text.contains(QLatin1String("%1")) ? text.arg(path) : text);
    QCOMPARE(dialogs.messages[0].icon, platform::Icon::Exclamation);
    QVERIFY(entries(control).isEmpty());
    QVERIFY(list(control)->updatesEnabled());
}

void TestListSearch::hugeFileIsCapped()
{
    QByteArray bytes;
    const int lines = 400000; // 14 bytes a line: over the byte cap and the entry cap
    bytes.reserve(lines * 14);
    for (int i = 0; i < lines; ++i)
        bytes += QByteArray("Entry") + QByteArray::number(i).rightJustified(7, '0') + "\r\n";
    QVERIFY(bytes.size() > ListSearch::MaxFileBytes);

    RecordingDialogs dialogs;
    ListSearch control;
    QCOMPARE(control.FillWithTags(writeFile(QStringLiteral("huge.txt"), bytes)), 1);
    QCOMPARE(list(control)->count(), ListSearch::MaxEntries);
    QCOMPARE(list(control)->item(ListSearch::MaxEntries - 1)->text(),
             QStringLiteral("entry%1").arg(ListSearch::MaxEntries - 1, 7, 10, QLatin1Char('0')));
    QVERIFY(dialogs.messages.isEmpty());
}

void TestListSearch::longLinesDropTheCutLine()
{
    const QByteArray line = QByteArray(100 * 1024, 'x') + "\r\n";
    ListSearch control;
    QCOMPARE(control.FillWithTags(writeFile(QStringLiteral("long.txt"), line.repeated(50))), 1);
    QCOMPARE(list(control)->count(), int(ListSearch::MaxFileBytes / line.size()));
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

    // No entry begins with the text: the selection stays.
    QTest::keyClicks(searchBox(control), QStringLiteral("x"));
    QCOMPARE(selected(control), QStringLiteral("bravo"));
    QCOMPARE(searchBox(control)->text(), QStringLiteral("BRAvx"));

    // Backspace searches again; an emptied box leaves the selection.
    QTest::keyClick(searchBox(control), Qt::Key_Backspace);
    QTest::keyClick(searchBox(control), Qt::Key_Backspace);
    QCOMPARE(selected(control), QStringLiteral("bracket"));
    QTest::keyClick(searchBox(control), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(searchBox(control), Qt::Key_Backspace);
    QCOMPARE(selected(control), QStringLiteral("bracket"));
}

void TestListSearch::keys_data()
{
    QTest::addColumn<QByteArray>("lines");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("keys"); // "list:" sends to the list, "release:" only releases
    QTest::addColumn<QString>("done"); // "<none>": no Done
    QTest::addColumn<bool>("escaped");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("selected");

    const QByteArray ab("alpha\r\nbravo\r\n");
    const QString none = QStringLiteral("<none>");
    QTest::newRow("Enter gives the typed text")
        << ab << "BRa" << "Return" << "BRa" << false << "" << "bravo";
    QTest::newRow("Tab gives the selected entry")
        << ab << "BRa" << "Tab" << "bravo" << false << "" << "bravo";
    QTest::newRow("Tab without a selection") << ab << "x" << "Tab" << "" << false << "" << "";
    QTest::newRow("Space without a match gives the word and a space")
        << ab << "mouse1" << "Space" << "mouse1 " << false << "" << "";
    QTest::newRow("Space with a match goes on searching")
        << QByteArray("weapon\r\nweapon 1\r\nweapon 2\r\n") << "Weapon" << "Space" << none
        << false << "Weapon " << "weapon 1";
    QTest::newRow("Space in an empty box escapes") << ab << "" << "Space" << none << true << ""
                                                   << "";
    QTest::newRow("Escape in the box") << ab << "al" << "Escape" << none << true << "" << "";
    QTest::newRow("Escape in the list")
        << ab << "al" << "Down list:Escape" << none << true << "" << "";
    QTest::newRow("Enter in the list gives the selected entry")
        << ab << "B" << "list:Return" << "bravo" << false << "" << "bravo";
    QTest::newRow("( in the list copies the entry to the box")
        << QByteArray("alpha\r\n+attack\r\n") << "+" << "list:(" << none << false << "+attack"
        << "+attack";
    QTest::newRow("release of a key pressed elsewhere")
        << ab << "" << "release:Space release:Return" << none << false << "" << "";
}

void TestListSearch::keys()
{
    QFETCH(QByteArray, lines);
    QFETCH(QString, typed);
    QFETCH(QString, keys);
    QFETCH(QString, done);
    QFETCH(bool, escaped);
    QFETCH(QString, box);
    QFETCH(QString, selected);

    ListSearch control;
    fillShown(control, lines);
    QSignalSpy doneSpy(&control, &ListSearch::Done);
    QSignalSpy escapeSpy(&control, &ListSearch::Escape);
    QTest::keyClicks(searchBox(control), typed);
    const QHash<QString, Qt::Key> named{{"Return", Qt::Key_Return}, {"Tab", Qt::Key_Tab},
                                        {"Space", Qt::Key_Space},   {"Escape", Qt::Key_Escape},
                                        {"Down", Qt::Key_Down},     {"(", Qt::Key_ParenLeft}};
    for (QString key : keys.split(QLatin1Char(' '))) {
        QWidget *target = searchBox(control);
        bool releaseOnly = false;
        if (key.startsWith(QLatin1String("list:"))) {
            target = list(control);
            key.remove(0, 5);
        } else if (key.startsWith(QLatin1String("release:"))) {
            releaseOnly = true;
            key.remove(0, 8);
        }
        if (releaseOnly)
            QTest::keyRelease(target, named.value(key));
        else if (key == QLatin1String("("))
            QTest::keyClick(target, '(');
        else
            QTest::keyClick(target, named.value(key));
    }

    QCOMPARE(doneSpy.size(), done == QLatin1String("<none>") ? 0 : 1);
    if (!doneSpy.isEmpty())
        QCOMPARE(doneSpy.first().first().toString(), done);
    QCOMPARE(escapeSpy.size(), escaped ? 1 : 0);
    QCOMPARE(searchBox(control)->text(), box);
    if (doneSpy.isEmpty() && !escaped)
        QCOMPARE(::selected(control), selected);
    // After Done the box keeps the focus for the next search.
    if (!doneSpy.isEmpty() && !keys.startsWith(QLatin1String("list:")))
        QCOMPARE(control.focusWidget(), searchBox(control));
}

void TestListSearch::doubleClickGivesEntry()
{
    ListSearch control;
    fillShown(control, "alpha\r\nbravo\r\n");
    QSignalSpy done(&control, &ListSearch::Done);
    QTest::keyClicks(searchBox(control), QStringLiteral("br"));
    QListWidget *widget = list(control);
    const QRect rect = widget->visualItemRect(widget->item(1));
    // On a widget QTest sends the double-click event alone; the view wants the press of
    // the first click before it, as a real mouse gives.
    QTest::mouseClick(widget->viewport(), Qt::LeftButton, {}, rect.center());
    QTest::mouseDClick(widget->viewport(), Qt::LeftButton, {}, rect.center());
    QCOMPARE(done.size(), 1);
    QCOMPARE(done[0][0].toString(), QStringLiteral("bravo"));
    QCOMPARE(searchBox(control)->text(), QString());
}

void TestListSearch::downMovesFocusToList()
{
    ListSearch control;
    fillShown(control, "alpha\r\n");
    list(control)->setFocus();
    control.setFocus(); // the host focuses the control as a whole
    QCOMPARE(control.focusWidget(), searchBox(control));
    QTest::keyClick(searchBox(control), Qt::Key_Down);
    QCOMPARE(control.focusWidget(), list(control));
}

QTEST_MAIN(TestListSearch)
#include "tst_listsearch.moc"
