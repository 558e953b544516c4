// Insert > Template and the OSP Template Type dialog beyond their text (which the golden files
// hold): where the text goes, the window growing, the internal-error path, captions an empty
// document does not take; and the headless generator's output file and refusals.
#include "EditorProbe.h"
#include "OutputProbe.h"
#include "TestFiles.h"
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

/** Clicks type @p type (-1: none, -2: leaves the one the dialog opens with) and OK. */
void pressOk(frmOSPType *dialog, int type = 0)
{
    if (type == -1)
        for (QRadioButton *button : dialog->findChildren<QRadioButton *>()) {
            button->setAutoExclusive(false);
            button->setChecked(false);
        }
    else if (type >= 0)
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
    void okWritesOverTheSelection_data();
    void okWritesOverTheSelection();
    void okWritesIntoTheDocumentActiveThen();
    void templateInAnEmptyDocumentWritesNothingFor_data();
    void templateInAnEmptyDocumentWritesNothingFor();
    void dataFileTemplateReplacesTheSelection();
    void generate_data();
    void generate();
};

void TestTemplates::okWritesOverTheSelection_data()
{
    QTest::addColumn<int>("type"); // as pressOk() takes it
    QTest::addColumn<int>("state"); // of the document's window
    QTest::addColumn<QString>("text"); // [ ] around the selection
    QTest::addColumn<QString>("written"); // a golden server type, or the first lines of one
    QTest::addColumn<QSize>("growth");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("OK at once: 1v1") << -2 << int(Qt::WindowNoState) << "[]" << "1v1" << kGrowth << QStringList();
    QTest::newRow("over the selection") << 2 << int(Qt::WindowNoState) << "keep [REPLACE ME]\r\ntail" << "ctf"
                                        << kGrowth << QStringList();
    // The header alone, the same seven lines every type starts with.
    QTest::newRow("no type: internal error") << -1 << int(Qt::WindowNoState) << "[]" << "1v1:7" << kGrowth
                                             << QStringList{"Internal Error"};
    QTest::newRow("maximised") << 0 << int(Qt::WindowMaximized) << "[]" << "1v1" << QSize(0, 0) << QStringList();
    QTest::newRow("minimised") << 0 << int(Qt::WindowMinimized) << "[]" << "1v1" << QSize(0, 0) << QStringList();
}

void TestTemplates::okWritesOverTheSelection()
{
    QFETCH(int, type);
    QFETCH(int, state);
    QFETCH(QString, text);
    QFETCH(QString, written);
    QFETCH(QSize, growth);
    QFETCH(QStringList, messages);
    FrameFixture f;
    frmChild *child = ospServerDocument(f);
    platform::RichEdit *editor = child->editor();
    const int start = int(text.indexOf('['));
    editor->setSelText(QString(text).remove('[').remove(']'));
    editor->Select(start, int(text.indexOf(']')) - start - 1);
    windowOf(child)->setWindowState(Qt::WindowState(state));
    FrameFixture::settle();
    const QSize before = windowOf(child)->size();
    QPointer<frmOSPType> dialog = openDialog(f);
    QCOMPARE(dialog->focusWidget(), dialog->optOSPType(0));
    pressOk(dialog, type);
    QVERIFY(!dialog);
    const QString server = QString::fromLatin1(probe::goldenBytes("osp/server-" + written.section(':', 0, 0) + ".cfg"));
    const QString inserted = written.contains(':') ? server.section("\r\n", 0, 6) + "\r\n" : server;
    QCOMPARE(editor->Text(), text.section('[', 0, 0) + inserted + text.section(']', 1));
    QCOMPARE(editor->SelStart(), start + inserted.size());
    QCOMPARE(editor->SelLength(), 0);
    QVERIFY(editor->SelStart() == editor->TextLength() || looksLike(editor, editor->SelStart(), 6, probe::kBlack, false));
    QCOMPARE(windowOf(child)->size(), before + growth);
    QCOMPARE(int(windowOf(child)->windowState()), state);
    QCOMPARE(f.dialogs.messageTexts(), messages);
    for (const RecordingDialogs::Message &message : f.dialogs.messages)
        QCOMPARE(message.title, QStringLiteral("Tessel"));
}

// Into the document active when OK is pressed, if any.
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
    // With no document left, OK writes nothing and closes.
    QPointer<frmOSPType> last = openDialog(f);
    opener->closeWithoutQuestion();
    other->closeWithoutQuestion();
    FrameFixture::settle();
    pressOk(last);
    QVERIFY(!last && f.dialogs.messages.isEmpty() && f.frame->documentWindows().isEmpty());
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

// Each run starts in a folder of its own holding an old maplist.txt and a folder "taken".
void TestTemplates::generate_data()
{
    const QStringList templates{"server", "maplist", "custommod", "playerfilter"};
    const QStringList types{"1v1", "ClanArena", "CTF", "Free for All", "Instagib", "Team"};
    QTest::addColumn<QStringList>("arguments"); // %1: the folder
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("mentions"); // on the error output
    // A relative name is taken from the working folder; an old file is replaced whole.
    QTest::newRow("to a file") << QStringList{"--generate", "maplist", "-o", "maplist.txt"} << 0 << QStringList();
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

void TestTemplates::generate()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QStringList, mentions);
    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("taken")));
    const QString old = writeTestFile(folder.filePath(QStringLiteral("maplist.txt")), QByteArray(20000, 'x'));
    arguments.replaceInStrings("%1", folder.path());
    const probe::Run run = probe::runHeadless(arguments, folder.path());
    QCOMPARE(run.exitStatus, QProcess::NormalExit);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY(run.out.isEmpty());
    QCOMPARE(run.error.isEmpty(), mentions.isEmpty());
    for (const QString &text : mentions)
        QVERIFY2(run.error.contains(QString(text).replace("%1", folder.path())), qPrintable(run.error));
    // Nothing else is left behind, and a failure leaves the old file alone.
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"maplist.txt"});
    QCOMPARE(readTestFile(old), exitCode ? QByteArray(20000, 'x') : probe::goldenBytes("osp/maplist.txt"));
}

QTEST_MAIN(TestTemplates)
#include "tst_templates.moc"
