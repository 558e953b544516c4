// Hover help: the word under the mouse, what the file sets it to, and the tooltip.
#include "analysis/EngineProfiles.h"
#include "document/HoverHelp.h"
#include "lists/ListSearch.h"
#include "platform/AppPaths.h"
#include "support/FrameFixture.h"

#include <QDir>
#include <QStatusBar>
#include <QToolTip>
#include <QtTest>

using namespace document;

class TestHoverHelp : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { platform::setProgramFolder(QString()); }

    void wordAt_data()
    {
        // clang-format off
        QTest::addColumn<QString>("text"); // "|" marks the position
        QTest::addColumn<QString>("word");
        QTest::newRow("inside") << "seta cg_f|ov \"90\"" << "cg_fov";
        QTest::newRow("at its end") << "bind mouse1| +attack" << "mouse1";
        QTest::newRow("at its start") << "bind |+attack" << "+attack";
        QTest::newRow("inside quotes, cut at ;") << "bind x \"+att|ack;+speed\"" << "+attack";
        QTest::newRow("between blanks") << "bind  | x" << "";
        QTest::newRow("empty text") << "|" << "";
        // clang-format on
    }

    void wordAt()
    {
        QFETCH(QString, text);
        QFETCH(QString, word);
        const int position = int(text.indexOf(u'|'));
        text.remove(position, 1);
        const TextSpan span = document::wordAt(text, position);
        QCOMPARE(text.mid(span.begin, span.end - span.begin), word);
    }

    void valueSet_data()
    {
        // clang-format off
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("bareNameSets");
        QTest::addColumn<QString>("found"); // "value @line", "" when none
        QTest::newRow("the last set wins") << "q3" << "seta cg_fov 90\nset CG_FOV \"100\"\n" << false << "100 @2";
        QTest::newRow("bare form when it counts") << "q3" << "seta cg_fov 90\r\ncg_fov 110" << true << "110 @2";
        QTest::newRow("bare form otherwise not") << "q3" << "seta cg_fov 90\ncg_fov 110" << false << "90 @1";
        QTest::newRow("commented out") << "q3" << "// seta cg_fov 90\nsets cg_fovx 1" << false << "";
        QTest::newRow("after ;") << "q3" << "echo hi; setu cg_fov 80" << false << "80 @1";
        QTest::newRow("empty value") << "q3" << "\nseta cg_fov \"\"" << false << "@2";
        QTest::newRow("a query sets nothing") << "q3" << "cg_fov" << true << "";
        QTest::newRow("seta needs three words") << "q3" << "seta cg_fov 90\nseta cg_fov 1 2" << false << "90 @1";
        QTest::newRow("set joins the words") << "q3" << "set cg_fov 1 2" << false << "1 2 @1";
        QTest::newRow("a flag after the value") << "q2" << "set cg_fov 90 u" << false << "90 @1";
        QTest::newRow("bare form takes one word") << "q2" << "cg_fov 100 200" << true << "100 @1";
        // clang-format on
    }

    void valueSet()
    {
        QFETCH(QString, engine);
        QFETCH(QString, text);
        QFETCH(bool, bareNameSets);
        QFETCH(QString, found);
        const ValueInText set = valueSetIn(text, QStringLiteral("cg_fov"),
                                           *analysis::engineProfile(engine), bareNameSets);
        QCOMPARE(set.line ? QStringLiteral("%1 @%2").arg(set.value).arg(set.line).trimmed()
                          : QString(),
                 found);
    }

    void tooltipOfACVar()
    {
        FrameFixture f;
        frmChild *child = f.newDocument();
        f.slotOf(child).Game = core::Game::Quake3;
        QDir(f.folder.path()).mkpath(QStringLiteral("Configs/Quake3"));
        f.writeFile(QStringLiteral("Configs/Quake3/q3cvars.tsv"),
                    "name\tdefault\tflags\tdescription\ncg_fov\t90\tarchive cheat\tField of "
                    "view.\nbroken\n");
        f.writeFile(QStringLiteral("Configs/Quake3/q3cvars.txt"), "cg_fov\r\n");
        platform::setProgramFolder(f.folder.path());
        child->editor()->LoadPlainText(
            QStringLiteral("bind f \"cg_fov 90\"\r\nseta cg_fov 105\r\n"));
        QWidget *viewport = child->editor()->viewport();
        QTextCursor cursor(child->editor()->document());
        cursor.setPosition(10); // in "cg_fov" of the first line
        const QPoint at = child->editor()->cursorRect(cursor).center();
        QHelpEvent hover(QEvent::ToolTip, at, viewport->mapToGlobal(at));
        QApplication::sendEvent(viewport, &hover);
        QCOMPARE(QToolTip::text(), QStringLiteral("cg_fov\nField of view.\nDefault: 90\n"
                                                  "Flags: saved to config, cheat-protected\n"
                                                  "This file sets it to 105 (line 2)"));
        QCOMPARE(child->statusBar()->currentMessage(),
                 QStringLiteral("Skipped q3cvars.tsv:3: 1 field, not 4"));
        // Told once: the next hover and pop-up leave the status bar alone.
        child->statusBar()->clearMessage();
        QApplication::sendEvent(viewport, &hover);
        child->ShowCVarsList();
        QCOMPARE(child->statusBar()->currentMessage(), QString());
        QVERIFY(child->lsCVars()->isVisible() && f.dialogs.messages.isEmpty());
    }

    // A mod's own names are explained before its list was ever popped up.
    void tooltipOfAModCommand()
    {
        FrameFixture f;
        frmChild *child = f.newDocument(mods::GameList::Quake3, QStringLiteral("OSP"));
        child->editor()->LoadPlainText(QStringLiteral("bind F3 ready\r\n"));
        QTextCursor cursor(child->editor()->document());
        cursor.setPosition(10);
        const QPoint at = child->editor()->cursorRect(cursor).center();
        QHelpEvent hover(QEvent::ToolTip, at, child->editor()->viewport()->mapToGlobal(at));
        QApplication::sendEvent(child->editor()->viewport(), &hover);
        QVERIFY2(QToolTip::text().startsWith(QStringLiteral("ready\nMarks you ready")),
                 qPrintable(QToolTip::text()));
    }
};

QTEST_MAIN(TestHoverHelp)
#include "tst_hoverhelp.moc"
