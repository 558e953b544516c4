// The document table and the life of a document: new, open, save, save as, close.
#include "FrameFixture.h"
#include "document/ConfigFile.h"

#include <QLabel>
#include <QToolBar>
#include <QtTest>

using document::frmChild;
using platform::Answer;

class TestDocuments : public QObject {
    Q_OBJECT
private slots:
    void newDocumentsAreNumberedBySlot();
    void closedSlotIsReusedLowestFirst();
    void openReusesAnUntouchedNewDocument();
    void openLeavesAnEditedDocumentAlone();
    void sameFileOpensTwice();
    void openSeveralFilesFromTheDialog();
    void openCancelledChangesNothing();
    void badFilesAreRefusedAndOthersStillOpen_data();
    void badFilesAreRefusedAndOthersStillOpen();
    void unusualNamesOpen();
    void saveWritesExactlyOneFinalLineBreak_data();
    void saveWritesExactlyOneFinalLineBreak();
    void saveKeepsLatin1Bytes();
    void saveOfNewDocumentAsksForAName();
    void saveOfOpenedFileWritesInPlace();
    void overwriteCancelLeavesFileAndDocument();
    void failedSaveKeepsDocumentState();
    void charactersOutsideLatin1AreNotSavedSilently();
    void saveAllWritesFilesAndAsksForUntitled();
    void closeQuestion_data();
    void closeQuestion();
    void exitStopsAtOneCancel();
    void lastCloseHidesDocumentButtons();
    void statusBarCountsCharacters();
    void getExtension_data();
    void getExtension();
};

void TestDocuments::newDocumentsAreNumberedBySlot()
{
    FrameFixture f;
    QCOMPARE(f.newDocument()->Caption(), QStringLiteral("Config1"));
    frmChild *second = f.newDocument();
    QCOMPARE(second->Caption(), QStringLiteral("Config2"));
    QCOMPARE(second->Tag(), 2);
    QCOMPARE(f.slotOf(second).FileState, int16_t(0));
    QCOMPARE(f.slotOf(second).Dirty, false);
    QCOMPARE(f.slotOf(second).Game, int16_t(-1));
    QCOMPARE(f.slotOf(second).ModId, 0);
}

void TestDocuments::closedSlotIsReusedLowestFirst()
{
    FrameFixture f;
    frmChild *first = f.newDocument();
    f.newDocument();
    f.newDocument();
    first->close();
    f.settle();
    QCOMPARE(f.frame->documentWindows().size(), 2);
    QCOMPARE(f.frame->documents().slot(1).FileState, int16_t(-1));
    frmChild *again = f.newDocument();
    QCOMPARE(again->Caption(), QStringLiteral("Config1"));
    QCOMPARE(f.frame->documents().slotCount(), 3);
}

void TestDocuments::openReusesAnUntouchedNewDocument()
{
    FrameFixture f;
    const QString path = f.writeFile("a.cfg", "bind x +attack\r\n");
    frmChild *fresh = f.newDocument();
    f.dialogs.openAnswers.enqueue({path});
    f.frame->openCommand();
    QCOMPARE(f.frame->documentWindows().size(), 1);
    QCOMPARE(f.active(), fresh);
    QCOMPARE(fresh->Caption(), path);
    QCOMPARE(f.slotOf(fresh).FileState, int16_t(1));
    QCOMPARE(f.slotOf(fresh).Dirty, false);
    QCOMPARE(fresh->editor()->Text(), QStringLiteral("bind x +attack\r\n"));
}

void TestDocuments::openLeavesAnEditedDocumentAlone()
{
    FrameFixture f;
    const QString path = f.writeFile("a.cfg", "set a 1\r\n");
    frmChild *edited = f.newDocument();
    f.type(edited, QStringLiteral("x"));
    f.frame->documents().OpenFileList({path});
    QCOMPARE(f.frame->documentWindows().size(), 2);
    QCOMPARE(edited->Caption(), QStringLiteral("Config1"));
    QCOMPARE(f.active()->Caption(), path);
    QCOMPARE(f.active()->Tag(), 2);
}

void TestDocuments::sameFileOpensTwice()
{
    FrameFixture f;
    const QString path = f.writeFile("a.cfg", "x\r\n");
    f.frame->documents().OpenFileList({path});
    f.frame->documents().OpenFileList({path});
    QCOMPARE(f.frame->documentWindows().size(), 2);
}

void TestDocuments::openSeveralFilesFromTheDialog()
{
    FrameFixture f;
    const QString a = f.writeFile("a.cfg", "a\r\n");
    const QString b = f.writeFile("b.cfg", "b\r\n");
    const QString c = f.writeFile("c.txt", "c\r\n");
    f.dialogs.openAnswers.enqueue({a, b, c});
    f.frame->openCommand();
    QCOMPARE(f.frame->documentWindows().size(), 3);
    QCOMPARE(f.active()->Caption(), c);
    QCOMPARE(f.dialogs.openFilters.size(), 1);
    QVERIFY(f.dialogs.openFilters.first().startsWith(QLatin1String("Quake Configs (*.cfg)")));
}

void TestDocuments::openCancelledChangesNothing()
{
    FrameFixture f;
    f.frame->openCommand();
    QVERIFY(f.frame->documentWindows().isEmpty());
    QVERIFY(f.dialogs.messages.isEmpty());
}

void TestDocuments::badFilesAreRefusedAndOthersStillOpen_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing") << "missing";
    QTest::newRow("folder") << "folder";
    QTest::newRow("binary") << "binary";
    QTest::newRow("huge") << "huge";
}

void TestDocuments::badFilesAreRefusedAndOthersStillOpen()
{
    QFETCH(QString, kind);
    FrameFixture f;
    QString bad = f.folder.filePath(QStringLiteral("bad.cfg"));
    if (kind == QLatin1String("folder")) {
        QDir(f.folder.path()).mkdir(QStringLiteral("bad.cfg"));
    } else if (kind == QLatin1String("binary")) {
        bad = f.writeFile("bad.cfg", QByteArray("bind\0x\r\n", 8));
    } else if (kind == QLatin1String("huge")) {
        QFile file(bad);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(50 * 1024 * 1024));
    }
    const QString good = f.writeFile("good.cfg", "set a 1\r\n");
    f.frame->documents().OpenFileList({bad, good});

    QCOMPARE(f.dialogs.messages.size(), 1);
    const RecordingDialogs::Message &message = f.dialogs.messages.first();
    QVERIFY2(message.text.startsWith(QStringLiteral("Can't open file: ") + bad), qPrintable(message.text));
    QCOMPARE(message.icon, platform::Icon::Exclamation);
    QCOMPARE(message.title, QStringLiteral("Tessel"));
    QCOMPARE(f.frame->documentWindows().size(), 1);
    QCOMPARE(f.active()->Caption(), good);
    QCOMPARE(f.frame->documents().slotCount(), 1);
}

void TestDocuments::unusualNamesOpen()
{
    FrameFixture f;
    const QString path = f.writeFile(QStringLiteral("my \"best\" cfg \u00e9\u4e2d.cfg"), "bind a b\r\n");
    f.frame->documents().OpenFileList({path});
    QVERIFY(f.dialogs.messages.isEmpty());
    QCOMPARE(f.active()->Caption(), path);
}

void TestDocuments::saveWritesExactlyOneFinalLineBreak_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("no final break") << "bind a b" << QByteArray("bind a b\r\n");
    QTest::newRow("one final break") << "bind a b\r\n" << QByteArray("bind a b\r\n");
    QTest::newRow("two final breaks") << "a\r\n\r\n" << QByteArray("a\r\n\r\n");
    QTest::newRow("empty") << "" << QByteArray("\r\n");
    QTest::newRow("inner breaks") << "a\r\nb" << QByteArray("a\r\nb\r\n");
}

void TestDocuments::saveWritesExactlyOneFinalLineBreak()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    FrameFixture f;
    frmChild *child = f.newDocument();
    child->editor()->LoadPlainText(text);
    const QString path = f.folder.filePath(QStringLiteral("out.cfg"));
    QVERIFY(f.frame->documents().SaveDocument(child->Tag(), path));
    QCOMPARE(f.readFile(path), bytes);
    QCOMPARE(child->Caption(), path);
    QCOMPARE(f.slotOf(child).FileState, int16_t(1));
    QCOMPARE(f.slotOf(child).Dirty, false);
}

void TestDocuments::saveKeepsLatin1Bytes()
{
    FrameFixture f;
    QByteArray bytes = "set name \"";
    for (int byte = 0x80; byte <= 0xFF; ++byte)
        bytes.append(char(byte));
    bytes += "\"\nbind\tx y\n"; // LF lines stay LF
    const QString path = f.writeFile("latin.cfg", bytes);
    f.frame->documents().OpenFileList({path});
    QVERIFY(f.frame->documents().SaveDocument(f.active()->Tag(), path));
    QCOMPARE(f.readFile(path), bytes);
}

void TestDocuments::saveOfNewDocumentAsksForAName()
{
    FrameFixture f;
    frmChild *child = f.newDocument();
    f.type(child, QStringLiteral("set a 1"));
    const QString path = f.folder.filePath(QStringLiteral("new.cfg"));
    f.dialogs.saveAnswers.enqueue(path);
    f.trigger(child, "mnuChildFileSave");
    QCOMPARE(f.dialogs.saveRequests.size(), 1);
    QCOMPARE(f.dialogs.saveRequests.first().proposedName, QStringLiteral("Config1"));
    QCOMPARE(f.dialogs.saveRequests.first().defaultSuffix, QStringLiteral("cfg"));
    QCOMPARE(f.readFile(path), QByteArray("set a 1\r\n"));
    QCOMPARE(child->Caption(), path);
}

void TestDocuments::saveOfOpenedFileWritesInPlace()
{
    FrameFixture f;
    const QString path = f.writeFile("a.txt", "old");
    f.frame->documents().OpenFileList({path});
    frmChild *child = f.active();
    child->editor()->setSelStart(3);
    f.type(child, QStringLiteral(" new"));
    QVERIFY(f.slotOf(child).Dirty);
    f.trigger(child, "mnuChildFileSave");
    QVERIFY(f.dialogs.saveRequests.isEmpty());
    QCOMPARE(f.readFile(path), QByteArray("old new\r\n"));
    QVERIFY(!f.slotOf(child).Dirty);
    // Save As proposes the path, and its extension as the default one.
    f.trigger(child, "mnuChildFileSaveAs");
    QCOMPARE(f.dialogs.saveRequests.first().proposedName, path);
    QCOMPARE(f.dialogs.saveRequests.first().defaultSuffix, QStringLiteral("txt"));
}

void TestDocuments::overwriteCancelLeavesFileAndDocument()
{
    FrameFixture f;
    const QString existing = f.writeFile("existing.cfg", "keep me\r\n");
    frmChild *child = f.newDocument();
    f.type(child, QStringLiteral("new text"));
    f.dialogs.saveAnswers.enqueue(existing);
    f.dialogs.answers.enqueue(Answer::Cancel);
    QVERIFY(!f.frame->documents().SaveDocumentAs(child->Tag()));
    QCOMPARE(f.dialogs.messages.size(), 1);
    QCOMPARE(f.dialogs.messages.first().text, QStringLiteral("Overwrite?"));
    QCOMPARE(f.dialogs.messages.first().buttons, platform::Buttons::OkCancel);
    QCOMPARE(f.dialogs.messages.first().icon, platform::Icon::Question);
    QCOMPARE(f.readFile(existing), QByteArray("keep me\r\n"));
    QCOMPARE(child->Caption(), QStringLiteral("Config1"));
    QVERIFY(f.slotOf(child).Dirty);

    f.dialogs.saveAnswers.enqueue(existing);
    f.dialogs.answers.enqueue(Answer::Ok);
    QVERIFY(f.frame->documents().SaveDocumentAs(child->Tag()));
    QCOMPARE(f.readFile(existing), QByteArray("new text\r\n"));
}

void TestDocuments::failedSaveKeepsDocumentState()
{
    FrameFixture f;
    const QString path = f.writeFile("a.cfg", "original\r\n");
    f.frame->documents().OpenFileList({path});
    frmChild *child = f.active();
    f.type(child, QStringLiteral("changed "));
    const QString folderInTheWay = f.folder.filePath(QStringLiteral("taken"));
    QVERIFY(QDir(f.folder.path()).mkdir(QStringLiteral("taken")));
    QVERIFY(!f.frame->documents().SaveDocument(child->Tag(), folderInTheWay));
    QVERIFY(!f.frame->documents().SaveDocument(child->Tag(), f.folder.filePath("no/such/dir/x.cfg")));
    QCOMPARE(f.dialogs.messages.size(), 2);
    QVERIFY(f.dialogs.messages.first().text.startsWith(QStringLiteral("Can't save file: ") + folderInTheWay));
    QCOMPARE(f.dialogs.messages.first().icon, platform::Icon::Exclamation);
    QCOMPARE(child->Caption(), path);
    QVERIFY(f.slotOf(child).Dirty);
    QCOMPARE(f.readFile(path), QByteArray("original\r\n"));
}

void TestDocuments::charactersOutsideLatin1AreNotSavedSilently()
{
    FrameFixture f;
    frmChild *child = f.newDocument();
    child->editor()->LoadPlainText(QStringLiteral("say \u20ac5"));
    const QString path = f.folder.filePath(QStringLiteral("euro.cfg"));
    f.dialogs.answers.enqueue(Answer::Cancel);
    QVERIFY(!f.frame->documents().SaveDocument(child->Tag(), path));
    QVERIFY(!QFile::exists(path));
    QVERIFY(f.dialogs.messages.first().text.contains(QLatin1String("cannot be stored")));
    f.dialogs.answers.enqueue(Answer::Ok);
    QVERIFY(f.frame->documents().SaveDocument(child->Tag(), path));
    QCOMPARE(f.readFile(path), QByteArray("say ?5\r\n"));
}

void TestDocuments::saveAllWritesFilesAndAsksForUntitled()
{
    FrameFixture f;
    const QString a = f.writeFile("a.cfg", "a");
    const QString b = f.writeFile("b.cfg", "b");
    f.frame->documents().OpenFileList({a});
    f.type(f.newDocument(), QStringLiteral("untitled"));
    f.frame->documents().OpenFileList({b});
    f.frame->documents().SaveAllDocuments();
    QCOMPARE(f.readFile(a), QByteArray("a\r\n"));
    QCOMPARE(f.readFile(b), QByteArray("b\r\n"));
    QCOMPARE(f.dialogs.saveRequests.size(), 1);
    QCOMPARE(f.dialogs.saveRequests.first().proposedName, QStringLiteral("Config2"));
}

void TestDocuments::closeQuestion_data()
{
    QTest::addColumn<bool>("dirty");
    QTest::addColumn<bool>("onDisk");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("saveAsAnswer");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<QByteArray>("fileAfter");
    QTest::newRow("unchanged closes without asking") << false << true << -1 << "" << true << QByteArray("old");
    QTest::newRow("No closes without saving") << true << true << int(Answer::No) << "" << true << QByteArray("old");
    QTest::newRow("Cancel keeps the window") << true << true << int(Answer::Cancel) << "" << false << QByteArray("old");
    QTest::newRow("Yes saves and closes") << true << true << int(Answer::Yes) << "" << true << QByteArray("xold\r\n");
    QTest::newRow("Yes then Save As cancelled keeps the window")
        << true << false << int(Answer::Yes) << "" << false << QByteArray();
    QTest::newRow("Yes then Save As saves and closes")
        << true << false << int(Answer::Yes) << "saved.cfg" << true << QByteArray("x\r\n");
    QTest::newRow("Yes then a failed save keeps the window")
        << true << false << int(Answer::Yes) << "folder" << false << QByteArray();
}

void TestDocuments::closeQuestion()
{
    QFETCH(bool, dirty);
    QFETCH(bool, onDisk);
    QFETCH(int, answer);
    QFETCH(QString, saveAsAnswer);
    QFETCH(bool, closes);
    QFETCH(QByteArray, fileAfter);
    FrameFixture f;
    const QString path = f.writeFile("old.cfg", "old");
    frmChild *child = nullptr;
    if (onDisk) {
        f.frame->documents().OpenFileList({path});
        child = f.active();
    } else {
        child = f.newDocument();
    }
    if (dirty) {
        child->editor()->setSelStart(0);
        f.type(child, QStringLiteral("x"));
    }
    if (answer >= 0)
        f.dialogs.answers.enqueue(Answer(answer));
    if (saveAsAnswer == QLatin1String("folder")) {
        QDir(f.folder.path()).mkdir(QStringLiteral("folder"));
        f.dialogs.saveAnswers.enqueue(f.folder.filePath(QStringLiteral("folder")));
    } else if (!saveAsAnswer.isEmpty()) {
        f.dialogs.saveAnswers.enqueue(f.folder.filePath(saveAsAnswer));
    }
    const QString caption = child->Caption();
    QPointer<frmChild> guard(child);
    f.trigger(child, "mnuChildFileClose");
    f.settle();

    if (answer >= 0) {
        QVERIFY(f.dialogs.messages.size() >= 1);
        const RecordingDialogs::Message &question = f.dialogs.messages.first();
        QCOMPARE(question.text, QStringLiteral("Do you want to save changes to:\n\n") + caption + " ?");
        QCOMPARE(question.buttons, platform::Buttons::YesNoCancel);
        QCOMPARE(question.icon, platform::Icon::Exclamation);
    } else {
        QVERIFY(f.dialogs.messages.isEmpty());
    }
    QCOMPARE(guard.isNull(), closes);
    if (!closes)
        QCOMPARE(guard->editor()->Text().left(1), QStringLiteral("x"));
    if (onDisk)
        QCOMPARE(f.readFile(path), fileAfter);
    else if (!fileAfter.isEmpty())
        QCOMPARE(f.readFile(f.folder.filePath(saveAsAnswer)), fileAfter);
}

void TestDocuments::exitStopsAtOneCancel()
{
    FrameFixture f;
    frmChild *first = f.newDocument();
    f.type(first, QStringLiteral("a"));
    frmChild *second = f.newDocument();
    f.type(second, QStringLiteral("b"));
    f.dialogs.answers.enqueue(Answer::No);
    f.dialogs.answers.enqueue(Answer::Cancel);
    f.trigger(second, "mnuExit");
    f.settle();
    QCOMPARE(f.dialogs.messages.size(), 2);
    QCOMPARE(f.frame->documentWindows().size(), 2);
    QVERIFY(f.frame->isVisible());

    f.dialogs.answers.enqueue(Answer::No);
    f.dialogs.answers.enqueue(Answer::No);
    f.trigger(second, "mnuExit");
    f.settle();
    QVERIFY(f.frame->documentWindows().isEmpty());
    QVERIFY(!f.frame->isVisible());
}

void TestDocuments::lastCloseHidesDocumentButtons()
{
    FrameFixture f;
    frmChild *child = f.newDocument();
    QAction *save = f.frame->tbr1()->findChild<QAction *>(QStringLiteral("SaveAs"));
    QVERIFY(save->isVisible());
    QVERIFY(f.frame->tbr2()->isVisible());
    f.trigger(child, "mnuChildFileClose");
    f.settle();
    QVERIFY(!save->isVisible());
    QVERIFY(!f.frame->tbr2()->isVisible());
    QAction *viewToolbars = f.frame->findChild<QAction *>(QStringLiteral("mnuViewToolbars"));
    QCOMPARE(viewToolbars->isChecked(), f.frame->tbr1()->isVisible());
}

void TestDocuments::statusBarCountsCharacters()
{
    FrameFixture f;
    frmChild *child = f.newDocument();
    auto *panel = child->findChild<QLabel *>(QStringLiteral("sbr1Panel1"));
    f.type(child, QStringLiteral("set a"));
    QTest::keyClick(child->editor(), Qt::Key_Return);
    f.type(child, QStringLiteral("b"));
    QCOMPARE(panel->text(), QStringLiteral("8 Chars"));
    child->editor()->selectAll();
    QTest::keyClick(child->editor(), Qt::Key_Delete);
    QCOMPARE(panel->text(), QStringLiteral("0 Chars"));
}

void TestDocuments::getExtension_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("extension");
    QTest::newRow("folder with a dot") << "C:\\cfg.d\\auto" << "";
    QTest::newRow("caption") << "Config1" << "";
    QTest::newRow("two dots") << "C:\\q\\a.b.cfg" << "cfg";
    QTest::newRow("unix folder with a dot") << "/home/p/q3.d/autoexec" << "";
    QTest::newRow("unix file") << "/home/p/autoexec.txt" << "txt";
}

void TestDocuments::getExtension()
{
    QFETCH(QString, path);
    QFETCH(QString, extension);
    QCOMPARE(document::GetExtension(path), extension);
}

QTEST_MAIN(TestDocuments)
#include "tst_documents.moc"
