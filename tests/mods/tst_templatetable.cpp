#include "mods/ModCatalogue.h"
#include "mods/ModMenuLayouts.h"
#include "mods/TemplateTable.h"

#include <QtTest>

#include <algorithm>

using namespace mods;

namespace {

QString str(QStringView view) { return view.toString(); }

/** Every document the Select Mod dialog can create, the blank one included. */
QList<NewDocumentRequest> creatableDocuments()
{
    QList<NewDocumentRequest> documents{kBlankDocument};
    for (GameList list : {GameList::Quake2, GameList::Quake3}) {
        for (const CatalogueEntry &entry : catalogueEntries(list)) {
            if (!entry.isComingSoon())
                documents.append(entry.document);
        }
    }
    return documents;
}

} // namespace

class TestTemplateTable : public QObject {
    Q_OBJECT

private slots:
    void templateItemsMatchCatalogueAndLayouts();
    void templateInEmptyDocument();
    void templateInDocumentWithText_data();
    void templateInDocumentWithText();
    void insertTemplateActions();
};

void TestTemplateTable::templateItemsMatchCatalogueAndLayouts()
{
    const QList<NewDocumentRequest> documents = creatableDocuments();
    for (const TemplateItem &item : templateItems()) {
        const QString caption = str(item.caption);
        QCOMPARE(&findTemplateItem(caption), &item);

        // A new document from a template is the one the dialog makes for that mod.
        auto same = [&](const NewDocumentRequest &doc) { return doc.modName == item.modName; };
        const auto doc = std::find_if(documents.begin(), documents.end(), same);
        QVERIFY2(doc != documents.end(), qPrintable(caption));
        QCOMPARE(str(item.windowTitle), str(doc->windowTitle));
        QCOMPARE(item.modNumber, doc->modNumber);
        QVERIFY(!item.game);

        // And that mod's layout captions its Template item with this caption.
        const ModMenuLayout *layout = findModMenuLayout(str(item.modName));
        QVERIFY2(layout, qPrintable(caption));
        QCOMPARE(str(layout->templateCaption), caption);
    }
    // Layout captions missing from the table fall back to a blank config for no game.
    for (const ModMenuLayout &layout : modMenuLayouts()) {
        const TemplateItem &item = findTemplateItem(str(layout.templateCaption));
        if (!item.caption.isEmpty())
            continue;
        QVERIFY(!layout.enablesTemplate);
        QCOMPARE(str(item.modName), QStringLiteral("Blank"));
        QCOMPARE(str(item.windowTitle), QStringLiteral("Config"));
        QCOMPARE(item.modNumber, -1);
        QCOMPARE(item.game, std::optional<std::int16_t>(kGameBlank));
    }
}

void TestTemplateTable::templateInEmptyDocument()
{
    int inserting = 0;
    for (const ModMenuLayout &layout : modMenuLayouts()) {
        const TemplateClick click = templateClick(str(layout.templateCaption), false, 1);
        const TemplateItem &item = findTemplateItem(str(layout.templateCaption));
        if (click.kind == TemplateClick::Kind::Nothing) {
            QVERIFY(!item.insertsIntoEmptyDocument);
            continue;
        }
        ++inserting;
        QCOMPARE(click.kind, TemplateClick::Kind::InsertHere);
        QCOMPARE(str(click.modName), str(layout.modName));
    }
    QCOMPARE(inserting, 7);
    // Every enabled Template item works in an empty document.
    for (const ModMenuLayout &layout : modMenuLayouts()) {
        if (layout.enablesTemplate) {
            QCOMPARE(templateClick(str(layout.templateCaption), false, 1).kind,
                     TemplateClick::Kind::InsertHere);
        }
    }
    QCOMPARE(templateClick(QStringLiteral("Urban Terror Template"), false, 1).kind,
             TemplateClick::Kind::Nothing);
}

void TestTemplateTable::templateInDocumentWithText_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("documentGame");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("modNumber");
    QTest::addColumn<int>("game");
    QTest::addColumn<QString>("modName");

    QTest::newRow("map list") << "OSP Map List Template" << -2
                              << "Q3 OSP Server Map List Config" << 153 << -2
                              << "OSP Server Map List";
    QTest::newRow("osp server") << "OSP Server Template" << 1 << "Q3 OSP Server Config" << 15
                                << 1 << "OSP Server";
    QTest::newRow("regular") << "Regular Template" << 1 << "Config" << -1 << 1 << "Blank";
    QTest::newRow("unknown") << "Urban Terror Template" << 1 << "Config" << -1 << -1 << "Blank";
}

void TestTemplateTable::templateInDocumentWithText()
{
    QFETCH(QString, caption);
    QFETCH(int, documentGame);
    QFETCH(QString, title);
    QFETCH(int, modNumber);
    QFETCH(int, game);
    QFETCH(QString, modName);

    const TemplateClick click = templateClick(caption, true, std::int16_t(documentGame));
    QCOMPARE(click.kind, TemplateClick::Kind::NewDocumentThenInsert);
    QCOMPARE(str(click.document.windowTitle), title);
    QCOMPARE(int(click.document.modNumber), modNumber);
    QCOMPARE(int(click.document.game), game);
    QCOMPARE(str(click.document.modName), modName);
    QCOMPARE(str(click.modName), modName);
    QVERIFY(findModMenuLayout(modName));
}

void TestTemplateTable::insertTemplateActions()
{
    using Kind = TemplateAction::Kind;
    // Something happens exactly for the blank config and the four OSP server documents.
    for (const ModMenuLayout &layout : modMenuLayouts()) {
        const TemplateAction action = insertTemplateAction(str(layout.modName));
        const bool acts = layout.enablesTemplate || layout.modName == u"Blank";
        QCOMPARE(action.kind != Kind::Nothing, acts);
    }
    QCOMPARE(insertTemplateAction(QStringLiteral("Blank")).kind, Kind::WriteConfigHeader);
    QCOMPARE(str(kConfigHeader), QStringLiteral("//Config"));
    QCOMPARE(insertTemplateAction(QStringLiteral("OSP Server")).kind, Kind::ShowOspTypeDialog);
    QCOMPARE(insertTemplateAction(QStringLiteral("OSP")).kind, Kind::Nothing);
    QCOMPARE(insertTemplateAction(QStringLiteral("Rocket Arena")).kind, Kind::Nothing);
    QCOMPARE(insertTemplateAction(QStringLiteral("blank")).kind, Kind::Nothing);

    const std::pair<const char *, CommentTemplate> comments[] = {
        {"OSP Server Map List", CommentTemplate::MapList},
        {"OSP Server Custom Mod", CommentTemplate::CustomMod},
        {"OSP Server Player Filter", CommentTemplate::PlayerFilter},
    };
    for (const auto &[modName, which] : comments) {
        const TemplateAction action = insertTemplateAction(QString::fromLatin1(modName));
        QCOMPARE(action.kind, Kind::WriteCommentTemplate);
        QCOMPARE(action.commentTemplate, which);
    }
}

QTEST_APPLESS_MAIN(TestTemplateTable)
#include "tst_templatetable.moc"
