// The search list: filling it from a list file, and the keys and clicks that pick from it.
#include "lists/ListSearch.h"
#include "support/RecordingDialogs.h"
#include "support/TestFiles.h"

#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

class TestListSearch : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    static QLineEdit *searchBox(lists::ListSearch &c) { return c.findChild<QLineEdit *>("txtSearch"); }
    static QListWidget *list(lists::ListSearch &c) { return c.findChild<QListWidget *>("lstMain"); }
    static QStringList entries(lists::ListSearch &control)
    {
        QStringList texts;
        for (int row = 0; row < list(control)->count(); ++row)
            texts << list(control)->item(row)->text();
        return texts;
    }
    static QString selected(lists::ListSearch &control)
    {
        const QList<QListWidgetItem *> items = list(control)->selectedItems();
        return items.isEmpty() ? QString() : items.first()->text();
    }
    QString write(const QString &name, const QByteArray &bytes) { return writeTestFile(m_dir.filePath(name), bytes); }

private slots:
    void fill_data()
    {
        // clang-format off
        QTest::addColumn<QString>("kind"); // "text", or a file that can't be used
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("uppercase");
        QTest::addColumn<QString>("result"); // the entries, or "title: message" (%1: the path)
        const QString openError = QStringLiteral("Error #%1: ").arg(int(QFileDevice::OpenError));
        QTest::newRow("lower case, empty lines skipped") << "text" << QByteArray("Forward\r\n\r\nJUMP\r\n") << false << "forward|jump";
        QTest::newRow("upper case") << "text" << QByteArray("Forward\r\njump\r\n") << true << "FORWARD|JUMP";
        QTest::newRow("file order, LF, Latin-1, no last break")
            << "text" << QByteArray("zeta\nAlpha\n\n+Move Left\r\ncaf\xC9\r\nmid") << false << "zeta|alpha|+move left|caf\u00e9|mid";
        QTest::newRow("only blank lines") << "text" << QByteArray("\r\n\r\n") << false << "";
        QTest::newRow("missing") << "missing" << QByteArray() << false << "Error: Couldn't find %1!";
        QTest::newRow("folder") << "folder" << QByteArray() << false << openError + "file to open is a directory";
        QTest::newRow("named pipe") << "pipe" << QByteArray() << false << openError + "file to open is not a regular file";
        QTest::newRow("binary") << "text" << QByteArray("abc\r\nde\0f\r\n", 11) << false << "Error: %1 is not a text file.";
        // clang-format on
    }

    void fill()
    {
        QFETCH(QString, kind);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, uppercase);
        QFETCH(QString, result);
        QString path = m_dir.filePath(QStringLiteral("Configs/Quake2/q2cvars.txt"));
        if (kind == QLatin1String("text"))
            path = write(QStringLiteral("list.txt"), bytes);
        else if (kind == QLatin1String("folder"))
            path = m_dir.path();
        else if (kind == QLatin1String("pipe") && (path = m_dir.filePath("pipe.txt"), !QFile::exists(path)))
            QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);

        RecordingDialogs dialogs;
        lists::ListSearch control;
        QCOMPARE(control.FillWithTags(write(QStringLiteral("old.txt"), "old\r\n")), 1);
        const bool filled = control.FillWithTags(path, uppercase) == 1;
        QStringList shown;
        for (const RecordingDialogs::Message &message : dialogs.messages) {
            QCOMPARE(message.icon, platform::Icon::Exclamation);
            shown << message.title + ": " + message.text;
        }
        QCOMPARE(filled ? entries(control).join('|') : shown.join('\n'),
                 result.contains("%1") ? result.arg(path) : result);
        QCOMPARE(filled, shown.isEmpty());
        QVERIFY(list(control)->updatesEnabled());
    }

    void bigFilesAreCapped()
    {
        RecordingDialogs dialogs;
        lists::ListSearch control;
        QByteArray bytes;
        for (int i = 0; i < 400000; ++i) // over the byte cap and the entry cap
            bytes += "Entry" + QByteArray::number(i).rightJustified(7, '0') + "\r\n";
        QCOMPARE(control.FillWithTags(write(QStringLiteral("huge.txt"), bytes)), 1);
        QCOMPARE(list(control)->count(), lists::ListSearch::MaxEntries);
        QCOMPARE(entries(control).last(), QStringLiteral("entry%1").arg(lists::ListSearch::MaxEntries - 1, 7, 10, QLatin1Char('0')));
        // A line cut by the byte cap is left out.
        const QByteArray line = QByteArray(100 * 1024, 'x') + "\r\n";
        QCOMPARE(control.FillWithTags(write(QStringLiteral("long.txt"), line.repeated(50))), 1);
        QCOMPARE(entries(control), QStringList(lists::ListSearch::MaxFileBytes / line.size(), QString(line.size() - 2, 'x')));
        QVERIFY(dialogs.messages.isEmpty());
    }

    void keys_data()
    {
        // clang-format off
        QTest::addColumn<QByteArray>("lines");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("keys"); // "list:" sends to the list, "up:" only releases
        QTest::addColumn<QString>("outcome"); // "done:<text>", "escape", or "box:<text> sel:<entry>"
        const QByteArray ab("alpha\r\nbravo\r\n");
        QTest::newRow("Enter gives the typed text") << ab << "BRa" << "Return" << "done:BRa";
        QTest::newRow("Tab gives the selected entry") << ab << "BRa" << "Tab" << "done:bravo";
        QTest::newRow("Tab without a selection") << ab << "x" << "Tab" << "done:";
        QTest::newRow("Space without a match") << ab << "mouse1" << "Space" << "done:mouse1 ";
        QTest::newRow("Space with a match searches on")
            << QByteArray("weapon\r\nweapon 1\r\nweapon 2\r\n") << "Weapon" << "Space" << "box:Weapon  sel:weapon 1";
        QTest::newRow("Space in an empty box") << ab << "" << "Space" << "escape";
        QTest::newRow("Escape in the box") << ab << "al" << "Escape" << "escape";
        QTest::newRow("Escape in the list") << ab << "al" << "Down list:Escape" << "escape";
        QTest::newRow("Enter in the list") << ab << "B" << "list:Return" << "done:bravo";
        QTest::newRow("( in the list copies the entry") << QByteArray("alpha\r\n+attack\r\n") << "+" << "list:(" << "box:+attack sel:+attack";
        QTest::newRow("releases of keys pressed elsewhere") << ab << "" << "up:Space up:Return" << "box: sel:";
        // clang-format on
    }

    void keys()
    {
        QFETCH(QByteArray, lines);
        QFETCH(QString, typed);
        QFETCH(QString, keys);
        QFETCH(QString, outcome);
        lists::ListSearch control;
        QCOMPARE(control.FillWithTags(write(QStringLiteral("keys.txt"), lines)), 1);
        control.show();
        QVERIFY(QTest::qWaitForWindowExposed(&control));
        searchBox(control)->setFocus();
        QStringList seen;
        connect(&control, &lists::ListSearch::Done, this, [&](const QString &text) { seen << "done:" + text; });
        connect(&control, &lists::ListSearch::Escape, this, [&] { seen << QStringLiteral("escape"); });
        QTest::keyClicks(searchBox(control), typed);
        const QHash<QString, Qt::Key> named{{"Return", Qt::Key_Return}, {"Tab", Qt::Key_Tab}, {"Space", Qt::Key_Space},
                                            {"Escape", Qt::Key_Escape}, {"Down", Qt::Key_Down}, {"(", Qt::Key_ParenLeft}};
        for (const QString &key : keys.split(' ')) {
            QWidget *target = key.startsWith("list:") ? static_cast<QWidget *>(list(control))
                                                      : searchBox(control);
            const QString name = key.section(':', -1);
            if (key.startsWith("up:"))
                QTest::keyRelease(target, named.value(name));
            else
                QTest::keyClick(target, named.value(name));
        }
        if (seen.isEmpty())
            seen << "box:" + searchBox(control)->text() + " sel:" + selected(control);
        else
            QCOMPARE(searchBox(control)->text(), QString()); // emptied for the next search
        if (seen.first().startsWith("done:") && !keys.startsWith("list:"))
            QCOMPARE(control.focusWidget(), searchBox(control));
        QCOMPARE(seen.join(' '), outcome);
    }

    void typingAndClicksSelect()
    {
        lists::ListSearch control;
        QCOMPARE(control.FillWithTags(write("keys.txt", "Alpha\r\nBracket\r\nBravo\r\nCharlie\r\n")), 1);
        control.show();
        QVERIFY(QTest::qWaitForWindowExposed(&control));
        list(control)->setFocus();
        control.setFocus(); // the host focuses the control as a whole
        QCOMPARE(control.focusWidget(), searchBox(control));
        // The first entry beginning with the text in any case; no match or an emptied box keeps it.
        QStringList picked;
        for (const char *step : {"BRA", "v", "x", "\b", "\b"}) {
            if (*step == '\b')
                QTest::keyClick(searchBox(control), Qt::Key_Backspace);
            else
                QTest::keyClicks(searchBox(control), QLatin1String(step));
            picked << selected(control);
        }
        QTest::keyClick(searchBox(control), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(searchBox(control), Qt::Key_Backspace);
        picked << selected(control);
        QCOMPARE(picked.join(' '), QStringLiteral("bracket bravo bravo bravo bracket bracket"));
        QTest::keyClick(searchBox(control), Qt::Key_Down);
        QCOMPARE(control.focusWidget(), list(control));

        // The view wants the press of the first click before the double click, as a real mouse
        // gives.
        QSignalSpy done(&control, &lists::ListSearch::Done);
        const QPoint centre = list(control)->visualItemRect(list(control)->item(2)).center();
        QTest::mouseClick(list(control)->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(list(control)->viewport(), Qt::LeftButton, {}, centre);
        QCOMPARE(done.size(), 1);
        QCOMPARE(done[0][0].toString(), QStringLiteral("bravo"));
        QCOMPARE(searchBox(control)->text(), QString());
    }
};

QTEST_MAIN(TestListSearch)
#include "tst_listsearch.moc"
