// The mod-dependent menu items as each mod's document shows them: the Other menu and its
// items, the Template item, Tools, the View list and mod help.
#include "lists/ListSearch.h"
#include "mods/ModMenus.h"
#include "support/FrameFixture.h"

#include <QtTest>

using document::frmChild;
using mods::GameList;

Q_DECLARE_METATYPE(mods::GameList)

namespace {

/** What the user sees of one menu item. */
struct ItemLook {
    QString text;
    bool visible;
    bool enabled;
    bool separator;
    bool operator==(const ItemLook &) const = default;
};

QAction *item(frmChild *child, const QString &name)
{
    QAction *action = child->menuItem(name);
    if (!action)
        qFatal("no menu item %s", qPrintable(name));
    return action;
}

QAction *item(frmChild *child, const char *name) { return item(child, QLatin1String(name)); }

QAction *slotItem(frmChild *child, int slot)
{
    return item(child, QStringLiteral("mnuOther%1").arg(slot));
}

QStringList modItemNames()
{
    QStringList names{"mnuOther", "mnuInsertTemplate", "mnuTools1",
                      "mnuView1", "mnuView2",          "mnuHelpMod"};
    for (int slot = 1; slot <= 25; ++slot)
        names.append(QStringLiteral("mnuOther%1").arg(slot));
    return names;
}

QList<ItemLook> looks(frmChild *child)
{
    QList<ItemLook> result;
    for (const QString &name : modItemNames()) {
        QAction *action = item(child, name);
        result.append(
            {action->text(), action->isVisible(), action->isEnabled(), action->isSeparator()});
    }
    return result;
}

/** The numbers of the shown Other slots. */
QList<int> shownSlots(frmChild *child)
{
    QList<int> shown;
    for (int slot = 1; slot <= 25; ++slot)
        if (slotItem(child, slot)->isVisible())
            shown.append(slot);
    return shown;
}

using Choice = FrameFixture::ModChoice;

QList<Choice> creatableEntries() { return FrameFixture::creatableEntries(); }

QString describe(const Choice &choice)
{
    return (choice.game == GameList::Quake2 ? QStringLiteral("Q2 ") : QStringLiteral("Q3 ")) +
           choice.entry.trimmed();
}

} // namespace

class TestModMenus : public QObject {
    Q_OBJECT

private slots:
    void openedFileHasBlankMenus();
    void singleEmptyItemLayouts_data();
    void singleEmptyItemLayouts();
    void dataFileLayoutsHideOtherButOfferTemplateAndHelp_data();
    void dataFileLayoutsHideOtherButOfferTemplateAndHelp();
    void everyModDocumentGetsALayoutOfItsOwn();
    void captureTheFlagCaptionsDifferInCase();
    void separatorsAreSeparators();
    void reusedOspServerWindowKeepsAnEnabledRegularTemplate();
    void unknownModNameChangesNothing();
};

void TestModMenus::openedFileHasBlankMenus()
{
    FrameFixture f;
    f.dialogs.openAnswers.enqueue({f.writeFile("a.cfg", "bind x +attack\r\n")});
    f.frame->openCommand();
    frmChild *child = f.active();
    QVERIFY(child);
    QVERIFY(!item(child, "mnuOther")->isVisible());
    QCOMPARE(item(child, "mnuInsertTemplate")->text(), QStringLiteral("Regular Template"));
    QVERIFY(!item(child, "mnuInsertTemplate")->isEnabled());
    for (const char *name : {"mnuTools1", "mnuView1", "mnuView2", "mnuHelpMod"})
        QVERIFY2(!item(child, name)->isVisible(), name);
}

void TestModMenus::singleEmptyItemLayouts_data()
{
    QTest::addColumn<GameList>("game");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("otherCaption");
    QTest::newRow("Quake 3 Free for All") << GameList::Quake3 << "Free for All" << "Free for All";
    QTest::newRow("Quake 2 Free for All") << GameList::Quake2 << "Free for All" << "Free for All";
    QTest::newRow("Quake 2 Rocket Arena") << GameList::Quake2 << "Rocket Arena" << "Rocket Arena";
}

void TestModMenus::singleEmptyItemLayouts()
{
    QFETCH(GameList, game);
    QFETCH(QString, entry);
    QFETCH(QString, otherCaption);
    FrameFixture f;
    frmChild *child = f.newDocument(game, entry);
    QVERIFY(child);
    QVERIFY(item(child, "mnuOther")->isVisible());
    QCOMPARE(item(child, "mnuOther")->text(), otherCaption);
    QCOMPARE(shownSlots(child), QList<int>{1});
    QCOMPARE(slotItem(child, 1)->text(), QString());
    slotItem(child, 1)->trigger();
    f.settle();
    QCOMPARE(child->editor()->Text(), QString());
    QVERIFY(!child->lsKeys()->isVisible());
}

void TestModMenus::dataFileLayoutsHideOtherButOfferTemplateAndHelp_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("templateCaption");
    QTest::addColumn<QString>("helpCaption");
    QTest::newRow("custom mod") << "    -Custom Mod" << "OSP Custom Mod Template"
                                << "OSP Custom Mod Help";
    QTest::newRow("map list") << "    -Map List File" << "OSP Map List Template"
                              << "OSP Server Map List Help";
}

void TestModMenus::dataFileLayoutsHideOtherButOfferTemplateAndHelp()
{
    QFETCH(QString, entry);
    QFETCH(QString, templateCaption);
    QFETCH(QString, helpCaption);
    FrameFixture f;
    frmChild *child = f.newDocument(GameList::Quake3, entry);
    QVERIFY(child);
    QVERIFY(!item(child, "mnuOther")->isVisible());
    QCOMPARE(item(child, "mnuInsertTemplate")->text(), templateCaption);
    QVERIFY(item(child, "mnuInsertTemplate")->isEnabled());
    QVERIFY(item(child, "mnuHelpMod")->isVisible());
    QCOMPARE(item(child, "mnuHelpMod")->text(), helpCaption);
    for (const char *name : {"mnuTools1", "mnuView1", "mnuView2"})
        QVERIFY2(!item(child, name)->isVisible(), name);
}

// A Template item captioned for the mod, enabled only in the OSP server documents, and the
// tool of the mod's game.
void TestModMenus::everyModDocumentGetsALayoutOfItsOwn()
{
    FrameFixture f;
    QSet<QString> templateCaptions;
    QSet<int> modIds;
    QStringList enabling;
    QStringList flags;
    QStringList nameEditor;
    for (const Choice &choice : creatableEntries()) {
        frmChild *child = f.newDocument(choice.game, choice.entry);
        QVERIFY2(child, qPrintable(describe(choice)));
        QAction *templateItem = item(child, "mnuInsertTemplate");
        QVERIFY(templateItem->isVisible());
        templateCaptions.insert(templateItem->text());
        modIds.insert(f.slotOf(child).ModId);
        if (templateItem->isEnabled())
            enabling.append(describe(choice));
        QAction *tools = item(child, "mnuTools1");
        if (tools->isVisible() && tools->text() == QLatin1String("Calculate Flags"))
            flags.append(describe(choice));
        else if (tools->isVisible() && tools->text() == QLatin1String("Name Editor"))
            nameEditor.append(describe(choice));
        else
            QVERIFY2(!tools->isVisible(), qPrintable(describe(choice)));
        child->closeWithoutQuestion();
        f.settle();
    }
    QCOMPARE(templateCaptions.size(), creatableEntries().size());
    // "Template" is the caption before any layout.
    QVERIFY(!templateCaptions.contains(QStringLiteral("Template")));
    QCOMPARE(modIds.size(), creatableEntries().size());
    QCOMPARE(enabling, (QStringList{"Q3 OSP Server", "Q3 -Custom Mod", "Q3 -Map List File",
                                    "Q3 -Player Filter File"}));
    QCOMPARE(flags, QStringList{"Q2 Gxmod Server"});
    QCOMPARE(nameEditor, (QStringList{"Q3 Free for All", "Q3 OSP", "Q3 OSP Server",
                                      "Q3 Rocket Arena", "Q3 Urban Terror", "Q3 Weapons Factory"}));
    QVERIFY(!item(f.newDocument(), "mnuInsertTemplate")->isEnabled());
}

void TestModMenus::captureTheFlagCaptionsDifferInCase()
{
    FrameFixture f;
    frmChild *child = f.newDocument(GameList::Quake2, QStringLiteral("Capture the Flag"));
    QCOMPARE(item(child, "mnuOther")->text(), QStringLiteral("Capture the Flag"));
    QCOMPARE(item(child, "mnuHelpMod")->text(), QStringLiteral("Capture the Flag Help"));
    QCOMPARE(item(child, "mnuInsertTemplate")->text(), QStringLiteral("Capture the flag Template"));
    QCOMPARE(item(child, "mnuView2")->text(), QStringLiteral("Capture the flag Binds"));
    QCOMPARE(shownSlots(child), (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
}

void TestModMenus::separatorsAreSeparators()
{
    FrameFixture f;
    frmChild *child = f.newDocument(GameList::Quake2, QStringLiteral("Gxmod"));
    QList<int> separators;
    for (int slot : shownSlots(child))
        if (slotItem(child, slot)->isSeparator())
            separators.append(slot);
    QCOMPARE(separators, (QList<int>{6, 9, 12, 15}));
    QVERIFY(item(child, "mnuView1")->isVisible());
    QVERIFY(item(child, "mnuView1")->isSeparator());
    QVERIFY(!item(child, "mnuView2")->isSeparator());
}

void TestModMenus::reusedOspServerWindowKeepsAnEnabledRegularTemplate()
{
    FrameFixture f;
    frmChild *child = f.newDocument(GameList::Quake3, QStringLiteral("OSP Server"));
    QVERIFY(child);
    const QString path = f.writeFile("server.cfg", "set g_gametype 1\r\n");
    f.dialogs.openAnswers.enqueue({path});
    f.frame->openCommand();
    QCOMPARE(f.active(), child);
    QCOMPARE(child->Caption(), QFileInfo(path).absoluteFilePath());
    QVERIFY(!item(child, "mnuOther")->isVisible());
    QCOMPARE(item(child, "mnuOther")->text(), QStringLiteral("OSP Server"));
    QCOMPARE(item(child, "mnuInsertTemplate")->text(), QStringLiteral("Regular Template"));
    QVERIFY(item(child, "mnuInsertTemplate")->isEnabled());
    for (const char *name : {"mnuTools1", "mnuView1", "mnuView2", "mnuHelpMod"})
        QVERIFY2(!item(child, name)->isVisible(), name);
}

void TestModMenus::unknownModNameChangesNothing()
{
    FrameFixture f;
    frmChild *laidOut = f.newDocument(GameList::Quake3, QStringLiteral("OSP"));
    f.frame->documents().CurrentGame = 1;
    frmChild *fresh = f.frame->documents().NewDocument(QStringLiteral("Untitled"), 0);
    for (frmChild *child : {laidOut, fresh}) {
        const QList<ItemLook> before = looks(child);
        for (const char *name : {"osp", "OSP ", "Osp Server", "Nonsense", "", "Free For All"})
            mods::SetModMenus(child, QLatin1String(name));
        QVERIFY(looks(child) == before);
    }
    // A window no layout reached keeps its first Template item.
    QCOMPARE(item(fresh, "mnuInsertTemplate")->text(), QStringLiteral("Template"));
    QVERIFY(!item(fresh, "mnuInsertTemplate")->isEnabled());
}

QTEST_MAIN(TestModMenus)
#include "tst_modmenus.moc"
