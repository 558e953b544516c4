// The mod commands against what ships with the program, and how they behave beyond the text
// the golden files hold: every bound command is a list entry, every caption writes, every
// View list is its mod's own; cancelled lists, selections and commands run during a wait; the
// mod records and the tables and help rows naming them agree.
#include "EditorProbe.h"
#include "OutputProbe.h"
#include "document/HelpTopics.h"
#include "lists/ListSearch.h"
#include "mods/ModCatalogue.h"
#include "mods/ModCommands.h"
#include "mods/ModMenuLayouts.h"
#include "mods/ModMenus.h"
#include "platform/AppPaths.h"

#include <QDirIterator>
#include <QLineEdit>
#include <QtTest>

using document::frmChild;
using mods::GameList;

namespace {

/** The entries of a shipped list, lowered as the lists show them; by name below Configs. */
QStringList shippedList(const QString &name)
{
    QFile file(platform::configsFolder() + '/' + QString(name).replace('\\', '/').remove(QRegularExpression("^/")));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(file.readAll()).toLower().split(QRegularExpression("[\r\n]+"), Qt::SkipEmptyParts);
}

QAction *otherItem(frmChild *child, const QString &caption)
{
    for (int slot = 1; slot <= 25; ++slot)
        if (QAction *item = child->menuItem(QStringLiteral("mnuOther%1").arg(slot)); item->text() == caption)
            return item;
    qFatal("no Other item %s", qPrintable(caption));
}

} // namespace

class TestModCommands : public QObject {
    Q_OBJECT
private slots:
    void boundCommandsAreEntriesOfShippedLists();
    void everyCaptionRunsItsOwnModsCommandThatWrites();
    void viewListsBelongToTheirGameAndMod();
    void listsAnsweredOtherwise_data();
    void listsAnsweredOtherwise();
    void otherWindowsCommandRunsDuringAWait();
    void menusOfDocumentsWithoutAMod();
    void modsAreToldApartAndNamedByTablesAndHelpRows();
};

// What a key bind writes between the quotes is an action of the mod's list or the game's
// binds list; a trailing placeholder ("<short|long>") or "//" note is for the user to edit.
void TestModCommands::boundCommandsAreEntriesOfShippedLists()
{
    static const QRegularExpression note(QStringLiteral("\\s*(//.*|<.*>)$"));
    int checked = 0;
    for (const core::Mod &mod : core::kMods) {
        for (const mods::ModCommand &command : mods::otherItems(mod)) {
            const QString modList = mod.viewFile.toString();
            const QString game = modList.section('\\', 1, 1);
            for (const mods::ModCommandStep &step : mods::modCommandSteps(command))
                if (step.kind == mods::StepKind::ShowSpecialListAndWait)
                    QVERIFY2(shippedList(step.text).size() > 0, qPrintable(step.text));
            if (command.kind != mods::ModCommandKind::KeyBind)
                continue;
            QVERIFY2(!game.isEmpty(), qPrintable(mod.name.toString()));
            const QStringList actions = shippedList(modList) + shippedList(game + "/" + game.left(1).toLower() + game.right(1) + "binds.txt");
            const QString action = command.text.toString().remove(note).trimmed().toLower();
            QVERIFY2(actions.contains(action), qPrintable(command.caption.toString() + ": " + action));
            ++checked;
        }
    }
    QVERIFY(checked > 120);
}

// Each caption of each layout reaches, in its own slot, the item of that same mod, which
// writes something; in any other slot a caption reaches nothing unless a layout shows it there.
void TestModCommands::everyCaptionRunsItsOwnModsCommandThatWrites()
{
    QSet<QString> shownIn; // "slot/caption"
    QSet<QString> captions;
    for (const core::Mod &mod : core::kMods) {
        for (int slot = 1; slot <= 25; ++slot) {
            const QString caption = mods::ModMenuLayout{&mod}.otherSlot(slot).caption.value_or(u"").toString();
            if (caption.isEmpty() || caption == QLatin1String("-"))
                continue;
            const QString where = mod.name.toString() + '/' + caption;
            const mods::ModCommand *command = mods::findModCommand(slot, caption);
            QVERIFY2(command && command == &mods::otherItems(mod)[slot - 1], qPrintable(where));
            QString written;
            for (const mods::ModCommandStep &step : mods::modCommandSteps(*command))
                written += step.text;
            QVERIFY2(!written.trimmed().isEmpty(), qPrintable(where));
            shownIn.insert(QString::number(slot) + '/' + caption);
            captions.insert(caption);
        }
    }
    for (int slot = 1; slot <= 25; ++slot)
        for (const QString &caption : captions)
            QVERIFY2(!mods::findModCommand(slot, caption) || shownIn.contains(QString::number(slot) + '/' + caption),
                     qPrintable(QStringLiteral("%1 in slot %2").arg(caption).arg(slot)));
    QVERIFY(!mods::findModCommand(8, QStringLiteral("-")));
}

// The list a document's View item opens is a shipped list of the document's game that no other
// mod's View item opens; together with the lists commands pop up, every mod list is in use.
void TestModCommands::viewListsBelongToTheirGameAndMod()
{
    FrameFixture f;
    QHash<QString, QString> openedBy; // list file -> document
    for (const FrameFixture::ModChoice &choice : FrameFixture::creatableEntries()) {
        frmChild *child = f.newDocument(choice.game, choice.entry);
        if (!child->menuItem("mnuView2")->isVisible())
            continue;
        f.trigger(child, "mnuView2");
        const QStringList shown = probe::entries(child->lsSpecial());
        const QString game = choice.game == GameList::Quake2 ? "Quake2" : "Quake3";
        QString file;
        for (QDirIterator it(platform::configsFolder() + '/' + game, {"*.txt"}); it.hasNext();)
            if (const QString name = game + '/' + QFileInfo(it.next()).fileName(); shippedList(name) == shown)
                file = name;
        QVERIFY2(!shown.isEmpty() && !file.isEmpty(), qPrintable(choice.entry));
        QVERIFY2(!openedBy.contains(file), qPrintable(file + ": " + choice.entry + ", " + openedBy[file]));
        openedBy.insert(file, choice.entry);
        child->closeWithoutQuestion();
    }
    QStringList inUse = openedBy.keys() + QStringList{"Quake2/q2ctf.txt"};
    QStringList modLists;
    for (QDirIterator it(platform::configsFolder(), {"*.txt"}, QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
        if (const QString name = it.next().section('/', -2); !name.contains(QRegularExpression("/q[23](binds|keys|cvars)")))
            modLists << name;
    inUse.sort();
    modLists.sort();
    QCOMPARE(inUse, modLists);
    QVERIFY(f.dialogs.messages.isEmpty());
}

void TestModCommands::listsAnsweredOtherwise_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("key");   // typed into the keys list; empty: cancelled
    QTest::addColumn<bool>("noLists");  // a program folder without lists
    QTest::addColumn<QString>("written");
    QTest::newRow("cancelled key leaves two blanks") << "Weapons Factory" << "Grenade 3" << "" << false
                                                     << "bind  \"cmd grenade 3\"";
    QTest::newRow("cancelled sound leaves a blank") << "Capture the Flag" << "play_team" << "F" << false
                                                    << "bind F \"play_team \"";
    QTest::newRow("missing keys list still finishes the line") << "Lithium" << "Hook" << "F" << true
                                                               << "bind  \"+hook\"";
}

void TestModCommands::listsAnsweredOtherwise()
{
    QFETCH(QString, entry);
    QFETCH(QString, caption);
    QFETCH(QString, key);
    QFETCH(bool, noLists);
    QFETCH(QString, written);
    FrameFixture f;
    frmChild *child = f.newDocument(GameList::Quake2, entry);
    probe::ListAnswerer answerer(child);
    answerer.keys << key;
    if (noLists)
        platform::setProgramFolder(f.folder.path());
    otherItem(child, caption)->trigger();
    platform::setProgramFolder(QString());
    QCOMPARE(child->editor()->Text(), written);
    QVERIFY(looksLike(child->editor(), 0, 4, probe::kBlue, true));
    QVERIFY(!child->lsKeys()->isVisible() && !child->lsSpecial()->isVisible());
    QCOMPARE(f.dialogs.messages.size(), int(noLists));
    if (noLists)
        QVERIFY(f.dialogs.messages[0].text.startsWith(QStringLiteral("Couldn't find ")));
}

// Another window's command runs during a wait, over that window's selection.
void TestModCommands::otherWindowsCommandRunsDuringAWait()
{
    FrameFixture f;
    frmChild *waiting = f.newDocument(GameList::Quake3, QStringLiteral("OSP"));
    frmChild *server = f.newDocument(GameList::Quake3, QStringLiteral("OSP Server"));
    FrameFixture::type(server, QStringLiteral("abc xyz"));
    server->editor()->Select(4, 3); // written over
    f.frame->activateDocument(waiting);
    QTimer::singleShot(0, waiting, [&] {
        otherItem(server, QStringLiteral("g_warmup"))->trigger();
        auto *search = waiting->lsKeys()->findChild<QLineEdit *>(QStringLiteral("txtSearch"));
        QTest::keyClicks(search, QStringLiteral("x"));
        QTest::keyClick(search, Qt::Key_Return);
    });
    otherItem(waiting, QStringLiteral("lock"))->trigger();
    QCOMPARE(waiting->editor()->Text(), QStringLiteral("bind x \"lock\""));
    QCOMPARE(server->editor()->Text(), QStringLiteral("abc set g_warmup "));
    QCOMPARE(server->editor()->SelStart(), 17);
    QVERIFY(looksLike(server->editor(), 4, 3, probe::kRed, true));
    QVERIFY(looksLike(server->editor(), 7, 10, probe::kBlack, false));
}

// An opened file shows the items of its game's mod; a window reused for it is laid out afresh;
// an unknown mod name or View caption changes and opens nothing.
void TestModCommands::menusOfDocumentsWithoutAMod()
{
    FrameFixture f;
    frmChild *child = f.newDocument(GameList::Quake3, QStringLiteral("OSP Server"));
    f.dialogs.openAnswers.enqueue({f.writeFile("server.cfg", "set g_gametype 1\r\n")});
    f.frame->openCommand();
    QCOMPARE(f.active(), child);
    QCOMPARE(child->menuItem("mnuInsertTemplate")->text(), QStringLiteral("Free for All Template"));
    QVERIFY(!child->menuItem("mnuInsertTemplate")->isEnabled());
    for (const char *name : {"mnuOther", "mnuTools1", "mnuView1", "mnuView2", "mnuHelpMod"})
        QVERIFY2(child->menuItem(name)->isVisible(), name);
    f.dialogs.openAnswers.enqueue({f.writeFile("a.cfg", "bind x +attack\r\n")});
    f.frame->openCommand();
    QVERIFY(f.active() != child && !f.active()->menuItem("mnuInsertTemplate")->isEnabled());
    QVERIFY(f.active()->menuItem("mnuOther")->isVisible());

    frmChild *osp = f.newDocument(GameList::Quake3, QStringLiteral("OSP"));
    const QString before = probe::seen(osp->editor()) + osp->menuItem("mnuOther1")->text() +
                           osp->menuItem("mnuView2")->text();
    for (const char *name : {"osp", "OSP ", "Osp Server", ""})
        mods::SetModMenus(osp, QLatin1String(name));
    QCOMPARE(probe::seen(osp->editor()) + osp->menuItem("mnuOther1")->text() + osp->menuItem("mnuView2")->text(),
             before);
    osp->menuItem("mnuView2")->setText(QStringLiteral("Urban terror Binds"));
    f.trigger(osp, "mnuView2");
    QVERIFY(!osp->lsSpecial()->isVisible());
    QVERIFY(f.dialogs.messages.isEmpty());
}

QTEST_MAIN(TestModCommands)
// A mod's number, name and the captions a click looks it up by are its own, as is a list's key;
// each mod (but the blank config) has one list entry; help rows name known mods.
void TestModCommands::modsAreToldApartAndNamedByTablesAndHelpRows()
{
    QHash<QString, bool> seen;
    QHash<const core::Mod *, int> uses;
    const auto once = [&seen](const QString &key) { return !std::exchange(seen[key], true); };
    for (GameList game : {GameList::Quake2, GameList::Quake3})
        for (const mods::CatalogueEntry &entry : mods::catalogueEntries(game)) {
            QVERIFY2(once(QStringLiteral("%1 key %2").arg(int(game)).arg(entry.key)), qPrintable(entry.key.toString()));
            uses[entry.mod] += entry.isComingSoon() ? 0 : 1;
        }
    for (const core::Mod &mod : core::kMods) {
        for (const QString &key : {QStringLiteral("id %1").arg(mod.id), QStringLiteral("name %1").arg(mod.name),
                                   QStringLiteral("template %1").arg(mod.templateCaption), QStringLiteral("view %1").arg(mod.viewCaption)})
            QVERIFY2(key == "view " || once(key), qPrintable(key));
        QCOMPARE(uses.value(&mod), &mod == &core::kBlankMod ? 0 : 1);
    }
    QFile file(platform::helpFolder() + "/topics.tsv");
    QStringList problems;
    QVERIFY(file.open(QIODevice::ReadOnly));
    const auto topics = document::parseTopicTable(QString::fromUtf8(file.readAll()), file.fileName(), &problems);
    QCOMPARE(problems, QStringList());
    for (const auto &rules : {topics.helpOn, topics.modHelp})
        for (const document::TopicRule &rule : rules)
            for (const std::int32_t id : rule.modIds)
                QVERIFY2(seen.contains(QStringLiteral("id %1").arg(id)), qPrintable(QString::number(id)));
}

#include "tst_modcommands.moc"
