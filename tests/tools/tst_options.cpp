// Tools > Options...: the Quake 2 and Quake 3 folders shown from, picked for and stored in
// the settings file of a program folder of the test's own.
#include "FrameFixture.h"
#include "frame/GameFolders.h"
#include "frame/frmOptions.h"
#include "platform/AppPaths.h"
#include "platform/IniFile.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using frame::frmOptions;

namespace {

const QString kQuake2Default = frame::proposedGameFolder(0, QDir::homePath());
const QString kQuake3Default = frame::proposedGameFolder(1, QDir::homePath());

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void retype(QLineEdit *box, const QString &text)
{
    box->selectAll();
    QTest::keyClicks(box, text);
}

} // namespace

class TestOptions : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void firstRunShowsTheDefaultsAndOkCreatesTheFile();
    void tabOrder();
    void showsTheStoredFolders_data();
    void showsTheStoredFolders();
    void typedAndPickedFoldersAreStoredOnOk();
    void closeBoxLeavesTheFileUnchanged();
    void failedWriteIsReportedAndTheDialogStays();
    void toolsOptionsOpensOneDialog();

private:
    QString settingsPath() const { return m_programFolder->filePath(QStringLiteral("Tessel.ini")); }
    QByteArray readSettings() const { return readFile(settingsPath()); }
    void open() { m_dialog = frmOptions::showWindow(); }
    template <typename T = QLineEdit>
    T *child(const char *name) const
    {
        auto *found = m_dialog->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    void click(const char *button)
    {
        QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    static QList<frmOptions *> openDialogs();

    std::unique_ptr<QTemporaryDir> m_programFolder;
    std::unique_ptr<RecordingDialogs> m_dialogs;
    QPointer<frmOptions> m_dialog;
};

void TestOptions::init()
{
    m_programFolder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_programFolder->isValid());
    platform::setProgramFolder(m_programFolder->path());
    QCOMPARE(platform::settingsFilePath(), settingsPath());
    m_dialogs = std::make_unique<RecordingDialogs>();
}

void TestOptions::cleanup()
{
    for (frmOptions *open : openDialogs())
        open->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_dialogs.reset();
    platform::setProgramFolder(QString());
    m_programFolder.reset();
}

QList<frmOptions *> TestOptions::openDialogs()
{
    QList<frmOptions *> dialogs;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *options = qobject_cast<frmOptions *>(widget); options && options->isVisible())
            dialogs << options;
    return dialogs;
}

void TestOptions::firstRunShowsTheDefaultsAndOkCreatesTheFile()
{
    open();
    QCOMPARE(child("txtQ2Dir")->text(), kQuake2Default);
    QCOMPARE(child("txtQ3Dir")->text(), kQuake3Default);
    QVERIFY(!QFileInfo::exists(settingsPath()));

    click("cmdOK");
    QVERIFY(m_dialog.isNull());
    QCOMPARE(readSettings(), ("[GENERAL]\r\nQ2Dir=" + kQuake2Default + "\r\nQ3Dir=" +
                              kQuake3Default + "\r\n")
                                 .toUtf8());
    QVERIFY(m_dialogs->messages.isEmpty());
}

void TestOptions::tabOrder()
{
    open();
    const QList<QWidget *> expected = {child("txtQ2Dir"), child("txtQ3Dir"),
                                       child<QPushButton>("cmdOK"), child<QPushButton>("cmdQ2Dir"),
                                       child<QPushButton>("cmdQ3Dir")};
    QCOMPARE(m_dialog->focusWidget(), expected.first());
    QList<QWidget *> order{expected.first()};
    for (QWidget *next = expected.first()->nextInFocusChain(); next != expected.first();
         next = next->nextInFocusChain())
        if ((next->focusPolicy() & Qt::TabFocus) && next->isVisible() && next->isEnabled())
            order << next;
    QCOMPARE(order, expected);
}

void TestOptions::showsTheStoredFolders_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QString>("quake2");
    QTest::addColumn<QString>("quake3");

    QTest::newRow("both stored")
        << QByteArray("[GENERAL]\r\nQ3Dir=/games/quake3\r\nQ2Dir=/games/quake2\r\n")
        << "/games/quake2" << "/games/quake3";
    QTest::newRow("empty value") << QByteArray("[GENERAL]\r\nQ2Dir=\r\nQ3Dir=/games/quake3\r\n")
                                 << kQuake2Default << "/games/quake3";
    QTest::newRow("at most 255 characters, as typed ones") << "[GENERAL]\r\nQ2Dir=" + QByteArray(300, 'x') + "\r\n"
                                            << QString(255, QLatin1Char('x')) << kQuake3Default;
}

void TestOptions::showsTheStoredFolders()
{
    QFETCH(QByteArray, settings);
    QFETCH(QString, quake2);
    QFETCH(QString, quake3);
    QFile file(settingsPath());
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(settings) == settings.size());
    file.close();
    open();
    QCOMPARE(child("txtQ2Dir")->text(), quake2);
    QCOMPARE(child("txtQ3Dir")->text(), quake3);
}

void TestOptions::typedAndPickedFoldersAreStoredOnOk()
{
    open();
    retype(child("txtQ2Dir"), QStringLiteral("D:\\Games\\Quake 2\\"));
    m_dialogs->folderAnswers.enqueue(QStringLiteral("\\\\server\\share\\q3"));
    click("cmdQ3Dir");
    QCOMPARE(child("txtQ3Dir")->text(), QStringLiteral("\\\\server\\share\\q3"));
    // No answer queued: the picker is cancelled and the box keeps its text.
    click("cmdQ2Dir");
    QCOMPARE(child("txtQ2Dir")->text(), QStringLiteral("D:\\Games\\Quake 2\\"));
    QCOMPARE(m_dialogs->folderPrompts, (QStringList{"Please locate your Quake 3 directory.",
                                                    "Please locate your Quake 2 directory."}));
    QVERIFY(!QFileInfo::exists(settingsPath()));

    click("cmdOK");
    QCOMPARE(readSettings(), QByteArray("[GENERAL]\r\n"
                                        "Q2Dir=D:\\Games\\Quake 2\\\r\n"
                                        "Q3Dir=\\\\server\\share\\q3\r\n"));
    open();
    QCOMPARE(child("txtQ2Dir")->text(), QStringLiteral("D:\\Games\\Quake 2\\"));
    QCOMPARE(child("txtQ3Dir")->text(), QStringLiteral("\\\\server\\share\\q3"));
}

void TestOptions::closeBoxLeavesTheFileUnchanged()
{
    open();
    click("cmdOK");
    const QByteArray before = readSettings();
    open();
    retype(child("txtQ2Dir"), QStringLiteral("/changed"));
    m_dialogs->folderAnswers.enqueue(QStringLiteral("/picked"));
    click("cmdQ3Dir");
    m_dialog->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(m_dialog.isNull());
    QCOMPARE(readSettings(), before);

    // Nothing is kept for the next opening either.
    open();
    QCOMPARE(child("txtQ2Dir")->text(), kQuake2Default);
    QCOMPARE(child("txtQ3Dir")->text(), kQuake3Default);
}

void TestOptions::failedWriteIsReportedAndTheDialogStays()
{
    // A folder where the settings file should be: no write can succeed.
    QVERIFY(QDir(m_programFolder->path()).mkdir(QStringLiteral("Tessel.ini")));
    open();
    child("txtQ2Dir")->setText(QStringLiteral("/typed"));
    click("cmdOK");

    QCOMPARE(m_dialogs->messages.size(), 1);
    const RecordingDialogs::Message message = m_dialogs->messages.first();
    QVERIFY2(message.text.contains(QStringLiteral("not saved")), qPrintable(message.text));
    QVERIFY2(message.text.contains(QDir::toNativeSeparators(settingsPath())),
             qPrintable(message.text));
    QCOMPARE(message.icon, platform::Icon::Exclamation);
    QVERIFY(m_dialog && m_dialog->isVisible());
    QCOMPARE(child("txtQ2Dir")->text(), QStringLiteral("/typed"));
}

void TestOptions::toolsOptionsOpensOneDialog()
{
    FrameFixture fixture;
    document::Documents &documents = fixture.frame->documents();
    documents.CurrentGame = 1;
    document::frmChild *document = documents.NewDocument(QStringLiteral("Config"), 13);
    QVERIFY(document);
    FrameFixture::trigger(document, "mnuToolsOptions");
    QCOMPARE(openDialogs().size(), 1);
    m_dialog = openDialogs().first();
    child("txtQ2Dir")->setText(QStringLiteral("/one"));

    FrameFixture::trigger(document, "mnuToolsOptions");
    QCOMPARE(openDialogs(), QList<frmOptions *>{m_dialog.data()});
    QCOMPARE(child("txtQ2Dir")->text(), QStringLiteral("/one"));
}

QTEST_MAIN(TestOptions)
#include "tst_options.moc"
