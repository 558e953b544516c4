// Insert > Template and the OSP Template Type dialog beyond their text (which the golden files
// hold): where the text goes, the window growing, the internal-error path, captions an empty
// document does not take; and the headless generator's output file and refusals.
#include "EditorProbe.h"
#include "OutputProbe.h"
#include "generators/frmOSPType.h"
#include "mods/TemplateCommands.h"

#include <QDir>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

using document::frmChild;
using generators::frmOSPType;

namespace {

QMdiSubWindow *windowOf(frmChild *child) { return qobject_cast<QMdiSubWindow *>(child->parentWidget()); }

frmChild *ospServerDocument(FrameFixture &f)
{
    return f.newDocument(mods::GameList::Quake3, QStringLiteral("OSP Server"));
}

frmOSPType *openDialog(FrameFixture &f) { return generators::showOspTypeDialog(&f.frame->documents()); }

void pressOk(frmOSPType *dialog, int type = 0)
{
    dialog->optOSPType(type)->click();
    QTest::mouseClick(dialog->cmdOK(), Qt::LeftButton);
    FrameFixture::settle();
}

QString serverText(int type)
{
    const QStringList names{"1v1", "clanarena", "ctf", "free-for-all", "instagib", "team"};
    return QString::fromLatin1(probe::goldenBytes("osp/server-" + names[type] + ".cfg"));
}

const QSize kGrowth(113, 100); // 1700 x 1500 twips

} // namespace

class TestTemplates : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { probe::closeToolWindows(); }
    void okAtOnceWritesOneVsOneAndGrowsTheWindow();
    void okWritesOverTheSelection();
    void noTypeSelectedGivesInternalError();
    void okKeepsAMaximisedOrMinimisedWindow();
    void okWritesIntoTheDocumentActiveThen();
    void okWithoutADocumentWritesNothing();
    void templateInAnEmptyDocumentWritesNothingFor_data();
    void templateInAnEmptyDocumentWritesNothingFor();
    void dataFileTemplateReplacesTheSelection();
    void generateToAFile();
    void generateFailures_data();
    void generateFailures();
};

void TestTemplates::okAtOnceWritesOneVsOneAndGrowsTheWindow()
{
    FrameFixture f;
    frmChild *child = ospServerDocument(f);
    const QSize before = windowOf(child)->size();
    QPointer<frmOSPType> dialog = openDialog(f);
    QVERIFY(dialog->optOSPType(0)->isChecked());
    QCOMPARE(dialog->focusWidget(), dialog->optOSPType(0));
    QTest::mouseClick(dialog->cmdOK(), Qt::LeftButton);
    FrameFixture::settle();
    QVERIFY(!dialog);
    QCOMPARE(child->editor()->Text(), serverText(0));
    QCOMPARE(child->editor()->SelStart(), child->editor()->TextLength());
    QCOMPARE(windowOf(child)->size(), before + kGrowth);
    QVERIFY(f.dialogs.messages.isEmpty());
}

void TestTemplates::okWritesOverTheSelection()
{
    FrameFixture f;
    frmChild *child = ospServerDocument(f);
    platform::RichEdit *editor = child->editor();
    editor->setSelText(QStringLiteral("keep REPLACE ME\r\ntail"));
    editor->Select(5, 10);
    pressOk(openDialog(f), 2);
    QCOMPARE(editor->Text(), "keep " + serverText(2) + "\r\ntail");
    QCOMPARE(editor->SelStart(), 5 + serverText(2).size());
    QCOMPARE(editor->SelLength(), 0);
    QVERIFY(looksLike(editor, editor->SelStart(), 6, probe::kBlack, false));
}

void TestTemplates::noTypeSelectedGivesInternalError()
{
    FrameFixture f;
    frmChild *child = ospServerDocument(f);
    const QSize before = windowOf(child)->size();
    frmOSPType *dialog = openDialog(f);
    for (QRadioButton *button : dialog->findChildren<QRadioButton *>()) {
        button->setAutoExclusive(false);
        button->setChecked(false);
    }
    QTest::mouseClick(dialog->cmdOK(), Qt::LeftButton);
    FrameFixture::settle();
    // The header alone, the same seven lines every type starts with.
    QCOMPARE(child->editor()->Text(), serverText(0).split("\r\n").mid(0, 7).join("\r\n") + "\r\n");
    QCOMPARE(f.dialogs.messageTexts(), QStringList{"Internal Error"});
    QCOMPARE(f.dialogs.messages[0].title, QStringLiteral("Tessel"));
    QCOMPARE(windowOf(child)->size(), before + kGrowth);
}

void TestTemplates::okKeepsAMaximisedOrMinimisedWindow()
{
    FrameFixture f;
    for (bool maximised : {true, false}) {
        QMdiSubWindow *window = windowOf(ospServerDocument(f));
        maximised ? window->showMaximized() : window->showMinimized();
        FrameFixture::settle();
        const QSize before = window->size();
        pressOk(openDialog(f));
        QCOMPARE(window->size(), before);
        QCOMPARE(window->isMaximized(), maximised);
    }
}

void TestTemplates::okWritesIntoTheDocumentActiveThen()
{
    FrameFixture f;
    frmChild *opener = ospServerDocument(f);
    frmOSPType *dialog = openDialog(f);
    frmChild *other = ospServerDocument(f);
    const QSize openerSize = windowOf(opener)->size();
    pressOk(dialog, 5);
    QCOMPARE(other->editor()->Text(), serverText(5));
    QCOMPARE(opener->editor()->TextLength(), 0);
    QCOMPARE(windowOf(opener)->size(), openerSize);
    dialog = openDialog(f);
    f.frame->activateDocument(opener);
    pressOk(dialog, 4);
    QCOMPARE(opener->editor()->Text(), serverText(4));
    QCOMPARE(other->editor()->Text(), serverText(5));
}

void TestTemplates::okWithoutADocumentWritesNothing()
{
    FrameFixture f;
    frmChild *child = ospServerDocument(f);
    QPointer<frmOSPType> dialog = openDialog(f);
    child->closeWithoutQuestion();
    FrameFixture::settle();
    pressOk(dialog);
    QVERIFY(!dialog);
    QVERIFY(f.dialogs.messages.isEmpty());
    QVERIFY(f.frame->documentWindows().isEmpty());
}

void TestTemplates::templateInAnEmptyDocumentWritesNothingFor_data()
{
    QTest::addColumn<QString>("caption");
    QTest::newRow("taken only with text") << "Free for All Template";
    QTest::newRow("unknown") << "Urban Terror Template";
    QTest::newRow("case differs") << "osp map list template";
}

void TestTemplates::templateInAnEmptyDocumentWritesNothingFor()
{
    QFETCH(QString, caption);
    FrameFixture f;
    frmChild *child = f.newDocument(mods::GameList::Quake3, QStringLiteral("Free for All"));
    const QSize before = windowOf(child)->size();
    child->menuItem(QStringLiteral("mnuInsertTemplate"))->setText(caption);
    child->menuItem(QStringLiteral("mnuInsertTemplate"))->setEnabled(true);
    f.trigger(child, "mnuInsertTemplate");
    QCOMPARE(child->editor()->TextLength(), 0);
    QCOMPARE(f.frame->documentWindows().size(), 1);
    QCOMPARE(windowOf(child)->size(), before);
}

void TestTemplates::dataFileTemplateReplacesTheSelection()
{
    FrameFixture f;
    frmChild *child = f.newDocument(mods::GameList::Quake3, QStringLiteral("    -Player Filter File"));
    child->editor()->setSelText(QStringLiteral("head OLD tail"));
    child->editor()->Select(5, 3);
    mods::InsertTemplate(child, QStringLiteral("OSP Server Player Filter"), &f.frame->documents());
    const QString inserted = QString::fromLatin1(probe::goldenBytes("osp/playerfilter.txt"));
    QCOMPARE(child->editor()->Text(), "head " + inserted + " tail");
    QCOMPARE(child->editor()->SelStart(), 5 + inserted.size());
}

void TestTemplates::generateToAFile()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("maplist.txt"));
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write(QByteArray(20000, 'x')) == 20000);
    old.close();
    // A relative name is taken from the working folder; an old file is replaced whole.
    const probe::Run run = probe::runHeadless({"--generate", "maplist", "-o", "maplist.txt"}, folder.path());
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.error, QString());
    QVERIFY(run.out.isEmpty());
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), probe::goldenBytes("osp/maplist.txt"));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"maplist.txt"});
}

void TestTemplates::generateFailures_data()
{
    const QStringList templates{"server", "maplist", "custommod", "playerfilter"};
    const QStringList types{"1v1", "ClanArena", "CTF", "Free for All", "Instagib", "Team"};
    QTest::addColumn<QStringList>("arguments"); // %1: a folder of the test's own
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("mentions");
    QTest::newRow("missing folder") << QStringList{"--generate", "custommod", "-o", "%1/no/such/out.cfg"} << 1
                                    << QStringList{"tessel: ", "%1/no/such/out.cfg"};
    QTest::newRow("a folder") << QStringList{"--generate", "custommod", "-o", "%1/taken"} << 1 << QStringList{"%1/taken"};
    QTest::newRow("unknown template") << QStringList{"--generate", "motd"} << 2 << QStringList{"motd"} + templates;
    QTest::newRow("a type is no template") << QStringList{"--generate", "CTF"} << 2 << QStringList{"CTF"} + templates;
    QTest::newRow("unknown type") << QStringList{"--generate", "server", "--type", "Duel"} << 2
                                  << QStringList{"Duel"} + types;
    QTest::newRow("type near a name") << QStringList{"--generate", "server", "--type", "FreeForAll"} << 2
                                      << QStringList{"FreeForAll"} + types;
    QTest::newRow("missing type") << QStringList{"--generate", "server"} << 2 << QStringList{"type"} + types;
    QTest::newRow("blank type") << QStringList{"--generate", "server", "--type", "  "} << 2
                                << QStringList{"type"} + types;
    QTest::newRow("type for a data file") << QStringList{"--generate", "maplist", "--type", "CTF"} << 2
                                          << QStringList{"CTF"};
}

void TestTemplates::generateFailures()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QStringList, mentions);
    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("taken")));
    arguments.replaceInStrings("%1", folder.path());
    const probe::Run run = probe::runHeadless(arguments, folder.path());
    QCOMPARE(run.exitStatus, QProcess::NormalExit);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY(run.out.isEmpty());
    for (const QString &text : mentions)
        QVERIFY2(run.error.contains(QString(text).replace("%1", folder.path())), qPrintable(run.error));
    // Nothing is left behind.
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

QTEST_MAIN(TestTemplates)
#include "tst_templates.moc"
