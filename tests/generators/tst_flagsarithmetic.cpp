#include "generators/FlagsArithmetic.h"

#include <QHash>
#include <QMap>
#include <QtTest>

using namespace generators;

Q_DECLARE_METATYPE(generators::FlagsFrame)

namespace {

// The dialog as the user sees it: ticks per box and the three total texts, driven through
// the same rule the check boxes' Click handlers use.
class FlagsModel {
public:
    FlagsModel()
    {
        for (const FlagBox &box : flagBoxes())
            m_ticked.insert(QLatin1String(box.caption), box.tickedAtOpen);
        for (const FlagsFrameRow &row : flagsFrames())
            m_totals.insert(row.frame, QLatin1String(row.initialTotal));
    }

    void click(const QString &caption)
    {
        const FlagBox *box = find(caption);
        QVERIFY2(box, qPrintable(caption));
        const bool ticked = !m_ticked.value(caption);
        m_ticked.insert(caption, ticked);
        qint32 tickedSum = 0;
        for (const FlagBox &each : flagBoxes(box->frame)) {
            if (m_ticked.value(QLatin1String(each.caption)))
                tickedSum += each.value;
        }
        m_totals.insert(box->frame,
                        totalAfterTick(m_totals.value(box->frame), box->value, ticked, tickedSum));
    }

    void type(FlagsFrame frame, const QString &text) { m_totals.insert(frame, text); }
    QString total(FlagsFrame frame) const { return m_totals.value(frame); }
    bool isTicked(const QString &caption) const { return m_ticked.value(caption); }

private:
    static const FlagBox *find(const QString &caption)
    {
        for (const FlagBox &box : flagBoxes()) {
            if (caption == QLatin1String(box.caption))
                return &box;
        }
        return nullptr;
    }

    QHash<QString, bool> m_ticked;
    QMap<FlagsFrame, QString> m_totals;
};

} // namespace

class TestFlagsArithmetic : public QObject {
    Q_OBJECT

private slots:
    void initialTotals_data();
    void initialTotals();
    void boxTable();
    void clicks_data();
    void clicks();
    void allDeathmatchBoxes();
    void totalAfterTick_data();
    void totalAfterTick();
};

void TestFlagsArithmetic::initialTotals_data()
{
    QTest::addColumn<FlagsFrame>("frame");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("boxCount");

    QTest::newRow("DM") << FlagsFrame::DMFlags << "67312" << 18;
    QTest::newRow("weapons") << FlagsFrame::WeaponFlags << "255" << 9;
    QTest::newRow("powerups") << FlagsFrame::PowerupFlags << "975" << 11;
}

void TestFlagsArithmetic::initialTotals()
{
    QFETCH(FlagsFrame, frame);
    QFETCH(QString, text);
    QFETCH(int, boxCount);

    QCOMPARE(QLatin1String(flagsFrameRow(frame).initialTotal), text);
    QCOMPARE(QString::number(tickedAtOpenSum(frame)), text);
    QCOMPARE(int(flagBoxes(frame).size()), boxCount);
    QCOMPARE(FlagsModel().total(frame), text);
}

void TestFlagsArithmetic::boxTable()
{
    QCOMPARE(int(flagsFrames().size()), 3);
    QCOMPARE(int(flagBoxes().size()), 18 + 9 + 11);

    QSet<QString> names;
    for (const FlagsFrameRow &row : flagsFrames()) {
        QCOMPARE(&flagsFrameRow(row.frame), &row);
        // Box k of a frame stands for 2^k; the layout places it by that power.
        int k = 0;
        for (const FlagBox &box : flagBoxes(row.frame)) {
            QCOMPARE(box.frame, row.frame);
            QCOMPARE(box.value, qint32(1) << k);
            ++k;
            const QString name = QLatin1String(box.objectName);
            QVERIFY(name.startsWith(QLatin1String("chk")));
            QVERIFY2(!names.contains(name), qPrintable(name));
            names.insert(name);
            QVERIFY(box.caption && *box.caption);
            if (row.frame == FlagsFrame::DMFlags) {
                QVERIFY(box.toolTip);
                QVERIFY(QLatin1String(box.toolTip).endsWith(QStringLiteral("(%1)").arg(box.value)));
            } else {
                QVERIFY(!box.toolTip);
            }
        }
    }
    QCOMPARE(QLatin1String(flagBoxes(FlagsFrame::DMFlags).back().caption),
             QLatin1String("Practice Mode"));
    QCOMPARE(QLatin1String(flagBoxes(FlagsFrame::WeaponFlags).back().objectName),
             QLatin1String("chkBFG"));
    QCOMPARE(QLatin1String(flagsFrameRow(FlagsFrame::PowerupFlags).objectName),
             QLatin1String("fraPowrupFlags"));
}

void TestFlagsArithmetic::clicks_data()
{
    QTest::addColumn<FlagsFrame>("frame");
    QTest::addColumn<QString>("typed"); // typed into the total first, unless null
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QStringList>("totals"); // after each click

    using F = FlagsFrame;
    QTest::newRow("BFG on and off") << F::WeaponFlags << QString() << QStringList{"BFG", "BFG"}
                                    << QStringList{"511", "255"};
    QTest::newRow("Practice Mode") << F::DMFlags << QString() << QStringList{"Practice Mode"}
                                   << QStringList{"198384"};
    QTest::newRow("Quad Damage") << F::PowerupFlags << QString()
                                 << QStringList{"Quad Damage", "Body Armor"}
                                 << QStringList{"1007", "1006"};
    QTest::newRow("typed 0, Shotgun off") << F::WeaponFlags << "0" << QStringList{"Shotgun"}
                                          << QStringList{"-1"};
    QTest::newRow("typed number is added to") << F::DMFlags << "100"
                                              << QStringList{"No Health", "Same Level"}
                                              << QStringList{"101", "69"};
    QTest::newRow("typed negative") << F::WeaponFlags << "-5" << QStringList{"BFG"}
                                    << QStringList{"251"};
    // A total that is no whole number gives way to the ticked boxes, and the tick still holds.
    QTest::newRow("letters") << F::WeaponFlags << "abc" << QStringList{"BFG", "Railgun"}
                             << QStringList{"511", "383"};
    QTest::newRow("empty") << F::PowerupFlags << "" << QStringList{"Invincibility"}
                           << QStringList{"1999"};
    QTest::newRow("fraction") << F::WeaponFlags << "12.5" << QStringList{"Shotgun"}
                              << QStringList{"254"};
    QTest::newRow("too big to hold") << F::WeaponFlags << "99999999999" << QStringList{"BFG"}
                                     << QStringList{"511"};
    QTest::newRow("sum overflows") << F::DMFlags << "2147483647" << QStringList{"No Health"}
                                   << QStringList{"67313"};
    QTest::newRow("sum underflows") << F::DMFlags << "-2147483648"
                                    << QStringList{"Instant Items"} << QStringList{"67296"};
    QTest::newRow("largest total") << F::DMFlags << "2147483646" << QStringList{"No Health"}
                                   << QStringList{"2147483647"};
    QTest::newRow("smallest total") << F::WeaponFlags << "-2147483647" << QStringList{"Shotgun"}
                                    << QStringList{"-2147483648"};
}

void TestFlagsArithmetic::clicks()
{
    QFETCH(FlagsFrame, frame);
    QFETCH(QString, typed);
    QFETCH(QStringList, clicks);
    QFETCH(QStringList, totals);

    FlagsModel model;
    if (!typed.isNull())
        model.type(frame, typed);
    const QList<FlagsFrame> others = {FlagsFrame::DMFlags, FlagsFrame::WeaponFlags,
                                      FlagsFrame::PowerupFlags};
    for (int i = 0; i < clicks.size(); ++i) {
        const bool wasTicked = model.isTicked(clicks.at(i));
        model.click(clicks.at(i));
        QCOMPARE(model.isTicked(clicks.at(i)), !wasTicked);
        QCOMPARE(model.total(frame), totals.at(i));
    }
    for (FlagsFrame other : others) {
        if (other != frame)
            QCOMPARE(model.total(other), QLatin1String(flagsFrameRow(other).initialTotal));
    }
}

void TestFlagsArithmetic::allDeathmatchBoxes()
{
    FlagsModel model;
    for (const FlagBox &box : flagBoxes(FlagsFrame::DMFlags)) {
        if (box.tickedAtOpen)
            model.click(QLatin1String(box.caption));
    }
    QCOMPARE(model.total(FlagsFrame::DMFlags), QStringLiteral("0"));

    for (const FlagBox &box : flagBoxes(FlagsFrame::DMFlags))
        model.click(QLatin1String(box.caption));
    QCOMPARE(model.total(FlagsFrame::DMFlags), QStringLiteral("262143"));
}

void TestFlagsArithmetic::totalAfterTick_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("ticked");
    QTest::addColumn<int>("tickedSum");
    QTest::addColumn<QString>("result");

    QTest::newRow("add") << "255" << 256 << true << 511 << "511";
    QTest::newRow("subtract") << "511" << 256 << false << 255 << "255";
    QTest::newRow("below zero") << "0" << 1 << false << 254 << "-1";
    QTest::newRow("no leading zeros") << "0007" << 8 << true << 0 << "15";
    QTest::newRow("plus sign") << "+5" << 2 << true << 0 << "7";
    QTest::newRow("blanks around") << " 12 " << 4 << true << 0 << "16";
    QTest::newRow("minus zero") << "-0" << 1 << true << 9 << "1";
    QTest::newRow("hex is no number") << "0x10" << 1 << true << 9 << "9";
    QTest::newRow("blank inside") << "1 2" << 1 << true << 9 << "9";
    QTest::newRow("only blanks") << "   " << 1 << true << 9 << "9";
    QTest::newRow("past 32 bits") << "2147483648" << 1 << false << 9 << "9";
    QTest::newRow("past 64 bits") << "99999999999999999999" << 1 << true << 9 << "9";
    QTest::newRow("overflow") << "2147483647" << 1 << true << 9 << "9";
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
