// The rule behind the Calculate Flags totals: every form a typed total can take and the edges
// of the 32-bit range. tst_flagsdialog shows that the dialog follows it.
#include "generators/FlagsArithmetic.h"

#include <QtTest>

using namespace generators;

class TestFlagsArithmetic : public QObject {
    Q_OBJECT

private slots:
    void everyBoxIsOneFlag();
    void totalAfterTick_data();
    void totalAfterTick();
};

void TestFlagsArithmetic::everyBoxIsOneFlag()
{
    // Box k of a frame stands for bit k: the totals are the bit masks the server reads.
    for (const FlagsFrameRow &row : flagsFrames()) {
        int k = 0;
        for (const FlagBox &box : flagBoxes(row.frame)) {
            QCOMPARE(box.value, qint32(1) << k++);
            // Only the deathmatch boxes have a tip, and it names what the box adds.
            QCOMPARE(bool(box.toolTip), row.frame == FlagsFrame::DMFlags);
            if (box.toolTip)
                QVERIFY2(QLatin1String(box.toolTip).endsWith(QStringLiteral("(%1)").arg(box.value)),
                         box.toolTip);
        }
    }
}

void TestFlagsArithmetic::totalAfterTick_data()
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

void TestFlagsArithmetic::totalAfterTick()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    QFETCH(bool, ticked);
    QFETCH(int, tickedSum);
    QFETCH(QString, result);

    QCOMPARE(generators::totalAfterTick(text, value, ticked, tickedSum), result);
}

QTEST_APPLESS_MAIN(TestFlagsArithmetic)
#include "tst_flagsarithmetic.moc"
