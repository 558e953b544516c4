// Insert > Template: the template written into an empty document, the new document opened
// from a document that already holds text, and what each mod's template writes.
#include "EditorProbe.h"
#include "FrameFixture.h"
#include "generators/OspServerConfig.h"
#include "generators/TemplateTexts.h"
#include "generators/frmOSPType.h"
#include "mods/TemplateCommands.h"

#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using document::frmChild;
using generators::DataFileTemplate;

namespace {

const QColor kBlack(0, 0, 0);

/** The frame, noting every mod layout it is asked for and what the window held then. */
class LayoutRecordingFrame : public frame::frmParent {
public:
    struct Layout {
        frmChild *child;
        QString modName;
        int textLength;
        bool active;
        QSize windowSize;
    };
    QList<Layout> layouts;

    void applyModMenus(frmChild *child, const QString &modName) override
    {
        auto *window = qobject_cast<QMdiSubWindow *>(child->parentWidget());
        layouts << Layout{child, modName, child->editor()->TextLength(), activeDocument() == child,
                          window ? window->size() : QSize()};
        frmParent::applyModMenus(child, modName);
    }
};

struct TemplateFixture : FrameFixture {
    TemplateFixture()
    {
        frame = std::make_unique<LayoutRecordingFrame>();
        frame->show();
    }
    LayoutRecordingFrame *recorder() const
    {
        return static_cast<LayoutRecordingFrame *>(frame.get());
    }
    document::Documents &documents() const { return frame->documents(); }

    /** A new document laid out for a mod, as the Select Mod dialog makes it. */
    frmChild *modDocument(std::int16_t game, std::int32_t modNumber, const QString &title,
                          const QString &modName)
    {
        documents().CurrentGame = game;
        frmChild *child = documents().NewDocument(title, modNumber);
        frame->applyModMenus(child, modName);
        recorder()->layouts.clear();
        return child;
    }
    /** A new document of a mod with its Template item captioned @p templateCaption and enabled. */
    frmChild *document(std::int16_t game, std::int32_t modNumber, const QString &title,
                       const QString &modName, const QString &templateCaption)
    {
        frmChild *child = modDocument(game, modNumber, title, modName);
        QAction *item = child->menuItem(QStringLiteral("mnuInsertTemplate"));
        item->setText(templateCaption);
        item->setEnabled(true);
        return child;
    }
    frmChild *mapListDocument()
    {
        return document(-2, 153, QStringLiteral("Q3 OSP Server Map List Config"),
                        QStringLiteral("OSP Server Map List"),
                        QStringLiteral("OSP Map List Template"));
    }
    frmChild *ospServerDocument()
    {
        return document(1, 15, QStringLiteral("Q3 OSP Server Config"), QStringLiteral("OSP Server"),
                        QStringLiteral("OSP Server Template"));
    }
    void clickTemplate(frmChild *child) { trigger(child, "mnuInsertTemplate"); }
};

QMdiSubWindow *windowOf(frmChild *child)
{
    return qobject_cast<QMdiSubWindow *>(child->parentWidget());
}

generators::frmOSPType *openOspDialog()
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *dialog = qobject_cast<generators::frmOSPType *>(widget);
            dialog && dialog->isVisible())
            return dialog;
    return nullptr;
}

QString dataFileText(int which)
{
    return generators::dataFileTemplateText(DataFileTemplate(which));
}

} // namespace

class TestTemplateCommands : public QObject {
    Q_OBJECT
private slots:
    void cleanup();

    void emptyDocumentTakesItsTemplate_data();
    void emptyDocumentTakesItsTemplate();
    void configHeaderHasNoLineBreak();
    void commentTemplateKeepsAMaximisedWindow();
    void emptyDocumentWritesNothingFor_data();
    void emptyDocumentWritesNothingFor();
    void documentWithTextOpensANewOne_data();
    void documentWithTextOpensANewOne();
    void mapListTwiceOpensASecondWindow();
    void ospServerTemplateShowsTheTypeDialog();
    void ospServerTemplateFromADocumentWithText();
    void ospAndRocketArenaWriteNothing_data();
    void ospAndRocketArenaWriteNothing();
    void templateReplacesTheSelection();
    void disabledItemDoesNothing();
    void ospServerLayoutsOfferTheirTemplate_data();
    void ospServerLayoutsOfferTheirTemplate();
};

void TestTemplateCommands::cleanup()
{
    if (generators::frmOSPType *dialog = openOspDialog())
        dialog->close();
    FrameFixture::settle();
}

void TestTemplateCommands::emptyDocumentTakesItsTemplate_data()
{
    QTest::addColumn<int>("game");
    QTest::addColumn<int>("modNumber");
    QTest::addColumn<QString>("modName");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("widening");
    QTest::newRow("map list") << -2 << 153 << "OSP Server Map List"
                              << "OSP Map List Template" << dataFileText(0) << 17 << 33;
    QTest::newRow("custom mod") << -2 << 151 << "OSP Server Custom Mod"
                                << "OSP Custom Mod Template" << dataFileText(1) << 16 << 33;
    QTest::newRow("player filter") << -2 << 152 << "OSP Server Player Filter"
                                   << "OSP Player Filter Template" << dataFileText(2) << 14 << 33;
    QTest::newRow("regular") << -1 << -1 << "Blank"
                             << "Regular Template"
                             << "//Config" << 0 << 0;
}

void TestTemplateCommands::emptyDocumentTakesItsTemplate()
{
    QFETCH(int, game);
    QFETCH(int, modNumber);
    QFETCH(QString, modName);
    QFETCH(QString, caption);
    QFETCH(QString, text);
    QFETCH(int, lines);
    QFETCH(int, widening);

    TemplateFixture f;
    frmChild *child =
        f.document(std::int16_t(game), modNumber, QStringLiteral("Doc"), modName, caption);
    const QSize before = windowOf(child)->size();
    f.clickTemplate(child);

    platform::RichEdit *editor = child->editor();
    QCOMPARE(editor->Text(), text);
    QCOMPARE(int(editor->Text().count(QLatin1String("\r\n"))), lines);
    QVERIFY(looksLike(editor, 0, editor->TextLength(), kBlack, false));
    QCOMPARE(editor->SelStart(), editor->TextLength());
    QCOMPARE(editor->SelLength(), 0);
    // 500 twips wider for the data-file templates, at 15 twips a pixel; never taller.
    QCOMPARE(windowOf(child)->size(), before + QSize(widening, 0));
    QCOMPARE(f.frame->documentWindows().size(), 1);
    QVERIFY(f.recorder()->layouts.isEmpty());
    QCOMPARE(openOspDialog(), nullptr);
}

void TestTemplateCommands::configHeaderHasNoLineBreak()
{
    TemplateFixture f;
    frmChild *child = f.document(-1, -1, QStringLiteral("Config"), QStringLiteral("Blank"),
                                 QStringLiteral("Regular Template"));
    f.clickTemplate(child);
    FrameFixture::type(child, QStringLiteral(" mine"));
    QCOMPARE(child->editor()->Text(), QStringLiteral("//Config mine"));
    QCOMPARE(child->editor()->GetLineFromChar(child->editor()->TextLength()), 0);
}

void TestTemplateCommands::commentTemplateKeepsAMaximisedWindow()
{
    TemplateFixture f;
    frmChild *child = f.mapListDocument();
    windowOf(child)->showMaximized();
    FrameFixture::settle();
    const QSize before = windowOf(child)->size();
    f.clickTemplate(child);
    QCOMPARE(child->editor()->Text(), dataFileText(0));
    QCOMPARE(windowOf(child)->size(), before);
    QVERIFY(windowOf(child)->isMaximized());
}

void TestTemplateCommands::emptyDocumentWritesNothingFor_data()
{
    QTest::addColumn<QString>("caption");
    // Their mods have no template text.
    QTest::newRow("Q3 OSP") << "OSP Template";
    QTest::newRow("Q3 Rocket Arena") << "Rocket Arena 3 Template";
    // Captions an empty document does not take at all.
    QTest::newRow("Q3 Free for All") << "Free for All Template";
    QTest::newRow("Action Quake") << "Action Quake Template";
    QTest::newRow("Q2 Rocket Arena Server") << "Rocket Arena 2 Server Template";
    QTest::newRow("Urban Terror") << "Urban Terror Template";
    QTest::newRow("unknown") << "Weapons Factory Template";
    QTest::newRow("case differs") << "osp map list template";
}

void TestTemplateCommands::emptyDocumentWritesNothingFor()
{
    QFETCH(QString, caption);
    TemplateFixture f;
    frmChild *child =
        f.document(1, 13, QStringLiteral("Doc"), QStringLiteral("Free for All"), caption);
    const QSize before = windowOf(child)->size();
    f.clickTemplate(child);
    QCOMPARE(child->editor()->TextLength(), 0);
    QCOMPARE(f.frame->documentWindows().size(), 1);
    QCOMPARE(windowOf(child)->size(), before);
    QVERIFY(f.recorder()->layouts.isEmpty());
}

void TestTemplateCommands::documentWithTextOpensANewOne_data()
{
    QTest::addColumn<int>("game");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("newGame");
    QTest::addColumn<int>("newModId");
    QTest::addColumn<QString>("modName");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("widening");
    QTest::newRow("map list") << -2 << "OSP Map List Template"
                              << "Q3 OSP Server Map List Config" << -2 << 153
                              << "OSP Server Map List" << dataFileText(0) << 33;
    QTest::newRow("custom mod") << -2 << "OSP Custom Mod Template"
                                << "Q3 OSP Server Custom Mod Config" << -2 << 151
                                << "OSP Server Custom Mod" << dataFileText(1) << 33;
    QTest::newRow("player filter") << -2 << "OSP Player Filter Template"
                                   << "Q3 OSP Server Player Filter Config" << -2 << 152
                                   << "OSP Server Player Filter" << dataFileText(2) << 33;
    // The new document takes the game of the one it came from.
    QTest::newRow("regular in a Quake 3 document") << 1 << "Regular Template"
                                                   << "Config" << 1 << -1 << "Blank"
                                                   << "//Config" << 0;
    QTest::newRow("regular in a blank document") << -1 << "Regular Template"
                                                 << "Config" << -1 << 0 << "Blank"
                                                 << "//Config" << 0;
    QTest::newRow("Q3 OSP") << 1 << "OSP Template"
                            << "Q3 OSP Config" << 1 << 14 << "OSP"
                            << "" << 0;
    QTest::newRow("Q3 Rocket Arena") << 1 << "Rocket Arena 3 Template"
                                     << "Q3 Rocket Arena Config" << 1 << 17 << "Rocket Arena"
                                     << "" << 0;
    QTest::newRow("Q2 Action Quake") << 0 << "Action Quake Template"
                                     << "Q2 Action Quake Config" << 0 << 0 << "Action Quake"
                                     << "" << 0;
    QTest::newRow("Q2 Rocket Arena") << 0 << "Rocket Arena 2 Template"
                                     << "Q2 Rocket Arena Config" << 0 << 8 << "Rocket arena"
                                     << "" << 0;
    // A caption of no known mod opens a blank config, whatever the document's game.
    QTest::newRow("Urban Terror") << 1 << "Urban Terror Template"
                                  << "Config" << -1 << 0 << "Blank"
                                  << "//Config" << 0;
}

void TestTemplateCommands::documentWithTextOpensANewOne()
{
    QFETCH(int, game);
    QFETCH(QString, caption);
    QFETCH(QString, title);
    QFETCH(int, newGame);
    QFETCH(int, newModId);
    QFETCH(QString, modName);
    QFETCH(QString, text);
    QFETCH(int, widening);

    TemplateFixture f;
    frmChild *old =
        f.document(std::int16_t(game), 7, QStringLiteral("Doc"), QStringLiteral("x"), caption);
    FrameFixture::type(old, QStringLiteral("// notes"));
    // Left over from some later File > New: the game comes from the document's own slot.
    f.documents().CurrentGame = 42;
    const QString oldText = old->editor()->Text();
    const QSize oldSize = windowOf(old)->size();
    f.clickTemplate(old);

    QCOMPARE(f.frame->documentWindows().size(), 2);
    frmChild *created = f.active();
    QVERIFY(created && created != old);
    QCOMPARE(created->Caption(), title + QString::number(created->Tag()));
    QCOMPARE(int(f.slotOf(created).Game), newGame);
    QCOMPARE(int(f.slotOf(created).ModId), newModId);
    QCOMPARE(f.slotOf(created).FileState, std::int16_t(0));
    // Laid out for its mod while still empty and active, then filled.
    QCOMPARE(f.recorder()->layouts.size(), 1);
    QCOMPARE(f.recorder()->layouts[0].child, created);
    QCOMPARE(f.recorder()->layouts[0].modName, modName);
    QCOMPARE(f.recorder()->layouts[0].textLength, 0);
    QVERIFY(f.recorder()->layouts[0].active);
    QCOMPARE(created->editor()->Text(), text);
    QCOMPARE(windowOf(created)->size(), f.recorder()->layouts[0].windowSize + QSize(widening, 0));

    QCOMPARE(old->editor()->Text(), oldText);
    QCOMPARE(windowOf(old)->size(), oldSize);
    QCOMPARE(openOspDialog(), nullptr);
}

void TestTemplateCommands::mapListTwiceOpensASecondWindow()
{
    TemplateFixture f;
    frmChild *first = f.mapListDocument();
    f.clickTemplate(first);
    QCOMPARE(first->editor()->Text(), dataFileText(0));

    // Now the document holds text: the same item opens a second map list document.
    f.clickTemplate(first);
    frmChild *second = f.active();
    QVERIFY(second != first);
    QCOMPARE(second->Caption(),
             QStringLiteral("Q3 OSP Server Map List Config%1").arg(second->Tag()));
    QCOMPARE(f.slotOf(second).Game, std::int16_t(-2));
    QCOMPARE(f.slotOf(second).ModId, 153);
    QCOMPARE(second->editor()->Text(), dataFileText(0));
    QCOMPARE(first->editor()->Text(), dataFileText(0));
    QCOMPARE(f.frame->documentWindows().size(), 2);
}

void TestTemplateCommands::ospServerTemplateShowsTheTypeDialog()
{
    TemplateFixture f;
    frmChild *child = f.ospServerDocument();
    const QSize before = windowOf(child)->size();
    f.clickTemplate(child);

    generators::frmOSPType *dialog = openOspDialog();
    QVERIFY(dialog);
    QVERIFY(!dialog->isModal());
    QCOMPARE(child->editor()->TextLength(), 0);
    QCOMPARE(windowOf(child)->size(), before);
    QCOMPARE(f.frame->documentWindows().size(), 1);

    QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("cmdOK")), Qt::LeftButton);
    QCOMPARE(child->editor()->Text(),
             generators::ospServerConfigText(generators::OspServerType::OneVsOne));
}

void TestTemplateCommands::ospServerTemplateFromADocumentWithText()
{
    TemplateFixture f;
    frmChild *old = f.ospServerDocument();
    FrameFixture::type(old, QStringLiteral("// notes"));
    f.clickTemplate(old);

    frmChild *created = f.active();
    QVERIFY(created != old);
    QCOMPARE(created->Caption(), QStringLiteral("Q3 OSP Server Config%1").arg(created->Tag()));
    QCOMPARE(f.slotOf(created).Game, std::int16_t(1));
    QCOMPARE(f.slotOf(created).ModId, 15);
    QCOMPARE(f.recorder()->layouts.size(), 1);
    QCOMPARE(f.recorder()->layouts[0].modName, QStringLiteral("OSP Server"));
    QCOMPARE(created->editor()->TextLength(), 0);

    generators::frmOSPType *dialog = openOspDialog();
    QVERIFY(dialog);
    dialog->optOSPType(2)->click();
    QTest::mouseClick(dialog->cmdOK(), Qt::LeftButton);
    QCOMPARE(created->editor()->Text(),
             generators::ospServerConfigText(generators::OspServerType::Ctf));
    QCOMPARE(old->editor()->Text(), QStringLiteral("// notes"));
}

void TestTemplateCommands::ospAndRocketArenaWriteNothing_data()
{
    QTest::addColumn<QString>("modName");
    QTest::newRow("OSP") << "OSP";
    QTest::newRow("Rocket Arena") << "Rocket Arena";
    QTest::newRow("Q2 Rocket Arena") << "Rocket arena";
    QTest::newRow("case differs") << "osp server map list";
}

void TestTemplateCommands::ospAndRocketArenaWriteNothing()
{
    QFETCH(QString, modName);
    TemplateFixture f;
    frmChild *child = f.document(1, 14, QStringLiteral("Q3 OSP Config"), QStringLiteral("OSP"),
                                 QStringLiteral("OSP Template"));
    const QSize before = windowOf(child)->size();
    mods::InsertTemplate(child, modName, &f.documents());
    QCOMPARE(child->editor()->TextLength(), 0);
    QCOMPARE(windowOf(child)->size(), before);
    QCOMPARE(f.frame->documentWindows().size(), 1);
    QCOMPARE(openOspDialog(), nullptr);
}

void TestTemplateCommands::templateReplacesTheSelection()
{
    TemplateFixture f;
    frmChild *child =
        f.document(-2, 152, QStringLiteral("Filter"), QStringLiteral("OSP Server Player Filter"),
                   QStringLiteral("OSP Player Filter Template"));
    child->editor()->setSelText(QStringLiteral("head OLD tail"));
    child->editor()->Select(5, 3);
    mods::InsertTemplate(child, QStringLiteral("OSP Server Player Filter"), &f.documents());
    const QString inserted = dataFileText(2);
    QCOMPARE(child->editor()->Text(), QStringLiteral("head ") + inserted + QStringLiteral(" tail"));
    QCOMPARE(child->editor()->SelStart(), 5 + int(inserted.size()));
}

void TestTemplateCommands::disabledItemDoesNothing()
{
    TemplateFixture f;
    frmChild *child = f.mapListDocument();
    child->menuItem(QStringLiteral("mnuInsertTemplate"))->setEnabled(false);
    f.clickTemplate(child);
    QCOMPARE(child->editor()->TextLength(), 0);
}

void TestTemplateCommands::ospServerLayoutsOfferTheirTemplate_data()
{
    QTest::addColumn<int>("game");
    QTest::addColumn<int>("modNumber");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("modName");
    QTest::addColumn<QString>("text"); // empty: the OSP Template Type dialog opens instead
    QTest::newRow("server") << 1 << 15 << "Q3 OSP Server Config"
                            << "OSP Server"
                            << "";
    QTest::newRow("map list") << -2 << 153 << "Q3 OSP Server Map List Config"
                              << "OSP Server Map List" << dataFileText(0);
    QTest::newRow("custom mod") << -2 << 151 << "Q3 OSP Server Custom Mod Config"
                                << "OSP Server Custom Mod" << dataFileText(1);
    QTest::newRow("player filter") << -2 << 152 << "Q3 OSP Server Player Filter Config"
                                   << "OSP Server Player Filter" << dataFileText(2);
}

// The item as the mod layouts leave it, untouched by the test: usable in the four OSP server
// documents, and carried over to the document it opens.
void TestTemplateCommands::ospServerLayoutsOfferTheirTemplate()
{
    QFETCH(int, game);
    QFETCH(int, modNumber);
    QFETCH(QString, title);
    QFETCH(QString, modName);
    QFETCH(QString, text);

    TemplateFixture f;
    frmChild *first = f.modDocument(std::int16_t(game), modNumber, title, modName);
    QAction *item = first->menuItem(QStringLiteral("mnuInsertTemplate"));
    QVERIFY(item->isEnabled());
    f.clickTemplate(first);
    QCOMPARE(first->editor()->Text(), text);
    QCOMPARE(openOspDialog() != nullptr, text.isEmpty());
    if (text.isEmpty()) {
        openOspDialog()->close();
        FrameFixture::settle();
        FrameFixture::type(first, QStringLiteral("// notes"));
    }

    f.clickTemplate(first);
    frmChild *second = f.active();
    QVERIFY(second != first);
    QCOMPARE(second->Caption(), title + QString::number(second->Tag()));
    QCOMPARE(second->menuItem(QStringLiteral("mnuInsertTemplate"))->text(), item->text());
    QVERIFY(second->menuItem(QStringLiteral("mnuInsertTemplate"))->isEnabled());
    QCOMPARE(second->editor()->Text(), text);
    QCOMPARE(openOspDialog() != nullptr, text.isEmpty());
}

QTEST_MAIN(TestTemplateCommands)
#include "tst_templatecommands.moc"
