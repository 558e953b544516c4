// The Help menu of a document window: the help-on caption as the menu opens, the page and
// anchor its items show in the help window, and the help window itself.
#include "OutputProbe.h"
#include "document/ContextHelp.h"
#include "platform/AppPaths.h"
#include "platform/HelpViewer.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QMenu>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QToolButton>
#include <QtTest>

using document::frmChild;
using platform::HelpViewer;

namespace {

frmChild *newDocument(FrameFixture &f, int game, int modNumber, const QString &text = QString())
{
    frmChild *child = f.frame->documents().NewDocument({"Config", core::Game(game), modNumber});
    child->editor()->LoadPlainText(text);
    return child;
}

/** Selects @p text (empty: a caret at 2) and opens the Help menu; returns the help-on caption. */
QString selectAndOpenHelp(frmChild *child, const QString &text)
{
    const int start = text.isEmpty() ? 2 : int(child->editor()->Text().indexOf(text));
    child->editor()->Select(start, int(text.size()));
    QMenu *help = child->menuItem(QStringLiteral("mnuChildHelp"))->menu();
    help->popup(QPoint(0, 0));
    help->hide();
    return child->menuItem(QStringLiteral("mnuHelpSpecific"))->text();
}

QList<HelpViewer *> helpWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QList<HelpViewer *> windows;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *viewer = qobject_cast<HelpViewer *>(widget))
            windows << viewer;
    return windows;
}

bool anchorIsInView(QTextBrowser *browser, const QString &anchor)
{
    QTextDocument *page = browser->document();
    for (QTextBlock block = page->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (!it.fragment().charFormat().anchorNames().contains(anchor))
                continue;
            QRectF rect = page->documentLayout()->blockBoundingRect(block);
            const QTextLine line = block.layout()->lineForTextPosition(it.fragment().position() - block.position());
            if (line.isValid())
                rect = QRectF(rect.left(), rect.top() + line.y(), rect.width(), line.height());
            const int top = browser->verticalScrollBar()->value();
            return rect.top() >= top - 1 && rect.bottom() <= top + browser->viewport()->height() + 1;
        }
    return false;
}

/** What the help window shows: "<" and ">" when Back and Forward are enabled, then the page; "-": none. */
QString shownState()
{
    HelpViewer *viewer = HelpViewer::openWindow();
    if (!viewer)
        return QStringLiteral("-");
    const auto enabled = [viewer](const char *name) { return viewer->findChild<QToolButton *>(name)->isEnabled(); };
    return QString(enabled("cmdBack") ? "<" : "") + (enabled("cmdForward") ? ">" : "") +
           QFileInfo(viewer->browser()->source().toLocalFile()).fileName();
}

} // namespace

class TestContextHelp : public QObject {
    Q_OBJECT
    FrameFixture *m_f = nullptr;
private slots:
    void cleanup()
    {
        for (QWidget *window : helpWindows())
            window->close();
        delete m_f;
        m_f = nullptr;
        platform::setProgramFolder(QString());
        QVERIFY(helpWindows().isEmpty());
    }

    void helpOnTheSelection_data()
    {
        // clang-format off
        QTest::addColumn<int>("game"); // -1: no document, the topic rule alone
        QTest::addColumn<int>("mod");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("topic");
        QTest::addColumn<bool>("anchorShown"); // else the page shows from its top

        const QString q2 = "bind\tx mouse1 +attack\nset a&b 1";
        QTest::newRow("Quake 2") << 0 << 2 << q2 << "bind" << "Help on bind" << "Quake 2 Commands.htm#bind" << true;
        QTest::newRow("+ word") << 0 << 2 << q2 << "+attack" << "Help on +attack" << "Quake 2 Commands.htm#+attack" << true;
        for (const char *noWord : {"mouse1 +attack", "", "bind\tx", "+attack\r\nset"})
            QTest::newRow(qPrintable("no word: " + QString(noWord))) << 0 << 2 << q2 << noWord << "Help on..." << "Introduction.htm" << false;
        // The doubled "&" is no part of the word looked up.
        QTest::newRow("&") << 0 << 2 << q2 << "a&b" << "Help on a&&b" << "Quake 2 Commands.htm#a&b" << false;
        // A URL fragment would percent-encode the sign and miss the anchor.
        QTest::newRow("% in the anchor") << 0 << 0 << "say_team %a" << "%a" << "Help on %a" << "Quake 2 Commands.htm#%a" << true;
        QTest::newRow("OSP client variable") << 1 << 14 << "seta cg_fov 110" << "cg_fov" << "Help on cg_fov" << "Quake 3 OSP CVars.htm#q3ospcg_fov" << true;
        // The prefixes of OSP variables are lower case; the page has no such anchor.
        QTest::newRow("upper case OSP word") << 1 << 14 << "seta CG_FOV 110" << "CG_FOV" << "Help on CG_FOV" << "Quake 3 OSP Commands.htm#q3ospCG_FOV" << false;
        QTest::newRow("OSP shorter than a prefix") << 1 << 14 << "cg xcg_fov" << "cg" << "Help on cg" << "Quake 3 OSP Commands.htm#q3ospcg" << false;
        QTest::newRow("OSP prefix later in the word") << 1 << 14 << "cg xcg_fov" << "xcg_fov" << "Help on xcg_fov" << "Quake 3 OSP Commands.htm#q3ospxcg_fov" << false;
        QTest::newRow("OSP server command") << 1 << 15 << "ban" << "ban" << "Help on ban" << "Quake 3 OSP Server Commands.htm#q3ospsban" << true;
        QTest::newRow("OSP server, another case") << -1 << 15 << "" << "Ban" << "Help on Ban" << "Quake 3 OSP Server CVars.htm#q3ospsBan" << false;
        QTest::newRow("OSP server, a prefix") << -1 << 15 << "" << "bans" << "Help on bans" << "Quake 3 OSP Server CVars.htm#q3ospsbans" << false;
        QTest::newRow("Rocket Arena 3") << 1 << 17 << "bind x +attack" << "+attack" << "Help on +attack" << "Quake 3 Commands.htm#q3+attack" << true;
        QTest::newRow("mod without its own rule") << -1 << 6 << "" << "cg_fov" << "Help on cg_fov" << "Quake 3 CVars.htm#cg_fov" << false;
        QTest::newRow("no document") << -1 << -1 << "" << "bind" << "Help on bind" << "Introduction.htm" << false;
        // clang-format on
    }

    void helpOnTheSelection()
    {
        QFETCH(int, game);
        QFETCH(int, mod);
        QFETCH(QString, text);
        QFETCH(QString, selected);
        QFETCH(QString, caption);
        QFETCH(QString, topic);
        QFETCH(bool, anchorShown);
        if (game < 0) {
            QCOMPARE(document::helpOnTopic(mod, document::helpOnCaption(selected)).text(), topic);
            return;
        }
        m_f = new FrameFixture;
        frmChild *child = newDocument(*m_f, game, mod, text);
        QCOMPARE(child->menuItem(QStringLiteral("mnuHelpSpecific"))->text(), QStringLiteral("Help on..."));
        // A word selected before makes sure the caption is recomputed, not left over.
        QCOMPARE(selectAndOpenHelp(child, text.section(QRegularExpression("\\s"), 0, 0)),
                 "Help on " + text.section(QRegularExpression("\\s"), 0, 0));
        QCOMPARE(selectAndOpenHelp(child, selected), caption);
        QCOMPARE(document::helpOnTopic(m_f->slotOf(child).ModId, caption).text(), topic);
        FrameFixture::trigger(child, "mnuHelpSpecific");
        QVERIFY(m_f->dialogs.messages.isEmpty());
        HelpViewer *viewer = HelpViewer::openWindow();
        QVERIFY(viewer && viewer->isVisible());
        QCOMPARE(shownState(), topic.section('#', 0, 0));
        QVERIFY(anchorShown ? anchorIsInView(viewer->browser(), topic.section('#', 1))
                            : viewer->browser()->verticalScrollBar()->value() == 0); // else the top shows
        QCOMPARE(m_f->active(), child); // the help window does not take over the document
    }

    // Steps: "doc G M text" opens a document, "select W" selects a word, a Help item's or help
    // window button's name uses it, "close" closes the help window, "no help" removes the Help folder.
    // After each step: what the help window shows (see shownState()), "#anchor" when it is in view,
    // and " !" with the end of each new message.
    void helpWindow_data()
    {
        // clang-format off
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("mod pages") << QStringList{"doc -2 152", "mnuHelpMod", "close", "doc -2 153", "mnuHelpMod"}
                                   << QStringList{"-", "Quake 3 OSP Server Client Filters.htm", "-", "-", "- Not yet implemented."};
        QTest::newRow("one window, reused") << QStringList{"doc 0 2", "mnuHelpContents", "doc 1 14", "mnuHelpMod", "close", "mnuHelpContents"}
                                            << QStringList{"-", "Introduction.htm", "Introduction.htm", "<Quake 3 OSP.htm", "-", "Introduction.htm"};
        QTest::newRow("back, forward, contents")
            << QStringList{"doc 0 2 bind x weapnext", "mnuHelpMod", "select weapnext", "mnuHelpSpecific", "cmdBack", "cmdForward", "cmdContents"}
            << QStringList{"-", "Quake 2.htm", "Quake 2.htm", "<Quake 2 Commands.htm#weapnext", ">Quake 2.htm", "<Quake 2 Commands.htm#weapnext", "<Introduction.htm"};
        // The help window keeps what it showed; without a window open, none is opened either.
        QTest::newRow("missing page") << QStringList{"doc 0 2", "mnuHelpMod", "no help", "mnuHelpContents", "close", "mnuHelpMod"}
                                      << QStringList{"-", "Quake 2.htm", "Quake 2.htm", "Quake 2.htm !Introduction.htm.", "-", "- !Quake 2.htm."};
        // clang-format on
    }

    void helpWindow()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, shown);
        m_f = new FrameFixture;
        QTemporaryDir empty;
        frmChild *child = nullptr;
        QStringList seen;
        for (const QString &step : std::as_const(steps)) {
            const qsizetype messages = m_f->dialogs.messages.size();
            if (step.startsWith("doc ")) {
                child = newDocument(*m_f, step.section(' ', 1, 1).toInt(), step.section(' ', 2, 2).toInt(), step.section(' ', 3));
                QCOMPARE(child->menuItem(QStringLiteral("mnuHelpContents"))->shortcut(), QKeySequence(Qt::Key_F1));
            } else if (step.startsWith("select ")) {
                selectAndOpenHelp(child, step.section(' ', 1));
            } else if (step.startsWith("mnu")) {
                FrameFixture::trigger(child, qPrintable(step));
            } else if (step.startsWith("cmd") || step == "close") {
                HelpViewer *viewer = HelpViewer::openWindow();
                QVERIFY2(viewer, qPrintable(seen.join(", ")));
                if (step == "close")
                    viewer->close();
                else
                    QTest::mouseClick(viewer->findChild<QToolButton *>(step), Qt::LeftButton);
            } else if (step == "no help") {
                platform::setProgramFolder(empty.path());
            }
            const qsizetype windows = helpWindows().size(); // after letting a closed one go
            QString state = shownState();
            if (HelpViewer *viewer = HelpViewer::openWindow(); viewer && anchorIsInView(viewer->browser(), "weapnext"))
                state += "#weapnext";
            for (const RecordingDialogs::Message &message : m_f->dialogs.messages.mid(messages))
                state += (message.icon == platform::Icon::Exclamation ? " !" : " ") + message.text.section('/', -1);
            seen << state;
            QCOMPARE(windows, state.startsWith(QLatin1Char('-')) ? 0 : 1);
        }
        QCOMPARE(seen, shown);
    }
};

QTEST_MAIN(TestContextHelp)
#include "tst_contexthelp.moc"
