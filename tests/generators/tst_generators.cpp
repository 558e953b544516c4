// The rules behind the tool windows: the Calculate Flags total after a tick, for every form a
// typed total can take, and the colours the game gives a player name.
#include "generators/FlagsArithmetic.h"
#include "generators/NameColours.h"

#include <QtTest>

using namespace generators;

class TestGenerators : public QObject {
    Q_OBJECT
private slots:
    void totalAfterTick_data();
    void totalAfterTick();
    void nameColours_data();
    void nameColours();
};

void TestGenerators::totalAfterTick_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("ticked");
    QTest::addColumn<int>("tickedSum");
    QTest::addColumn<QString>("result");
    QTest::newRow("typed number is added to") << "1000" << 1 << true << 9 << "1001";
    QTest::newRow("typed negative") << "-300" << 256 << true << 9 << "-44";
    QTest::newRow("no leading zeros") << "0007" << 8 << true << 0 << "15";
    QTest::newRow("plus sign") << "+5" << 2 << true << 0 << "7";
    QTest::newRow("blanks around") << " 12 " << 4 << true << 0 << "16";
    QTest::newRow("minus zero") << "-0" << 1 << true << 9 << "1";
    QTest::newRow("largest that still fits") << "2147483391" << 256 << true << 9 << "2147483647";
    QTest::newRow("smallest that still fits") << "-2147483647" << 1 << false << 9 << "-2147483648";
    // No whole number, or a result outside 32 bits: the ticked boxes decide.
    QTest::newRow("empty") << "" << 256 << true << 511 << "511";
    QTest::newRow("fraction") << "12.5" << 1 << false << 254 << "254";
    QTest::newRow("number then text") << "12x" << 1 << true << 9 << "9";
    QTest::newRow("hex is no number") << "0x10" << 1 << true << 9 << "9";
    QTest::newRow("blank inside") << "1 2" << 1 << true << 9 << "9";
    QTest::newRow("only blanks") << "   " << 1 << true << 9 << "9";
    QTest::newRow("past 32 bits") << "2147483648" << 1 << false << 9 << "9";
    QTest::newRow("past 64 bits") << "99999999999999999999" << 1 << true << 9 << "9";
    QTest::newRow("overflow") << "2147483647" << 256 << true << 511 << "511";
    QTest::newRow("underflow") << "-2147483648" << 1 << false << 9 << "9";
}

void TestGenerators::totalAfterTick()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    QFETCH(bool, ticked);
    QFETCH(int, tickedSum);
    QFETCH(QString, result);
    QCOMPARE(generators::totalAfterTick(text, value, ticked, tickedSum), result);
}

void TestGenerators::nameColours_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected"); // each run's text with its colour as r,g,b
    QTest::newRow("8 and 9 repeat 0 and 1") << "^9A^8B" << "A:255,0,0 B:0,0,0";
    QTest::newRow("caret before a letter") << "^xA" << "^xA:0,0,0";
    QTest::newRow("trailing caret") << "Name^" << "Name^:0,0,0";
    QTest::newRow("caret after a code keeps its colour") << "^2A^" << "A^:0,255,0";
    QTest::newRow("caret caret caret digit") << "^^^4Z" << "^^:0,0,0 Z:0,0,255";
    QTest::newRow("only ASCII digits") << QString::fromUtf8("^\u0663A") << QString::fromUtf8("^\u0663A:0,0,0");
    QTest::newRow("spaces are characters") << "^6 a b" << " a b:255,0,255";
}

void TestGenerators::nameColours()
{
    QFETCH(QString, name);
    QFETCH(QString, expected);
    QStringList parts;
    for (const ColourRun &run : colourRuns(name))
        parts << QStringLiteral("%1:%2,%3,%4").arg(run.text).arg(run.colour.red).arg(run.colour.green).arg(run.colour.blue);
    QCOMPARE(parts.join(' '), expected);
}

QTEST_APPLESS_MAIN(TestGenerators)
#include "tst_generators.moc"
