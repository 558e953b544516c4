// The Calculate Flags dialog as the user meets it: its boxes, the three totals following
// every tick, typed totals, and one window at a time.
#include "RecordingDialogs.h"
#include "generators/FlagsArithmetic.h"
#include "generators/ToolDialogs.h"
#include "generators/frmFlags.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QtTest>

using namespace generators;

class TestFlagsDialog : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void opensWithTheTotalsOfItsTicks();
    void everyBoxSitsInItsFrameWithCaptionTickAndTip();
    void bfgAddsAndTakesAway();
    void practiceModeAddsToTheDmTotal();
    void untickingEveryDmBoxGivesZero();
    void tickingEveryDmBoxGivesTheFullMask();
    void spaceTicksTheFocusedBox();
    void typedNumberIsAddedToOrSubtractedFrom();
    void unreadableTotalIsRecomputedFromTheTicks_data();
    void unreadableTotalIsRecomputedFromTheTicks();
    void okClosesAndTheNextOpeningStartsAfresh();
    void showingAgainRaisesTheOpenDialog();

private:
    static frmFlags *dialog() { return m_dialog; }
    static QCheckBox *box(const char *name);
    static QLineEdit *total(const char *name);
    static void click(const char *name);
    static void type(const char *totalName, const QString &text);
    static QList<frmFlags *> openDialogs();

    static QPointer<frmFlags> m_dialog;
    // Nothing here asks anything; should it, the test fails instead of waiting for a click.
    RecordingDialogs m_dialogs;
};

QPointer<frmFlags> TestFlagsDialog::m_dialog;

QCheckBox *TestFlagsDialog::box(const char *name)
{
    auto *found = m_dialog->findChild<QCheckBox *>(QLatin1String(name));
    if (!found)
        qFatal("no check box %s", name);
    return found;
}

QLineEdit *TestFlagsDialog::total(const char *name)
{
    auto *found = m_dialog->findChild<QLineEdit *>(QLatin1String(name));
    if (!found)
        qFatal("no total %s", name);
    return found;
}

void TestFlagsDialog::click(const char *name)
{
    // On the box itself: a short caption leaves the middle of a wide check box empty.
    QCheckBox *check = box(name);
    QStyleOptionButton option;
    option.initFrom(check);
    const QRect indicator = check->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, check);
    QTest::mouseClick(check, Qt::LeftButton, Qt::NoModifier, indicator.center());
}

void TestFlagsDialog::type(const char *totalName, const QString &text)
{
    QLineEdit *field = total(totalName);
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}

QList<frmFlags *> TestFlagsDialog::openDialogs()
{
    QList<frmFlags *> dialogs;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *flags = qobject_cast<frmFlags *>(widget); flags && flags->isVisible())
            dialogs << flags;
    return dialogs;
}

void TestFlagsDialog::init()
{
    showFlagsDialog();
    const QList<frmFlags *> dialogs = openDialogs();
    QCOMPARE(dialogs.size(), 1);
    m_dialog = dialogs.first();
}

void TestFlagsDialog::cleanup()
{
    for (frmFlags *open : openDialogs())
        open->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(openDialogs().isEmpty());
    QCOMPARE(m_dialogs.messageTexts(), QStringList());
}

void TestFlagsDialog::opensWithTheTotalsOfItsTicks()
{
    QCOMPARE(m_dialog->windowTitle(), QStringLiteral("Calculate Flags"));
    QVERIFY(m_dialog->parentWidget() == nullptr);
    QCOMPARE(total("txtDMFlags")->text(), QStringLiteral("67312"));
    QCOMPARE(total("txtWeapFlags")->text(), QStringLiteral("255"));
    QCOMPARE(total("txtPowerupFlags")->text(), QStringLiteral("975"));

    // What the totals say is what the boxes show.
    for (const FlagsFrameRow &frame : flagsFrames()) {
        qint32 sum = 0;
        for (const FlagBox &flag : flagBoxes(frame.frame))
            if (box(flag.objectName)->isChecked())
                sum += flag.value;
        QCOMPARE(total(frame.totalObjectName)->text(), QString::number(sum));
    }

    auto *ok = m_dialog->findChild<QPushButton *>(QStringLiteral("cmdOK"));
    QVERIFY(ok);
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    QCOMPARE(m_dialog->focusWidget(), ok);
}

void TestFlagsDialog::everyBoxSitsInItsFrameWithCaptionTickAndTip()
{
    QCOMPARE(m_dialog->findChildren<QCheckBox *>().size(), 38);
    for (const FlagsFrameRow &frame : flagsFrames()) {
        auto *group = m_dialog->findChild<QGroupBox *>(QLatin1String(frame.objectName));
        QVERIFY2(group, frame.objectName);
        QCOMPARE(group->title(), QString::fromUtf8(frame.caption));
        QCOMPARE(total(frame.totalObjectName)->parentWidget(), group);
        QCOMPARE(total(frame.totalObjectName)->isReadOnly(), false);

        // Top to bottom in the order of the table.
        int previousTop = -1;
        for (const FlagBox &flag : flagBoxes(frame.frame)) {
            QCheckBox *check = box(flag.objectName);
            QCOMPARE(check->parentWidget(), group);
            QCOMPARE(check->text(), QString::fromUtf8(flag.caption));
            QCOMPARE(check->isChecked(), flag.tickedAtOpen);
            QCOMPARE(check->toolTip(), flag.toolTip ? QString::fromUtf8(flag.toolTip) : QString());
            QVERIFY2(check->isVisible(), flag.objectName);
            QVERIFY(check->y() > previousTop);
            previousTop = check->y();
        }
    }
}

void TestFlagsDialog::bfgAddsAndTakesAway()
{
    click("chkBFG");
    QVERIFY(box("chkBFG")->isChecked());
    QCOMPARE(total("txtWeapFlags")->text(), QStringLiteral("511"));
    click("chkBFG");
    QVERIFY(!box("chkBFG")->isChecked());
    QCOMPARE(total("txtWeapFlags")->text(), QStringLiteral("255"));
    // The other frames are not touched.
    QCOMPARE(total("txtDMFlags")->text(), QStringLiteral("67312"));
    QCOMPARE(total("txtPowerupFlags")->text(), QStringLiteral("975"));
}

void TestFlagsDialog::practiceModeAddsToTheDmTotal()
{
    click("chkPracticeMode");
    QCOMPARE(total("txtDMFlags")->text(), QStringLiteral("198384"));
    QCOMPARE(total("txtWeapFlags")->text(), QStringLiteral("255"));
}

void TestFlagsDialog::untickingEveryDmBoxGivesZero()
{
    for (const FlagBox &flag : flagBoxes(FlagsFrame::DMFlags))
        if (box(flag.objectName)->isChecked())
            click(flag.objectName);
    QCOMPARE(total("txtDMFlags")->text(), QStringLiteral("0"));
}

void TestFlagsDialog::tickingEveryDmBoxGivesTheFullMask()
{
    for (const FlagBox &flag : flagBoxes(FlagsFrame::DMFlags))
        if (!box(flag.objectName)->isChecked())
            click(flag.objectName);
    QCOMPARE(total("txtDMFlags")->text(), QStringLiteral("262143"));
}

void TestFlagsDialog::spaceTicksTheFocusedBox()
{
    QCheckBox *quad = box("chkQuadDamage");
    quad->setFocus();
    QTest::keyClick(quad, Qt::Key_Space);
    QVERIFY(quad->isChecked());
    QCOMPARE(total("txtPowerupFlags")->text(), QStringLiteral("1007"));
}

void TestFlagsDialog::typedNumberIsAddedToOrSubtractedFrom()
{
    type("txtWeapFlags", QStringLiteral("0"));
    QCOMPARE(total("txtWeapFlags")->text(), QStringLiteral("0"));
    click("chkShotgun");
    QCOMPARE(total("txtWeapFlags")->text(), QStringLiteral("-1"));
    click("chkShotgun");
    QCOMPARE(total("txtWeapFlags")->text(), QStringLiteral("0"));

    type("txtDMFlags", QStringLiteral("1000"));
    click("chkNoHealth");
    QCOMPARE(total("txtDMFlags")->text(), QStringLiteral("1001"));
}

void TestFlagsDialog::unreadableTotalIsRecomputedFromTheTicks_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");

    // After the click the ticked weapon boxes are Shotgun to Railgun and BFG: 511.
    QTest::newRow("letters") << "abc" << "511";
    QTest::newRow("empty") << "" << "511";
    QTest::newRow("fraction") << "12.5" << "511";
    QTest::newRow("number then text") << "12x" << "511";
    QTest::newRow("beyond 32 bits") << "99999999999" << "511";
    QTest::newRow("sum leaves 32 bits") << "2147483647" << "511";
    QTest::newRow("largest that still fits") << "2147483391" << "2147483647";
    QTest::newRow("negative number") << "-300" << "-44";
}

void TestFlagsDialog::unreadableTotalIsRecomputedFromTheTicks()
{
    QFETCH(QString, typed);
    QFETCH(QString, expected);

    type("txtWeapFlags", typed);
    QCOMPARE(total("txtWeapFlags")->text(), typed);
    click("chkBFG");
    QVERIFY(box("chkBFG")->isChecked());
    QCOMPARE(total("txtWeapFlags")->text(), expected);
    for (const FlagBox &flag : flagBoxes(FlagsFrame::WeaponFlags))
        QCOMPARE(box(flag.objectName)->isChecked(), true);
    // From a readable total on, ticks count as usual again.
    click("chkBFG");
    QCOMPARE(total("txtWeapFlags")->text(), QString::number(expected.toLongLong() - 256));
}

void TestFlagsDialog::okClosesAndTheNextOpeningStartsAfresh()
{
    click("chkBFG");
    type("txtDMFlags", QStringLiteral("5"));
    QTest::mouseClick(m_dialog->findChild<QPushButton *>(QStringLiteral("cmdOK")), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(m_dialog.isNull());
    QVERIFY(openDialogs().isEmpty());

    showFlagsDialog();
    QCOMPARE(openDialogs().size(), 1);
    m_dialog = openDialogs().first();
    QVERIFY(!box("chkBFG")->isChecked());
    QCOMPARE(total("txtWeapFlags")->text(), QStringLiteral("255"));
    QCOMPARE(total("txtDMFlags")->text(), QStringLiteral("67312"));
}

void TestFlagsDialog::showingAgainRaisesTheOpenDialog()
{
    click("chkBFG");
    showFlagsDialog();
    QCOMPARE(openDialogs(), QList<frmFlags *>{m_dialog.data()});
    QVERIFY(box("chkBFG")->isChecked());

    // The close box discards it like OK.
    m_dialog->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(m_dialog.isNull());
}

QTEST_MAIN(TestFlagsDialog)
#include "tst_flagsdialog.moc"
