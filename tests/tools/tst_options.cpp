// Tools > Options...: the Quake 2 and Quake 3 folders shown from, picked for and stored in
// the settings file of a program folder of the test's own.
#include "FrameFixture.h"
#include "frame/frmOptions.h"
#include "platform/AppPaths.h"
#include "platform/IniFile.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using frame::frmOptions;

namespace {

const QString kQuake2Default = QStringLiteral("C:\\Program Files\\Quake 2\\");
const QString kQuake3Default = QStringLiteral("C:\\Program Files\\Quake 3\\");

} // namespace

class TestOptions : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void firstRunShowsTheDefaultsAndOkCreatesTheFile();
    void controlsAndTabOrder();
    void showsTheStoredFolders();
    void emptyValueShowsTheDefault();
    void findFillsTheBoxAndCancelLeavesIt();
    void closeBoxLeavesTheFileUnchanged();
    void backslashesAndBlanksRoundTrip();
    void okKeepsTheFileOtherwiseUnchanged();
    void valuesAreAtMost255Characters();
    void failedWriteIsReportedAndTheDialogStays();
    void toolsOptionsOpensOneDialog();

private:
    QString settingsPath() const { return m_programFolder->filePath(QStringLiteral("Tessel.ini")); }
    void writeSettings(const QByteArray &bytes) const;
    QByteArray readSettings() const;
    /** The stored value of @p key, or "<missing>". */
    QString stored(const char *key, const char *section = "GENERAL") const
    {
        return platform::IniFile::rawValue(settingsPath(), QLatin1String(section), QLatin1String(key))
            .value_or(QStringLiteral("<missing>"));
    }
    frmOptions *open();
    template <typename T>
    T *child(const char *name) const
    {
        auto *found = m_dialog->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    void clickOk();
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

void TestOptions::writeSettings(const QByteArray &bytes) const
{
    QFile file(settingsPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray TestOptions::readSettings() const
{
    QFile file(settingsPath());
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<missing>");
    return file.readAll();
}

QList<frmOptions *> TestOptions::openDialogs()
{
    QList<frmOptions *> dialogs;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *options = qobject_cast<frmOptions *>(widget); options && options->isVisible())
            dialogs << options;
    return dialogs;
}

frmOptions *TestOptions::open()
{
    m_dialog = frmOptions::showWindow();
    return m_dialog;
}

void TestOptions::clickOk()
{
    QTest::mouseClick(child<QPushButton>("cmdOK"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestOptions::firstRunShowsTheDefaultsAndOkCreatesTheFile()
{
    open();
    QCOMPARE(child<QLineEdit>("txtQ2Dir")->text(), kQuake2Default);
    QCOMPARE(child<QLineEdit>("txtQ3Dir")->text(), kQuake3Default);
    QVERIFY(!QFileInfo::exists(settingsPath()));

    clickOk();
    QVERIFY(m_dialog.isNull());
    QCOMPARE(stored("Q2Dir"), kQuake2Default);
    QCOMPARE(stored("Q3Dir"), kQuake3Default);
    const QByteArray bytes = readSettings();
    QVERIFY(bytes.contains("[GENERAL]\r\n"));
    QVERIFY2(bytes.indexOf("Q2Dir=") < bytes.indexOf("Q3Dir="), bytes.constData());
    QVERIFY(m_dialogs->messages.isEmpty());
}

void TestOptions::controlsAndTabOrder()
{
    open();
    QCOMPARE(m_dialog->windowTitle(), QStringLiteral("Options"));
    QVERIFY(m_dialog->parentWidget() == nullptr);
    QCOMPARE(child<QLabel>("lblQ2Dir")->text(), QStringLiteral("Quake 2 Dir:"));
    QCOMPARE(child<QLabel>("lblQ3Dir")->text(), QStringLiteral("Quake 3 Dir:"));
    QCOMPARE(child<QPushButton>("cmdOK")->text(), QStringLiteral("OK"));
    QCOMPARE(child<QPushButton>("cmdQ2Dir")->text(), QStringLiteral("Find"));
    QCOMPARE(child<QPushButton>("cmdQ3Dir")->text(), QStringLiteral("Find"));

    const QList<QWidget *> expected = {child<QLineEdit>("txtQ2Dir"), child<QLineEdit>("txtQ3Dir"),
                                       child<QPushButton>("cmdOK"), child<QPushButton>("cmdQ2Dir"),
                                       child<QPushButton>("cmdQ3Dir")};
    QCOMPARE(m_dialog->focusWidget(), expected.first());
    // What Tab visits, from the first folder box on.
    QList<QWidget *> order{expected.first()};
    for (QWidget *next = expected.first()->nextInFocusChain(); next != expected.first();
         next = next->nextInFocusChain())
        if ((next->focusPolicy() & Qt::TabFocus) && next->isVisible() && next->isEnabled())
            order << next;
    QCOMPARE(order, expected);
}

void TestOptions::showsTheStoredFolders()
{
    writeSettings("[GENERAL]\r\nQ3Dir=/games/quake3\r\nQ2Dir=/games/quake2\r\n");
    open();
    QCOMPARE(child<QLineEdit>("txtQ2Dir")->text(), QStringLiteral("/games/quake2"));
    QCOMPARE(child<QLineEdit>("txtQ3Dir")->text(), QStringLiteral("/games/quake3"));
}

void TestOptions::emptyValueShowsTheDefault()
{
    writeSettings("[GENERAL]\r\nQ2Dir=\r\nQ3Dir=/games/quake3\r\n");
    open();
    QCOMPARE(child<QLineEdit>("txtQ2Dir")->text(), kQuake2Default);
    QCOMPARE(child<QLineEdit>("txtQ3Dir")->text(), QStringLiteral("/games/quake3"));
}

void TestOptions::findFillsTheBoxAndCancelLeavesIt()
{
    open();
    m_dialogs->folderAnswers.enqueue(QStringLiteral("/home/player/quake2"));
    QTest::mouseClick(child<QPushButton>("cmdQ2Dir"), Qt::LeftButton);
    QCOMPARE(child<QLineEdit>("txtQ2Dir")->text(), QStringLiteral("/home/player/quake2"));
    QCOMPARE(child<QLineEdit>("txtQ3Dir")->text(), kQuake3Default);

    // No answer queued: the picker is cancelled.
    QTest::mouseClick(child<QPushButton>("cmdQ3Dir"), Qt::LeftButton);
    QCOMPARE(child<QLineEdit>("txtQ3Dir")->text(), kQuake3Default);

    QCOMPARE(m_dialogs->folderPrompts, (QStringList{"Please locate your Quake 2 directory.",
                                                    "Please locate your Quake 3 directory."}));
    // Picking a folder stores nothing yet.
    QVERIFY(!QFileInfo::exists(settingsPath()));
    clickOk();
    QCOMPARE(stored("Q2Dir"),
             QStringLiteral("/home/player/quake2"));
}

void TestOptions::closeBoxLeavesTheFileUnchanged()
{
    const QByteArray before = "[GENERAL]\r\nQ2Dir=/a\r\nQ3Dir=/b\r\n";
    writeSettings(before);
    open();
    child<QLineEdit>("txtQ2Dir")->selectAll();
    QTest::keyClicks(child<QLineEdit>("txtQ2Dir"), QStringLiteral("/changed"));
    m_dialogs->folderAnswers.enqueue(QStringLiteral("/picked"));
    QTest::mouseClick(child<QPushButton>("cmdQ3Dir"), Qt::LeftButton);
    m_dialog->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(m_dialog.isNull());
    QCOMPARE(readSettings(), before);

    // Nothing is kept for the next opening either.
    open();
    QCOMPARE(child<QLineEdit>("txtQ2Dir")->text(), QStringLiteral("/a"));
    QCOMPARE(child<QLineEdit>("txtQ3Dir")->text(), QStringLiteral("/b"));
}

void TestOptions::backslashesAndBlanksRoundTrip()
{
    open();
    const QString quake2 = QStringLiteral("D:\\Games\\Quake 2\\");
    const QString quake3 = QStringLiteral("\\\\server\\share\\q3");
    child<QLineEdit>("txtQ2Dir")->selectAll();
    QTest::keyClicks(child<QLineEdit>("txtQ2Dir"), quake2);
    child<QLineEdit>("txtQ3Dir")->selectAll();
    QTest::keyClicks(child<QLineEdit>("txtQ3Dir"), quake3);
    clickOk();
    QVERIFY(readSettings().contains("Q2Dir=D:\\Games\\Quake 2\\\r\n"));
    QVERIFY(readSettings().contains("Q3Dir=\\\\server\\share\\q3\r\n"));

    open();
    QCOMPARE(child<QLineEdit>("txtQ2Dir")->text(), quake2);
    QCOMPARE(child<QLineEdit>("txtQ3Dir")->text(), quake3);
}

void TestOptions::okKeepsTheFileOtherwiseUnchanged()
{
    writeSettings("; Tessel\r\n[OTHER]\r\nQ2Dir=keep\r\n\r\n[GENERAL]\r\nQ2Dir=/old\r\nExtra=1\r\n");
    open();
    child<QLineEdit>("txtQ2Dir")->setText(QStringLiteral("/new"));
    clickOk();
    QCOMPARE(stored("Q2Dir", "OTHER"), QStringLiteral("keep"));
    QCOMPARE(stored("Q2Dir"), QStringLiteral("/new"));
    QCOMPARE(stored("Extra"), QStringLiteral("1"));
    QCOMPARE(stored("Q3Dir"), kQuake3Default);
    QVERIFY(readSettings().startsWith("; Tessel\r\n"));
}

void TestOptions::valuesAreAtMost255Characters()
{
    const QByteArray longValue(300, 'x');
    writeSettings("[GENERAL]\r\nQ2Dir=" + longValue + "\r\n");
    open();
    QCOMPARE(child<QLineEdit>("txtQ2Dir")->text(), QString(255, QLatin1Char('x')));

    child<QLineEdit>("txtQ3Dir")->selectAll();
    QTest::keyClicks(child<QLineEdit>("txtQ3Dir"), QString(260, QLatin1Char('y')));
    QCOMPARE(child<QLineEdit>("txtQ3Dir")->text().size(), 255);
    clickOk();
    QCOMPARE(stored("Q3Dir").size(), 255);
}

void TestOptions::failedWriteIsReportedAndTheDialogStays()
{
    // A folder where the settings file should be: no write can succeed.
    QVERIFY(QDir(m_programFolder->path()).mkdir(QStringLiteral("Tessel.ini")));
    QCOMPARE(platform::settingsFilePath(), settingsPath());
    open();
    QCOMPARE(child<QLineEdit>("txtQ2Dir")->text(), kQuake2Default);
    child<QLineEdit>("txtQ2Dir")->setText(QStringLiteral("/typed"));
    clickOk();

    QCOMPARE(m_dialogs->messages.size(), 1);
    const RecordingDialogs::Message message = m_dialogs->messages.first();
    QVERIFY2(message.text.contains(QStringLiteral("not saved")), qPrintable(message.text));
    QVERIFY2(message.text.contains(QDir::toNativeSeparators(settingsPath())), qPrintable(message.text));
    QCOMPARE(message.icon, platform::Icon::Exclamation);
    QCOMPARE(message.title, QStringLiteral("Tessel"));

    QVERIFY(!m_dialog.isNull());
    QVERIFY(m_dialog->isVisible());
    QCOMPARE(child<QLineEdit>("txtQ2Dir")->text(), QStringLiteral("/typed"));
    QVERIFY(QFileInfo(settingsPath()).isDir());
}

void TestOptions::toolsOptionsOpensOneDialog()
{
    FrameFixture fixture;
    document::Documents &documents = fixture.frame->documents();
    documents.CurrentGame = 1;
    document::frmChild *child = documents.NewDocument(QStringLiteral("Config"), 13);
    QVERIFY(child);
    FrameFixture::trigger(child, "mnuToolsOptions");
    QCOMPARE(openDialogs().size(), 1);
    m_dialog = openDialogs().first();
    QCOMPARE(this->child<QLineEdit>("txtQ2Dir")->text(), kQuake2Default);

    this->child<QLineEdit>("txtQ2Dir")->setText(QStringLiteral("/one"));
    FrameFixture::trigger(child, "mnuToolsOptions");
    QCOMPARE(openDialogs(), QList<frmOptions *>{m_dialog.data()});
    QCOMPARE(this->child<QLineEdit>("txtQ2Dir")->text(), QStringLiteral("/one"));
    clickOk();
    QCOMPARE(stored("Q2Dir"), QStringLiteral("/one"));
}

QTEST_MAIN(TestOptions)
#include "tst_options.moc"
