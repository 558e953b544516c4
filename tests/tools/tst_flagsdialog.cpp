// The Calculate Flags dialog as the user meets it: its boxes, the three totals following
// every tick, typed totals, and one window at a time. The arithmetic itself is
// tst_flagsarithmetic's.
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

    void opensWithEveryBoxInItsFrame();
    void tickingChangesOnlyItsFramesTotal_data();
    void tickingChangesOnlyItsFramesTotal();
    void oneDialogAtATimeStartingAfresh();

private:
    static QCheckBox *box(const QString &name);
    static void click(QCheckBox *check);
    /** The three totals, left to right. */
    static QStringList totals();
    static QList<frmFlags *> openDialogs();

    static QPointer<frmFlags> m_dialog;
    // Nothing here asks anything; should it, the test fails instead of waiting for a click.
    RecordingDialogs m_dialogs;
};

QPointer<frmFlags> TestFlagsDialog::m_dialog;

QCheckBox *TestFlagsDialog::box(const QString &name)
{
    auto *found = m_dialog->findChild<QCheckBox *>(name);
    if (!found)
        qFatal("no check box %s", qPrintable(name));
    return found;
}

void TestFlagsDialog::click(QCheckBox *check)
{
    // On the box itself: a short caption leaves the middle of a wide check box empty.
    QStyleOptionButton option;
    option.initFrom(check);
    const QRect box = check->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, check);
    QTest::mouseClick(check, Qt::LeftButton, Qt::NoModifier, box.center());
}

QStringList TestFlagsDialog::totals()
{
    QStringList texts;
    for (const FlagsFrameRow &frame : flagsFrames())
        texts << m_dialog->findChild<QLineEdit *>(QLatin1String(frame.totalObjectName))->text();
    return texts;
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
    QCOMPARE(openDialogs().size(), 1);
    m_dialog = openDialogs().first();
}

void TestFlagsDialog::cleanup()
{
    for (frmFlags *open : openDialogs())
        open->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(openDialogs().isEmpty());
    QCOMPARE(m_dialogs.messageTexts(), QStringList());
}

void TestFlagsDialog::opensWithEveryBoxInItsFrame()
{
    QCOMPARE(m_dialog->windowTitle(), QStringLiteral("Calculate Flags"));
    QCOMPARE(m_dialog->focusWidget(), m_dialog->findChild<QPushButton *>(QStringLiteral("cmdOK")));
    QCOMPARE(totals(), (QStringList{"67312", "255", "975"}));

    // Each frame shows its boxes top to bottom, and its total is what their ticks add up to.
    for (const FlagsFrameRow &frame : flagsFrames()) {
        auto *group = m_dialog->findChild<QGroupBox *>(QLatin1String(frame.objectName));
        QCOMPARE(group->title(), QString::fromUtf8(frame.caption));
        QList<QCheckBox *> checks = group->findChildren<QCheckBox *>();
        std::sort(checks.begin(), checks.end(),
                  [](QCheckBox *a, QCheckBox *b) { return a->y() < b->y(); });
        QStringList shown, expected;
        qint32 sum = 0;
        for (qsizetype i = 0; i < checks.size(); ++i) {
            if (checks.at(i)->isVisible())
                shown << checks.at(i)->text();
            if (i < qsizetype(flagBoxes(frame.frame).size())) {
                const FlagBox &flag = flagBoxes(frame.frame)[size_t(i)];
                expected << QString::fromUtf8(flag.caption);
                sum += checks.at(i)->isChecked() ? flag.value : 0;
            }
        }
        QCOMPARE(shown, expected);
        QCOMPARE(group->findChild<QLineEdit *>()->text(), QString::number(sum));
    }
}

void TestFlagsDialog::tickingChangesOnlyItsFramesTotal_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("typed"); // into the box's total first, unless null
    QTest::addColumn<bool>("space");    // the key instead of the mouse
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<QStringList>("afterAgain");

    QTest::newRow("BFG") << "chkBFG" << QString() << false << QStringList{"67312", "511", "975"}
                         << QStringList{"67312", "255", "975"};
    QTest::newRow("Practice Mode") << "chkPracticeMode" << QString() << false
                                   << QStringList{"198384", "255", "975"}
                                   << QStringList{"67312", "255", "975"};
    QTest::newRow("Space ticks the focused box") << "chkQuadDamage" << QString() << true
                                                 << QStringList{"67312", "255", "1007"}
                                                 << QStringList{"67312", "255", "975"};
    QTest::newRow("typed total is counted on") << "chkShotgun" << "0" << false
                                               << QStringList{"67312", "-1", "975"}
                                               << QStringList{"67312", "0", "975"};
    QTest::newRow("unreadable total gives way to the ticks") << "chkBFG" << "abc" << false
                                                             << QStringList{"67312", "511", "975"}
                                                             << QStringList{"67312", "255", "975"};
}

void TestFlagsDialog::tickingChangesOnlyItsFramesTotal()
{
    QFETCH(QString, name);
    QFETCH(QString, typed);
    QFETCH(bool, space);
    QFETCH(QStringList, after);
    QFETCH(QStringList, afterAgain);

    QCheckBox *check = box(name);
    if (!typed.isNull()) {
        auto *total = check->parentWidget()->findChild<QLineEdit *>();
        total->selectAll();
        QTest::keyClick(total, Qt::Key_Delete);
        QTest::keyClicks(total, typed);
    }
    const bool ticked = check->isChecked();
    const auto press = [&] {
        if (space) {
            check->setFocus();
            QTest::keyClick(check, Qt::Key_Space);
        } else {
            click(check);
        }
    };
    press();
    QCOMPARE(check->isChecked(), !ticked);
    QCOMPARE(totals(), after);
    press();
    QCOMPARE(check->isChecked(), ticked);
    QCOMPARE(totals(), afterAgain);
}

void TestFlagsDialog::oneDialogAtATimeStartingAfresh()
{
    click(box("chkBFG"));
    showFlagsDialog();
    QCOMPARE(openDialogs(), QList<frmFlags *>{m_dialog.data()});
    QVERIFY(box("chkBFG")->isChecked());

    QTest::mouseClick(m_dialog->findChild<QPushButton *>(QStringLiteral("cmdOK")), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(m_dialog.isNull());
    QVERIFY(openDialogs().isEmpty());
    showFlagsDialog();
    m_dialog = openDialogs().first();
    QVERIFY(!box("chkBFG")->isChecked());
    QCOMPARE(totals(), (QStringList{"67312", "255", "975"}));
}

QTEST_MAIN(TestFlagsDialog)
#include "tst_flagsdialog.moc"
