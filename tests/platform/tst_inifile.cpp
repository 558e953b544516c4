#include "platform/AppPaths.h"
#include "platform/IniFile.h"

#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using platform::IniFile;

namespace {

const QString Q2Default = QStringLiteral("C:\\Program Files\\Quake 2\\");
const QString Q3Default = QStringLiteral("C:\\Program Files\\Quake 3\\");

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

class TestIniFile : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void firstRunGivesDefaults();
    void firstWriteCreatesFile();
    void writeThenRead_data();
    void writeThenRead();
    void emptyValueExists();
    void updateKeepsEverythingElse();
    void newKeyGoesIntoItsSection();
    void newSectionIsAppended();
    void lookupIgnoresCase_data();
    void lookupIgnoresCase();
    void readsLfAndBlanks();
    void firstSectionAndKeyWin();
    void byteOrderMarkIgnored();
    void latin1Bytes();
    void invalidNamesAndValues_data();
    void invalidNamesAndValues();
    void writeFailureParentIsFile();
    void writeFailureFolderInTheWay();
    void createsMissingFolders();
    void settingsBesideWritableProgram();
    void settingsFileAlreadyBesideProgram();
    void settingsInConfigFolder();

private:
    QString iniPath() const { return m_dir->filePath("Tessel.ini"); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestIniFile::initTestCase() { QStandardPaths::setTestModeEnabled(true); }

void TestIniFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestIniFile::cleanup()
{
    platform::setProgramFolder(QString());
    m_dir.reset();
}

void TestIniFile::firstRunGivesDefaults()
{
    QCOMPARE(IniFile::readValue(iniPath(), "GENERAL", "Q2Dir", Q2Default), Q2Default);
    QCOMPARE(IniFile::readValue(iniPath(), "GENERAL", "Q3Dir", Q3Default), Q3Default);
    QVERIFY(!IniFile::rawValue(iniPath(), "GENERAL", "Q2Dir").has_value());
    QVERIFY(!QFile::exists(iniPath()));
}

void TestIniFile::firstWriteCreatesFile()
{
    QString error;
    QVERIFY(IniFile::writeValue(iniPath(), "GENERAL", "Q2Dir", Q2Default, &error));
    QVERIFY(error.isEmpty());
    QVERIFY(IniFile::writeValue(iniPath(), "GENERAL", "Q3Dir", Q3Default, &error));
    QCOMPARE(readBytes(iniPath()), QByteArray("[GENERAL]\r\n"
                                              "Q2Dir=C:\\Program Files\\Quake 2\\\r\n"
                                              "Q3Dir=C:\\Program Files\\Quake 3\\\r\n"));
}

void TestIniFile::writeThenRead_data()
{
    QTest::addColumn<QString>("value");
    QTest::newRow("default with trailing backslash") << Q2Default;
    QTest::newRow("chosen folder") << QString("D:\\Games\\Quake2");
    QTest::newRow("unix folder") << QString("/home/player/.q2");
    QTest::newRow("double backslashes") << QString("\\\\server\\share\\q3\\\\");
    QTest::newRow("escape-like text") << QString("C:\\new\\table\\x41\\%1");
    QTest::newRow("quotes and semicolon") << QString("\"quoted\" ; not a comment");
    QTest::newRow("equals sign") << QString("a=b=c");
    QTest::newRow("brackets") << QString("[GENERAL]");
    QTest::newRow("Latin-1") << QString::fromLatin1("C:\\Spiele\\Qu\xe4ke \xa9");
    QTest::newRow("empty") << QString();
}

void TestIniFile::writeThenRead()
{
    QFETCH(QString, value);
    QString error;
    QVERIFY2(IniFile::writeValue(iniPath(), "GENERAL", "Q2Dir", value, &error), qPrintable(error));
    QCOMPARE(IniFile::rawValue(iniPath(), "GENERAL", "Q2Dir"), std::optional<QString>(value));
    QCOMPARE(IniFile::readValue(iniPath(), "GENERAL", "Q2Dir", "unused"), value);
    // Writing it a second time changes nothing.
    const QByteArray before = readBytes(iniPath());
    QVERIFY(IniFile::writeValue(iniPath(), "GENERAL", "Q2Dir", value));
    QCOMPARE(readBytes(iniPath()), before);
}

void TestIniFile::emptyValueExists()
{
    writeBytes(iniPath(), "[GENERAL]\r\nQ2Dir=\r\nQ3Dir=   \r\n");
    QCOMPARE(IniFile::rawValue(iniPath(), "GENERAL", "Q2Dir"), std::optional<QString>(""));
    QCOMPARE(IniFile::rawValue(iniPath(), "GENERAL", "Q3Dir"), std::optional<QString>(""));
    QCOMPARE(IniFile::readValue(iniPath(), "GENERAL", "Q2Dir", Q2Default), QString());
}

void TestIniFile::updateKeepsEverythingElse()
{
    writeBytes(iniPath(), "; Tessel settings\r\n"
                          "[Window]\r\n"
                          "Q2Dir=not this one\r\n"
                          "\r\n"
                          "[GENERAL]\r\n"
                          "# folders\r\n"
                          "Q2Dir=old\r\n"
                          "Other = kept \\as\\ is\r\n"
                          "Q3Dir=E:\\q3\r\n"
                          "\r\n"
                          "[Extra]\r\n"
                          "Key=1\r\n");
    QVERIFY(IniFile::writeValue(iniPath(), "GENERAL", "Q2Dir", "F:\\quake2\\"));
    QCOMPARE(readBytes(iniPath()), QByteArray("; Tessel settings\r\n"
                                              "[Window]\r\n"
                                              "Q2Dir=not this one\r\n"
                                              "\r\n"
                                              "[GENERAL]\r\n"
                                              "# folders\r\n"
                                              "Q2Dir=F:\\quake2\\\r\n"
                                              "Other = kept \\as\\ is\r\n"
                                              "Q3Dir=E:\\q3\r\n"
                                              "\r\n"
                                              "[Extra]\r\n"
                                              "Key=1\r\n"));
    QCOMPARE(IniFile::readValue(iniPath(), "Window", "Q2Dir"), QString("not this one"));
    QCOMPARE(IniFile::readValue(iniPath(), "GENERAL", "Other"), QString("kept \\as\\ is"));
    QCOMPARE(IniFile::readValue(iniPath(), "Extra", "Key"), QString("1"));
}

void TestIniFile::newKeyGoesIntoItsSection()
{
    writeBytes(iniPath(), "[GENERAL]\r\nQ3Dir=x\r\n; end of general\r\n\r\n[Extra]\r\nKey=1\r\n");
    QVERIFY(IniFile::writeValue(iniPath(), "GENERAL", "Q2Dir", "y"));
    QCOMPARE(readBytes(iniPath()),
             QByteArray("[GENERAL]\r\nQ3Dir=x\r\n; end of general\r\nQ2Dir=y\r\n\r\n"
                        "[Extra]\r\nKey=1\r\n"));
}

void TestIniFile::newSectionIsAppended()
{
    writeBytes(iniPath(), "[Extra]\r\nKey=1");
    QVERIFY(IniFile::writeValue(iniPath(), "GENERAL", "Q2Dir", "y"));
    QCOMPARE(readBytes(iniPath()), QByteArray("[Extra]\r\nKey=1\r\n\r\n[GENERAL]\r\nQ2Dir=y\r\n"));
}

void TestIniFile::lookupIgnoresCase_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::newRow("as written") << "GENERAL" << "Q2Dir";
    QTest::newRow("lower case") << "general" << "q2dir";
    QTest::newRow("upper case") << "GENERAL" << "Q2DIR";
    QTest::newRow("mixed") << "GeNeRaL" << "q2DIR";
}

void TestIniFile::lookupIgnoresCase()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    writeBytes(iniPath(), "[General]\r\nq2dir=C:\\q2\\\r\n");
    QCOMPARE(IniFile::readValue(iniPath(), section, key, "default"), QString("C:\\q2\\"));

    // An update in another spelling changes the existing line and keeps its spelling.
    QVERIFY(IniFile::writeValue(iniPath(), section, key, "D:\\q2"));
    QCOMPARE(readBytes(iniPath()), QByteArray("[General]\r\nq2dir=D:\\q2\r\n"));
}

void TestIniFile::readsLfAndBlanks()
{
    writeBytes(iniPath(), "[ GENERAL ]\n  Q2Dir =  C:\\q2\\ \t\nQ3Dir=C:\\q3\\");
    QCOMPARE(IniFile::readValue(iniPath(), "GENERAL", "Q2Dir"), QString("C:\\q2\\"));
    QCOMPARE(IniFile::readValue(iniPath(), "GENERAL", "Q3Dir"), QString("C:\\q3\\"));
    QVERIFY(IniFile::writeValue(iniPath(), "GENERAL", "Q3Dir", "x"));
    QCOMPARE(readBytes(iniPath()), QByteArray("[ GENERAL ]\r\n  Q2Dir =  C:\\q2\\ \t\r\nQ3Dir=x\r\n"));
}

void TestIniFile::firstSectionAndKeyWin()
{
    writeBytes(iniPath(), "[GENERAL]\r\nQ2Dir=first\r\nQ2Dir=second\r\n[GENERAL]\r\nQ2Dir=third\r\n");
    QCOMPARE(IniFile::readValue(iniPath(), "GENERAL", "Q2Dir"), QString("first"));
    QVERIFY(IniFile::writeValue(iniPath(), "GENERAL", "Q2Dir", "new"));
    QCOMPARE(readBytes(iniPath()),
             QByteArray("[GENERAL]\r\nQ2Dir=new\r\nQ2Dir=second\r\n[GENERAL]\r\nQ2Dir=third\r\n"));
}

void TestIniFile::byteOrderMarkIgnored()
{
    writeBytes(iniPath(), "\xEF\xBB\xBF[GENERAL]\r\nQ2Dir=C:\\q2\r\n");
    QCOMPARE(IniFile::readValue(iniPath(), "GENERAL", "Q2Dir"), QString("C:\\q2"));
    QVERIFY(IniFile::writeValue(iniPath(), "GENERAL", "Q2Dir", "D:\\q2"));
    QCOMPARE(readBytes(iniPath()), QByteArray("[GENERAL]\r\nQ2Dir=D:\\q2\r\n"));
}

void TestIniFile::latin1Bytes()
{
    writeBytes(iniPath(), "[GENERAL]\r\nQ2Dir=C:\\Jeux\\Qu\xe9\r\n");
    QCOMPARE(IniFile::readValue(iniPath(), "GENERAL", "Q2Dir"),
             QString::fromLatin1("C:\\Jeux\\Qu\xe9"));
    QVERIFY(IniFile::writeValue(iniPath(), "GENERAL", "Q3Dir", QString::fromLatin1("\xff")));
    QCOMPARE(readBytes(iniPath()), QByteArray("[GENERAL]\r\nQ2Dir=C:\\Jeux\\Qu\xe9\r\nQ3Dir=\xff\r\n"));
}

void TestIniFile::invalidNamesAndValues_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::newRow("empty section") << "" << "Q2Dir" << "x";
    QTest::newRow("bracket in section") << "GEN]ERAL" << "Q2Dir" << "x";
    QTest::newRow("empty key") << "GENERAL" << " " << "x";
    QTest::newRow("equals in key") << "GENERAL" << "Q2=Dir" << "x";
    QTest::newRow("line break in value") << "GENERAL" << "Q2Dir" << "a\r\nb=c";
    QTest::newRow("beyond Latin-1") << "GENERAL" << "Q2Dir" << QString::fromUtf8("C:\\\u20ac");
}

void TestIniFile::invalidNamesAndValues()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    writeBytes(iniPath(), "[GENERAL]\r\nQ2Dir=kept\r\n");
    QString error;
    QVERIFY(!IniFile::writeValue(iniPath(), section, key, value, &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(readBytes(iniPath()), QByteArray("[GENERAL]\r\nQ2Dir=kept\r\n"));
}

void TestIniFile::writeFailureParentIsFile()
{
    // Running as root ignores permission bits, so make the folder impossible instead.
    const QString blocker = m_dir->filePath("not-a-folder");
    writeBytes(blocker, "x");
    const QString path = blocker + "/Tessel.ini";
    QString error;
    QVERIFY(!IniFile::writeValue(path, "GENERAL", "Q2Dir", Q2Default, &error));
    QVERIFY2(error.contains("not-a-folder"), qPrintable(error));
    QCOMPARE(readBytes(blocker), QByteArray("x"));
    QCOMPARE(IniFile::readValue(path, "GENERAL", "Q2Dir", Q2Default), Q2Default);
    QVERIFY(!IniFile::writeValue(path, "GENERAL", "Q2Dir", Q2Default)); // no error wanted
}

void TestIniFile::writeFailureFolderInTheWay()
{
    QVERIFY(QDir(m_dir->path()).mkdir("Tessel.ini"));
    QString error;
    QVERIFY(!IniFile::writeValue(iniPath(), "GENERAL", "Q2Dir", Q2Default, &error));
    QVERIFY2(error.contains("Tessel.ini"), qPrintable(error));
    QVERIFY(QFileInfo(iniPath()).isDir());
    QCOMPARE(IniFile::readValue(iniPath(), "GENERAL", "Q2Dir", Q2Default), Q2Default);
}

void TestIniFile::createsMissingFolders()
{
    const QString path = m_dir->filePath("a/b/Tessel.ini");
    QVERIFY(IniFile::writeValue(path, "GENERAL", "Q2Dir", "x"));
    QCOMPARE(IniFile::readValue(path, "GENERAL", "Q2Dir"), QString("x"));
}

void TestIniFile::settingsBesideWritableProgram()
{
    platform::setProgramFolder(m_dir->path());
    QCOMPARE(platform::settingsFilePath(), QDir(m_dir->path()).filePath("Tessel.ini"));
}

void TestIniFile::settingsFileAlreadyBesideProgram()
{
    platform::setProgramFolder(m_dir->path());
    writeBytes(iniPath(), "[GENERAL]\r\nQ2Dir=portable\r\n");
    QCOMPARE(platform::settingsFilePath(), iniPath());
    QCOMPARE(IniFile::readValue(platform::settingsFilePath(), "GENERAL", "Q2Dir"),
             QString("portable"));
}

void TestIniFile::settingsInConfigFolder()
{
    // A program folder that cannot hold the file (here: it does not exist).
    platform::setProgramFolder(m_dir->filePath("missing"));
    const QString configFolder =
        QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QVERIFY(!configFolder.isEmpty());
    const QString path = platform::settingsFilePath();
    QCOMPARE(path, configFolder + "/Tessel.ini");

    QDir(configFolder).removeRecursively();
    QVERIFY(IniFile::writeValue(path, "GENERAL", "Q3Dir", Q3Default));
    QCOMPARE(IniFile::readValue(platform::settingsFilePath(), "GENERAL", "Q3Dir"), Q3Default);
    QVERIFY(!QFile::exists(m_dir->filePath("missing")));
    QDir(configFolder).removeRecursively();
}

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
