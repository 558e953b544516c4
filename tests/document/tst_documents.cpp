// The life of a document: new, open (with its colouring and progress window), save, save as,
// close and exit; the About box.
#include "FrameFixture.h"
#include "document/ConfigFile.h"

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QToolBar>
#include <QtTest>

using document::frmChild;
using platform::Answer;

class TestDocuments : public QObject {
    Q_OBJECT
private slots:
    void openReusesOnlyAnUntouchedNewDocument()
    {
        FrameFixture f;
        const QString a = f.writeFile("a.cfg", "bind x +attack\r\n");
        const QString name =
            f.writeFile(QStringLiteral("my \"best\" cfg \u00e9\u4e2d.txt"), "b\r\n");
        // Enter goes down in the Select Mod dialog, which closes; it comes up in the new document.
        f.frame->newDocumentCommand();
        QDialog *dialog = FrameFixture::selectModDialog();
        dialog->findChild<QCheckBox *>(QStringLiteral("chkBlank"))->setChecked(true);
        QTest::keyPress(dialog, Qt::Key_Return);
        f.settle();
        frmChild *fresh = f.active();
        QTest::keyRelease(fresh->editor(), Qt::Key_Return);
        f.frame->openCommand(); // cancelled
        f.dialogs.openAnswers.enqueue({a});
        f.frame->openCommand();
        QCOMPARE(f.frame->documentWindows(), QList<frmChild *>{fresh});
        QCOMPARE(fresh->Caption(), a);
        QCOMPARE(fresh->editor()->Text(), QStringLiteral("bind x +attack\r\n"));
        QVERIFY(!f.slotOf(fresh).Dirty);
        QVERIFY(f.dialogs.openFilters.first().startsWith(QLatin1String("Quake Configs (*.cfg)")));

        f.type(f.newDocument(), QStringLiteral("x"));
        f.dialogs.openAnswers.enqueue({a, name});
        f.frame->openCommand();
        QCOMPARE(f.captions(), (QStringList{a, "Config2", a, name}));
        QCOMPARE(f.active()->Caption(), name);
        QVERIFY(f.dialogs.messages.isEmpty());
    }

    void openColoursEveryFileAndShowsProgress()
    {
        FrameFixture f;
        QByteArray many;
        for (int i = 0; i < 300; ++i)
            many += "// player\r\nx set a" + QByteArray::number(i) + " 1\r\n";
        const QString a = f.writeFile("a.cfg", "bind x +attack\r\n");
        const QString b =
            f.writeFile("b.cfg", "unbind y\r\nbind y +jump\r\n" + many + "x seta name p\r\n");
        f.dialogs.openAnswers.enqueue({a, b});
        f.frame->openCommand();
        QCOMPARE(colourRuns(f.frame->documentWindows().first()->editor()),
                 QStringLiteral("[#0000ff b]bind[#000000] x +attack\r\n"));
        platform::RichEdit *editor = f.active()->editor();
        QVERIFY(colourRuns(editor).startsWith("[#000000]unbind y\r\n[#0000ff b]bind[#000000] y "
                                              "+jump\r\n// player\r\nx [#ff0000 b]set"));
        QVERIFY(colourRuns(editor).endsWith("x [#ff0000 b]seta[#000000] name p\r\n"));
        QVERIFY(!f.slotOf(f.active()).Dirty);
        QCOMPARE(editor->SelStart(), 0);

        QWidget *progress = openWindow("frmProgress");
        QVERIFY(progress);
        QCOMPARE(progress->windowTitle(), QStringLiteral("Formatting Complete"));
        QVERIFY(progress->windowFlags() & Qt::WindowStaysOnTopHint);
        auto *bar = progress->findChild<QProgressBar *>(QStringLiteral("pbr1"));
        QCOMPARE(bar->value(), bar->maximum());
        progress->findChild<QPushButton *>(QStringLiteral("cmdOK"))->click();
        f.settle();
        QVERIFY(!openWindow("frmProgress"));
    }

    void failedOrCancelledSaveKeepsFileAndDocument()
    {
        FrameFixture f;
        const QString existing = f.writeFile("existing.cfg", "keep me\r\n");
        f.frame->documents().OpenFileList({existing});
        frmChild *child = f.active();
        f.type(child, QStringLiteral("new "));
        f.dialogs.saveAnswers.enqueue(existing);
        f.dialogs.answers.enqueue(Answer::Cancel);
        QVERIFY(!f.frame->documents().SaveDocumentAs(child->Tag()));
        const RecordingDialogs::Message question = f.dialogs.messages.takeFirst();
        QCOMPARE(question.text, QStringLiteral("Overwrite?"));
        QCOMPARE(question.buttons, platform::Buttons::OkCancel);
        QCOMPARE(question.icon, platform::Icon::Question);
        QVERIFY(QDir(f.folder.path()).mkdir(QStringLiteral("taken")));
        const QString folder = f.folder.filePath(QStringLiteral("taken"));
        f.dialogs.saveAnswers.enqueue(folder); // asked for a name, or saving where a folder now is
        QVERIFY(!f.frame->documents().SaveDocumentAs(child->Tag()));
        QVERIFY(!f.frame->documents().SaveDocument(child->Tag(), folder));
        QVERIFY(
            !f.frame->documents().SaveDocument(child->Tag(), f.folder.filePath("no/such/x.cfg")));
        QCOMPARE(f.dialogs.messages.size(), 3);
        for (const RecordingDialogs::Message &message : f.dialogs.messages.mid(0, 2)) {
            QVERIFY(message.text.startsWith("Can't save file: " + folder));
            QVERIFY(message.text.endsWith(QStringLiteral("It is a folder, not a file.")));
            QCOMPARE(message.icon, platform::Icon::Exclamation);
        }
        QCOMPARE(f.readFile(existing), QByteArray("keep me\r\n"));
        QCOMPARE(child->Caption(), existing);
        QVERIFY(f.slotOf(child).Dirty);
        // Characters the file cannot hold: asked first, and Cancel writes nothing.
        child->editor()->LoadPlainText(QStringLiteral("say \u20ac5"));
        const QString euro = f.folder.filePath(QStringLiteral("euro.cfg"));
        f.dialogs.answers << Answer::Cancel;
        QVERIFY(!f.frame->documents().SaveDocument(child->Tag(), euro));
        QVERIFY(!QFile::exists(euro));
        QVERIFY(f.dialogs.messages.last().text.contains(QLatin1String("cannot be stored")));
    }

    void closeQuestion_data()
    {
        // clang-format off
        QTest::addColumn<bool>("onDisk");
        QTest::addColumn<int>("answer"); // -1: unchanged, no question
        QTest::addColumn<QString>("saveAs");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("unchanged") << true << -1 << "" << true << QByteArray("old");
        QTest::newRow("No") << true << int(Answer::No) << "" << true << QByteArray("old");
        QTest::newRow("Cancel") << true << int(Answer::Cancel) << "" << false << QByteArray("old");
        QTest::newRow("Yes") << true << int(Answer::Yes) << "" << true << QByteArray("xold\r\n");
        QTest::newRow("Yes, Save As cancelled") << false << int(Answer::Yes) << "" << false << QByteArray();
        QTest::newRow("Yes, Save As") << false << int(Answer::Yes) << "saved.cfg" << true << QByteArray("x\r\n");
        QTest::newRow("Yes, failed save") << false << int(Answer::Yes) << "folder" << false << QByteArray();
        // clang-format on
    }

    void closeQuestion()
    {
        QFETCH(bool, onDisk);
        QFETCH(int, answer);
        QFETCH(QString, saveAs);
        QFETCH(bool, closes);
        QFETCH(QByteArray, written);
        FrameFixture f;
        const QString path = f.writeFile("old.cfg", "old");
        if (onDisk)
            f.frame->documents().OpenFileList({path});
        frmChild *child = onDisk ? f.active() : f.newDocument();
        if (answer >= 0) {
            child->editor()->setSelStart(0);
            f.type(child, QStringLiteral("x"));
            f.dialogs.answers.enqueue(Answer(answer));
        }
        QDir(f.folder.path()).mkdir(QStringLiteral("folder"));
        if (!saveAs.isEmpty())
            f.dialogs.saveAnswers.enqueue(f.folder.filePath(saveAs));
        const QString caption = child->Caption();
        QPointer<frmChild> guard(child);
        f.trigger(child, "mnuChildFileClose");
        f.settle();
        if (answer < 0) {
            QVERIFY(f.dialogs.messages.isEmpty());
        } else {
            const RecordingDialogs::Message &question = f.dialogs.messages.first();
            QCOMPARE(question.text, "Do you want to save changes to:\n\n" + caption + " ?");
            QCOMPARE(question.buttons, platform::Buttons::YesNoCancel);
            QCOMPARE(question.icon, platform::Icon::Exclamation);
        }
        QCOMPARE(guard.isNull(), closes);
        if (!closes)
            QCOMPARE(guard->editor()->Text().left(1), QStringLiteral("x"));
        if (onDisk || !written.isEmpty())
            QCOMPARE(f.readFile(onDisk ? path : f.folder.filePath(saveAs)), written);
    }

    void exitStopsAtOneCancel()
    {
        FrameFixture f;
        f.type(f.newDocument(), QStringLiteral("a"));
        frmChild *second = f.newDocument();
        f.type(second, QStringLiteral("b"));
        f.dialogs.answers << Answer::No << Answer::Cancel;
        f.trigger(second, "mnuExit");
        f.settle();
        QCOMPARE(f.dialogs.messages.size(), 2);
        QCOMPARE(f.frame->documentWindows().size(), 2);
        QVERIFY(f.frame->isVisible());
        f.dialogs.answers << Answer::No << Answer::No;
        f.trigger(second, "mnuExit");
        f.settle();
        QVERIFY(f.frame->documentWindows().isEmpty());
        QVERIFY(!f.frame->isVisible());
    }

    void aboutBox()
    {
        FrameFixture f;
        frmChild *child = f.newDocument();
        f.trigger(child, "mnuHelpAbout");
        f.trigger(child, "mnuHelpAbout");
        QWidget *about = openWindow("frmAbout");
        QCOMPARE(about->windowTitle(), QStringLiteral("About Tessel"));
        QStringList labels;
        for (const char *name : {"lblTitle", "lblVersion", "lblDescription"})
            labels << about->findChild<QLabel *>(QLatin1String(name))->text();
        QCOMPARE(labels, (QStringList{"Tessel", "Version 0.3.0",
                                      "Config Generator/Editor for Quake 2 and Quake 3.  "}));
        about->findChild<QPushButton *>(QStringLiteral("cmdOK"))->click();
        f.settle();
        QVERIFY(!openWindow("frmAbout")); // only one was open
    }

    void getExtension()
    {
        QStringList extensions;
        for (const char *path :
             {"C:\\cfg.d\\auto", "Config1", "C:\\q\\a.b.cfg", "/home/p/q3.d/autoexec", "/p/x.txt"})
            extensions << document::GetExtension(QLatin1String(path));
        QCOMPARE(extensions, (QStringList{"", "", "cfg", "", "txt"}));
    }
};

QTEST_MAIN(TestDocuments)
#include "tst_documents.moc"
