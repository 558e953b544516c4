// The settings file: single values read and written in place, raw backslashes, failed
// writes that leave everything as it was, and where the file lives.
#include "platform/AppPaths.h"
#include "platform/IniFile.h"

#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using platform::IniFile;

namespace {

const QString Q2Default = QStringLiteral("C:\\Program Files\\Quake 2\\");

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

    void missingFileGivesTheDefault();
    void writeThenRead_data();
    void writeThenRead();
    void update_data();
    void update();
    void invalidNamesAndValues_data();
    void invalidNamesAndValues();
    void failedWriteChangesNothing();
    void settingsFileLocation();

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

void TestIniFile::missingFileGivesTheDefault()
{
    QCOMPARE(IniFile::readValue(iniPath(), "GENERAL", "Q2Dir", Q2Default), Q2Default);
    QVERIFY(!IniFile::rawValue(iniPath(), "GENERAL", "Q2Dir").has_value());
    QVERIFY(!QFile::exists(iniPath()));

    // A key that is there but empty is no missing key.
    writeBytes(iniPath(), "[GENERAL]\r\nQ2Dir=\r\nQ3Dir=   \r\n");
    QCOMPARE(IniFile::readValue(iniPath(), "GENERAL", "Q2Dir", Q2Default), QString());
    QCOMPARE(IniFile::rawValue(iniPath(), "GENERAL", "Q3Dir"), std::optional<QString>(""));
}

void TestIniFile::writeThenRead_data()
{
    QTest::addColumn<QString>("value");
    QTest::newRow("trailing backslash") << Q2Default;
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
    QCOMPARE(IniFile::readValue(iniPath(), "GENERAL", "Q2Dir", "unused"), value);
    // Writing it a second time changes nothing.
    const QByteArray before = readBytes(iniPath());
    QVERIFY(IniFile::writeValue(iniPath(), "GENERAL", "Q2Dir", value));
    QCOMPARE(readBytes(iniPath()), before);
}

void TestIniFile::update_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("read"); // before the write; "<missing>" when not there
    QTest::addColumn<QByteArray>("after");

    const QByteArray around = "; Tessel\r\n[Window]\r\nQ2Dir=other\r\n\r\n[GENERAL]\r\n# f\r\n";
    const QByteArray after = "Other = kept \\as\\ is\r\n\r\n[Extra]\r\nKey=1\r\n";
    QTest::newRow("every other line kept")
        << around + "Q2Dir=old\r\n" + after << "GENERAL" << "Q2Dir" << "old"
        << around + "Q2Dir=new\\\r\n" + after;
    QTest::newRow("new key at the end of its section")
        << QByteArray("[GENERAL]\r\nQ3Dir=x\r\n; end\r\n\r\n[Extra]\r\nKey=1\r\n") << "GENERAL"
        << "Q2Dir" << "<missing>"
        << QByteArray("[GENERAL]\r\nQ3Dir=x\r\n; end\r\nQ2Dir=new\\\r\n\r\n[Extra]\r\nKey=1\r\n");
    QTest::newRow("new section appended")
        << QByteArray("[Extra]\r\nKey=1") << "GENERAL" << "Q2Dir" << "<missing>"
        << QByteArray("[Extra]\r\nKey=1\r\n\r\n[GENERAL]\r\nQ2Dir=new\\\r\n");
    QTest::newRow("any letter case, the file's spelling kept")
        << QByteArray("[General]\r\nq2dir=C:\\q2\\\r\n") << "GeNeRaL" << "Q2DIR" << "C:\\q2\\"
        << QByteArray("[General]\r\nq2dir=new\\\r\n");
    QTest::newRow("LF and blanks around names and values")
        << QByteArray("[ GENERAL ]\n  Q2Dir =  C:\\q2\\ \t\nQ3Dir=C:\\q3\\") << "GENERAL" << "Q3Dir"
        << "C:\\q3\\" << QByteArray("[ GENERAL ]\r\n  Q2Dir =  C:\\q2\\ \t\r\nQ3Dir=new\\\r\n");
    QTest::newRow("first section and key win")
        << QByteArray("[GENERAL]\r\nQ2Dir=first\r\nQ2Dir=second\r\n[GENERAL]\r\nQ2Dir=third\r\n")
        << "GENERAL" << "Q2Dir" << "first"
        << QByteArray("[GENERAL]\r\nQ2Dir=new\\\r\nQ2Dir=second\r\n[GENERAL]\r\nQ2Dir=third\r\n");
    QTest::newRow("byte order mark")
        << QByteArray("\xEF\xBB\xBF[GENERAL]\r\nQ2Dir=C:\\q2\r\n") << "GENERAL" << "Q2Dir"
        << "C:\\q2" << QByteArray("[GENERAL]\r\nQ2Dir=new\\\r\n");
    QTest::newRow("Latin-1 bytes")
        << QByteArray("[GENERAL]\r\nQ2Dir=Qu\xe9\r\n") << "GENERAL" << "Q3Dir" << "<missing>"
        << QByteArray("[GENERAL]\r\nQ2Dir=Qu\xe9\r\nQ3Dir=new\\\r\n");
}

void TestIniFile::update()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, read);
    QFETCH(QByteArray, after);

    writeBytes(iniPath(), before);
    QCOMPARE(IniFile::rawValue(iniPath(), section, key).value_or("<missing>"), read);
    QVERIFY(IniFile::writeValue(iniPath(), section, key, "new\\"));
    QCOMPARE(readBytes(iniPath()), after);
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

void TestIniFile::failedWriteChangesNothing()
{
    // Running as root ignores permission bits, so make the place impossible instead: a file
    // where the folder should be, and a folder where the file should be.
    writeBytes(m_dir->filePath("not-a-folder"), "x");
    QVERIFY(QDir(m_dir->path()).mkdir("Tessel.ini"));
    const struct {
        QString path;
        QString mentioned;
    } blocked[] = {{m_dir->filePath("not-a-folder/Tessel.ini"), "not-a-folder"},
                   {iniPath(), "Tessel.ini"}};
    for (const auto &[path, mentioned] : blocked) {
        QString error;
        QVERIFY(!IniFile::writeValue(path, "GENERAL", "Q2Dir", Q2Default, &error));
        QVERIFY2(error.contains(mentioned), qPrintable(error));
        QCOMPARE(IniFile::readValue(path, "GENERAL", "Q2Dir", Q2Default), Q2Default);
        QVERIFY(!IniFile::writeValue(path, "GENERAL", "Q2Dir", Q2Default)); // no error wanted
    }
    QCOMPARE(readBytes(m_dir->filePath("not-a-folder")), QByteArray("x"));
    QVERIFY(QFileInfo(iniPath()).isDir());
}

void TestIniFile::settingsFileLocation()
{
    // Beside a program in a writable folder: a portable copy.
    platform::setProgramFolder(m_dir->path());
    QCOMPARE(platform::settingsFilePath(), iniPath());

    // Otherwise (here: the folder does not exist) in the user's configuration folder, which
    // the first write creates.
    platform::setProgramFolder(m_dir->filePath("missing"));
    const QString configFolder =
        QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QVERIFY(!configFolder.isEmpty());
    QCOMPARE(platform::settingsFilePath(), configFolder + "/Tessel.ini");
    QDir(configFolder).removeRecursively();
    QVERIFY(IniFile::writeValue(platform::settingsFilePath(), "GENERAL", "Q3Dir", "x"));
    QCOMPARE(IniFile::readValue(configFolder + "/Tessel.ini", "GENERAL", "Q3Dir"), QString("x"));
    QVERIFY(!QFile::exists(m_dir->filePath("missing")));
    QDir(configFolder).removeRecursively();
}

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
