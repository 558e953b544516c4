// No broken help links: every word the reference lists can write into a document, of every
// kind of document the program makes, opens a help page that ships and an anchor on it.
#include "OutputProbe.h"
#include "document/ContextHelp.h"
#include "lists/ListSearch.h"
#include "mods/ModCatalogue.h"
#include "mods/ModCommands.h"
#include "platform/AppPaths.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>
#include <QTextDocumentFragment>
#include <QtTest>

using document::frmChild;

namespace {

/** The anchor names of a help page, with character references decoded as the browser does. */
QSet<QString> pageAnchors(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    static const QRegularExpression anchor(QStringLiteral("<a\\s[^>]*?\\bname=\"([^\"]*)\""),
                                           QRegularExpression::CaseInsensitiveOption);
    QSet<QString> names;
    const QString html = QString::fromLatin1(file.readAll());
    for (const QRegularExpressionMatch &match : anchor.globalMatch(html))
        names.insert(QTextDocumentFragment::fromHtml(match.captured(1)).toPlainText());
    return names;
}

/** The words of a list entry a user can select in the text the list wrote: its first word,
 *  and for "cmd" (which hands the rest of the line to the server) the word after it too. */
QStringList helpWords(const QString &entry)
{
    const QStringList tokens = entry.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const bool cmd = tokens.size() > 1 && tokens.first() == QLatin1String("cmd");
    return tokens.mid(0, cmd ? 2 : 1);
}

/** The mod list files a document of @p modName shows: its View item's and its commands'. */
QStringList modListFiles(const QString &modName)
{
    QStringList files;
    const core::Mod *mod = core::findModNamed(modName);
    if (!mod)
        return files;
    if (!mod->viewFile.isEmpty())
        files << mod->viewFile.toString();
    for (const mods::ModCommand &command : mods::otherItems(*mod))
        for (const mods::ModCommandStep &step : mods::modCommandSteps(command))
            if (step.kind == mods::StepKind::ShowSpecialListAndWait)
                files << step.text;
    files.removeDuplicates();
    return files;
}

} // namespace

class TestHelpLinks : public QObject {
    Q_OBJECT
private slots:
    void everyListWordHasItsHelpAnchor();
};

void TestHelpLinks::everyListWordHasItsHelpAnchor()
{
    FrameFixture fixture;
    document::Documents &documents = fixture.frame->documents();
    // Opened first: an untouched new document would be reused for it.
    QList<std::pair<frmChild *, QString>> kinds{
        {documents.OpenDocument(fixture.writeFile("opened.cfg", "bind x y\r\n")), QStringLiteral("Blank")}};
    QList<mods::NewDocumentRequest> requests{mods::kBlankDocument};
    for (mods::GameList game : {mods::GameList::Quake2, mods::GameList::Quake3})
        for (const mods::CatalogueEntry &entry : mods::catalogueEntries(game))
            if (!entry.isComingSoon())
                requests << entry.document();
    for (const mods::NewDocumentRequest &request : requests) {
        kinds.append({documents.NewDocument(request.request()), request.modName().toString()});
    }
    QStringList broken;
    int checked = 0;
    QHash<QString, QSet<QString>> anchorsByPage;
    for (const auto &[child, modName] : std::as_const(kinds)) {
        QVERIFY(child);
        const std::int32_t modId = fixture.slotOf(child).ModId;
        const QString label = child->windowTitle();
        const auto shownEntries = [](lists::ListSearch *list) { return list->hide(), probe::entries(list); };
        child->ShowBindsList();
        child->ShowKeysList();
        child->ShowCVarsList();
        QList<QPair<QString, QStringList>> lists{{"actions", shownEntries(child->lsBinds())},
                                                 {"keys", shownEntries(child->lsKeys())},
                                                 {"cvars", shownEntries(child->lsCVars())}};
        for (const auto &list : std::as_const(lists))
            QVERIFY2(!list.second.isEmpty() || fixture.slotOf(child).Game == core::Game::OspDataFile,
                     qPrintable(label + ' ' + list.first));
        for (const QString &file : modListFiles(modName)) {
            child->ShowSpecialList(file);
            lists.append({file, shownEntries(child->lsSpecial())});
            QVERIFY2(!lists.last().second.isEmpty(), qPrintable(file));
        }
        for (const auto &[listName, entries] : std::as_const(lists))
            for (const QString &entry : entries)
                for (const QString &word : helpWords(entry)) {
                    const document::HelpTopic topic = document::helpOnTopic(modId, document::helpOnCaption(word));
                    ++checked;
                    QSet<QString> &anchors = anchorsByPage[topic.page];
                    if (anchors.isEmpty())
                        anchors = pageAnchors(platform::helpFolder() + '/' + topic.page);
                    if (topic.anchor.isEmpty() || !anchors.contains(topic.anchor))
                        broken << QStringLiteral("%1 (ModId %2), %3 entry \"%4\": %5")
                                      .arg(label).arg(modId).arg(listName, entry, topic.text());
                }
    }
    QVERIFY2(broken.isEmpty(), qPrintable(QString::number(broken.size()) + " broken links: " + broken.mid(0, 20).join("; ")));
    QVERIFY2(checked > 5000, qPrintable(QString::number(checked)));
    QVERIFY(fixture.dialogs.messages.isEmpty());
}

QTEST_MAIN(TestHelpLinks)
#include "tst_helplinks.moc"
