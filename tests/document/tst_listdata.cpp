// Every list file the program names ships beside it, in the form the lists read.
#include "document/frmChild.h"
#include "mods/ModCommands.h"
#include "mods/ModMenuLayouts.h"
#include "platform/AppPaths.h"

#include <QFile>
#include <QSet>
#include <QtTest>

class TestListData : public QObject {
    Q_OBJECT
private slots:
    void everyNamedListIsWellFormed_data();
    void everyNamedListIsWellFormed();
};

void TestListData::everyNamedListIsWellFormed_data()
{
    QTest::addColumn<QString>("path");
    QSet<QString> files;
    for (const char *game : {"Quake2/q2", "Quake3/q3"})
        for (const char *list : {"binds", "keys", "cvars"})
            files << platform::configsFolder() + QLatin1Char('/') + QLatin1String(game) +
                         QLatin1String(list) + QLatin1String(".txt");
    for (const mods::ViewListFile &list : mods::viewListFiles())
        files << document::specialListFile(list.file.toString());
    for (int slot = 1; slot <= mods::kCommandSlotCount; ++slot)
        for (const mods::ModCommand &command : mods::modCommandTable(slot))
            for (const mods::ModCommandStep &step : mods::modCommandSteps(command))
                if (step.kind == mods::StepKind::ShowSpecialListAndWait)
                    files << document::specialListFile(step.text);
    QStringList sorted(files.begin(), files.end());
    sorted.sort();
    for (const QString &path : sorted)
        QTest::newRow(qPrintable(path.mid(platform::configsFolder().size() + 1))) << path;
}

void TestListData::everyNamedListIsWellFormed()
{
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
    const QByteArray bytes = file.readAll();
    QVERIFY(!bytes.isEmpty());
    QVERIFY(!bytes.contains('\0'));
    QVERIFY(bytes.endsWith("\r\n"));
    QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
    QSet<QString> seen;
    for (const QByteArray &line : bytes.split('\n')) {
        const QString entry = QString::fromLatin1(line).remove(QLatin1Char('\r'));
        if (entry.isEmpty())
            continue;
        // The lists show entries in lower case: two that differ only in case would look the same.
        QVERIFY2(!seen.contains(entry.toLower()), qPrintable(entry));
        seen << entry.toLower();
    }
    QVERIFY(seen.size() > 3);
}

QTEST_MAIN(TestListData)
#include "tst_listdata.moc"
