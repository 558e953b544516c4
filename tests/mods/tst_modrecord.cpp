// The mod records and the tables that name them agree with each other and with the data files.
#include "document/HelpTopics.h"
#include "mods/ModCatalogue.h"
#include "mods/ModMenuLayouts.h"

#include <QFile>
#include <QSet>
#include <QtTest>

class TestModRecord : public QObject {
    Q_OBJECT
private slots:
    void recordsAreToldApart();
    void everyModHasOneEntryAndOneLayout();
    void dataFilesNameRecordedMods();
};

// Numbers, names and the captions a click is looked up by are each one mod's.
void TestModRecord::recordsAreToldApart()
{
    QSet<QString> seen;
    for (const core::Mod &mod : core::kMods) {
        QStringList keys{"id " + QString::number(mod.id), "name " + mod.name.toString(),
                         "template " + mod.templateCaption.toString()};
        if (!mod.viewCaption.isEmpty())
            keys << "view " + mod.viewCaption.toString();
        for (const QString &key : keys) {
            QVERIFY2(!seen.contains(key), qPrintable(key));
            seen.insert(key);
        }
    }
}

void TestModRecord::everyModHasOneEntryAndOneLayout()
{
    QHash<const core::Mod *, int> entries;
    for (mods::GameList game : {mods::GameList::Quake2, mods::GameList::Quake3}) {
        QSet<QString> keys;
        for (const mods::CatalogueEntry &entry : mods::catalogueEntries(game)) {
            QVERIFY2(!keys.contains(entry.key.toString()), qPrintable(entry.key.toString()));
            keys.insert(entry.key.toString());
            if (!entry.isComingSoon())
                ++entries[entry.mod];
        }
    }
    QHash<const core::Mod *, int> layouts;
    for (const mods::ModMenuLayout &layout : mods::modMenuLayouts())
        ++layouts[layout.mod.get()];
    for (const core::Mod &mod : core::kMods) {
        QCOMPARE(entries.value(&mod), &mod == &core::kBlankMod ? 0 : 1);
        QCOMPARE(layouts.value(&mod), 1);
    }
}

void TestModRecord::dataFilesNameRecordedMods()
{
    QFile file(TESSEL_SOURCE_DATA "/Help/topics.tsv");
    QVERIFY(file.open(QIODevice::ReadOnly));
    QStringList problems;
    const document::TopicTable topics = document::parseTopicTable(QString::fromUtf8(file.readAll()), file.fileName(), &problems);
    QCOMPARE(problems, QStringList());
    for (const auto &rules : {topics.helpOn, topics.modHelp})
        for (const document::TopicRule &rule : rules)
            for (const std::int32_t id : rule.modIds)
                QVERIFY2(core::findMod(id), qPrintable(QString::number(id)));
    for (const core::Mod &mod : core::kMods) {
        const QString list = QString(TESSEL_SOURCE_DATA "/Configs") + mod.viewFile.toString().replace('\\', '/');
        QVERIFY2(mod.viewFile.isEmpty() || QFile::exists(list), qPrintable(list));
    }
}

QTEST_GUILESS_MAIN(TestModRecord)
#include "tst_modrecord.moc"
