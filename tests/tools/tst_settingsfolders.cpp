// Game folders in the settings: any Linux folder name round-trips, a write is all or nothing,
// and Options proposes the game folders that exist on this machine.
#include "FrameFixture.h"
#include "frame/GameFolders.h"
#include "frame/frmOptions.h"
#include "platform/AppPaths.h"
#include "platform/IniFile.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using platform::IniFile;

class TestSettingsFolders : public QObject {
    Q_OBJECT
private slots:
    void optionsStoresAnyFolderName();
    void writes_data();
    void writes();
    void proposedFolders_data();
    void proposedFolders();
};

void TestSettingsFolders::optionsStoresAnyFolderName()
{
    RecordingDialogs dialogs;
    QTemporaryDir program;
    platform::setProgramFolder(program.path());
    const QString folder = QString::fromUtf8("/home/\u0141ukasz/q3");
    for (const char *box : {"txtQ2Dir", "txtQ3Dir"}) {
        frame::frmOptions *options = frame::frmOptions::showWindow();
        options->findChild<QLineEdit *>(box)->setText(folder);
        options->findChild<QPushButton *>("cmdOK")->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QCOMPARE(dialogs.messageTexts(), QStringList());
    frame::frmOptions *options = frame::frmOptions::showWindow();
    QCOMPARE(options->findChild<QLineEdit *>("txtQ2Dir")->text(), folder);
    QCOMPARE(options->findChild<QLineEdit *>("txtQ3Dir")->text(), folder);
    options->close();
    platform::setProgramFolder(QString());
}

void TestSettingsFolders::writes_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("q3Dir");
    QTest::addColumn<QByteArray>("after"); // the file as before when the write must fail

    const QByteArray latin1 = "[GENERAL]\r\nQ2Dir=Qu\xe9\r\n";
    QTest::newRow("old Latin-1 file takes a Latin-1 value")
        << latin1 << QString::fromLatin1("\xe9") << latin1 + "Other=new\r\nQ3Dir=\xe9\r\n";
    QTest::newRow("old Latin-1 file becomes UTF-8")
        << latin1 << QString::fromUtf8("\u0141")
        << QByteArray("[GENERAL]\r\nQ2Dir=Qu\xc3\xa9\r\nOther=new\r\nQ3Dir=\xc5\x81\r\n");
    QTest::newRow("one bad value: nothing written") << latin1 << "a\nb" << latin1;
}

void TestSettingsFolders::writes()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, q3Dir);
    QFETCH(QByteArray, after);
    QTemporaryDir folder;
    const QString path = folder.filePath("Tessel.ini");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(before) == before.size());
    file.close();
    const bool written =
        IniFile::writeValues(path, "GENERAL", {{"Other", "new"}, {"Q3Dir", q3Dir}});
    QCOMPARE(written, after != before);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), after);
    QCOMPARE(IniFile::readValue(path, "GENERAL", "Q2Dir"), QString::fromLatin1("Qu\xe9"));
}

void TestSettingsFolders::proposedFolders_data()
{
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QString>("quake2");
    QTest::addColumn<QString>("quake3");
    QTest::newRow("none") << QStringList() << "" << "";
    QTest::newRow("Yamagi and ioquake3") << QStringList{".yq2", ".quake2", ".ioquake3"} << ".yq2/"
                                         << ".ioquake3/";
    QTest::newRow("original ports") << QStringList{".quake2", ".q3a", ".ioquake3"} << ".quake2/"
                                    << ".q3a/";
}

void TestSettingsFolders::proposedFolders()
{
    QFETCH(QStringList, existing);
    QFETCH(QString, quake2);
    QFETCH(QString, quake3);
    QTemporaryDir home;
    for (const QString &folder : existing)
        QVERIFY(QDir(home.path()).mkpath(folder));
    const auto expected = [&](const QString &tail) {
        return tail.isEmpty() ? QString() : home.path() + u'/' + tail;
    };
    QCOMPARE(frame::proposedGameFolder(0, home.path()), expected(quake2));
    QCOMPARE(frame::proposedGameFolder(1, home.path()), expected(quake3));
}

QTEST_MAIN(TestSettingsFolders)
#include "tst_settingsfolders.moc"
