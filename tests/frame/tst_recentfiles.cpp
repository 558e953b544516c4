// The recent files kept in the settings, and document windows kept inside the frame.
#include "FrameFixture.h"
#include "frame/RecentFiles.h"

#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QtTest>

class TestRecentFiles : public QObject {
    Q_OBJECT
private slots:
    void listIsKeptAndAMissingFileIsOffered();
    void windowsStayInsideTheFrame();
};

void TestRecentFiles::listIsKeptAndAMissingFileIsOffered()
{
    FrameFixture f;
    const QString settings = f.folder.filePath(QStringLiteral("Tessel.ini"));
    f.frame->useSettings(settings);
    QStringList opened;
    for (int i = 1; i <= 12; ++i) {
        opened.prepend(f.writeFile(QStringLiteral("%1.cfg").arg(i), "set a 1\r\n"));
        QVERIFY(f.frame->documents().OpenDocument(opened.first()));
    }
    QVERIFY(f.frame->documents().OpenDocument(opened.at(3))); // again: to the front, once
    const QStringList expected = QStringList{opened.at(3)} + opened.mid(0, 3) + opened.mid(4, 6);

    frame::frmParent next;
    next.useSettings(settings);
    QCOMPARE(next.recentFiles(), expected);
    QMenu menu;
    next.fillRecentFilesMenu(&menu);
    QCOMPARE(menu.actions().size(), 10);
    QVERIFY(menu.actions().at(0)->text().endsWith(opened.at(3)));

    QFile::remove(expected.at(1));
    f.dialogs.answers.enqueue(platform::Answer::No);
    next.openRecentFile(expected.at(1));
    QCOMPARE(next.recentFiles(), expected); // kept when the user says No
    next.openRecentFile(expected.at(1));    // Yes
    QCOMPARE(f.dialogs.messages.size(), 2);
    QVERIFY(f.dialogs.messages.at(1).text.contains(expected.at(1)));
    QVERIFY(next.documentWindows().isEmpty());
    frame::frmParent third;
    third.useSettings(settings);
    QCOMPARE(third.recentFiles(), QStringList{expected.at(0)} + expected.mid(2));
}

void TestRecentFiles::windowsStayInsideTheFrame()
{
    FrameFixture f;
    f.frame->resize(500, 400);
    FrameFixture::settle();
    const QRect area = f.frame->mdiArea()->viewport()->rect();
    for (int i = 0; i < 6; ++i) {
        f.newDocument();
        QVERIFY(area.contains(f.frame->mdiArea()->currentSubWindow()->geometry()));
    }
    for (int how : {0, 1, 2}) {
        f.frame->arrange(how);
        for (QMdiSubWindow *window : f.frame->mdiArea()->subWindowList())
            QVERIFY2(area.contains(window->geometry()), qPrintable(QString::number(how)));
    }
}

QTEST_MAIN(TestRecentFiles)
#include "tst_recentfiles.moc"
