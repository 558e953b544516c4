// How the game colours a player name, for the cases tst_nameeditor does not type.
#include "generators/NameColours.h"

#include <QtTest>

using namespace generators;

namespace {

/** The name as the game shows it: each run's text with its colour as r,g,b. */
QString seen(const QString &name)
{
    QStringList parts;
    for (const ColourRun &run : colourRuns(name)) {
        parts << QStringLiteral("%1:%2,%3,%4")
                     .arg(run.text)
                     .arg(run.colour.red)
                     .arg(run.colour.green)
                     .arg(run.colour.blue);
    }
    return parts.join(QLatin1Char(' '));
}

} // namespace

class TestNameColours : public QObject {
    Q_OBJECT

private slots:
    void runs_data();
    void runs();
};

void TestNameColours::runs_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");

    QTest::newRow("8 and 9 repeat 0 and 1") << "^9A^8B" << "A:255,0,0 B:0,0,0";
    QTest::newRow("caret before a letter") << "^xA" << "^xA:0,0,0";
    QTest::newRow("trailing caret") << "Name^" << "Name^:0,0,0";
    QTest::newRow("caret after a code keeps its colour") << "^2A^" << "A^:0,255,0";
    QTest::newRow("caret caret caret digit") << "^^^4Z" << "^^:0,0,0 Z:0,0,255";
    QTest::newRow("only ASCII digits") << QString::fromUtf8("^\u0663A")
                                       << QString::fromUtf8("^\u0663A:0,0,0");
    QTest::newRow("spaces are characters") << "^6 a b" << " a b:255,0,255";
}

void TestNameColours::runs()
{
    QFETCH(QString, name);
    QFETCH(QString, expected);

    QCOMPARE(seen(name), expected);
}

QTEST_APPLESS_MAIN(TestNameColours)
#include "tst_namecolours.moc"
