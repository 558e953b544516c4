// The Help menu of a document window: the help-on caption as the menu opens, the page and
// anchor its items show in the help window, and the help window itself.
#include "FrameFixture.h"
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

#include <memory>

using document::frmChild;
using platform::HelpViewer;

namespace {

void openHelpMenu(frmChild *child)
{
    QMenu *help = child->menuItem(QStringLiteral("mnuChildHelp"))->menu();
    help->popup(QPoint(0, 0));
    help->hide();
}

void select(frmChild *child, const QString &text)
{
    platform::RichEdit *editor = child->editor();
    const int start = editor->Text().indexOf(text);
    if (start < 0)
        qFatal("no %s in the document", qPrintable(text));
    editor->Select(start, int(text.size()));
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

/** The page the help window shows. */
QString shownPage()
{
    HelpViewer *viewer = HelpViewer::openWindow();
    if (!viewer)
        return QStringLiteral("<none>");
    return QFileInfo(viewer->browser()->source().toLocalFile()).fileName();
}

bool anchorIsInView(QTextBrowser *browser, const QString &anchor)
{
    QTextDocument *page = browser->document();
    for (QTextBlock block = page->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (!it.fragment().charFormat().anchorNames().contains(anchor))
                continue;
            QRectF rect = page->documentLayout()->blockBoundingRect(block);
            const QTextLine line =
                block.layout()->lineForTextPosition(it.fragment().position() - block.position());
            if (line.isValid())
                rect = QRectF(rect.left(), rect.top() + line.y(), rect.width(), line.height());
            const int top = browser->verticalScrollBar()->value();
            const int bottom = top + browser->viewport()->height();
            return rect.top() >= top - 1 && rect.bottom() <= bottom + 1;
        }
    }
    return false;
}

} // namespace

class TestContextHelp : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void wordTopic_data();
    void wordTopic();
    void captionFollowsTheSelection();
    void helpOnASelectionOpensItsAnchor_data();
    void helpOnASelectionOpensItsAnchor();
    void modHelp();
    void oneHelpWindowIsReused();
    void backForwardAndContents();
    void missingPageIsReported();

private:
    frmChild *newDocument(int game, int modNumber, const QString &text = QString());

    std::unique_ptr<FrameFixture> m_fixture;
};

void TestContextHelp::init() { m_fixture = std::make_unique<FrameFixture>(); }

void TestContextHelp::cleanup()
{
    for (HelpViewer *window : helpWindows())
        window->close();
    m_fixture.reset();
    platform::setProgramFolder(QString());
    QVERIFY(helpWindows().isEmpty());
}

frmChild *TestContextHelp::newDocument(int game, int modNumber, const QString &text)
{
    document::Documents &documents = m_fixture->frame->documents();
    documents.CurrentGame = std::int16_t(game);
    frmChild *child = documents.NewDocument(QStringLiteral("Config"), modNumber);
    if (!child)
        qFatal("no document");
    child->editor()->LoadPlainText(text);
    return child;
}

// The rules of the topic table that the documents below do not reach.
void TestContextHelp::wordTopic_data()
{
    QTest::addColumn<int>("modId");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("topic");

    QTest::newRow("no document") << -1 << "bind" << "Introduction.htm";
    QTest::newRow("OSP shorter than a prefix") << 14 << "cg" << "Quake 3 OSP Commands.htm#q3ospcg";
    QTest::newRow("OSP prefix later in the word") << 14 << "xcg_fov"
                                                   << "Quake 3 OSP Commands.htm#q3ospxcg_fov";
    QTest::newRow("OSP server command in another case")
        << 15 << "Ban" << "Quake 3 OSP Server CVars.htm#q3ospsBan";
    QTest::newRow("OSP server command as a prefix") << 15 << "bans"
                                                    << "Quake 3 OSP Server CVars.htm#q3ospsbans";
    QTest::newRow("mod without its own rule") << 6 << "cg_fov" << "Quake 3 CVars.htm#cg_fov";
}

void TestContextHelp::wordTopic()
{
    QFETCH(int, modId);
    QFETCH(QString, word);
    QFETCH(QString, topic);
    QCOMPARE(document::wordTopic(modId, word).text(), topic);
}

void TestContextHelp::captionFollowsTheSelection()
{
    const struct {
        const char *selected;
        const char *caption;
    } rows[] = {{"+attack", "Help on +attack"}, {"mouse1 +attack", "Help on..."},
                {"", "Help on..."},             {"bind\tx", "Help on..."},
                {"+attack\r\nset", "Help on..."}, {"a&b", "Help on a&&b"}};
    frmChild *child = newDocument(0, 2, QStringLiteral("bind\tx mouse1 +attack\nset a&b 1"));
    QAction *specific = child->menuItem(QStringLiteral("mnuHelpSpecific"));
    QCOMPARE(specific->text(), QStringLiteral("Help on..."));
    for (const auto &row : rows) {
        // A word selected before makes sure the caption is recomputed, not left over.
        select(child, QStringLiteral("bind"));
        openHelpMenu(child);
        QCOMPARE(specific->text(), QStringLiteral("Help on bind"));
        if (*row.selected)
            select(child, QLatin1String(row.selected));
        else
            child->editor()->Select(2, 0);
        openHelpMenu(child);
        QCOMPARE(specific->text(), QLatin1String(row.caption));
    }
    // The doubled "&" is no part of the word looked up.
    QCOMPARE(document::helpOnTopic(2, specific->text()).anchor, QStringLiteral("a&b"));
}

void TestContextHelp::helpOnASelectionOpensItsAnchor_data()
{
    QTest::addColumn<int>("game");
    QTest::addColumn<int>("modNumber");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("anchor"); // empty: the page shows from its top

    QTest::newRow("Quake 2") << 0 << 2 << "bind mouse1 +attack" << "bind" << "Quake 2 Commands.htm"
                             << "bind";
    // A URL fragment would percent-encode the sign and miss the anchor.
    QTest::newRow("% in the anchor") << 0 << 0 << "say_team %a" << "%a" << "Quake 2 Commands.htm"
                                     << "%a";
    QTest::newRow("OSP client variable") << 1 << 14 << "seta cg_fov 110" << "cg_fov"
                                         << "Quake 3 OSP CVars.htm" << "q3ospcg_fov";
    QTest::newRow("OSP server command") << 1 << 15 << "ban" << "ban"
                                        << "Quake 3 OSP Server Commands.htm" << "q3ospsban";
    QTest::newRow("Rocket Arena 3") << 1 << 17 << "bind x +attack" << "+attack"
                                    << "Quake 3 Commands.htm" << "q3+attack";
    // The prefixes of OSP variables are lower case; the page has no such anchor.
    QTest::newRow("upper case OSP word") << 1 << 14 << "seta CG_FOV 110" << "CG_FOV"
                                         << "Quake 3 OSP Commands.htm" << "";
    QTest::newRow("two words") << 0 << 2 << "bind mouse1 +attack" << "bind mouse1"
                               << "Introduction.htm" << "";
}

void TestContextHelp::helpOnASelectionOpensItsAnchor()
{
    QFETCH(int, game);
    QFETCH(int, modNumber);
    QFETCH(QString, text);
    QFETCH(QString, selected);
    QFETCH(QString, page);
    QFETCH(QString, anchor);

    frmChild *child = newDocument(game, modNumber, text);
    select(child, selected);
    openHelpMenu(child);
    FrameFixture::trigger(child, "mnuHelpSpecific");

    QVERIFY(m_fixture->dialogs.messages.isEmpty());
    HelpViewer *viewer = HelpViewer::openWindow();
    QVERIFY(viewer && viewer->isVisible());
    QCOMPARE(shownPage(), page);
    if (anchor.isEmpty())
        QCOMPARE(viewer->browser()->verticalScrollBar()->value(), 0);
    else
        QVERIFY2(anchorIsInView(viewer->browser(), anchor), qPrintable(anchor));
    // The help window does not take over the document.
    QCOMPARE(m_fixture->active(), child);
}

void TestContextHelp::modHelp()
{
    FrameFixture::trigger(newDocument(-2, 152), "mnuHelpMod");
    QCOMPARE(shownPage(), QStringLiteral("Quake 3 OSP Server Client Filters.htm"));
    QVERIFY(m_fixture->dialogs.messages.isEmpty());
    // A mod without a page of its own yet says so.
    HelpViewer::openWindow()->close();
    FrameFixture::trigger(newDocument(-2, 153), "mnuHelpMod");
    QCOMPARE(m_fixture->dialogs.messageTexts(), QStringList{"Not yet implemented."});
    QVERIFY(helpWindows().isEmpty());
}

void TestContextHelp::oneHelpWindowIsReused()
{
    frmChild *quake2 = newDocument(0, 2);
    QCOMPARE(quake2->menuItem(QStringLiteral("mnuHelpContents"))->shortcut(),
             QKeySequence(Qt::Key_F1));
    FrameFixture::trigger(quake2, "mnuHelpContents");
    HelpViewer *first = HelpViewer::openWindow();
    QCOMPARE(shownPage(), QStringLiteral("Introduction.htm"));
    frmChild *osp = newDocument(1, 14);
    FrameFixture::trigger(osp, "mnuHelpMod");
    QCOMPARE(helpWindows(), QList<HelpViewer *>{first});
    QCOMPARE(shownPage(), QStringLiteral("Quake 3 OSP.htm"));

    // Once closed, the next request opens a fresh window.
    first->close();
    QVERIFY(helpWindows().isEmpty());
    QVERIFY(!HelpViewer::openWindow());
    FrameFixture::trigger(osp, "mnuHelpContents");
    QCOMPARE(helpWindows().size(), 1);
}

void TestContextHelp::backForwardAndContents()
{
    frmChild *child = newDocument(0, 2, QStringLiteral("bind x weapnext"));
    FrameFixture::trigger(child, "mnuHelpMod");
    select(child, QStringLiteral("weapnext"));
    openHelpMenu(child);
    FrameFixture::trigger(child, "mnuHelpSpecific");

    HelpViewer *viewer = HelpViewer::openWindow();
    auto *back = viewer->findChild<QToolButton *>(QStringLiteral("cmdBack"));
    auto *forward = viewer->findChild<QToolButton *>(QStringLiteral("cmdForward"));
    auto *contents = viewer->findChild<QToolButton *>(QStringLiteral("cmdContents"));
    QVERIFY(back && forward && contents);
    QVERIFY(back->isEnabled());
    QVERIFY(!forward->isEnabled());

    QTest::mouseClick(back, Qt::LeftButton);
    QCOMPARE(shownPage(), QStringLiteral("Quake 2.htm"));
    QVERIFY(forward->isEnabled());
    QTest::mouseClick(forward, Qt::LeftButton);
    QCOMPARE(shownPage(), QStringLiteral("Quake 2 Commands.htm"));
    QVERIFY(anchorIsInView(viewer->browser(), QStringLiteral("weapnext")));

    QTest::mouseClick(contents, Qt::LeftButton);
    QCOMPARE(shownPage(), QStringLiteral("Introduction.htm"));
}

void TestContextHelp::missingPageIsReported()
{
    frmChild *child = newDocument(0, 2);
    FrameFixture::trigger(child, "mnuHelpMod");

    // A program folder without the Help folder.
    QTemporaryDir empty;
    platform::setProgramFolder(empty.path());
    FrameFixture::trigger(child, "mnuHelpContents");
    QCOMPARE(m_fixture->dialogs.messages.size(), 1);
    const RecordingDialogs::Message message = m_fixture->dialogs.messages.first();
    QVERIFY2(message.text.contains(QStringLiteral("Introduction.htm")), qPrintable(message.text));
    QCOMPARE(message.icon, platform::Icon::Exclamation);
    // The help window keeps what it showed.
    QCOMPARE(shownPage(), QStringLiteral("Quake 2.htm"));

    // Without a window open, nothing is opened either.
    HelpViewer::openWindow()->close();
    FrameFixture::trigger(child, "mnuHelpMod");
    QCOMPARE(m_fixture->dialogs.messages.size(), 2);
    QVERIFY(helpWindows().isEmpty());
}

QTEST_MAIN(TestContextHelp)
#include "tst_contexthelp.moc"
