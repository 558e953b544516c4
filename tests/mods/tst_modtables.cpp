#include "mods/ModCatalogue.h"
#include "mods/ModCommands.h"
#include "mods/ModMenuLayouts.h"

#include <QSet>
#include <QtTest>

using namespace mods;

Q_DECLARE_METATYPE(mods::GameList)

namespace {

QString str(QStringView view) { return view.toString(); }

QList<GameList> bothLists() { return {GameList::Quake2, GameList::Quake3}; }

/** Every document the dialog can create, the blank one included. */
QList<NewDocumentRequest> creatableDocuments()
{
    QList<NewDocumentRequest> documents{kBlankDocument};
    for (GameList list : bothLists()) {
        for (const CatalogueEntry &entry : catalogueEntries(list)) {
            if (!entry.isComingSoon())
                documents.append(entry.document);
        }
    }
    return documents;
}

SelectModOutcome choose(GameList list, const QString &text)
{
    for (const CatalogueEntry &entry : catalogueEntries(list)) {
        if (entry.text == text)
            return selectModOutcome(false, list, str(entry.text), str(entry.key));
    }
    return {};
}

bool isOspServerLayout(QStringView modName) { return modName.startsWith(u"OSP Server"); }

} // namespace

class TestModTables : public QObject {
    Q_OBJECT

private slots:
    void catalogueListsAreWellFormed_data();
    void catalogueListsAreWellFormed();
    void everyHandedOnModNameHasALayout();
    void okAtOnceMakesQuake3FreeForAll();
    void okOutcomes_data();
    void okOutcomes();
    void blankWinsOverAnySelection();
    void nothingSelectedDoesNothing();
    void quakeVariantsDifferOnlyInCase();

    void layoutNamesAreUniqueAndExact();
    void layoutSlotBounds();
    void hiddenItemsKeepTheirCaption();
    void everyShownCaptionReachesItsSlotCommand();
    void everyCommandIsShownByItsLayout();
    void emptyAndForeignCaptionsDoNothing();
    void onlyOspServerLayoutsEnableTemplate();
    void viewItemsOpenAList();
    void toolsItemsOpenATool();
};

void TestModTables::catalogueListsAreWellFormed_data()
{
    QTest::addColumn<GameList>("list");
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("titlePrefix");
    QTest::newRow("Quake 2") << GameList::Quake2 << 11 << "Q2 ";
    QTest::newRow("Quake 3") << GameList::Quake3 << 12 << "Q3 ";
}

void TestModTables::catalogueListsAreWellFormed()
{
    QFETCH(GameList, list);
    QFETCH(int, size);
    QFETCH(QString, titlePrefix);

    QCOMPARE(int(catalogueEntries(list).size()), size);
    QSet<QString> keys;
    QSet<QString> texts;
    for (const CatalogueEntry &entry : catalogueEntries(list)) {
        QVERIFY(!entry.text.isEmpty());
        keys.insert(str(entry.key));
        texts.insert(str(entry.text));
        QCOMPARE(findCatalogueEntry(list, str(entry.key)), &entry);

        // Sub-entries are indented under their parent and carry a key of their own.
        if (entry.text.startsWith(u"    -"))
            QVERIFY(entry.key != entry.text);
        else
            QCOMPARE(str(entry.key), str(entry.text));

        if (entry.isComingSoon()) {
            QVERIFY(entry.comingSoon.endsWith(u" support coming soon"));
            QVERIFY(entry.document.windowTitle.isEmpty());
            QVERIFY(entry.document.modName.isEmpty());
            continue;
        }
        const NewDocumentRequest &doc = entry.document;
        QVERIFY2(doc.windowTitle.startsWith(titlePrefix), qPrintable(str(doc.windowTitle)));
        QVERIFY(doc.windowTitle.endsWith(u" Config"));
        QVERIFY(!doc.modName.isEmpty());
        if (list == GameList::Quake2)
            QCOMPARE(doc.game, kGameQuake2);
        else
            QVERIFY(doc.game == kGameQuake3 || doc.game == kGameOspDataFile);
    }
    QCOMPARE(keys.size(), size);
    QCOMPARE(texts.size(), size);
    QCOMPARE(findCatalogueEntry(list, QString()), nullptr);
}

void TestModTables::everyHandedOnModNameHasALayout()
{
    QSet<int> modNumbers;
    const QList<NewDocumentRequest> documents = creatableDocuments();
    for (const NewDocumentRequest &doc : documents) {
        QVERIFY2(findModMenuLayout(str(doc.modName)), qPrintable(str(doc.modName)));
        modNumbers.insert(doc.modNumber);
    }
    QCOMPARE(modNumbers.size(), documents.size());
}

void TestModTables::okAtOnceMakesQuake3FreeForAll()
{
    const CatalogueEntry &initial = catalogueEntries(kInitialGameList)[kInitialQuake3Row];
    const SelectModOutcome outcome =
        selectModOutcome(false, kInitialGameList, str(initial.text), str(initial.key));
    QCOMPARE(outcome.kind, SelectModOutcome::Kind::CreateDocument);
    QCOMPARE(str(outcome.document.windowTitle), QStringLiteral("Q3 Free for All Config"));
    QCOMPARE(outcome.document.game, kGameQuake3);
    QCOMPARE(str(outcome.document.modName), QStringLiteral("Free for All"));
}

void TestModTables::okOutcomes_data()
{
    QTest::addColumn<GameList>("list");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("game");
    QTest::addColumn<int>("modNumber");

    QTest::newRow("Q2 OSP") << GameList::Quake2 << "OSP" << "OSP support coming soon" << ""
                            << 0 << 0;
    QTest::newRow("Q3 OSP") << GameList::Quake3 << "OSP" << "" << "Q3 OSP Config" << 1 << 14;
    QTest::newRow("map list") << GameList::Quake3 << "    -Map List File" << ""
                              << "Q3 OSP Server Map List Config" << -2 << 153;
    QTest::newRow("custom mod") << GameList::Quake3 << "    -Custom Mod" << ""
                                << "Q3 OSP Server Custom Mod Config" << 1 << 151;
}

void TestModTables::okOutcomes()
{
    QFETCH(GameList, list);
    QFETCH(QString, text);
    QFETCH(QString, message);
    QFETCH(QString, title);
    QFETCH(int, game);
    QFETCH(int, modNumber);

    const SelectModOutcome outcome = choose(list, text);
    if (!message.isEmpty()) {
        QCOMPARE(outcome.kind, SelectModOutcome::Kind::ComingSoon);
        QCOMPARE(str(outcome.message), message);
        return;
    }
    QCOMPARE(outcome.kind, SelectModOutcome::Kind::CreateDocument);
    QCOMPARE(str(outcome.document.windowTitle), title);
    QCOMPARE(int(outcome.document.game), game);
    QCOMPARE(int(outcome.document.modNumber), modNumber);
}

void TestModTables::blankWinsOverAnySelection()
{
    for (GameList list : bothLists()) {
        for (const CatalogueEntry &entry : catalogueEntries(list)) {
            const SelectModOutcome outcome =
                selectModOutcome(true, list, str(entry.text), str(entry.key));
            QCOMPARE(outcome.kind, SelectModOutcome::Kind::CreateDocument);
            QCOMPARE(str(outcome.document.windowTitle), QStringLiteral("Config"));
            QCOMPARE(outcome.document.game, kGameBlank);
            QCOMPARE(str(outcome.document.modName), QStringLiteral("Blank"));
        }
    }
}

void TestModTables::nothingSelectedDoesNothing()
{
    for (GameList list : bothLists()) {
        QCOMPARE(selectModOutcome(false, list, QString(), QString()).kind,
                 SelectModOutcome::Kind::Nothing);
        QCOMPARE(selectModOutcome(false, list, QStringLiteral("x"), QStringLiteral("x")).kind,
                 SelectModOutcome::Kind::Nothing);
    }
}

void TestModTables::quakeVariantsDifferOnlyInCase()
{
    const SelectModOutcome q2 = choose(GameList::Quake2, QStringLiteral("Free for All"));
    const SelectModOutcome q3 = choose(GameList::Quake3, QStringLiteral("Free for All"));
    QVERIFY(q2.document.modName != q3.document.modName);
    QCOMPARE(q2.document.modName.compare(q3.document.modName, Qt::CaseInsensitive), 0);
    const ModMenuLayout *q2Layout = findModMenuLayout(str(q2.document.modName));
    const ModMenuLayout *q3Layout = findModMenuLayout(str(q3.document.modName));
    QVERIFY(q2Layout && q3Layout && q2Layout != q3Layout);
    QVERIFY(q2Layout->templateCaption != q3Layout->templateCaption);
}

void TestModTables::layoutNamesAreUniqueAndExact()
{
    QCOMPARE(int(modMenuLayouts().size()), 19);
    QSet<QString> names;
    for (const ModMenuLayout &layout : modMenuLayouts()) {
        names.insert(str(layout.modName));
        QCOMPARE(findModMenuLayout(str(layout.modName)), &layout);
        const QString name = str(layout.modName);
        for (const QString &recased : {name.toUpper(), name.toLower()}) {
            if (recased != name)
                QCOMPARE(findModMenuLayout(recased), nullptr);
        }
        QCOMPARE(findModMenuLayout(str(layout.modName) + QLatin1Char(' ')), nullptr);
    }
    QCOMPARE(names.size(), 19);
    QCOMPARE(findModMenuLayout(QString()), nullptr);
    QCOMPARE(findModMenuLayout(QStringLiteral("Quake 4")), nullptr);
}

void TestModTables::layoutSlotBounds()
{
    for (const ModMenuLayout &layout : modMenuLayouts()) {
        QVERIFY(layout.otherSlots.size() >= 1);
        QVERIFY(int(layout.otherSlots.size()) <= kCommandSlotCount);
        QVERIFY(layout.otherSlot(1).visible);
        QVERIFY(!layout.otherSlot(kOtherSlotCount).visible);
        QVERIFY(!layout.otherSlot(0).visible);
        for (int slot = 1; slot <= kOtherSlotCount; ++slot)
            QCOMPARE(layout.otherSlot(slot).visible, slot <= int(layout.otherSlots.size()));
        // Without commands of its own a layout shows slot 1 and leaves its caption alone.
        if (!layout.otherSlots[0])
            QCOMPARE(int(layout.otherSlots.size()), 1);
    }
}

void TestModTables::hiddenItemsKeepTheirCaption()
{
    for (const ModMenuLayout &layout : modMenuLayouts()) {
        const QString name = str(layout.modName);
        QList<ItemLayout> items{layout.other, layout.tools, layout.view1, layout.view2,
                                layout.helpMod};
        for (int slot = 1; slot <= kOtherSlotCount; ++slot)
            items.append(layout.otherSlot(slot));
        for (const ItemLayout &item : items) {
            if (!item.visible)
                QVERIFY2(!item.caption, qPrintable(name));
            else if (item.caption)
                QVERIFY2(!item.caption->isEmpty(), qPrintable(name));
        }
        QVERIFY(layout.other.visible == bool(layout.other.caption));
        QVERIFY(!layout.templateCaption.isEmpty());
    }
}

void TestModTables::everyShownCaptionReachesItsSlotCommand()
{
    for (const ModMenuLayout &layout : modMenuLayouts()) {
        QSet<QString> captions;
        for (int slot = 1; slot <= kOtherSlotCount; ++slot) {
            const ItemLayout item = layout.otherSlot(slot);
            if (!item.visible || !item.caption || *item.caption == u"-")
                continue;
            const QString caption = str(*item.caption);
            const QString where = str(layout.modName) + QLatin1Char('/') + caption;
            QVERIFY2(!captions.contains(caption), qPrintable(where));
            captions.insert(caption);

            const ModCommand *command = findModCommand(slot, caption);
            QVERIFY2(command, qPrintable(where));
            QCOMPARE(str(command->modName), str(layout.modName));
            QVERIFY(!modCommandSteps(*command).isEmpty());

            // The same caption in another slot is some other mod's command, or nothing.
            for (int other = 1; other <= kOtherSlotCount; ++other) {
                if (other == slot)
                    continue;
                if (const ModCommand *foreign = findModCommand(other, caption))
                    QVERIFY2(foreign->modName != layout.modName, qPrintable(where));
            }
        }
    }
}

void TestModTables::everyCommandIsShownByItsLayout()
{
    for (int slot = 1; slot <= kCommandSlotCount; ++slot) {
        QVERIFY(!modCommandTable(slot).empty());
        QSet<QString> captions;
        for (const ModCommand &command : modCommandTable(slot)) {
            const QString where = QString::number(slot) + QLatin1Char('/') + str(command.caption);
            QVERIFY2(!captions.contains(str(command.caption)), qPrintable(where));
            captions.insert(str(command.caption));
            QCOMPARE(findModCommand(slot, str(command.caption)), &command);

            const ModMenuLayout *layout = findModMenuLayout(str(command.modName));
            QVERIFY2(layout, qPrintable(where));
            const ItemLayout item = layout->otherSlot(slot);
            QVERIFY2(item.visible && item.caption, qPrintable(where));
            QCOMPARE(str(*item.caption), str(command.caption));
        }
    }
    QVERIFY(modCommandTable(0).empty());
    QVERIFY(modCommandTable(kOtherSlotCount).empty());
}

void TestModTables::emptyAndForeignCaptionsDoNothing()
{
    for (int slot = 0; slot <= kOtherSlotCount + 1; ++slot) {
        QCOMPARE(findModCommand(slot, QString()), nullptr);
        QCOMPARE(findModCommand(slot, QStringLiteral("-")), nullptr);
    }
    QCOMPARE(findModCommand(1, QStringLiteral("alarm")), nullptr);
    QCOMPARE(findModCommand(1, QStringLiteral("Alarm ")), nullptr);
    QCOMPARE(findModCommand(2, QStringLiteral("Alarm")), nullptr);
    QCOMPARE(findModCommand(kOtherSlotCount, QStringLiteral("Alarm")), nullptr);
}

void TestModTables::onlyOspServerLayoutsEnableTemplate()
{
    int enabling = 0;
    for (const ModMenuLayout &layout : modMenuLayouts()) {
        QCOMPARE(layout.enablesTemplate, isOspServerLayout(layout.modName));
        enabling += layout.enablesTemplate;
    }
    QCOMPARE(enabling, 4);
}

void TestModTables::viewItemsOpenAList()
{
    QSet<QString> shownViewCaptions;
    for (const ModMenuLayout &layout : modMenuLayouts()) {
        QCOMPARE(layout.view1.visible, layout.view2.visible);
        if (!layout.view2.visible)
            continue;
        QCOMPARE(str(layout.view1.caption.value_or(u"")), QStringLiteral("-"));
        QVERIFY(layout.view2.caption);
        const QString caption = str(*layout.view2.caption);
        const ViewListFile *file = findViewListFile(caption);
        QVERIFY2(file, qPrintable(caption));
        QVERIFY(file->file.startsWith(u"\\Quake2\\") || file->file.startsWith(u"\\Quake3\\"));
        QVERIFY(file->file.endsWith(u".txt"));
        shownViewCaptions.insert(caption);
    }
    // No row is unreachable, and the lookup is exact.
    QCOMPARE(shownViewCaptions.size(), int(viewListFiles().size()));
    for (const ViewListFile &row : viewListFiles()) {
        QVERIFY(shownViewCaptions.contains(str(row.caption)));
        QCOMPARE(findViewListFile(str(row.caption).toLower()), nullptr);
    }
    QCOMPARE(findViewListFile(QString()), nullptr);
    QCOMPARE(findViewListFile(QStringLiteral("-")), nullptr);
}

void TestModTables::toolsItemsOpenATool()
{
    QSet<QString> shownTools;
    for (const ModMenuLayout &layout : modMenuLayouts()) {
        if (!layout.tools.visible)
            continue;
        QVERIFY(layout.tools.caption);
        const QString caption = str(*layout.tools.caption);
        QVERIFY2(findTool(caption), qPrintable(caption));
        shownTools.insert(caption);
        if (findTool(caption) == Tool::CalculateFlags)
            QCOMPARE(str(layout.modName), QStringLiteral("Gxmod Server"));
    }
    QCOMPARE(shownTools.size(), int(toolItems().size()));
    QCOMPARE(findTool(QString()), std::nullopt);
    QCOMPARE(findTool(QStringLiteral("name editor")), std::nullopt);
}

QTEST_APPLESS_MAIN(TestModTables)
#include "tst_modtables.moc"
