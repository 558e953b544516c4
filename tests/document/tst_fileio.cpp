// Files on disk as a user meets them: what opens (and what is refused before it can block),
// the bytes Save writes, and saves that must not lose data.
#include "EditorProbe.h"
#include "OutputProbe.h"
#include "TestFiles.h"
#include "document/ConfigFile.h"
#include "frame/CommandLine.h"
#include "platform/FileWriting.h"
#include "platform/IniFile.h"

#include <QAbstractButton>
#include <QtTest>

#include <atomic>
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/fsuid.h>
#include <thread>
#include <unistd.h>

using document::frmChild;

namespace {

enum class Kind { File, Pipe, Folder, Missing, Huge };

/** Feeds a named pipe from another thread as soon as someone opens it for reading. */
class PipeWriter {
public:
    explicit PipeWriter(const QString &path)
        : m_thread([this, name = QFile::encodeName(path)] {
              while (!m_stop) {
                  const int fd = ::open(name.constData(), O_WRONLY | O_NONBLOCK);
                  if (fd >= 0) {
                      (void)!::write(fd, "bind x y\r\n", 10);
                      ::close(fd);
                      return;
                  }
                  std::this_thread::sleep_for(std::chrono::milliseconds(10));
              }
          })
    {
    }
    ~PipeWriter()
    {
        m_stop = true;
        m_thread.join();
    }

private:
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

QString statusText(frmChild *child)
{
    return child->findChild<QAbstractButton *>(QStringLiteral("sbr1LineEnds"))->text();
}

} // namespace

class TestFileIo : public QObject {
    Q_OBJECT
private slots:
    void openCases_data();
    void openCases();
    void saveCases_data();
    void saveCases();
    void saveInPlace_data();
    void saveInPlace();
    void fullDiskIsReported();
};

void TestFileIo::openCases_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<bool>("commandLine"); // else File > Open
    QTest::addColumn<QString>("text");     // shown in the editor; empty: refused, good.cfg opens
    QTest::addColumn<QString>("message");

    // clang-format off
    QTest::newRow("LF file, File > Open") << "lf.cfg" << QByteArray("bind x y\nset a b\n") << Kind::File << false << "bind x y\r\nset a b\r\n" << "";
    QTest::newRow("NUL padding") << "pad.cfg" << QByteArray("bind x y\r\n") + QByteArray(300, '\0') << Kind::File << false << "bind x y\r\n" << "300 NUL bytes of padding";
    QTest::newRow("NUL inside") << "nul.cfg" << QByteArray("bind x\0 y\r\n\0", 12) << Kind::File << false << "" << "contains NUL bytes";
    QTest::newRow("named pipe") << "pipe.cfg" << QByteArray() << Kind::Pipe << false << "" << "not a regular file";
    QTest::newRow("folder") << "dir.cfg" << QByteArray() << Kind::Folder << false << "" << "It is a folder";
    QTest::newRow("missing") << "gone.cfg" << QByteArray() << Kind::Missing << false << "" << "";
    QTest::newRow("huge") << "huge.cfg" << QByteArray() << Kind::Huge << false << "" << "";
    QTest::newRow("':' name, command line") << ":x.cfg" << QByteArray("bind x y") << Kind::File << true << "bind x y" << "";
    // clang-format on
}

void TestFileIo::openCases()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(Kind, kind);
    QFETCH(bool, commandLine);
    QFETCH(QString, text);
    QFETCH(QString, message);

    FrameFixture fixture;
    // Not QDir::filePath: it would take ":x.cfg" for a resource.
    const QString path = fixture.folder.path() + u'/' + name;
    if (kind == Kind::File || kind == Kind::Huge) {
        writeTestFile(path, bytes);
        if (kind == Kind::Huge)
            QVERIFY(QFile::resize(path, 50 * 1024 * 1024));
    } else if (kind == Kind::Folder)
        QVERIFY(QDir(fixture.folder.path()).mkdir(name));
    else if (kind == Kind::Pipe)
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    const QString good = fixture.writeFile(QStringLiteral("good.cfg"), "set a 1\r\n");
    std::optional<PipeWriter> writer;
    if (kind == Kind::Pipe)
        writer.emplace(path);

    frmChild *typed = fixture.newDocument();
    FrameFixture::type(typed, QStringLiteral("typed"));
    if (commandLine) {
        const QString before = QDir::currentPath();
        QDir::setCurrent(fixture.folder.path());
        fixture.frame->openCommandLineFiles(
            frame::parseCommandLine({name, "good.cfg"}, QDir::currentPath()).files);
        QDir::setCurrent(before);
    } else {
        fixture.dialogs.openAnswers.enqueue({path, good});
        FrameFixture::trigger(typed, "mnuChildFileOpen");
    }
    writer.reset();

    QString shown = fixture.dialogs.messageTexts().join(QLatin1Char('|'));
    QVERIFY2(message.isEmpty() && !text.isEmpty() ? shown.isEmpty() : shown.contains(message),
             qPrintable(shown));
    QVERIFY(fixture.slotOf(typed).Dirty); // the typed document keeps its changed mark
    const QList<frmChild *> windows = fixture.frame->documentWindows();
    QCOMPARE(windows.size(), text.isEmpty() ? 2 : 3);
    QCOMPARE(windows.last()->Caption(), good);
    if (text.isEmpty()) {
        QVERIFY2(shown.startsWith("Can't open file: " + path), qPrintable(shown));
        QCOMPARE(fixture.dialogs.messages.first().icon, platform::Icon::Exclamation);
        QCOMPARE(fixture.dialogs.messages.first().title, QStringLiteral("Tessel"));
        return;
    }
    frmChild *opened = windows.at(1);
    QCOMPARE(opened->Caption(), path);
    QCOMPARE(opened->editor()->Text(), text);
    QVERIFY(!fixture.slotOf(opened).Dirty);
    // Coloured on every way in: "bind" is a keyword.
    QVERIFY(!looksLike(opened->editor(), 0, 4, platform::RichEdit::black(), false));
}

void TestFileIo::saveCases_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("switchTo"); // a Format > Line Ends item, or nothing
    QTest::addColumn<QString>("shownBefore");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<QString>("textAfter");

    // clang-format off
    QTest::newRow("LF kept") << QByteArray("a\nb") << "x" << "" << "LF" << QByteArray("xa\nb\n") << "xa\r\nb";
    QTest::newRow("CR LF kept") << QByteArray("a\r\nb\r\n") << "x" << "" << "CR LF" << QByteArray("xa\r\nb\r\n") << "xa\r\nb\r\n";
    QTest::newRow("two final breaks") << QByteArray("a\r\n\r\n") << "x" << "" << "CR LF" << QByteArray("xa\r\n\r\n") << "xa\r\n\r\n";
    QTest::newRow("empty, switched to LF") << QByteArray() << "" << "mnuLineEndsLf" << "CR LF" << QByteArray("\n") << "";
    QByteArray latin1 = "set name \"";
    for (int byte = 0x80; byte <= 0xFF; ++byte)
        latin1.append(char(byte));
    latin1 += "\"\r\nbind\tx y\r\n";
    QTest::newRow("Latin-1 kept") << latin1 << "x" << "" << "CR LF" << "x" + latin1 << QString::fromLatin1("x" + latin1);
    QTest::newRow("mixed: the majority") << QByteArray("a\nb\nc\r\n") << "x" << "" << "LF" << QByteArray("xa\nb\nc\n") << "xa\r\nb\r\nc\r\n";
    QTest::newRow("switched to CR LF") << QByteArray("a\n") << "" << "mnuLineEndsCrLf" << "LF" << QByteArray("a\r\n") << "a\r\n";
    QTest::newRow("switched to LF") << QByteArray("a\r\n") << "" << "mnuLineEndsLf" << "CR LF" << QByteArray("a\n") << "a\r\n";
    QTest::newRow("Save anyway shows what was written") << QByteArray("a\n") << QString::fromUtf8("\u0141\u00e9\u20ac") << "" << "LF" << QByteArray("?\xe9?a\n") << QString::fromLatin1("?\xe9?a\r\n");
    // clang-format on
}

void TestFileIo::saveCases()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, typed);
    QFETCH(QString, switchTo);
    QFETCH(QString, shownBefore);
    QFETCH(QByteArray, after);
    QFETCH(QString, textAfter);

    FrameFixture fixture;
    const QString path = fixture.writeFile(QStringLiteral("a.cfg"), before);
    fixture.frame->openCommandLineFiles({path});
    frmChild *child = fixture.active();
    QCOMPARE(statusText(child), shownBefore);
    if (!typed.isEmpty()) // one key event, as an input method delivers "Ł"
        QTest::sendKeyEvent(QTest::Click, child->editor(), Qt::Key_unknown, typed, Qt::NoModifier);
    if (!switchTo.isEmpty()) {
        FrameFixture::trigger(child, qPrintable(switchTo));
        QCOMPARE(statusText(child), QString(shownBefore == "LF" ? "CR LF" : "LF"));
    }
    QVERIFY(fixture.slotOf(child).Dirty);
    FrameFixture::trigger(child, "mnuChildFileSave");
    QCOMPARE(fixture.readFile(path), after);
    QCOMPARE(child->editor()->Text(), textAfter);
    QVERIFY(!fixture.slotOf(child).Dirty);
}

void TestFileIo::saveInPlace_data()
{
    QTest::addColumn<bool>("hardLink");
    QTest::newRow("file with a second hard link") << true;
    QTest::newRow("writable file in a read-only folder") << false;
}

void TestFileIo::saveInPlace()
{
    QFETCH(bool, hardLink);
    FrameFixture fixture;
    const QString folder = fixture.folder.filePath(QStringLiteral("folder"));
    QVERIFY(QDir().mkdir(folder));
    const QString path = folder + QStringLiteral("/a.cfg");
    const QString link = fixture.folder.filePath(QStringLiteral("link.cfg"));
    fixture.writeFile(QStringLiteral("folder/a.cfg"), "old\r\n");
    const QByteArray name = QFile::encodeName(path);
    // Root passes every permission check; as another user it meets the read-only folder.
    const uid_t user = hardLink || ::geteuid() != 0 ? ::geteuid() : 65534;
    if (hardLink) {
        QCOMPARE(::link(name.constData(), QFile::encodeName(link).constData()), 0);
    } else {
        QCOMPARE(::chmod(QFile::encodeName(fixture.folder.path()).constData(), 0755), 0);
        QCOMPARE(::chown(name.constData(), user, gid_t(-1)), 0);
        QCOMPARE(::chmod(QFile::encodeName(folder).constData(), 0555), 0);
    }
    fixture.frame->openCommandLineFiles({path});
    FrameFixture::type(fixture.active(), QStringLiteral("new"));
    ::setfsuid(user);
    FrameFixture::trigger(fixture.active(), "mnuChildFileSave");
    ::setfsuid(::geteuid());
    ::chmod(QFile::encodeName(folder).constData(), 0755);

    QCOMPARE(fixture.dialogs.messageTexts(), QStringList());
    QCOMPARE(fixture.readFile(path), QByteArray("newold\r\n"));
    if (hardLink)
        QCOMPARE(fixture.readFile(link), QByteArray("newold\r\n"));
    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{"a.cfg"});
}

// A small file system of its own, filled to the last byte: every writer says why it failed
// and leaves the old file as it was.
void TestFileIo::fullDiskIsReported()
{
    FrameFixture fixture;
    const QString disk = fixture.folder.filePath(QStringLiteral("disk"));
    QVERIFY(QDir().mkdir(disk));
    if (::mount("tmpfs", QFile::encodeName(disk).constData(), "tmpfs", 0, "size=16k") != 0)
        QSKIP("cannot mount a small file system here (needs root)");
    const auto unmount = qScopeGuard([&] { ::umount2(QFile::encodeName(disk).constData(), MNT_DETACH); });
    const QString path = disk + QStringLiteral("/a.cfg");
    const QString settings = disk + QStringLiteral("/Tessel.ini");
    QVERIFY(platform::writeFileSafely(path, "old\r\n").isEmpty());
    QVERIFY(platform::writeFileSafely(settings, "[GENERAL]\r\nQ2Dir=old\r\n").isEmpty());
    QFile filler(disk + QStringLiteral("/filler"));
    QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    while (filler.write(QByteArray(512, 'f')) > 0) {
    }
    filler.close();

    fixture.frame->openCommandLineFiles({path});
    FrameFixture::type(fixture.active(), QStringLiteral("new"));
    FrameFixture::trigger(fixture.active(), "mnuChildFileSave");
    QCOMPARE(fixture.dialogs.messageTexts(),
             QStringList{"Can't save file: " + path + "\n\nNo space left on device"});
    QVERIFY(fixture.slotOf(fixture.active()).Dirty);
    QCOMPARE(fixture.readFile(path), QByteArray("old\r\n"));

    QString error;
    QVERIFY(!platform::IniFile::writeValues(settings, "GENERAL", {{"Q2Dir", "a"}, {"Q3Dir", "b"}},
                                            &error));
    QVERIFY2(error.endsWith("No space left on device"), qPrintable(error));
    QCOMPARE(fixture.readFile(settings), QByteArray("[GENERAL]\r\nQ2Dir=old\r\n"));

    const probe::Run generate = probe::runHeadless({"--generate", "server", "--type", "CTF", "-o", path});
    QCOMPARE(generate.exitCode, 1);
    QVERIFY2(generate.error.trimmed().endsWith("No space left on device"), "tessel --generate -o");
    QCOMPARE(fixture.readFile(path), QByteArray("old\r\n"));
}

QTEST_MAIN(TestFileIo)
#include "tst_fileio.moc"
