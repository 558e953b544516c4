// Reading the names files beside the lists, and what the search box finds with them.
#include "lists/EntryMatch.h"
#include "lists/NameInfo.h"

#include <QtTest>

class TestNameInfo : public QObject {
    Q_OBJECT
private slots:
    void read_data()
    {
        // clang-format off
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("names"); // each "name|default|flags|description", looked up in upper case
        QTest::addColumn<QStringList>("problems"); // "line: reason"
        QTest::newRow("rows and malformed lines")
            << "cvars.tsv"
            << QStringList{"cg_fov|90|archive cheat|Field of view, in degrees.", "sensitivity|5|archive|Mouse speed.",
                           "m_pitch|0.022||Vertical mouse sensitivity; negative inverts.", "r_mode|3|archive latch|"}
            << QStringList{"7: 1 field, not 4", "8: empty name", "9: unknown flag \"bogus\"",
                           "10: \"CG_FOV\" is listed twice", "11: 3 fields, not 4"};
        QTest::newRow("no header") << "noheader.tsv" << QStringList{"cg_fov|90||No header above.", "sensitivity|5||"}
                                   << QStringList{"1: the header is not \"name, default, flags, description\""};
        QTest::newRow("missing file") << "missing.tsv" << QStringList{} << QStringList{};
        // clang-format on
    }

    void read()
    {
        QFETCH(QString, file);
        QFETCH(QStringList, names);
        QFETCH(QStringList, problems);
        const QString path = QStringLiteral(TESSEL_NAMES_DIR "/") + file;
        const lists::NameTable table = lists::NameTable::read(path);
        QCOMPARE(table.size(), names.size());
        for (const QString &expected : names) {
            const lists::NameInfo *info = table.find(expected.section(u'|', 0, 0).toUpper());
            QVERIFY2(info, qPrintable(expected));
            QCOMPARE(QStringList({info->name, info->defaultValue, info->flags.join(u' '),
                                  info->description})
                         .join(u'|'),
                     expected);
        }
        for (QString &problem : problems)
            problem.prepend(path + u':');
        QCOMPARE(table.problems(), problems);
    }

    void junkIsReportedNotRead()
    {
        const QByteArray junk = QByteArray("name\tdefault\tflags\tdescription\n") +
                                QByteArray("\xff\xfe\0\t\t\t\n", 7) + QByteArray(1 << 20, 'x') +
                                "\t\t\t\n";
        const lists::NameTable table = lists::NameTable::parse(junk, QStringLiteral("j.tsv"));
        QCOMPARE(table.problems(), QStringList({"j.tsv:2: not UTF-8 text"}));
        QCOMPARE(table.size(), 1);
    }

    void search_data()
    {
        // clang-format off
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown"); // names in the order shown
        QTest::newRow("empty shows all") << "" << "cg_fov cg_zoomfov m_pitch sensitivity +attack";
        QTest::newRow("name prefix, any case") << "CG_" << "cg_fov cg_zoomfov";
        QTest::newRow("part of a name") << "fov" << "cg_fov cg_zoomfov";
        QTest::newRow("prefix first, then description") << "sens" << "sensitivity m_pitch";
        QTest::newRow("a description word begins") << "degr" << "cg_fov";
        QTest::newRow("inside a description word") << "egrees" << "";
        QTest::newRow("every word must match") << "mouse vertical" << "m_pitch";
        QTest::newRow("one word missing") << "mouse fire" << "";
        QTest::newRow("symbols") << "+" << "+attack";
        // clang-format on
    }

    void search()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        const QList<lists::ListEntry> entries{{"cg_fov", "Field of view, in degrees.", "90"},
                                              {"cg_zoomfov", "Zoomed field of view.", "22.5"},
                                              {"m_pitch", "Vertical mouse sensitivity.", ""},
                                              {"sensitivity", "Mouse speed.", "5"},
                                              {"+attack", "", ""}};
        QStringList names;
        for (const int row : lists::matchingEntries(entries, typed))
            names << entries[row].name;
        QCOMPARE(names.join(u' '), shown);
    }
};

QTEST_MAIN(TestNameInfo)
#include "tst_nameinfo.moc"
