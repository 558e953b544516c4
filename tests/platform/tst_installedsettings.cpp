// An installed copy keeps its data in share/tessel beside its bin folder. That folder is
// writable for root, but the settings never go there: they go to the user's configuration.
#include "platform/AppPaths.h"
#include "platform/IniFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <QtTest>

class TestInstalledSettings : public QObject {
    Q_OBJECT
private slots:
    void settingsStayOutOfTheDataFolder_data();
    void settingsStayOutOfTheDataFolder();
};

void TestInstalledSettings::settingsStayOutOfTheDataFolder_data()
{
    QTest::addColumn<bool>("settingsFileThere");
    QTest::newRow("writable data folder") << false;
    QTest::newRow("settings file left in the data folder") << true;
}

void TestInstalledSettings::settingsStayOutOfTheDataFolder()
{
    QFETCH(bool, settingsFileThere);
    QStandardPaths::setTestModeEnabled(true);
    const QString prefix = QDir::cleanPath(QCoreApplication::applicationDirPath() + "/..");
    QDir data(prefix + "/share/tessel");
    QVERIFY(data.mkpath("Configs"));
    if (settingsFileThere)
        QVERIFY(platform::IniFile::writeValue(data.filePath("Tessel.ini"), "GENERAL", "Q2Dir", "x"));
    platform::setProgramFolder(data.path());

    const QString settings = platform::settingsFilePath();
    platform::setProgramFolder(QString());
    data.removeRecursively();
    QDir(prefix).rmdir("share");
    QCOMPARE(settings, QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) +
                           "/Tessel.ini");
}

QTEST_GUILESS_MAIN(TestInstalledSettings)
#include "tst_installedsettings.moc"
