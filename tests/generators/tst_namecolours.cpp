#include "generators/NameColours.h"

#include <QtTest>

using namespace generators;

using Runs = QList<ColourRun>;
Q_DECLARE_METATYPE(Runs)

namespace {

constexpr NameColour black{0, 0, 0};
constexpr NameColour red{255, 0, 0};
constexpr NameColour green{0, 255, 0};
constexpr NameColour yellow{255, 255, 0};
constexpr NameColour blue{0, 0, 255};
constexpr NameColour cyan{0, 255, 255};
constexpr NameColour magenta{255, 0, 255};
constexpr NameColour white{255, 255, 255};

ColourRun run(const QString &text, NameColour colour) { return {text, colour}; }

QString describe(const Runs &runs)
{
    QStringList parts;
    for (const ColourRun &each : runs) {
        parts.append(QStringLiteral("%1(%2,%3,%4)")
                         .arg(each.text)
                         .arg(each.colour.red)
                         .arg(each.colour.green)
                         .arg(each.colour.blue));
    }
    return parts.join(QLatin1Char(' '));
}

} // namespace

class TestNameColours : public QObject {
    Q_OBJECT

private slots:
    void runs_data();
    void runs();
    void codeTable();
    void legend();
};

void TestNameColours::runs_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<Runs>("expected");
    QTest::addColumn<QString>("visible");

    QTest::newRow("two colours") << "^1Red^7White" << Runs{run("Red", red), run("White", white)}
                                 << "RedWhite";
    QTest::newRow("no codes") << "Plain" << Runs{run("Plain", black)} << "Plain";
    QTest::newRow("8 and 9 repeat 0 and 1") << "^9A^8B" << Runs{run("A", red), run("B", black)}
                                            << "AB";
    QTest::newRow("caret before a letter") << "^xA" << Runs{run("^xA", black)} << "^xA";
    QTest::newRow("trailing caret") << "Name^" << Runs{run("Name^", black)} << "Name^";
    QTest::newRow("caret before a code") << "^^1A" << Runs{run("^", black), run("A", red)}
                                         << "^A";
    QTest::newRow("empty") << "" << Runs{} << "";
    QTest::newRow("code only") << "^1" << Runs{} << "";
    QTest::newRow("lone caret") << "^" << Runs{run("^", black)} << "^";
    QTest::newRow("caret after a code keeps its colour") << "^2A^" << Runs{run("A^", green)}
                                                         << "A^";
    QTest::newRow("code after code") << "^2^3X" << Runs{run("X", yellow)} << "X";
    QTest::newRow("same colour joins") << "^1A^1B" << Runs{run("AB", red)} << "AB";
    QTest::newRow("black by 0 and by 8 joins") << "x^0A^8B" << Runs{run("xAB", black)} << "xAB";
    QTest::newRow("caret caret caret digit") << "^^^4Z" << Runs{run("^^", black), run("Z", blue)}
                                             << "^^Z";
    QTest::newRow("code in the middle") << "Ab^5cd" << Runs{run("Ab", black), run("cd", cyan)}
                                        << "Abcd";
    QTest::newRow("only ASCII digits") << QString::fromUtf8("^\u0663A")
                                       << Runs{run(QString::fromUtf8("^\u0663A"), black)}
                                       << QString::fromUtf8("^\u0663A");
    QTest::newRow("spaces are characters") << "^6 a b" << Runs{run(" a b", magenta)} << " a b";
    QTest::newRow("all ten codes")
        << "^0a^1b^2c^3d^4e^5f^6g^7h^8i^9j"
        << Runs{run("a", black), run("b", red),     run("c", green), run("d", yellow),
                run("e", blue),  run("f", cyan),    run("g", magenta), run("h", white),
                run("i", black), run("j", red)}
        << "abcdefghij";
}

void TestNameColours::runs()
{
    QFETCH(QString, name);
    QFETCH(Runs, expected);
    QFETCH(QString, visible);

    const Runs actual = colourRuns(name);
    QVERIFY2(actual == expected, qPrintable(describe(actual) + " != " + describe(expected)));
    QCOMPARE(visibleName(name), visible);
}

void TestNameColours::codeTable()
{
    QCOMPARE(int(colourCodes().size()), 10);
    for (int i = 0; i < 10; ++i)
        QCOMPARE(colourCodes()[i].digit, char('0' + i));
    QVERIFY(colourCodes()[8].colour == colourCodes()[0].colour);
    QVERIFY(colourCodes()[9].colour == colourCodes()[1].colour);
    QVERIFY(kDefaultNameColour == black);
}

void TestNameColours::legend()
{
    QCOMPARE(colourLegendCaptions(),
             QStringList({"^0  Black", "^1  Red", "^2  Green", "^3  Yellow", "^4  Blue",
                          "^5  Cyan", "^6  Magenta", "^7  White"}));
}

QTEST_APPLESS_MAIN(TestNameColours)
#include "tst_namecolours.moc"
