// Everything Tessel writes, against the golden files below tests/golden: the OSP server
// configurations, the data-file templates, and per mod document its menus and what each
// Template, Tools, View and Other item does. `tessel --generate` writes the same files.
// TESSEL_UPDATE_GOLDEN=1 rewrites the golden files from the program.
#include "OutputProbe.h"
#include "lists/ListSearch.h"

#include <QMdiSubWindow>
#include <QRadioButton>
#include <QtTest>

using document::frmChild;
using mods::GameList;

namespace {

const QStringList kTypes{"1v1", "ClanArena", "CTF", "Free for All", "Instagib", "Team"};
const QStringList kDataFiles{"maplist", "custommod", "playerfilter"};
const QStringList kDataFileEntries{"    -Map List File", "    -Custom Mod",
                                   "    -Player Filter File"};

QString slug(const QString &text)
{
    static const QRegularExpression gaps("[^a-z0-9]+"), ends("^-|-$");
    return text.toLower().replace(gaps, "-").remove(ends);
}

QString serverGolden(const QString &type) { return "osp/server-" + slug(type) + ".cfg"; }

QSize windowSize(frmChild *child)
{
    return qobject_cast<QMdiSubWindow *>(child->parentWidget())->size();
}

/** The OSP Template Type dialog's output for @p type in a new OSP server document. */
QByteArray serverConfig(FrameFixture &f, int type)
{
    frmChild *child = f.newDocument(GameList::Quake3, QStringLiteral("OSP Server"));
    f.trigger(child, "mnuInsertTemplate");
    QWidget *dialog = probe::shownWindow(QStringLiteral("frmOSPType"));
    if (!dialog)
        return "<no OSP Template Type dialog>";
    for (QRadioButton *option : dialog->findChildren<QRadioButton *>())
        if (option->text() == kTypes[type])
            option->click();
    QTest::mouseClick(dialog->findChild<QWidget *>(QStringLiteral("cmdOK")), Qt::LeftButton);
    // Every setting line, and only those, shows its "set" red and bold.
    const QStringList seen = probe::seen(child->editor()).split('\n');
    for (qsizetype i = 0; i + 1 < seen.size(); ++i) {
        const bool setting = seen[i].startsWith(QLatin1String("> set "));
        if (seen[i].startsWith('>') && setting != (seen[i + 1] == "  [set@0:red,bold]"))
            return "<wrong colours: " + seen[i].toLatin1() + ">";
    }
    return child->editor()->Text().toLatin1();
}

QString caption(frmChild *child, const QString &name)
{
    QAction *item = child->menuItem(name);
    if (!item->isVisible())
        return QStringLiteral("(hidden)");
    return '"' + item->text() + '"' + (item->isEnabled() ? "" : " disabled") +
           (item->isSeparator() ? " separator" : "");
}

QString caretNote(platform::RichEdit *editor)
{
    if (editor->SelStart() == editor->TextLength() && editor->SelLength() == 0)
        return QString();
    return QStringLiteral("  caret %1 selecting %2\n").arg(editor->SelStart()).arg(editor->SelLength());
}

/** A mod document as its user finds it: menus, and what each mod item writes or opens. */
QByteArray modReport(FrameFixture &f, GameList game, const QString &entry)
{
    frmChild *child = f.newDocument(game, entry);
    if (!child)
        return "<no document>";
    platform::RichEdit *editor = child->editor();
    probe::ListAnswerer answerer(child);
    QString out = QStringLiteral("File > New: Quake %1 / %2\nwindow: %3 (game %4, mod %5)\n")
                      .arg(game == GameList::Quake2 ? 2 : 3)
                      .arg(entry.trimmed(), child->Caption())
                      .arg(int(f.slotOf(child).Game))
                      .arg(f.slotOf(child).ModId);
    for (const char *name : {"mnuOther", "mnuInsertTemplate", "mnuTools1", "mnuView1", "mnuView2",
                             "mnuHelpMod"})
        out += QStringLiteral("%1: %2\n").arg(name, caption(child, name));

    if (child->menuItem("mnuView2")->isVisible()) {
        f.trigger(child, "mnuView2");
        const QStringList shown = probe::entries(child->lsSpecial());
        out += QStringLiteral("\n== View list: %1 entries, %2 .. %3\n")
                   .arg(shown.size())
                   .arg(shown.value(0), shown.value(shown.size() - 1));
        child->lsSpecial()->hide();
    }
    if (child->menuItem("mnuTools1")->isVisible()) {
        f.trigger(child, "mnuTools1");
        QStringList opened;
        for (const char *name : {"frmFlags", "frmNameEditor"})
            if (probe::shownWindow(name))
                opened << name;
        out += "\n== Tools opens: " + opened.join(", ") + '\n';
        probe::closeToolWindows();
    }

    const QSize before = windowSize(child);
    f.trigger(child, "mnuInsertTemplate");
    out += "\n== Template\n" + probe::seen(editor) + caretNote(editor);
    if (probe::shownWindow(QStringLiteral("frmOSPType")))
        out += "  opens the OSP Template Type dialog\n";
    if (windowSize(child) != before)
        out += QStringLiteral("  window grows %1 x %2 pixels\n")
                   .arg(windowSize(child).width() - before.width())
                   .arg(windowSize(child).height() - before.height());
    probe::closeToolWindows();

    for (int slot = 1; slot <= 25; ++slot) {
        QAction *item = child->menuItem(QStringLiteral("mnuOther%1").arg(slot));
        if (!item->isVisible())
            continue;
        editor->LoadPlainText(QString());
        answerer.keys = {QStringLiteral("F")};
        answerer.specials = {QStringLiteral("capit")};
        item->trigger();
        out += QStringLiteral("\n== Other %1: %2\n").arg(slot).arg(caption(child, item->objectName())) +
               probe::seen(editor) + caretNote(editor);
    }
    // With text in the document, the Template item opens a new document for its template.
    FrameFixture::type(child, QStringLiteral("x"));
    child->menuItem("mnuInsertTemplate")->setEnabled(true); // as a reused window can leave it
    f.trigger(child, "mnuInsertTemplate");
    if (frmChild *opened = f.active(); opened != child)
        out += QStringLiteral("\n== Template in a document with text opens: %1 (game %2, mod %3)\n")
                   .arg(opened->Caption())
                   .arg(int(f.slotOf(opened).Game))
                   .arg(f.slotOf(opened).ModId) +
               "mnuInsertTemplate: " + caption(opened, "mnuInsertTemplate") + '\n' +
               probe::seen(opened->editor()) +
               (probe::shownWindow("frmOSPType") ? "  opens the OSP Template Type dialog\n" : "");
    probe::closeToolWindows();
    if (!f.dialogs.messages.isEmpty())
        out += "\nmessages: " + f.dialogs.messageTexts().join(" / ") + '\n';
    return out.toLatin1();
}

} // namespace

class TestGoldens : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { probe::closeToolWindows(); }
    void outputMatchesGolden_data();
    void outputMatchesGolden();
    void generateMatchesGolden_data();
    void generateMatchesGolden();
};

void TestGoldens::outputMatchesGolden_data()
{
    QTest::addColumn<QString>("golden");
    QTest::addColumn<int>("game"); // -1: an OSP server type, -2: a data file
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("entry");
    for (int type = 0; type < kTypes.size(); ++type)
        QTest::newRow(qPrintable(serverGolden(kTypes[type]))) << serverGolden(kTypes[type]) << -1 << type << "";
    for (int file = 0; file < kDataFiles.size(); ++file)
        QTest::newRow(qPrintable(kDataFiles[file])) << "osp/" + kDataFiles[file] + ".txt" << -2 << file << kDataFileEntries[file];
    for (const FrameFixture::ModChoice &choice : FrameFixture::creatableEntries()) {
        const QString name = QStringLiteral("mods/q%1-%2.txt")
                                 .arg(choice.game == GameList::Quake2 ? 2 : 3)
                                 .arg(slug(choice.entry));
        QTest::newRow(qPrintable(name)) << name << int(choice.game) << 0 << choice.entry;
    }
}

void TestGoldens::outputMatchesGolden()
{
    QFETCH(QString, golden);
    QFETCH(int, game);
    QFETCH(int, index);
    QFETCH(QString, entry);
    FrameFixture f;
    QByteArray actual;
    if (game == -1) {
        actual = serverConfig(f, index);
    } else if (game == -2) {
        frmChild *child = f.newDocument(GameList::Quake3, entry);
        f.trigger(child, "mnuInsertTemplate");
        actual = probe::seen(child->editor()).contains("\n  [") ? "<coloured>"
                                                              : child->editor()->Text().toLatin1();
    } else {
        actual = modReport(f, GameList(game), entry);
    }
    const QString difference = probe::goldenDifference(golden, actual);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

void TestGoldens::generateMatchesGolden_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("golden");
    for (const QString &type : kTypes)
        QTest::newRow(qPrintable(type)) << QStringList{"--generate", "server", "--type", type}
                                        << serverGolden(type);
    for (const QString &file : kDataFiles)
        QTest::newRow(qPrintable(file)) << QStringList{"--generate", file} << "osp/" + file + ".txt";
    // Names in any case, blanks around the type.
    QTest::newRow("any case") << QStringList{"--type", " fReE fOr aLL ", "--generate", "SERVER"}
                              << serverGolden("Free for All");
    QTest::newRow("any case, data file") << QStringList{"--generate", "CustomMod"} << "osp/custommod.txt";
}

void TestGoldens::generateMatchesGolden()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, golden);
    const probe::Run run = probe::runHeadless(arguments);
    QCOMPARE(run.exitStatus, QProcess::NormalExit);
    QCOMPARE(run.error, QString());
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, probe::goldenBytes(golden));
}

QTEST_MAIN(TestGoldens)
#include "tst_goldens.moc"
