// The Other, Tools and View items of the mod documents as the user clicks them: the text each
// writes, its colours and caret, the key and sound lists they wait on, and windows closed or
// used meanwhile.
#include "lists/ListSearch.h"
#include "platform/AppPaths.h"
#include "support/EditorProbe.h"
#include "support/FrameFixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QSet>
#include <QtTest>

using document::frmChild;
using mods::GameList;

Q_DECLARE_METATYPE(mods::GameList)

namespace {

const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);
const QColor kGreen(0, 255, 0);
const QColor kBlack(0, 0, 0);

/**
 * Answers the keys and special lists of a window each time one pops up: the next queued
 * text is typed into the search box and accepted with Enter; with nothing queued the
 * list is cancelled with Escape. The answer is queued when the list shows, so it runs
 * inside the command's wait.
 */
class ListAnswerer : public QObject {
public:
    explicit ListAnswerer(frmChild *child) : m_keys(child->lsKeys()), m_special(child->lsSpecial())
    {
        m_keys->installEventFilter(this);
        m_special->installEventFilter(this);
    }

    QQueue<QString> keys;
    QQueue<QString> specials;
    int keysShown = 0;
    int specialShown = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Show)
            return false;
        QQueue<QString> &answers = watched == m_keys ? keys : specials;
        ++(watched == m_keys ? keysShown : specialShown);
        const QString answer = answers.isEmpty() ? QString() : answers.dequeue();
        QPointer<ListSearch> list = static_cast<ListSearch *>(watched);
        QTimer::singleShot(0, this, [list, answer] {
            if (!list || !list->isVisible())
                return;
            auto *search = list->findChild<QLineEdit *>(QStringLiteral("txtSearch"));
            if (answer.isEmpty()) {
                QTest::keyClick(search, Qt::Key_Escape);
            } else {
                QTest::keyClicks(search, answer);
                QTest::keyClick(search, Qt::Key_Return);
            }
        });
        return false;
    }

private:
    ListSearch *m_keys;
    ListSearch *m_special;
};

QAction *item(frmChild *child, const QString &name)
{
    QAction *action = child->menuItem(name);
    if (!action)
        qFatal("no menu item %s", qPrintable(name));
    return action;
}

QAction *slotItem(frmChild *child, int slot)
{
    return item(child, QStringLiteral("mnuOther%1").arg(slot));
}

/** The Other item of @p child captioned @p caption. */
QAction *otherItem(frmChild *child, const QString &caption)
{
    for (int slot = 1; slot <= 25; ++slot) {
        QAction *action = slotItem(child, slot);
        if (action->isVisible() && action->text() == caption)
            return action;
    }
    qFatal("no Other item %s", qPrintable(caption));
}

using Choice = FrameFixture::ModChoice;

QList<Choice> creatableEntries() { return FrameFixture::creatableEntries(); }

/** Black and not bold: written as text, not coloured. */
bool plain(platform::RichEdit *editor, int start, int length)
{
    return looksLike(editor, start, length, kBlack, false);
}

/** What is wrong with the colours of @p editor's text, or nothing when every coloured stretch
 *  is a whole keyword in its own colour, bold and followed by a blank. */
QString wrongColouring(platform::RichEdit *editor)
{
    const QHash<QString, QColor> keywords{{QStringLiteral("bind"), kBlue},
                                          {QStringLiteral("set"), kRed},
                                          {QStringLiteral("vstr"), kGreen}};
    const QString text = editor->Text();
    for (int at = 0; at < text.size();) {
        const CharLook look = lookAt(editor, at);
        int end = at + 1;
        while (end < text.size() && lookAt(editor, end).color == look.color &&
               lookAt(editor, end).bold == look.bold)
            ++end;
        const QString stretch = text.mid(at, end - at);
        const bool coloured = look.bold || look.color != kBlack;
        if (coloured && (!look.bold || keywords.value(stretch) != look.color ||
                         (at > 0 && text.at(at - 1).isLetterOrNumber()) || end == text.size() ||
                         text.at(end) != QLatin1Char(' ')))
            return QStringLiteral("\"%1\" at %2 in %3").arg(stretch).arg(at).arg(look.color.name());
        at = end;
    }
    return QString();
}

} // namespace

class TestModMenuCommands : public QObject {
    Q_OBJECT

private slots:
    void everyShownCaptionReachesACommandOfItsSlotOnly();
    void bindsWriteThePickedKey_data();
    void bindsWriteThePickedKey();
    void writesWithoutAList_data();
    void writesWithoutAList();
    void textReplacesTheSelection();
    void arenaSettingsAreKeyValueLines();
    void mp3Script();
    void motdLines();
    void missingKeysListStillFinishesTheLine();
    void windowClosedDuringKeyWaitWritesNothingMore();
    void otherWindowsCommandRunsDuringAWait();
    void toolsItemOpensItsDialog();
};

// Every caption of every layout reaches a command of its slot, which writes something with
// nothing but whole keywords coloured, and every View list opens. Put into any other slot, a
// caption does nothing: no caption is shared by two mods in one slot. Other View captions
// open nothing.
void TestModMenuCommands::everyShownCaptionReachesACommandOfItsSlotOnly()
{
    FrameFixture f;
    QHash<QString, QString> modOf; // "slot/caption" -> the mod showing it
    QSet<QString> allCaptions;
    for (const Choice &choice : creatableEntries()) {
        frmChild *child = f.newDocument(choice.game, choice.entry);
        QVERIFY(child);
        ListAnswerer answerer(child);
        QVERIFY(!slotItem(child, 25)->isVisible());
        for (int slot = 1; slot <= 24; ++slot) {
            QAction *action = slotItem(child, slot);
            if (action->isVisible())
                allCaptions.insert(action->text());
            if (!action->isVisible() || action->isSeparator() || action->text().isEmpty())
                continue;
            const QString where = choice.entry.trimmed() + QLatin1Char('/') + action->text();
            const QString key = QString::number(slot) + QLatin1Char('/') + action->text();
            QVERIFY2(!modOf.contains(key),
                     qPrintable(where + QStringLiteral(" and ") + modOf[key]));
            modOf.insert(key, choice.entry.trimmed());
            child->editor()->LoadPlainText(QString());
            action->trigger();
            QVERIFY2(child->editor()->TextLength() > 0, qPrintable(where));
            QVERIFY2(!child->lsKeys()->isVisible() && !child->lsSpecial()->isVisible(),
                     qPrintable(where));
            const QString wrong = wrongColouring(child->editor());
            QVERIFY2(wrong.isEmpty(), qPrintable(where + QStringLiteral(": ") + wrong));
        }
        if (item(child, QStringLiteral("mnuView2"))->isVisible()) {
            item(child, QStringLiteral("mnuView2"))->trigger();
            ListSearch *list = child->lsSpecial();
            QVERIFY2(list->isVisible(), qPrintable(choice.entry));
            QVERIFY(list->findChild<QListWidget *>(QStringLiteral("lstMain"))->count() > 0);
        }
        child->closeWithoutQuestion();
        f.settle();
    }
    QVERIFY(f.dialogs.messages.isEmpty()); // every list file was found
    QVERIFY(modOf.contains(QStringLiteral("1/Hook/Grapple")));
    QVERIFY(modOf.contains(QStringLiteral("24/Vote Tries")));
    QVERIFY(allCaptions.contains(QString()) && !allCaptions.contains(QStringLiteral("-")));

    frmChild *child = f.newDocument(GameList::Quake3, QStringLiteral("OSP"));
    ListAnswerer answerer(child);
    for (int slot = 1; slot <= 25; ++slot) {
        QAction *action = slotItem(child, slot);
        for (const QString &caption : allCaptions) {
            if (modOf.contains(QString::number(slot) + QLatin1Char('/') + caption))
                continue;
            action->setText(caption);
            action->trigger();
            const QString where = QStringLiteral("%1 in slot %2").arg(caption).arg(slot);
            QVERIFY2(child->editor()->Text().isEmpty(), qPrintable(where));
        }
    }
    QCOMPARE(answerer.keysShown + answerer.specialShown, 0);

    // Nor does a View item captioned for no list.
    item(child, QStringLiteral("mnuView2"))->setText(QStringLiteral("Urban terror Binds"));
    item(child, QStringLiteral("mnuView2"))->trigger();
    QVERIFY(!child->lsSpecial()->isVisible());
    QVERIFY(f.dialogs.messages.isEmpty());
}

void TestModMenuCommands::bindsWriteThePickedKey_data()
{
    QTest::addColumn<GameList>("game");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("key");   // typed into the keys list; empty: cancelled
    QTest::addColumn<QString>("sound"); // the same for the sound list, where there is one
    QTest::addColumn<QString>("written");
    QTest::newRow("picked key") << GameList::Quake3 << "Weapons Factory" << "Alarm" << "F" << ""
                                << "bind F \"alarm\"";
    QTest::newRow("the command's trailing space stays")
        << GameList::Quake2 << "Gxmod" << "Create Team" << "k" << "" << "bind k \"team \"";
    QTest::newRow("cancelled key leaves two blanks")
        << GameList::Quake2 << "Weapons Factory" << "Grenade 3" << "" << ""
        << "bind  \"cmd grenade 3\"";
    QTest::newRow("team sound") << GameList::Quake2 << "Capture the Flag" << "play_team" << "F"
                                << "capit" << "bind F \"play_team capit\"";
    QTest::newRow("cancelled team sound leaves a blank and the quote")
        << GameList::Quake2 << "Capture the Flag" << "play_team" << "F" << ""
        << "bind F \"play_team \"";
}

void TestModMenuCommands::bindsWriteThePickedKey()
{
    QFETCH(GameList, game);
    QFETCH(QString, entry);
    QFETCH(QString, caption);
    QFETCH(QString, key);
    QFETCH(QString, sound);
    QFETCH(QString, written);
    FrameFixture f;
    frmChild *child = f.newDocument(game, entry);
    ListAnswerer answerer(child);
    answerer.keys.enqueue(key);
    answerer.specials.enqueue(sound);
    otherItem(child, caption)->trigger();
    platform::RichEdit *editor = child->editor();
    QCOMPARE(editor->Text(), written);
    QCOMPARE(answerer.keysShown, 1);
    // Only the team sound comes from the mod's special list.
    QCOMPARE(answerer.specialShown, int(caption == QLatin1String("play_team")));
    QVERIFY(looksLike(editor, 0, 4, kBlue, true));
    QVERIFY(plain(editor, 4, int(written.size()) - 4));
    QCOMPARE(editor->SelStart(), int(written.size()));
    QCOMPARE(editor->SelLength(), 0);
}

void TestModMenuCommands::writesWithoutAList_data()
{
    QTest::addColumn<GameList>("game");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("written");
    QTest::addColumn<bool>("setColoured");
    QTest::newRow("set line") << GameList::Quake2 << "Gxmod Server" << "Powerup Flags"
                              << "set powerupflags " << true;
    QTest::newRow("set line with an opening quote") << GameList::Quake3 << "OSP Server"
                                                    << "map_file" << "set map_file \"" << true;
    // These write "set" as plain text.
    QTest::newRow("DM flags") << GameList::Quake2 << "Gxmod Server" << "DM Flags" << "set dmflags "
                              << false;
    QTest::newRow("admin password") << GameList::Quake2 << "Gxmod Server" << "Admin Password"
                                    << "set adminpw \"" << false;
    QTest::newRow("text and tab") << GameList::Quake3 << "    -Player Filter File" << "banaddr"
                                  << "banaddr\t" << false;
}

void TestModMenuCommands::writesWithoutAList()
{
    QFETCH(GameList, game);
    QFETCH(QString, entry);
    QFETCH(QString, caption);
    QFETCH(QString, written);
    QFETCH(bool, setColoured);
    FrameFixture f;
    frmChild *child = f.newDocument(game, entry);
    otherItem(child, caption)->trigger();
    platform::RichEdit *editor = child->editor();
    QCOMPARE(editor->Text(), written);
    const int coloured = setColoured ? 3 : 0;
    QVERIFY(looksLike(editor, 0, coloured, kRed, true));
    QVERIFY(plain(editor, coloured, int(written.size()) - coloured));
    QCOMPARE(editor->SelStart(), int(written.size()));
}

void TestModMenuCommands::textReplacesTheSelection()
{
    FrameFixture f;
    frmChild *child = f.newDocument(GameList::Quake2, QStringLiteral("Rocket Arena Server"));
    f.type(child, QStringLiteral("abc xyz"));
    child->editor()->Select(4, 3);
    otherItem(child, QStringLiteral("Starting Armor"))->trigger();
    QCOMPARE(child->editor()->Text(), QStringLiteral("abc armor: 100;"));
    QCOMPARE(child->editor()->SelStart(), 15);
    QVERIFY(plain(child->editor(), 4, 11));
}

void TestModMenuCommands::arenaSettingsAreKeyValueLines()
{
    FrameFixture f;
    frmChild *child = f.newDocument(GameList::Quake2, QStringLiteral("Rocket Arena Server"));
    const QRegularExpression line(QStringLiteral("^[a-z_]+: [0-9 ]+;$"));
    for (int slot = 1; slot <= 24; ++slot) {
        child->editor()->LoadPlainText(QString());
        slotItem(child, slot)->trigger();
        const QString text = child->editor()->Text();
        QVERIFY2(line.match(text).hasMatch(), qPrintable(text));
    }
}

void TestModMenuCommands::mp3Script()
{
    FrameFixture f;
    frmChild *child = f.newDocument(GameList::Quake3, QStringLiteral("Rocket Arena"));
    ListAnswerer answerer(child);
    answerer.keys.enqueue(QStringLiteral("F"));
    otherItem(child, QStringLiteral("MP3 Play/Pause Toggle"))->trigger();
    platform::RichEdit *editor = child->editor();
    const QString bindLine = QStringLiteral("bind F \"vstr mp3_pp\"\r\n");
    QCOMPARE(editor->Text(),
             bindLine +
                 QStringLiteral("\r\n"
                                "//MP3 Script\r\n"
                                "set mp3_pp \"vstr mp3_p1\"\r\n"
                                "set mp3_p1 \"mp3_play; set mp3_pp vstr mp3_p2;echo play\"\r\n"
                                "set mp3_p2 \"mp3_pause; set mp3_pp vstr mp3_p1;echo pause\"\r\n"));
    QVERIFY(looksLike(editor, 0, 4, kBlue, true));
    // The bind's own command is written as text, not coloured.
    QVERIFY(plain(editor, 4, int(bindLine.size()) - 4));
    const QString text = editor->Text();
    for (int at = text.indexOf(QStringLiteral("vstr"), int(bindLine.size())); at >= 0;
         at = text.indexOf(QStringLiteral("vstr"), at + 1))
        QVERIFY2(looksLike(editor, at, 4, kGreen, true), qPrintable(QString::number(at)));
    for (int at = text.indexOf(QStringLiteral("set")); at >= 0;
         at = text.indexOf(QStringLiteral("set"), at + 1))
        QVERIFY2(looksLike(editor, at, 3, kRed, true), qPrintable(QString::number(at)));
    QVERIFY(plain(editor, text.indexOf(QStringLiteral("//MP3")), 12));
    QCOMPARE(editor->SelStart(), int(bindLine.size()));
    QCOMPARE(editor->SelLength(), 0);
}

void TestModMenuCommands::motdLines()
{
    FrameFixture f;
    frmChild *child = f.newDocument(GameList::Quake3, QStringLiteral("OSP Server"));
    otherItem(child, QStringLiteral("server_motd[1-8]"))->trigger();
    platform::RichEdit *editor = child->editor();
    QStringList lines;
    for (int n = 1; n <= 8; ++n)
        lines.append(QStringLiteral("set server_motd%1 \"\"").arg(n));
    const QString expected = lines.join(QStringLiteral("\r\n"));
    QCOMPARE(editor->Text(), expected);
    for (int n = 0; n < 8; ++n) {
        const int start = n * 21;
        QVERIFY(looksLike(editor, start, 3, kRed, true));
        QVERIFY(plain(editor, start + 3, 16));
    }
    QCOMPARE(editor->SelStart(), int(expected.size()));
}

void TestModMenuCommands::missingKeysListStillFinishesTheLine()
{
    FrameFixture f;
    frmChild *child = f.newDocument(GameList::Quake3, QStringLiteral("OSP"));
    // A program folder without reference lists.
    platform::setProgramFolder(f.folder.path());
    otherItem(child, QStringLiteral("team"))->trigger();
    platform::setProgramFolder(QString());
    QCOMPARE(f.dialogs.messages.size(), 1);
    QVERIFY(f.dialogs.messages.first().text.startsWith(QStringLiteral("Couldn't find ")));
    QVERIFY(!child->lsKeys()->isVisible());
    QCOMPARE(child->editor()->Text(), QStringLiteral("bind  \"team\""));
}

void TestModMenuCommands::windowClosedDuringKeyWaitWritesNothingMore()
{
    FrameFixture f;
    frmChild *child = f.newDocument(GameList::Quake3, QStringLiteral("OSP"));
    frmChild *other = f.newDocument(GameList::Quake3, QStringLiteral("OSP"));
    f.frame->activateDocument(child);
    QPointer<frmChild> guard(child);
    bool closedInWait = false;
    int writesAfterClose = 0;
    connect(child->editor(), &platform::RichEdit::textChanged, child->editor(),
            [&] { writesAfterClose += closedInWait; });
    QTimer::singleShot(0, child, [&] {
        const bool waiting = child->lsKeys()->isVisible();
        child->closeWithoutQuestion();
        closedInWait = waiting;
    });
    otherItem(child, QStringLiteral("ready"))->trigger();
    QVERIFY(closedInWait);
    QCOMPARE(writesAfterClose, 0);
    f.settle();
    QVERIFY(guard.isNull());
    QCOMPARE(f.frame->documentWindows(), QList<frmChild *>{other});
    QCOMPARE(other->editor()->Text(), QString());
}

void TestModMenuCommands::otherWindowsCommandRunsDuringAWait()
{
    FrameFixture f;
    frmChild *waiting = f.newDocument(GameList::Quake3, QStringLiteral("OSP"));
    frmChild *server = f.newDocument(GameList::Quake3, QStringLiteral("OSP Server"));
    f.frame->activateDocument(waiting);
    QTimer::singleShot(0, waiting, [&] {
        otherItem(server, QStringLiteral("g_warmup"))->trigger();
        QTest::keyClicks(waiting->lsKeys()->findChild<QLineEdit *>(QStringLiteral("txtSearch")),
                         QStringLiteral("x"));
        QTest::keyClick(waiting->lsKeys()->findChild<QLineEdit *>(QStringLiteral("txtSearch")),
                        Qt::Key_Return);
    });
    otherItem(waiting, QStringLiteral("lock"))->trigger();
    QCOMPARE(waiting->editor()->Text(), QStringLiteral("bind x \"lock\""));
    QCOMPARE(server->editor()->Text(), QStringLiteral("set g_warmup "));
    QVERIFY(looksLike(server->editor(), 0, 3, kRed, true));
    QVERIFY(looksLike(waiting->editor(), 0, 4, kBlue, true));
}

void TestModMenuCommands::toolsItemOpensItsDialog()
{
    FrameFixture f;
    const auto shownWindow = [](const char *name) -> QWidget * {
        for (QWidget *window : QApplication::topLevelWidgets())
            if (window->objectName() == QLatin1String(name) && window->isVisible())
                return window;
        return nullptr;
    };
    frmChild *gxmod = f.newDocument(GameList::Quake2, QStringLiteral("Gxmod Server"));
    item(gxmod, QStringLiteral("mnuTools1"))->trigger();
    QTRY_VERIFY(shownWindow("frmFlags"));
    QVERIFY(!shownWindow("frmNameEditor"));
    shownWindow("frmFlags")->close();

    frmChild *osp = f.newDocument(GameList::Quake3, QStringLiteral("OSP"));
    item(osp, QStringLiteral("mnuTools1"))->trigger();
    QTRY_VERIFY(shownWindow("frmNameEditor"));
    QVERIFY(!shownWindow("frmFlags"));
    shownWindow("frmNameEditor")->close();
    f.settle();
}

QTEST_MAIN(TestModMenuCommands)
#include "tst_modmenucommands.moc"
