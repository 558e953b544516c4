// File > New: the Select Mod dialog, its lists, and the document its OK creates.
#include "support/FrameFixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using document::frmChild;
using mods::GameList;

Q_DECLARE_METATYPE(mods::GameList)

namespace {

template <typename T>
T *control(QDialog *dialog, const char *name)
{
    T *widget = dialog->findChild<T *>(QLatin1String(name));
    if (!widget)
        qFatal("no control %s", name);
    return widget;
}

QDialog *openDialog(FrameFixture &f)
{
    f.frame->newDocumentCommand();
    return FrameFixture::selectModDialog();
}

QListWidget *listOf(QDialog *dialog, GameList game)
{
    return control<QListWidget>(dialog, game == GameList::Quake2 ? "lstQ2Mods" : "lstQ3Mods");
}

QStringList texts(QListWidget *list)
{
    QStringList result;
    for (int row = 0; row < list->count(); ++row)
        result.append(list->item(row)->text());
    return result;
}

QStringList selectedTexts(QListWidget *list)
{
    QStringList result;
    for (QListWidgetItem *item : list->selectedItems())
        result.append(item->text());
    return result;
}

void select(QDialog *dialog, GameList game, const QString &text)
{
    control<QRadioButton>(dialog, game == GameList::Quake2 ? "optQ2" : "optQ3")->click();
    QListWidget *list = listOf(dialog, game);
    const QList<QListWidgetItem *> items = list->findItems(text, Qt::MatchExactly);
    QCOMPARE(items.size(), 1);
    list->setCurrentItem(items.first());
}

void pressOk(QDialog *dialog) { control<QPushButton>(dialog, "cmdModSEL")->click(); }

QString itemText(frmChild *child, const char *name)
{
    return child->menuItem(QLatin1String(name))->text();
}

int topLevelDialogs()
{
    int count = 0;
    for (QWidget *window : QApplication::topLevelWidgets())
        count += window->objectName() == QLatin1String("frmSelMod") && window->isVisible();
    return count;
}

} // namespace

class TestSelectMod : public QObject {
    Q_OBJECT

private slots:
    void loadedState();
    void okAtOnceMakesQuake3FreeForAll();
    void quake2WithNothingSelectedDoesNothing();
    void listsFollowTheGameAndBlank();
    void blankWinsOverAnySelection_data();
    void blankWinsOverAnySelection();
    void comingSoonKeepsTheDialogOpen();
    void doubleClickDoesWhatOkDoes();
    void everyNewCommandOpensOneDialog();
    void noStateKeptBetweenOpenings();
};

void TestSelectMod::loadedState()
{
    FrameFixture f;
    QDialog *dialog = openDialog(f);
    QVERIFY(dialog);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Select Mod"));
    QVERIFY(!dialog->parentWidget());
    QCOMPARE(control<QRadioButton>(dialog, "optQ2")->text(), QStringLiteral("Quake 2"));
    QCOMPARE(control<QRadioButton>(dialog, "optQ3")->text(), QStringLiteral("Quake 3"));
    QCOMPARE(control<QPushButton>(dialog, "cmdModSEL")->text(), QStringLiteral("OK"));
    QCOMPARE(control<QCheckBox>(dialog, "chkBlank")->text(), QStringLiteral("Blank CFG"));
    QVERIFY(!control<QRadioButton>(dialog, "optQ2")->isChecked());
    QVERIFY(control<QRadioButton>(dialog, "optQ3")->isChecked());
    QVERIFY(!control<QCheckBox>(dialog, "chkBlank")->isChecked());

    QListWidget *quake2 = listOf(dialog, GameList::Quake2);
    QListWidget *quake3 = listOf(dialog, GameList::Quake3);
    QVERIFY(!quake2->isEnabled());
    QVERIFY(quake3->isEnabled());
    QCOMPARE(texts(quake2),
             (QStringList{"Action Quake", "Capture the Flag", "Free for All", "Gxmod",
                          "Gxmod Server", "Lithium", "OSP", "OSP Server", "Rocket Arena",
                          "Rocket Arena Server", "Weapons Factory"}));
    QCOMPARE(texts(quake3),
             (QStringList{"Fortress", "Free for All", "OSP", "OSP Server", "    -Custom Mod",
                          "    -Map List File", "    -Player Filter File", "Paintball",
                          "Rocket Arena", "True Combat", "Urban Terror", "Weapons Factory"}));
    QVERIFY(selectedTexts(quake2).isEmpty());
    QCOMPARE(selectedTexts(quake3), QStringList{"Free for All"});
    // The entries cannot be renamed.
    for (QListWidget *list : {quake2, quake3})
        QCOMPARE(list->editTriggers(), QAbstractItemView::NoEditTriggers);
    QVERIFY(f.frame->documentWindows().isEmpty());
}

void TestSelectMod::okAtOnceMakesQuake3FreeForAll()
{
    FrameFixture f;
    QPointer<QDialog> dialog = openDialog(f);
    pressOk(dialog);
    f.settle();
    QVERIFY(dialog.isNull());
    QCOMPARE(f.frame->documentWindows().size(), 1);
    frmChild *child = f.active();
    QCOMPARE(child->Caption(), QStringLiteral("Q3 Free for All Config1"));
    QCOMPARE(f.slotOf(child).Game, int16_t(1));
    QCOMPARE(f.slotOf(child).ModId, 13);
    QCOMPARE(f.frame->documents().CurrentGame, int16_t(1));
    QCOMPARE(itemText(child, "mnuInsertTemplate"), QStringLiteral("Free for All Template"));
    QVERIFY(f.dialogs.messages.isEmpty());
}

void TestSelectMod::quake2WithNothingSelectedDoesNothing()
{
    FrameFixture f;
    QDialog *dialog = openDialog(f);
    control<QRadioButton>(dialog, "optQ2")->click();
    pressOk(dialog);
    f.settle();
    QCOMPARE(FrameFixture::selectModDialog(), dialog);
    QVERIFY(f.frame->documentWindows().isEmpty());
    QVERIFY(f.dialogs.messages.isEmpty());
}

void TestSelectMod::listsFollowTheGameAndBlank()
{
    FrameFixture f;
    QDialog *dialog = openDialog(f);
    auto *quake2 = control<QRadioButton>(dialog, "optQ2");
    auto *quake3 = control<QRadioButton>(dialog, "optQ3");
    auto *blank = control<QCheckBox>(dialog, "chkBlank");
    const auto enabledLists = [dialog] {
        return QList<bool>{listOf(dialog, GameList::Quake2)->isEnabled(),
                           listOf(dialog, GameList::Quake3)->isEnabled()};
    };
    quake2->click();
    QVERIFY(!quake3->isChecked());
    QCOMPARE(enabledLists(), (QList<bool>{true, false}));
    quake3->click();
    QVERIFY(!quake2->isChecked());
    QCOMPARE(enabledLists(), (QList<bool>{false, true}));

    // Blank keeps the game; unchecked again, the game's list is back.
    quake2->click();
    blank->click();
    QVERIFY(quake2->isChecked());
    QCOMPARE(enabledLists(), (QList<bool>{false, false}));
    blank->click();
    QCOMPARE(enabledLists(), (QList<bool>{true, false}));

    // Choosing a game, even the one already chosen, unchecks "Blank CFG".
    blank->click();
    quake2->click();
    QVERIFY(!blank->isChecked());
    QCOMPARE(enabledLists(), (QList<bool>{true, false}));
}

void TestSelectMod::blankWinsOverAnySelection_data()
{
    QTest::addColumn<GameList>("game");
    QTest::addColumn<QString>("entry");
    QTest::newRow("Quake 3 OSP Server") << GameList::Quake3 << "OSP Server";
    QTest::newRow("Quake 2 Gxmod") << GameList::Quake2 << "Gxmod";
    QTest::newRow("Quake 2 coming soon") << GameList::Quake2 << "OSP";
}

void TestSelectMod::blankWinsOverAnySelection()
{
    QFETCH(GameList, game);
    QFETCH(QString, entry);
    FrameFixture f;
    QDialog *dialog = openDialog(f);
    select(dialog, game, entry);
    control<QCheckBox>(dialog, "chkBlank")->click();
    pressOk(dialog);
    f.settle();
    QVERIFY(!FrameFixture::selectModDialog());
    QVERIFY(f.dialogs.messages.isEmpty());
    frmChild *child = f.active();
    QVERIFY(child);
    QCOMPARE(child->Caption(), QStringLiteral("Config1"));
    QCOMPARE(f.slotOf(child).Game, int16_t(-1));
    QCOMPARE(f.slotOf(child).ModId, 0);
    QVERIFY(!child->menuItem(QStringLiteral("mnuOther"))->isVisible());
    QCOMPARE(itemText(child, "mnuInsertTemplate"), QStringLiteral("Regular Template"));
}

void TestSelectMod::comingSoonKeepsTheDialogOpen()
{
    FrameFixture f;
    QDialog *dialog = openDialog(f);
    select(dialog, GameList::Quake2, QStringLiteral("OSP"));
    pressOk(dialog);
    f.settle();
    QCOMPARE(FrameFixture::selectModDialog(), dialog);
    QVERIFY(f.frame->documentWindows().isEmpty());
    QCOMPARE(f.dialogs.messages.size(), 1);
    const RecordingDialogs::Message &message = f.dialogs.messages.first();
    QCOMPARE(message.text, QStringLiteral("OSP support coming soon"));
    QCOMPARE(message.title, QStringLiteral("Tessel"));
    QCOMPARE(message.buttons, platform::Buttons::Ok);
    QCOMPARE(message.icon, platform::Icon::None);

    select(dialog, GameList::Quake3, QStringLiteral("True Combat"));
    pressOk(dialog);
    QCOMPARE(f.dialogs.messageTexts().last(), QStringLiteral("True Combat support coming soon"));
    QVERIFY(f.frame->documentWindows().isEmpty());

    // The entry of the other game with the same text is a mod of its own.
    select(dialog, GameList::Quake3, QStringLiteral("OSP"));
    pressOk(dialog);
    f.settle();
    QVERIFY(!FrameFixture::selectModDialog());
    QCOMPARE(f.dialogs.messages.size(), 2);
    QCOMPARE(f.active()->Caption(), QStringLiteral("Q3 OSP Config1"));
    QCOMPARE(itemText(f.active(), "mnuOther1"), QStringLiteral("Hook/Grapple"));
}

void TestSelectMod::doubleClickDoesWhatOkDoes()
{
    FrameFixture f;
    QDialog *dialog = openDialog(f);
    QListWidget *list = listOf(dialog, GameList::Quake3);
    QListWidgetItem *item =
        list->findItems(QStringLiteral("Urban Terror"), Qt::MatchExactly).first();
    list->scrollToItem(item);
    const QPoint centre = list->visualItemRect(item).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
    f.settle();
    QVERIFY(!FrameFixture::selectModDialog());
    QCOMPARE(f.frame->documentWindows().size(), 1);
    QCOMPARE(f.active()->Caption(), QStringLiteral("Q3 Urban Terror Config1"));
    // The same mod again: the window caption differs only by its slot number.
    QCOMPARE(f.newDocument(GameList::Quake3, QStringLiteral("Urban Terror"))->Caption(),
             QStringLiteral("Q3 Urban Terror Config2"));
}

void TestSelectMod::everyNewCommandOpensOneDialog()
{
    FrameFixture f;
    QAction *fileNew = f.frame->findChild<QAction *>(QStringLiteral("mnuFileNew"));
    fileNew->trigger();
    fileNew->trigger();
    QCOMPARE(topLevelDialogs(), 1);

    pressOk(FrameFixture::selectModDialog());
    f.settle();
    QCOMPARE(topLevelDialogs(), 0);
    f.trigger(f.active(), "mnuChildFileNew");
    QCOMPARE(topLevelDialogs(), 1);
    QCOMPARE(f.frame->documentWindows().size(), 1);
}

void TestSelectMod::noStateKeptBetweenOpenings()
{
    FrameFixture f;
    QPointer<QDialog> dialog = openDialog(f);
    select(dialog, GameList::Quake2, QStringLiteral("Lithium"));
    control<QCheckBox>(dialog, "chkBlank")->click();
    dialog->close();
    f.settle();
    QVERIFY(dialog.isNull());

    dialog = openDialog(f);
    QVERIFY(control<QRadioButton>(dialog, "optQ3")->isChecked());
    QVERIFY(!control<QCheckBox>(dialog, "chkBlank")->isChecked());
    QVERIFY(selectedTexts(listOf(dialog, GameList::Quake2)).isEmpty());
    QCOMPARE(selectedTexts(listOf(dialog, GameList::Quake3)), QStringList{"Free for All"});
    QVERIFY(f.frame->documentWindows().isEmpty());
}

QTEST_MAIN(TestSelectMod)
#include "tst_selectmod.moc"
