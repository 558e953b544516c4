// The Help menu of a document window: the help-on caption as the menu opens, the pages and
// anchors its items show in the help window, and the help window itself.
#include "FrameFixture.h"
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

class TestContextHelp : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void captionFollowsTheSelection_data();
    void captionFollowsTheSelection();
    void helpOnAWordOpensItsAnchor_data();
    void helpOnAWordOpensItsAnchor();
    void twoWordsOpenTheContents();
    void upperCaseOspWordGoesToTheCommandsPage();
    void contentsOpensTheIntroduction();
    void modHelpOpensTheModsPage();
    void modWithoutAPageSaysSo();
    void oneHelpWindowIsReused();
    void backForwardAndContents();
    void missingPageIsReported();

private:
    frmChild *newDocument(std::int16_t game, std::int32_t modNumber);
    static void openHelpMenu(frmChild *child);
    static void select(frmChild *child, const QString &text);
    static QList<HelpViewer *> helpWindows();
    static QUrl pageUrl(const QString &page);
    /** Where on the page the anchor is, in document coordinates; empty when it is not there. */
    static std::optional<QRectF> anchorRect(QTextBrowser *browser, const QString &anchor);
    static bool anchorIsInView(QTextBrowser *browser, const QString &anchor);

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

frmChild *TestContextHelp::newDocument(std::int16_t game, std::int32_t modNumber)
{
    document::Documents &documents = m_fixture->frame->documents();
    documents.CurrentGame = game;
    frmChild *child = documents.NewDocument(QStringLiteral("Config"), modNumber);
    if (!child)
        qFatal("no document");
    return child;
}

void TestContextHelp::openHelpMenu(frmChild *child)
{
    QMenu *help = child->menuItem(QStringLiteral("mnuChildHelp"))->menu();
    help->popup(QPoint(0, 0));
    help->hide();
}

void TestContextHelp::select(frmChild *child, const QString &text)
{
    platform::RichEdit *editor = child->editor();
    const int start = editor->Text().indexOf(text);
    if (start < 0)
        qFatal("no %s in the document", qPrintable(text));
    editor->Select(start, int(text.size()));
}

QList<HelpViewer *> TestContextHelp::helpWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QList<HelpViewer *> windows;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *viewer = qobject_cast<HelpViewer *>(widget))
            windows << viewer;
    return windows;
}

QUrl TestContextHelp::pageUrl(const QString &page)
{
    return QUrl::fromLocalFile(platform::helpFolder() + QLatin1Char('/') + page);
}

std::optional<QRectF> TestContextHelp::anchorRect(QTextBrowser *browser, const QString &anchor)
{
    QTextDocument *page = browser->document();
    for (QTextBlock block = page->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (!it.fragment().charFormat().anchorNames().contains(anchor))
                continue;
            const QRectF blockRect = page->documentLayout()->blockBoundingRect(block);
            const QTextLine line =
                block.layout()->lineForTextPosition(it.fragment().position() - block.position());
            if (!line.isValid())
                return blockRect;
            return QRectF(blockRect.left(), blockRect.top() + line.y(), blockRect.width(), line.height());
        }
    }
    return std::nullopt;
}

bool TestContextHelp::anchorIsInView(QTextBrowser *browser, const QString &anchor)
{
    const std::optional<QRectF> rect = anchorRect(browser, anchor);
    if (!rect)
        return false;
    const int top = browser->verticalScrollBar()->value();
    const int bottom = top + browser->viewport()->height();
    return rect->top() >= top - 1 && rect->bottom() <= bottom + 1;
}

void TestContextHelp::captionFollowsTheSelection_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("caption");

    QTest::newRow("a word") << "bind mouse1 +attack" << "+attack" << "Help on +attack";
    QTest::newRow("two words") << "bind mouse1 +attack" << "mouse1 +attack" << "Help on...";
    QTest::newRow("nothing selected") << "bind mouse1 +attack" << "" << "Help on...";
    QTest::newRow("across a line break") << "bind\nset" << "bind\r\nset" << "Help on...";
}

void TestContextHelp::captionFollowsTheSelection()
{
    QFETCH(QString, text);
    QFETCH(QString, selected);
    QFETCH(QString, caption);

    frmChild *child = newDocument(0, 2);
    child->editor()->LoadPlainText(text);
    QAction *specific = child->menuItem(QStringLiteral("mnuHelpSpecific"));
    QCOMPARE(specific->text(), QStringLiteral("Help on..."));

    // A word selected before makes sure the caption is recomputed, not left over.
    select(child, QStringLiteral("bind"));
    openHelpMenu(child);
    QCOMPARE(specific->text(), QStringLiteral("Help on bind"));

    if (selected.isEmpty())
        child->editor()->Select(2, 0);
    else
        select(child, selected);
    openHelpMenu(child);
    QCOMPARE(specific->text(), caption);
}

void TestContextHelp::helpOnAWordOpensItsAnchor_data()
{
    QTest::addColumn<int>("game");
    QTest::addColumn<int>("modNumber");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("anchor");

    QTest::newRow("Quake 2 free for all") << 0 << 2 << "bind mouse1 +attack" << "bind"
                                          << "Quake 2 Commands.htm" << "bind";
    QTest::newRow("blank config") << -1 << -1 << "bind f1 weapnext" << "weapnext"
                                  << "Quake 2 Commands.htm" << "weapnext";
    QTest::newRow("sign in the anchor") << 0 << 0 << "say_team %a" << "%a"
                                        << "Quake 2 Commands.htm" << "%a";
    QTest::newRow("OSP client variable") << 1 << 14 << "seta cg_fov 110" << "cg_fov"
                                         << "Quake 3 OSP CVars.htm" << "q3ospcg_fov";
    QTest::newRow("OSP server command") << 1 << 15 << "ban" << "ban"
                                        << "Quake 3 OSP Server Commands.htm" << "q3ospsban";
    QTest::newRow("Rocket Arena 3") << 1 << 17 << "bind x +attack" << "+attack"
                                    << "Quake 3 Commands.htm" << "q3+attack";
}

void TestContextHelp::helpOnAWordOpensItsAnchor()
{
    QFETCH(int, game);
    QFETCH(int, modNumber);
    QFETCH(QString, text);
    QFETCH(QString, word);
    QFETCH(QString, page);
    QFETCH(QString, anchor);

    frmChild *child = newDocument(std::int16_t(game), modNumber);
    child->editor()->LoadPlainText(text);
    select(child, word);
    openHelpMenu(child);
    QCOMPARE(child->menuItem(QStringLiteral("mnuHelpSpecific"))->text(), QStringLiteral("Help on ") + word);
    FrameFixture::trigger(child, "mnuHelpSpecific");

    QVERIFY(m_fixture->dialogs.messages.isEmpty());
    HelpViewer *viewer = HelpViewer::openWindow();
    QVERIFY(viewer);
    QVERIFY(viewer->isVisible());
    QCOMPARE(viewer->browser()->source().adjusted(QUrl::RemoveFragment), pageUrl(page));
    QVERIFY2(anchorRect(viewer->browser(), anchor), qPrintable(anchor));
    QVERIFY2(anchorIsInView(viewer->browser(), anchor), qPrintable(anchor));
    // The help window does not take over the document.
    QCOMPARE(m_fixture->active(), child);
}

void TestContextHelp::twoWordsOpenTheContents()
{
    frmChild *child = newDocument(0, 2);
    child->editor()->LoadPlainText(QStringLiteral("bind mouse1 +attack"));
    select(child, QStringLiteral("bind mouse1"));
    openHelpMenu(child);
    FrameFixture::trigger(child, "mnuHelpSpecific");
    QVERIFY(HelpViewer::openWindow());
    QCOMPARE(HelpViewer::openWindow()->browser()->source().adjusted(QUrl::RemoveFragment), pageUrl(QStringLiteral("Introduction.htm")));
}

void TestContextHelp::upperCaseOspWordGoesToTheCommandsPage()
{
    frmChild *child = newDocument(1, 14);
    child->editor()->LoadPlainText(QStringLiteral("seta CG_FOV 110"));
    select(child, QStringLiteral("CG_FOV"));
    openHelpMenu(child);
    FrameFixture::trigger(child, "mnuHelpSpecific");
    // The page has no such anchor: it shows from its top, without a message.
    QVERIFY(m_fixture->dialogs.messages.isEmpty());
    QTextBrowser *browser = HelpViewer::openWindow()->browser();
    QCOMPARE(browser->source().adjusted(QUrl::RemoveFragment), pageUrl(QStringLiteral("Quake 3 OSP Commands.htm")));
    QVERIFY(!anchorRect(browser, QStringLiteral("q3ospCG_FOV")));
    QCOMPARE(browser->verticalScrollBar()->value(), 0);
}

void TestContextHelp::contentsOpensTheIntroduction()
{
    frmChild *child = newDocument(1, 13);
    QCOMPARE(child->menuItem(QStringLiteral("mnuHelpContents"))->shortcut(), QKeySequence(Qt::Key_F1));
    FrameFixture::trigger(child, "mnuHelpContents");
    QVERIFY(HelpViewer::openWindow());
    QCOMPARE(HelpViewer::openWindow()->browser()->source().adjusted(QUrl::RemoveFragment), pageUrl(QStringLiteral("Introduction.htm")));
    QVERIFY(m_fixture->dialogs.messages.isEmpty());
}

void TestContextHelp::modHelpOpensTheModsPage()
{
    const struct {
        std::int16_t game;
        std::int32_t modNumber;
        const char *page;
    } rows[] = {
        {0, 2, "Quake 2.htm"},
        {1, 13, "Quake 3.htm"},
        {1, 15, "Quake 3 OSP.htm"},
        {1, 151, "Quake 3 OSP Custom Configs.htm"},
        {-2, 152, "Quake 3 OSP Server Client Filters.htm"},
    };
    for (const auto &row : rows) {
        frmChild *child = newDocument(row.game, row.modNumber);
        FrameFixture::trigger(child, "mnuHelpMod");
        QVERIFY(HelpViewer::openWindow());
        QCOMPARE(HelpViewer::openWindow()->browser()->source().adjusted(QUrl::RemoveFragment), pageUrl(QLatin1String(row.page)));
    }
    QVERIFY(m_fixture->dialogs.messages.isEmpty());
}

void TestContextHelp::modWithoutAPageSaysSo()
{
    for (std::int32_t modNumber : {0, 5, 11}) {
        frmChild *child = newDocument(0, modNumber);
        FrameFixture::trigger(child, "mnuHelpMod");
    }
    frmChild *mapList = newDocument(-2, 153);
    FrameFixture::trigger(mapList, "mnuHelpMod");

    QCOMPARE(m_fixture->dialogs.messages.size(), 4);
    for (const RecordingDialogs::Message &message : m_fixture->dialogs.messages) {
        QCOMPARE(message.text, QStringLiteral("Not yet implemented."));
        QCOMPARE(message.buttons, platform::Buttons::Ok);
        QCOMPARE(message.icon, platform::Icon::None);
        QCOMPARE(message.title, QStringLiteral("Tessel"));
    }
    QVERIFY(helpWindows().isEmpty());
}

void TestContextHelp::oneHelpWindowIsReused()
{
    frmChild *quake2 = newDocument(0, 2);
    FrameFixture::trigger(quake2, "mnuHelpContents");
    HelpViewer *first = HelpViewer::openWindow();
    QVERIFY(first);
    frmChild *osp = newDocument(1, 14);
    FrameFixture::trigger(osp, "mnuHelpMod");
    QCOMPARE(helpWindows(), QList<HelpViewer *>{first});
    QCOMPARE(first->browser()->source().adjusted(QUrl::RemoveFragment), pageUrl(QStringLiteral("Quake 3 OSP.htm")));

    // Once closed, the next request opens a fresh window.
    first->close();
    QVERIFY(helpWindows().isEmpty());
    QVERIFY(!HelpViewer::openWindow());
    FrameFixture::trigger(osp, "mnuHelpContents");
    QCOMPARE(helpWindows().size(), 1);
}

void TestContextHelp::backForwardAndContents()
{
    frmChild *child = newDocument(0, 2);
    child->editor()->LoadPlainText(QStringLiteral("bind x weapnext"));
    FrameFixture::trigger(child, "mnuHelpMod");
    select(child, QStringLiteral("weapnext"));
    openHelpMenu(child);
    FrameFixture::trigger(child, "mnuHelpSpecific");

    HelpViewer *viewer = HelpViewer::openWindow();
    QTextBrowser *browser = viewer->browser();
    auto *back = viewer->findChild<QToolButton *>(QStringLiteral("cmdBack"));
    auto *forward = viewer->findChild<QToolButton *>(QStringLiteral("cmdForward"));
    auto *contents = viewer->findChild<QToolButton *>(QStringLiteral("cmdContents"));
    QVERIFY(back && forward && contents);
    QCOMPARE(browser->source().adjusted(QUrl::RemoveFragment), pageUrl(QStringLiteral("Quake 2 Commands.htm")));
    QVERIFY(back->isEnabled());
    QVERIFY(!forward->isEnabled());

    QTest::mouseClick(back, Qt::LeftButton);
    QCOMPARE(browser->source().adjusted(QUrl::RemoveFragment), pageUrl(QStringLiteral("Quake 2.htm")));
    QVERIFY(forward->isEnabled());
    QTest::mouseClick(forward, Qt::LeftButton);
    QCOMPARE(browser->source().adjusted(QUrl::RemoveFragment), pageUrl(QStringLiteral("Quake 2 Commands.htm")));
    QVERIFY(anchorIsInView(browser, QStringLiteral("weapnext")));

    QTest::mouseClick(contents, Qt::LeftButton);
    QCOMPARE(browser->source().adjusted(QUrl::RemoveFragment), pageUrl(QStringLiteral("Introduction.htm")));
    QTest::mouseClick(back, Qt::LeftButton);
    QCOMPARE(browser->source().adjusted(QUrl::RemoveFragment), pageUrl(QStringLiteral("Quake 2 Commands.htm")));
}

void TestContextHelp::missingPageIsReported()
{
    frmChild *child = newDocument(0, 2);
    FrameFixture::trigger(child, "mnuHelpMod");
    QVERIFY(HelpViewer::openWindow());
    const QUrl shown = HelpViewer::openWindow()->browser()->source().adjusted(QUrl::RemoveFragment);

    // A program folder without the Help folder.
    QTemporaryDir empty;
    platform::setProgramFolder(empty.path());
    FrameFixture::trigger(child, "mnuHelpContents");
    QCOMPARE(m_fixture->dialogs.messages.size(), 1);
    const RecordingDialogs::Message message = m_fixture->dialogs.messages.first();
    QVERIFY2(message.text.contains(QStringLiteral("Introduction.htm")), qPrintable(message.text));
    QCOMPARE(message.icon, platform::Icon::Exclamation);
    // The help window keeps what it showed.
    QCOMPARE(HelpViewer::openWindow()->browser()->source().adjusted(QUrl::RemoveFragment), shown);

    // Without a window open, nothing is opened either.
    HelpViewer::openWindow()->close();
    QVERIFY(helpWindows().isEmpty());
    FrameFixture::trigger(child, "mnuHelpMod");
    QCOMPARE(m_fixture->dialogs.messages.size(), 2);
    QVERIFY(helpWindows().isEmpty());
}

QTEST_MAIN(TestContextHelp)
#include "tst_contexthelp.moc"
