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

struct Choice {
    GameList game;
    QString entry;
};

QList<Choice> creatableEntries()
{
    QList<Choice> choices;
    for (GameList game : {GameList::Quake2, GameList::Quake3})
        for (const mods::CatalogueEntry &entry : mods::catalogueEntries(game))
            if (!entry.isComingSoon())
                choices.append({game, entry.text.toString()});
    return choices;
}

/** Black and not bold: written as text, not coloured. */
bool plain(platform::RichEdit *editor, int start, int length)
{
    return looksLike(editor, start, length, kBlack, false);
}

} // namespace

class TestModMenuCommands : public QObject {
    Q_OBJECT

private slots:
    void everyShownCaptionReachesACommand();
    void emptyAndForeignCaptionsDoNothing();
    void keyBindWritesThePickedKey();
    void keyBindKeepsTheCommandsTrailingSpace();
    void cancelledKeyPickLeavesTwoSpaces();
    void setLineColoursSet();
    void setLineWithOpeningQuote();
    void flagTextsAreNotColoured();
    void textReplacesTheSelection();
    void textAndTab();
    void arenaSettingsAreKeyValueLines();
    void mp3Script();
    void teamSoundBind();
    void cancelledTeamSoundLeavesASpaceAndTheQuote();
    void motdLines();
    void missingKeysListStillFinishesTheLine();
    void windowClosedDuringKeyWaitWritesNothingMore();
    void otherWindowsCommandRunsDuringAWait();
    void viewItemOpensTheModsList();
    void toolsItemOpensItsDialog();
};

void TestModMenuCommands::everyShownCaptionReachesACommand()
{
    FrameFixture f;
    QHash<int, QSet<QString>> shownBySlot;
    for (const Choice &choice : creatableEntries()) {
        frmChild *child = f.newDocument(choice.game, choice.entry);
        QVERIFY(child);
        ListAnswerer answerer(child);
        QVERIFY(!slotItem(child, 25)->isVisible());
        for (int slot = 1; slot <= 24; ++slot) {
            QAction *action = slotItem(child, slot);
            if (!action->isVisible() || action->isSeparator() || action->text().isEmpty())
                continue;
            const QString where = choice.entry.trimmed() + QLatin1Char('/') + action->text();
            shownBySlot[slot].insert(action->text());
            child->editor()->LoadPlainText(QString());
            action->trigger();
            QVERIFY2(child->editor()->TextLength() > 0, qPrintable(where));
            QVERIFY2(!child->lsKeys()->isVisible() && !child->lsSpecial()->isVisible(),
                     qPrintable(where));
        }
        child->closeWithoutQuestion();
        f.settle();
    }
    QVERIFY(shownBySlot.value(1).contains(QStringLiteral("Hook/Grapple")));
    QVERIFY(shownBySlot.value(24).contains(QStringLiteral("Vote Tries")));
}

void TestModMenuCommands::emptyAndForeignCaptionsDoNothing()
{
    FrameFixture f;
    // Collect what the layouts show in each slot, then put every caption into every other slot.
    QHash<int, QSet<QString>> shownBySlot;
    QSet<QString> allCaptions;
    for (const Choice &choice : creatableEntries()) {
        frmChild *child = f.newDocument(choice.game, choice.entry);
        for (int slot = 1; slot <= 24; ++slot) {
            QAction *action = slotItem(child, slot);
            if (action->isVisible()) {
                shownBySlot[slot].insert(action->text());
                allCaptions.insert(action->text());
            }
        }
        child->closeWithoutQuestion();
        f.settle();
    }
    QVERIFY(allCaptions.contains(QString()));
    QVERIFY(allCaptions.contains(QStringLiteral("-")));

    frmChild *child = f.newDocument(GameList::Quake3, QStringLiteral("OSP"));
    ListAnswerer answerer(child);
    for (int slot = 1; slot <= 24; ++slot) {
        QAction *action = slotItem(child, slot);
        for (const QString &caption : allCaptions) {
            const bool command = !caption.isEmpty() && caption != QLatin1String("-");
            if (command && shownBySlot.value(slot).contains(caption))
                continue;
            action->setText(caption);
            action->trigger();
            const QString where = QStringLiteral("%1 in slot %2").arg(caption).arg(slot);
            QVERIFY2(child->editor()->Text().isEmpty(), qPrintable(where));
        }
    }
    QCOMPARE(answerer.keysShown + answerer.specialShown, 0);

    // The hidden 25th item has no command at all.
    slotItem(child, 25)->setText(QStringLiteral("Vote Tries"));
    slotItem(child, 25)->trigger();
    QVERIFY(child->editor()->Text().isEmpty());
}

void TestModMenuCommands::keyBindWritesThePickedKey()
{
    FrameFixture f;
    frmChild *child = f.newDocument(GameList::Quake3, QStringLiteral("Weapons Factory"));
    ListAnswerer answerer(child);
    answerer.keys.enqueue(QStringLiteral("F"));
    otherItem(child, QStringLiteral("Alarm"))->trigger();
    platform::RichEdit *editor = child->editor();
    const QString expected = QStringLiteral("bind F \"alarm\"");
    QCOMPARE(editor->Text(), expected);
    QCOMPARE(answerer.keysShown, 1);
    QVERIFY(looksLike(editor, 0, 4, kBlue, true));
    QVERIFY(plain(editor, 4, int(expected.size()) - 4));
    QCOMPARE(editor->SelStart(), int(expected.size()));
    QCOMPARE(editor->SelLength(), 0);
}

void TestModMenuCommands::keyBindKeepsTheCommandsTrailingSpace()
{
    FrameFixture f;
    frmChild *child = f.newDocument(GameList::Quake2, QStringLiteral("Gxmod"));
    ListAnswerer answerer(child);
    answerer.keys.enqueue(QStringLiteral("k"));
    otherItem(child, QStringLiteral("Create Team"))->trigger();
    QCOMPARE(child->editor()->Text(), QStringLiteral("bind k \"team \""));
}

void TestModMenuCommands::cancelledKeyPickLeavesTwoSpaces()
{
    FrameFixture f;
    frmChild *child = f.newDocument(GameList::Quake2, QStringLiteral("Weapons Factory"));
    ListAnswerer answerer(child);
    otherItem(child, QStringLiteral("Grenade 3"))->trigger();
    QCOMPARE(answerer.keysShown, 1);
    QCOMPARE(child->editor()->Text(), QStringLiteral("bind  \"cmd grenade 3\""));
    QVERIFY(looksLike(child->editor(), 0, 4, kBlue, true));
}

void TestModMenuCommands::setLineColoursSet()
{
    FrameFixture f;
    frmChild *child = f.newDocument(GameList::Quake2, QStringLiteral("Gxmod Server"));
    otherItem(child, QStringLiteral("Powerup Flags"))->trigger();
    platform::RichEdit *editor = child->editor();
    QCOMPARE(editor->Text(), QStringLiteral("set powerupflags "));
    QVERIFY(looksLike(editor, 0, 3, kRed, true));
    QVERIFY(plain(editor, 3, 14));
    QCOMPARE(editor->SelStart(), 17);
}

void TestModMenuCommands::setLineWithOpeningQuote()
{
    FrameFixture f;
    frmChild *child = f.newDocument(GameList::Quake3, QStringLiteral("OSP Server"));
    otherItem(child, QStringLiteral("map_file"))->trigger();
    platform::RichEdit *editor = child->editor();
    QCOMPARE(editor->Text(), QStringLiteral("set map_file \""));
    QVERIFY(looksLike(editor, 0, 3, kRed, true));
    QVERIFY(plain(editor, 3, 11));
}

void TestModMenuCommands::flagTextsAreNotColoured()
{
    FrameFixture f;
    frmChild *gxmod = f.newDocument(GameList::Quake2, QStringLiteral("Gxmod Server"));
    otherItem(gxmod, QStringLiteral("DM Flags"))->trigger();
    QCOMPARE(gxmod->editor()->Text(), QStringLiteral("set dmflags "));
    QVERIFY(plain(gxmod->editor(), 0, 12));
    otherItem(gxmod, QStringLiteral("Admin Password"))->trigger();
    QCOMPARE(gxmod->editor()->Text(), QStringLiteral("set dmflags set adminpw \""));
    QVERIFY(plain(gxmod->editor(), 12, 13));

    frmChild *osp = f.newDocument(GameList::Quake3, QStringLiteral("OSP Server"));
    otherItem(osp, QStringLiteral("dmflags"))->trigger();
    QCOMPARE(osp->editor()->Text(), QStringLiteral("set dmflags "));
    QVERIFY(plain(osp->editor(), 0, 12));
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

void TestModMenuCommands::textAndTab()
{
    FrameFixture f;
    frmChild *child = f.newDocument(GameList::Quake3, QStringLiteral("    -Player Filter File"));
    otherItem(child, QStringLiteral("banaddr"))->trigger();
    QCOMPARE(child->editor()->Text(), QStringLiteral("banaddr\t"));
    QVERIFY(plain(child->editor(), 0, 8));
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

void TestModMenuCommands::teamSoundBind()
{
    FrameFixture f;
    frmChild *child = f.newDocument(GameList::Quake2, QStringLiteral("Capture the Flag"));
    ListAnswerer answerer(child);
    answerer.keys.enqueue(QStringLiteral("F"));
    answerer.specials.enqueue(QStringLiteral("capit"));
    otherItem(child, QStringLiteral("play_team"))->trigger();
    QCOMPARE(answerer.keysShown, 1);
    QCOMPARE(answerer.specialShown, 1);
    QCOMPARE(child->editor()->Text(), QStringLiteral("bind F \"play_team capit\""));
    QVERIFY(looksLike(child->editor(), 0, 4, kBlue, true));
}

void TestModMenuCommands::cancelledTeamSoundLeavesASpaceAndTheQuote()
{
    FrameFixture f;
    frmChild *child = f.newDocument(GameList::Quake2, QStringLiteral("Capture the Flag"));
    ListAnswerer answerer(child);
    answerer.keys.enqueue(QStringLiteral("F"));
    otherItem(child, QStringLiteral("play_team"))->trigger();
    QCOMPARE(answerer.specialShown, 1);
    QCOMPARE(child->editor()->Text(), QStringLiteral("bind F \"play_team \""));
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
    connect(child->editor(), &QTextEdit::textChanged, child->editor(),
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

void TestModMenuCommands::viewItemOpensTheModsList()
{
    FrameFixture f;
    frmChild *child = f.newDocument(GameList::Quake3, QStringLiteral("Urban Terror"));
    item(child, QStringLiteral("mnuView2"))->trigger();
    ListSearch *list = child->lsSpecial();
    QVERIFY(list->isVisible());
    auto *entries = list->findChild<QListWidget *>(QStringLiteral("lstMain"));
    QVERIFY(entries->count() > 0);
    QVERIFY(f.dialogs.messages.isEmpty());
    QTest::keyClick(list->findChild<QLineEdit *>(QStringLiteral("txtSearch")), Qt::Key_Escape);
    QVERIFY(!list->isVisible());

    // Another caption opens nothing.
    item(child, QStringLiteral("mnuView2"))->setText(QStringLiteral("Urban terror Binds"));
    item(child, QStringLiteral("mnuView2"))->trigger();
    QVERIFY(!list->isVisible());
    QVERIFY(f.dialogs.messages.isEmpty());
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
