// Insert > Template: the template written into an empty document, the new document opened
// from a document that already holds text, and what each mod's template writes.
#include "EditorProbe.h"
#include "FrameFixture.h"
#include "generators/TemplateTexts.h"
#include "generators/frmOSPType.h"
#include "mods/TemplateCommands.h"

#include <QMdiSubWindow>
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
    void emptyDocumentWritesNothingFor_data();
    void emptyDocumentWritesNothingFor();
    void documentWithTextOpensANewOne_data();
    void documentWithTextOpensANewOne();
    void everyModsTemplateOpensADocumentOfThatMod();
    void templateReplacesTheSelection();
    void disabledItemDoesNothing();
};

void TestTemplateCommands::cleanup()
{
    if (generators::frmOSPType *dialog = openOspDialog())
        dialog->close();
    FrameFixture::settle();
}

void TestTemplateCommands::emptyDocumentTakesItsTemplate_data()
{
    using Lines = QMap<int, QString>;
    QTest::addColumn<int>("game");
    QTest::addColumn<int>("modNumber");
    QTest::addColumn<QString>("modName");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("characters");
    QTest::addColumn<Lines>("someLines"); // by index from 0
    QTest::addColumn<int>("widening");
    QTest::newRow("map list")
        << -2 << 153 << "OSP Server Map List" << "OSP Map List Template" << 17 << 667
        << Lines{{0, "#"},
                 {1, "# Map List Template"},
                 {3, "# <mapname> <min_players> <max_players> <fraglimit> <capturelimit> "
                     "<timelimit> <roundlimit>"},
                 {13, "# Examples: "},
                 {14, ""},
                 {15, "q3dm1  00 06 20 0 20 -1"},
                 {16, "configmap q3dm1 00 06 mapq3dm1.cfg"}}
        << 33;
    QTest::newRow("custom mod")
        << -2 << 151 << "OSP Server Custom Mod" << "OSP Custom Mod Template" << 16 << 436
        << Lines{{0, "#"},
                 {1, "# Custom Mod Template"},
                 {7, ""},
                 {9, "HasteAndPlasma  altmodes/HasteAndPlasma.cfg"},
                 {10, ""},
                 {11, ""},
                 {12, "# Usage of this file: "},
                 {15, "# mode_start 6 or mode_start 7  to load this file on server startup."}}
        << 33;
    QTest::newRow("player filter")
        << -2 << 152 << "OSP Server Player Filter" << "OSP Player Filter Template" << 14 << 458
        << Lines{{3, "# <ban_command> [TAB] <player_name> [TAB] <address_prefix> [TAB] <password>"},
                 {4, "# [TAB] refers to the tab character and must be inserted between each "
                     "command."},
                 {7, ""},
                 {8, "banplayer   PlayerName  none    none"},
                 {10, "bantag  [clan123]   none    team456_word"},
                 {13, "banpass none    172.16. ourkey"}}
        << 33;
    // The header ends without a line break.
    QTest::newRow("regular") << -1 << -1 << "Blank" << "Regular Template" << 0 << 8
                             << Lines{{0, "//Config"}} << 0;
}

void TestTemplateCommands::emptyDocumentTakesItsTemplate()
{
    using Lines = QMap<int, QString>;
    QFETCH(int, game);
    QFETCH(int, modNumber);
    QFETCH(QString, modName);
    QFETCH(QString, caption);
    QFETCH(int, lines);
    QFETCH(int, characters);
    QFETCH(Lines, someLines);
    QFETCH(int, widening);

    TemplateFixture f;
    frmChild *child =
        f.document(std::int16_t(game), modNumber, QStringLiteral("Doc"), modName, caption);
    const QSize before = windowOf(child)->size();
    f.clickTemplate(child);

    platform::RichEdit *editor = child->editor();
    const QString text = editor->Text();
    QCOMPARE(int(text.count(QLatin1String("\r\n"))), lines);
    QCOMPARE(int(text.count(QLatin1Char('\n'))), lines);
    QCOMPARE(int(text.size()), characters);
    QVERIFY(!text.contains(QLatin1Char('\t')));
    const QStringList written = text.split(QStringLiteral("\r\n"));
    for (auto it = someLines.cbegin(); it != someLines.cend(); ++it)
        QCOMPARE(written.value(it.key()), it.value());
    QVERIFY(looksLike(editor, 0, editor->TextLength(), kBlack, false));
    QCOMPARE(editor->SelStart(), editor->TextLength());
    QCOMPARE(editor->SelLength(), 0);
    // 500 twips wider for the data-file templates, at 15 twips a pixel; never taller.
    QCOMPARE(windowOf(child)->size(), before + QSize(widening, 0));
    QCOMPARE(f.frame->documentWindows().size(), 1);
    QVERIFY(f.recorder()->layouts.isEmpty());
    QCOMPARE(openOspDialog(), nullptr);
}

void TestTemplateCommands::emptyDocumentWritesNothingFor_data()
{
    QTest::addColumn<QString>("caption");
    // Their mods have no template text.
    QTest::newRow("Q3 OSP") << "OSP Template";
    QTest::newRow("Q3 Rocket Arena") << "Rocket Arena 3 Template";
    // Captions an empty document does not take at all.
    QTest::newRow("Q3 Free for All") << "Free for All Template";
    QTest::newRow("unknown") << "Urban Terror Template";
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
    // The new document takes the game of the one it came from.
    QTest::newRow("regular in a Quake 3 document") << 1 << "Regular Template"
                                                   << "Config" << 1 << -1 << "Blank"
                                                   << "//Config" << 0;
    QTest::newRow("regular in a blank document") << -1 << "Regular Template"
                                                 << "Config" << -1 << 0 << "Blank"
                                                 << "//Config" << 0;
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

// From a document that holds text, the Template item of every mod opens another document
// like the one the Select Mod dialog makes for that mod, with the item as usable as it was;
// mods without a template get a blank config instead.
void TestTemplateCommands::everyModsTemplateOpensADocumentOfThatMod()
{
    TemplateFixture f;
    const auto title = [](frmChild *child) {
        return child->Caption().chopped(QString::number(child->Tag()).size());
    };
    QStringList blank;
    for (mods::GameList game : {mods::GameList::Quake2, mods::GameList::Quake3}) {
        for (const mods::CatalogueEntry &entry : mods::catalogueEntries(game)) {
            if (entry.isComingSoon())
                continue;
            frmChild *old = f.newDocument(game, entry.text.toString());
            QVERIFY(old);
            const QString where = title(old);
            QAction *item = old->menuItem(QStringLiteral("mnuInsertTemplate"));
            const bool enabled = item->isEnabled();
            item->setEnabled(true); // as a reused window can leave it
            FrameFixture::type(old, QStringLiteral("// notes"));
            f.documents().CurrentGame = 42;
            f.clickTemplate(old);

            frmChild *created = f.active();
            QVERIFY2(created != old, qPrintable(where));
            if (title(created) == QLatin1String("Config")) {
                QCOMPARE(int(f.slotOf(created).Game), -1);
                blank << where;
            } else {
                QCOMPARE(title(created), where);
                QCOMPARE(f.slotOf(created).Game, f.slotOf(old).Game);
                QCOMPARE(f.slotOf(created).ModId, f.slotOf(old).ModId);
                QCOMPARE(created->menuItem(QStringLiteral("mnuInsertTemplate"))->text(),
                         item->text());
                QCOMPARE(created->menuItem(QStringLiteral("mnuInsertTemplate"))->isEnabled(),
                         enabled);
            }
            // The new OSP server document asks for its type.
            QCOMPARE(openOspDialog() != nullptr, where == QLatin1String("Q3 OSP Server Config"));
            if (openOspDialog())
                openOspDialog()->close();
            for (frmChild *child : f.frame->documentWindows())
                child->closeWithoutQuestion();
            FrameFixture::settle();
        }
    }
    QCOMPARE(blank, (QStringList{"Q3 Urban Terror Config", "Q3 Weapons Factory Config"}));
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
    frmChild *child =
        f.document(-2, 153, QStringLiteral("Doc"), QStringLiteral("OSP Server Map List"),
                   QStringLiteral("OSP Map List Template"));
    child->menuItem(QStringLiteral("mnuInsertTemplate"))->setEnabled(false);
    f.clickTemplate(child);
    QCOMPARE(child->editor()->TextLength(), 0);
}

QTEST_MAIN(TestTemplateCommands)
#include "tst_templatecommands.moc"
