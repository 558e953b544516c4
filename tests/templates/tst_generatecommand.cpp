// tessel --generate run as a real process without a display: its output against what the
// dialog and the Template item write into an empty document, the -o file, and the refusals.
#include "FrameFixture.h"
#include "generators/frmOSPType.h"
#include "mods/TemplateCommands.h"

#include <QFileInfo>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using document::frmChild;

namespace {

struct Run {
    int exitCode = -1;
    QProcess::ExitStatus exitStatus = QProcess::CrashExit;
    QByteArray out;
    QString error;
};

QString program()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/tessel");
}

// The program next to this test, with no way to reach a display.
Run runHeadless(const QStringList &arguments, const QString &workingFolder = QString())
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(QLatin1String(name));
    process.setProcessEnvironment(environment);
    if (!workingFolder.isEmpty())
        process.setWorkingDirectory(workingFolder);
    process.start(program(), arguments);
    if (!process.waitForFinished(20000))
        process.kill();
    return {process.exitCode(), process.exitStatus(), process.readAllStandardOutput(),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

frmChild *emptyDocument(FrameFixture &f, const QString &modName, std::int16_t game, int modNumber)
{
    document::Documents &documents = f.frame->documents();
    documents.CurrentGame = game;
    frmChild *child = documents.NewDocument(QStringLiteral("Doc"), modNumber);
    documents.host()->applyModMenus(child, modName);
    return child;
}

/** What OK in the OSP Template Type dialog writes into an empty document, as bytes. */
QByteArray dialogBytes(int typeIndex)
{
    FrameFixture f;
    frmChild *child = emptyDocument(f, QStringLiteral("OSP Server"), 1, 15);
    mods::InsertTemplate(child, QStringLiteral("OSP Server"), &f.frame->documents());
    generators::frmOSPType *dialog = nullptr;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *found = qobject_cast<generators::frmOSPType *>(widget);
            found && found->isVisible())
            dialog = found;
    if (!dialog)
        return "<no dialog>";
    dialog->optOSPType(typeIndex)->click();
    QTest::mouseClick(dialog->cmdOK(), Qt::LeftButton);
    return child->editor()->Text().toLatin1();
}

/** What the data-file template of @p modName writes into an empty document, as bytes. */
QByteArray templateBytes(const QString &modName)
{
    FrameFixture f;
    frmChild *child = emptyDocument(f, modName, -2, 153);
    mods::InsertTemplate(child, modName, &f.frame->documents());
    return child->editor()->Text().toLatin1();
}

bool onlyCrLfLineEnds(const QByteArray &bytes)
{
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r'))
            return false;
        if (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n'))
            return false;
    }
    return bytes.endsWith("\r\n");
}

const QStringList kTypes{"1v1", "ClanArena", "CTF", "Free for All", "Instagib", "Team"};
const QStringList kTemplates{"server", "maplist", "custommod", "playerfilter"};

} // namespace

class TestGenerateCommand : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void serverIsWhatTheDialogWrites_data();
    void serverIsWhatTheDialogWrites();
    void dataFileTemplateIsWhatTheTemplateItemWrites_data();
    void dataFileTemplateIsWhatTheTemplateItemWrites();
    void namesIgnoreCaseAndBlanks_data();
    void namesIgnoreCaseAndBlanks();
    void outputFile();
    void outputFileReplacesAnOldOne();
    void unwritableOutputFails_data();
    void unwritableOutputFails();
    void refusals_data();
    void refusals();
    void helpNamesTemplatesAndTypes();

private:
    QList<QByteArray> m_dialog; // what the dialog writes, by type index
};

void TestGenerateCommand::initTestCase()
{
    QVERIFY2(QFileInfo(program()).isExecutable(), qPrintable(program()));
    for (int index = 0; index < int(kTypes.size()); ++index)
        m_dialog << dialogBytes(index);
}

void TestGenerateCommand::serverIsWhatTheDialogWrites_data()
{
    QTest::addColumn<int>("index");
    for (int index = 0; index < int(kTypes.size()); ++index)
        QTest::newRow(qPrintable(kTypes[index])) << index;
}

void TestGenerateCommand::serverIsWhatTheDialogWrites()
{
    QFETCH(int, index);
    const Run run = runHeadless({"--generate", "server", "--type", kTypes[index]});
    QCOMPARE(run.exitStatus, QProcess::NormalExit);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.error, QString());
    QVERIFY(onlyCrLfLineEnds(run.out));
    QCOMPARE(run.out, m_dialog[index]);
}

void TestGenerateCommand::dataFileTemplateIsWhatTheTemplateItemWrites_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("modName");
    QTest::newRow("maplist") << "maplist" << "OSP Server Map List";
    QTest::newRow("custommod") << "custommod" << "OSP Server Custom Mod";
    QTest::newRow("playerfilter") << "playerfilter" << "OSP Server Player Filter";
}

void TestGenerateCommand::dataFileTemplateIsWhatTheTemplateItemWrites()
{
    QFETCH(QString, name);
    QFETCH(QString, modName);
    const Run run = runHeadless({"--generate", name});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.error, QString());
    QVERIFY(onlyCrLfLineEnds(run.out));
    QCOMPARE(run.out, templateBytes(modName));
}

void TestGenerateCommand::namesIgnoreCaseAndBlanks_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("upper template, lower type")
        << QStringList{"--generate", "SERVER", "--type", "ctf"} << m_dialog[2];
    QTest::newRow("type first") << QStringList{"--type", "CtF", "--generate", "Server"}
                                << m_dialog[2];
    QTest::newRow("free for all") << QStringList{"--generate", "server", "--type", "FREE FOR ALL"}
                                  << m_dialog[3];
    QTest::newRow("blanks around the type")
        << QStringList{"--generate", "server", "--type", " Team "} << m_dialog[5];
    QTest::newRow("data file") << QStringList{"--generate", "CustomMod"}
                               << templateBytes(QStringLiteral("OSP Server Custom Mod"));
}

void TestGenerateCommand::namesIgnoreCaseAndBlanks()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, expected);
    const Run run = runHeadless(arguments);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, expected);
}

void TestGenerateCommand::outputFile()
{
    QTemporaryDir folder;
    // A relative name is taken from the working folder.
    const Run run =
        runHeadless({"--generate", "server", "--type", "CTF", "-o", "ctf.cfg"}, folder.path());
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.error, QString());
    QVERIFY(run.out.isEmpty());
    QFile file(folder.filePath(QStringLiteral("ctf.cfg")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), m_dialog[2]);
}
void TestGenerateCommand::outputFileReplacesAnOldOne()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("maplist.txt"));
    {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(20000, 'x'));
    }
    const Run run = runHeadless({"--generate", "maplist", "-o", path});
    QCOMPARE(run.exitCode, 0);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), templateBytes(QStringLiteral("OSP Server Map List")));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"maplist.txt"});
}

void TestGenerateCommand::unwritableOutputFails_data()
{
    QTest::addColumn<QString>("target"); // below the temporary folder
    QTest::newRow("missing folder") << "no/such/folder/out.cfg";
    QTest::newRow("a folder") << "taken";
}

void TestGenerateCommand::unwritableOutputFails()
{
    QFETCH(QString, target);
    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("taken")));
    const QString path = folder.filePath(target);
    const Run run = runHeadless({"--generate", "custommod", "-o", path});
    QCOMPARE(run.exitStatus, QProcess::NormalExit);
    QCOMPARE(run.exitCode, 1);
    QVERIFY(run.out.isEmpty());
    QVERIFY2(run.error.startsWith(QLatin1String("tessel: ")), qPrintable(run.error));
    QVERIFY2(run.error.contains(path), qPrintable(run.error));
    QVERIFY(!QFileInfo(path).isFile());
    // Nothing is left behind in the folder.
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

void TestGenerateCommand::refusals_data()
{
    // Arguments the command line itself refuses are tst_commandline's.
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("mentions");
    QTest::addColumn<QStringList>("lists");
    QTest::newRow("unknown template") << QStringList{"--generate", "motd"} << "motd" << kTemplates;
    QTest::newRow("a type is no template")
        << QStringList{"--generate", "CTF"} << "CTF" << kTemplates;
    QTest::newRow("unknown type") << QStringList{"--generate", "server", "--type", "Duel"} << "Duel"
                                  << kTypes;
    QTest::newRow("type near a name")
        << QStringList{"--generate", "server", "--type", "FreeForAll"} << "FreeForAll" << kTypes;
    QTest::newRow("missing type") << QStringList{"--generate", "server"} << "type" << kTypes;
    QTest::newRow("blank type") << QStringList{"--generate", "server", "--type", "  "} << "type"
                                << kTypes;
    QTest::newRow("type for a data file")
        << QStringList{"--generate", "maplist", "--type", "CTF"} << "CTF" << QStringList{};
}

void TestGenerateCommand::refusals()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, mentions);
    QFETCH(QStringList, lists);
    QTemporaryDir folder;
    const Run run = runHeadless(arguments, folder.path());
    QCOMPARE(run.exitStatus, QProcess::NormalExit);
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.out.isEmpty());
    QVERIFY2(run.error.contains(mentions), qPrintable(run.error));
    for (const QString &name : lists)
        QVERIFY2(run.error.contains(name), qPrintable(run.error));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

void TestGenerateCommand::helpNamesTemplatesAndTypes()
{
    const Run run = runHeadless({"--help"});
    QCOMPARE(run.exitCode, 0);
    const QString help = QString::fromLocal8Bit(run.out);
    for (const QString &name : kTemplates + kTypes)
        QVERIFY2(help.contains(name), qPrintable(name));
}

QTEST_MAIN(TestGenerateCommand)
#include "tst_generatecommand.moc"
