// File > New: the Select Mod dialog, its lists, and the document its OK creates. What each
// mod's document holds is the golden files'; one dialog at a time and its tab order are
// tst_tooldialogs'.
#include "OutputProbe.h"

#include <QCheckBox>
#include <QDialog>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using mods::GameList;

Q_DECLARE_METATYPE(mods::GameList)

namespace {

template <typename T = QWidget>
T *control(const char *name)
{
    QWidget *dialog = FrameFixture::selectModDialog();
    T *widget = dialog ? dialog->findChild<T *>(QLatin1String(name)) : nullptr;
    if (!widget)
        qFatal("no control %s", name);
    return widget;
}

QListWidget *listOf(GameList game)
{
    return control<QListWidget>(game == GameList::Quake2 ? "lstQ2Mods" : "lstQ3Mods");
}

/** What the dialog shows: the checks, each list with its selection in brackets, greyed lists. */
QString seenDialog()
{
    QString out = QStringLiteral("Q2 %1, Q3 %2, blank %3\n")
                      .arg(control<QRadioButton>("optQ2")->isChecked())
                      .arg(control<QRadioButton>("optQ3")->isChecked())
                      .arg(control<QCheckBox>("chkBlank")->isChecked());
    for (GameList game : {GameList::Quake2, GameList::Quake3}) {
        QListWidget *list = listOf(game);
        QStringList texts;
        for (int row = 0; row < list->count(); ++row)
            texts << (list->item(row)->isSelected() ? "[" + list->item(row)->text() + "]" : list->item(row)->text());
        out += (list->isEnabled() ? "list: " : "greyed list: ") + texts.join(" | ") + '\n';
    }
    return out;
}

void select(GameList game, const QString &text)
{
    control<QRadioButton>(game == GameList::Quake2 ? "optQ2" : "optQ3")->click();
    listOf(game)->setCurrentItem(listOf(game)->findItems(text, Qt::MatchExactly).value(0));
}

void pressOk()
{
    control<QPushButton>("cmdModSEL")->click();
    FrameFixture::settle();
}

} // namespace

class TestSelectMod : public QObject {
    Q_OBJECT
private slots:
    void opensOnQuake3FreeForAll();
    void listsFollowTheGameAndBlank();
    void blankWinsOverAnySelection_data();
    void blankWinsOverAnySelection();
    void comingSoonAndNothingSelectedKeepTheDialogOpen();
    void doubleClickDoesWhatOkDoes();
};

void TestSelectMod::opensOnQuake3FreeForAll()
{
    FrameFixture f;
    f.frame->newDocumentCommand();
    QCOMPARE(FrameFixture::selectModDialog()->windowTitle(), QStringLiteral("Select Mod"));
    QVERIFY(!FrameFixture::selectModDialog()->parentWidget());
    const QString difference = probe::goldenDifference("tools/selectmod.txt", seenDialog().toUtf8());
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
    QCOMPARE(listOf(GameList::Quake3)->editTriggers(), QAbstractItemView::NoEditTriggers);
    pressOk();
    QVERIFY(!FrameFixture::selectModDialog());
    QCOMPARE(f.active()->Caption(), QStringLiteral("Q3 Free for All Config1"));
    QCOMPARE(f.slotOf(f.active()).Game, core::Game::Quake3);
    QVERIFY(f.dialogs.messages.isEmpty());
}

void TestSelectMod::listsFollowTheGameAndBlank()
{
    FrameFixture f;
    f.frame->newDocumentCommand();
    const auto enabled = [] { return QList<bool>{listOf(GameList::Quake2)->isEnabled(), listOf(GameList::Quake3)->isEnabled()}; };
    control<QRadioButton>("optQ2")->click();
    QCOMPARE(enabled(), (QList<bool>{true, false}));
    control<QCheckBox>("chkBlank")->click(); // keeps the game, greys both lists
    QVERIFY(control<QRadioButton>("optQ2")->isChecked());
    QCOMPARE(enabled(), (QList<bool>{false, false}));
    control<QCheckBox>("chkBlank")->click();
    QCOMPARE(enabled(), (QList<bool>{true, false}));
    // Choosing a game, even the one already chosen, unchecks "Blank CFG".
    control<QCheckBox>("chkBlank")->click();
    control<QRadioButton>("optQ2")->click();
    QVERIFY(!control<QCheckBox>("chkBlank")->isChecked());
    control<QRadioButton>("optQ3")->click();
    QCOMPARE(enabled(), (QList<bool>{false, true}));
}

void TestSelectMod::blankWinsOverAnySelection_data()
{
    QTest::addColumn<GameList>("game");
    QTest::addColumn<QString>("entry");
    QTest::newRow("Quake 3 OSP Server") << GameList::Quake3 << "OSP Server";
    QTest::newRow("Quake 2 coming soon") << GameList::Quake2 << "OSP";
}

void TestSelectMod::blankWinsOverAnySelection()
{
    QFETCH(GameList, game);
    QFETCH(QString, entry);
    FrameFixture f;
    f.frame->newDocumentCommand();
    select(game, entry);
    control<QCheckBox>("chkBlank")->click();
    pressOk();
    QVERIFY(!FrameFixture::selectModDialog());
    QVERIFY(f.dialogs.messages.isEmpty());
    QCOMPARE(f.active()->Caption(), QStringLiteral("Config1"));
    QCOMPARE(f.slotOf(f.active()).Game, core::Game::Blank);
    QCOMPARE(f.active()->menuItem("mnuInsertTemplate")->text(), QStringLiteral("Regular Template"));
    QVERIFY(!f.active()->menuItem("mnuOther")->isVisible());
}

void TestSelectMod::comingSoonAndNothingSelectedKeepTheDialogOpen()
{
    FrameFixture f;
    f.frame->newDocumentCommand();
    control<QRadioButton>("optQ2")->click(); // nothing selected in the Quake 2 list
    pressOk();
    QVERIFY(FrameFixture::selectModDialog() && f.dialogs.messages.isEmpty());
    select(GameList::Quake2, QStringLiteral("OSP"));
    pressOk();
    select(GameList::Quake3, QStringLiteral("True Combat"));
    pressOk();
    QCOMPARE(f.dialogs.messageTexts(), (QStringList{"OSP support coming soon", "True Combat support coming soon"}));
    QCOMPARE(f.dialogs.messages[0].title, QStringLiteral("Tessel"));
    QCOMPARE(f.dialogs.messages[0].buttons, platform::Buttons::Ok);
    QCOMPARE(f.dialogs.messages[0].icon, platform::Icon::None);
    QVERIFY(f.frame->documentWindows().isEmpty());
    // The entry of the other game with the same text is a mod of its own.
    select(GameList::Quake3, QStringLiteral("OSP"));
    pressOk();
    QVERIFY(!FrameFixture::selectModDialog());
    QCOMPARE(f.active()->Caption(), QStringLiteral("Q3 OSP Config1"));
}

void TestSelectMod::doubleClickDoesWhatOkDoes()
{
    FrameFixture f;
    f.frame->newDocumentCommand();
    QListWidget *list = listOf(GameList::Quake3);
    QListWidgetItem *item = list->findItems(QStringLiteral("Urban Terror"), Qt::MatchExactly).first();
    list->scrollToItem(item);
    const QPoint centre = list->visualItemRect(item).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
    FrameFixture::settle();
    QVERIFY(!FrameFixture::selectModDialog());
    QCOMPARE(f.active()->Caption(), QStringLiteral("Q3 Urban Terror Config1"));
}

QTEST_MAIN(TestSelectMod)
#include "tst_selectmod.moc"
