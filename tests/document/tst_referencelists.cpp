// The reference lists of a document window: the shipped list files, which file fills a list,
// where it pops up, and what a pick writes.
#include "FrameFixture.h"
#include "lists/ListSearch.h"
#include "mods/ModCommands.h"
#include "mods/ModMenuLayouts.h"
#include "platform/AppPaths.h"

#include <QLineEdit>
#include <QListWidget>
#include <QSet>
#include <QtTest>

using document::frmChild;

namespace {

QLineEdit *searchOf(lists::ListSearch *list)
{
    return list->findChild<QLineEdit *>(QStringLiteral("txtSearch"));
}
QListWidget *entriesOf(lists::ListSearch *list)
{
    return list->findChild<QListWidget *>(QStringLiteral("lstMain"));
}

frmChild *documentOfGame(FrameFixture &f, int16_t game)
{
    frmChild *child = f.newDocument();
    f.frame->documents().slot(child->Tag()).Game = core::Game(game);
    return child;
}

void pick(lists::ListSearch *list, const QString &typed)
{
    QTest::keyClicks(searchOf(list), typed);
    QTest::keyClick(searchOf(list), Qt::Key_Tab);
}

QPoint caretIn(frmChild *child)
{
    child->editor()->ensureCursorVisible();
    return child->editor()->viewport()->mapTo(child, child->editor()->cursorRect().topLeft());
}

} // namespace

class TestReferenceLists : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { platform::setProgramFolder(QString()); }
    void everyNamedListIsWellFormed_data()
    {
        // clang-format off
        QTest::addColumn<QString>("path");
        QSet<QString> files;
        for (const char *game : {"Quake2/q2", "Quake3/q3"})
            for (const char *list : {"binds", "keys", "cvars"})
                files << platform::configsFolder() + '/' + game + list + ".txt";
        for (const core::Mod &mod : core::kMods)
            if (!mod.viewFile.isEmpty())
                files << document::specialListFile(mod.viewFile.toString());
        for (const core::Mod &mod : core::kMods)
            for (const mods::ModCommand &command : mods::otherItems(mod))
                for (const mods::ModCommandStep &step : mods::modCommandSteps(command))
                    if (step.kind == mods::StepKind::ShowSpecialListAndWait)
                        files << document::specialListFile(step.text);
        for (const QString &path : files)
            QTest::newRow(qPrintable(path.mid(platform::configsFolder().size() + 1))) << path;
        // clang-format on
    }

    // Present, CR LF text, and no two entries the lists (which show lower case) would show alike.
    void everyNamedListIsWellFormed()
    {
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
        const QByteArray bytes = file.readAll();
        QVERIFY(!bytes.contains('\0') && bytes.endsWith("\r\n"));
        QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
        QSet<QString> seen;
        for (const QByteArray &line : bytes.split('\n')) {
            const QString entry = QString::fromLatin1(line).remove('\r').toLower();
            QVERIFY2(entry.isEmpty() || !seen.contains(entry), qPrintable(entry));
            seen << entry;
        }
        QVERIFY(seen.size() > 3);
    }

    void listsFillForTheDocumentsGame_data()
    {
        // clang-format off
        QTest::addColumn<int>("game");
        QTest::addColumn<QString>("keyOnlyThere"); // "" when the list keeps what it held
        QTest::newRow("Quake 3") << 1 << "capslock";
        QTest::newRow("Quake 2") << 0 << "aux32";
        QTest::newRow("blank config uses Quake 2") << -1 << "aux32";
        QTest::newRow("other games keep the old entries") << -2 << "";
        // clang-format on
    }

    void listsFillForTheDocumentsGame()
    {
        QFETCH(int, game);
        QFETCH(QString, keyOnlyThere);
        FrameFixture f;
        frmChild *child = documentOfGame(f, int16_t(game));
        child->ShowKeysList();
        QVERIFY(child->lsKeys()->isVisible());
        QListWidget *entries = entriesOf(child->lsKeys());
        QCOMPARE(entries->findItems(keyOnlyThere, Qt::MatchExactly).size(),
                 keyOnlyThere.isEmpty() ? 0 : 1);
        for (int row = 0; row < entries->count(); ++row)
            QCOMPARE(entries->item(row)->text(), entries->item(row)->text().toLower());
    }

    void missingFileShowsTheMessageAndNoList()
    {
        QTemporaryDir empty;
        QDir(empty.path()).mkpath(QStringLiteral("Configs/Quake2"));
        platform::setProgramFolder(empty.path());
        FrameFixture f;
        frmChild *child = documentOfGame(f, 0);
        f.trigger(child, "mnuViewCVars");
        QCOMPARE(f.dialogs.messages.size(), 1);
        QCOMPARE(f.dialogs.messages.first().text,
                 "Couldn't find " + empty.path() + "/Configs/Quake2/q2cvars.txt!");
        QCOMPARE(f.dialogs.messages.first().title, QStringLiteral("Error"));
        QVERIFY(!child->lsCVars()->isVisible());
    }

    void picksWriteAndReturnFocus()
    {
        FrameFixture f;
        frmChild *child = documentOfGame(f, 1);
        QApplication::setActiveWindow(f.frame.get());
        // The typed bind prompt, picked from the keyboard in the list.
        QTimer::singleShot(0, child, [child] {
            pick(child->lsKeys(), QStringLiteral("mwheelu"));
            QTest::keyClick(child->editor(), Qt::Key_Space);
        });
        f.type(child, QStringLiteral("bind "));
        QCOMPARE(child->editor()->Text(), QStringLiteral("bind mwheelup "));
        f.trigger(child, "mnuViewActions");
        pick(child->lsBinds(), QStringLiteral("+ATT"));
        QCOMPARE(child->editor()->Text(), QStringLiteral("bind mwheelup +attack"));
        QVERIFY(!child->lsBinds()->isVisible());
        QCOMPARE(QApplication::focusWidget(), child->editor());

        // Enter takes the typed text, Escape nothing; a click in the editor hides every list.
        const std::pair<const char *, lists::ListSearch *> views[] = {
            {"mnuViewBindableKeys", child->lsKeys()},
            {"mnuViewActions", child->lsBinds()},
            {"mnuViewCVars", child->lsCVars()}};
        for (auto [item, list] : views) {
            f.trigger(child, item);
            QVERIFY2(list->isVisible() && entriesOf(list)->count() > 20, item);
            if (list != child->lsCVars())
                QTest::keyClick(searchOf(list), Qt::Key_Escape);
        }
        QTest::keyClicks(searchOf(child->lsCVars()), QStringLiteral("CG_Fo"));
        QTest::keyClick(searchOf(child->lsCVars()), Qt::Key_Return);
        child->ShowCVarsList();
        QTest::keyClicks(searchOf(child->lsCVars()), QStringLiteral("cg_"));
        QTest::keyClick(searchOf(child->lsCVars()), Qt::Key_Escape);
        QCOMPARE(child->editor()->Text(), QStringLiteral("bind mwheelup +attackCG_Fo"));
        child->ShowSpecialList(QStringLiteral("\\Quake2\\q2ctf.txt"));
        QVERIFY(entriesOf(child->lsSpecial())->count() > 0);
        QTest::mouseClick(child->editor()->viewport(), Qt::LeftButton);
        for (lists::ListSearch *list :
             {child->lsKeys(), child->lsBinds(), child->lsCVars(), child->lsSpecial()})
            QVERIFY(!list->isVisible());
    }

    // Near the right edge a list opens left of the caret, near the bottom above it.
    void listsStayInsideTheWindow()
    {
        FrameFixture f;
        frmChild *child = documentOfGame(f, 0);
        child->editor()->LoadPlainText(QString(200, 'x') + QString("\r\nline").repeated(200));
        child->editor()->setSelStart(200);
        QPoint caret = caretIn(child);
        QVERIFY(caret.x() + child->lsBinds()->width() > child->width());
        child->ShowBindsList();
        QCOMPARE(child->lsBinds()->x() + child->lsBinds()->width(), caret.x());
        child->editor()->setSelStart(child->editor()->TextLength());
        caret = caretIn(child);
        child->ShowKeysList();
        QCOMPARE(child->lsKeys()->y() + child->lsKeys()->height(), caret.y());
        QVERIFY(child->lsKeys()->x() >= caret.x());
    }
};

QTEST_MAIN(TestReferenceLists)
#include "tst_referencelists.moc"
