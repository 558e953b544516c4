#include "mods/ModCommands.h"

#include <QRegularExpression>
#include <QtTest>

using namespace mods;

namespace {

QString str(QStringView view) { return view.toString(); }

struct ColouredSpan {
    int start;
    int length;
    OleColor color;
};

/** Runs a command's steps on a plain text the way the document window runs them on its editor,
 *  with a user who picks `key` in the keys list and `special` in the special list (empty: the
 *  user cancels). Fails the test when a highlight reaches outside the text of its own write. */
struct Run {
    QString text;
    int caret = 0;
    QList<ColouredSpan> spans;
    QStringList specialFiles;
    int keysListShown = 0;

    void perform(const QList<ModCommandStep> &steps, const QString &key, const QString &special)
    {
        int remembered = -1;
        for (const ModCommandStep &step : steps) {
            switch (step.kind) {
            case StepKind::Write:
                write(step.text);
                for (const Highlight &h : step.highlights) {
                    QVERIFY2(h.length > 0 && h.back >= h.length, qPrintable(step.text));
                    QVERIFY2(h.back <= step.text.size(), qPrintable(step.text));
                    spans.append({caret - h.back, h.length, h.color});
                }
                break;
            case StepKind::ShowKeysListAndWait:
                QVERIFY(step.text.isEmpty());
                QVERIFY(step.highlights.isEmpty());
                ++keysListShown;
                write(key);
                break;
            case StepKind::ShowSpecialListAndWait:
                QVERIFY(!step.text.isEmpty());
                specialFiles.append(step.text);
                write(special);
                break;
            case StepKind::RememberCaret:
                remembered = caret;
                break;
            case StepKind::RestoreCaret:
                QVERIFY(remembered >= 0);
                caret = remembered;
                break;
            }
        }
    }

    void write(const QString &t)
    {
        text.insert(caret, t);
        caret += int(t.size());
    }
};

QString keywordOf(OleColor color)
{
    if (color == kBindBlue)
        return QStringLiteral("bind");
    if (color == kSetRed)
        return QStringLiteral("set");
    if (color == kVstrGreen)
        return QStringLiteral("vstr");
    return QString();
}

Run run(int slot, const QString &caption, const QString &key = QStringLiteral("F"),
        const QString &special = QStringLiteral("flagtaken"))
{
    Run r;
    if (const ModCommand *command = findModCommand(slot, caption))
        r.perform(modCommandSteps(*command), key, special);
    return r;
}

} // namespace

class TestModCommands : public QObject {
    Q_OBJECT

private slots:
    void highlightsCoverExactlyTheirKeyword();
    void keywordsInColouredWritesAreAllColoured();
    void kindsWriteTheirText();
    void writtenLines_data();
    void writtenLines();
    void cancelledKeysListLeavesTwoSpaces();
    void mp3ScriptLeavesCaretAtBindLine();
    void teamSoundBindUsesTheCtfList();
    void motdLines();
};

void TestModCommands::highlightsCoverExactlyTheirKeyword()
{
    for (int slot = 1; slot <= kCommandSlotCount; ++slot) {
        for (const ModCommand &command : modCommandTable(slot)) {
            Run r;
            r.perform(modCommandSteps(command), QStringLiteral("MOUSE1"), QStringLiteral("x"));
            if (QTest::currentTestFailed())
                return;
            for (const ColouredSpan &span : r.spans) {
                const QString word = r.text.mid(span.start, span.length);
                QVERIFY2(!keywordOf(span.color).isEmpty(), qPrintable(str(command.caption)));
                QCOMPARE(word, keywordOf(span.color));
                // A keyword is a whole word.
                QVERIFY(span.start == 0 || !r.text.at(span.start - 1).isLetterOrNumber());
                QVERIFY(r.text.at(span.start + span.length) == QLatin1Char(' '));
            }
        }
    }
}

void TestModCommands::keywordsInColouredWritesAreAllColoured()
{
    static const QRegularExpression keyword(QStringLiteral("\\b(set|vstr|bind)\\b"));
    for (int slot = 1; slot <= kCommandSlotCount; ++slot) {
        for (const ModCommand &command : modCommandTable(slot)) {
            for (const ModCommandStep &step : modCommandSteps(command)) {
                if (step.kind != StepKind::Write || step.highlights.isEmpty())
                    continue;
                int found = 0;
                for (auto it = keyword.globalMatch(step.text); it.hasNext(); it.next())
                    ++found;
                QVERIFY2(found == step.highlights.size(), qPrintable(step.text));
            }
        }
    }
}

void TestModCommands::kindsWriteTheirText()
{
    for (int slot = 1; slot <= kCommandSlotCount; ++slot) {
        for (const ModCommand &command : modCommandTable(slot)) {
            const QString caption = str(command.caption);
            const QString t = str(command.text);
            const Run r = run(slot, caption);
            switch (command.kind) {
            case ModCommandKind::KeyBind:
                QVERIFY2(!t.isEmpty(), qPrintable(caption));
                QCOMPARE(r.text, QStringLiteral("bind F \"") + t + QLatin1Char('"'));
                QCOMPARE(r.keysListShown, 1);
                break;
            case ModCommandKind::SetLine:
                QVERIFY(t.startsWith(u"set "));
                QCOMPARE(r.text, t);
                QCOMPARE(r.spans.size(), 1);
                break;
            case ModCommandKind::SetLineOpeningQuote:
                QVERIFY(t.startsWith(u"set "));
                QCOMPARE(r.text, t + QLatin1Char('"'));
                QCOMPARE(r.spans.size(), 1);
                break;
            case ModCommandKind::Text:
                QVERIFY(!t.isEmpty());
                QCOMPARE(r.text, t);
                QVERIFY(r.spans.isEmpty());
                break;
            case ModCommandKind::TextOpeningQuote:
                QCOMPARE(r.text, t + QLatin1Char('"'));
                QVERIFY(r.spans.isEmpty());
                break;
            case ModCommandKind::TextAndTab:
                QCOMPARE(r.text, t + QLatin1Char('\t'));
                QVERIFY(r.spans.isEmpty());
                break;
            case ModCommandKind::Mp3Script:
            case ModCommandKind::TeamSoundBind:
            case ModCommandKind::MotdLines:
                QVERIFY2(t.isEmpty(), qPrintable(caption));
                QVERIFY(!r.spans.isEmpty());
                break;
            }
            if (command.kind != ModCommandKind::Mp3Script)
                QCOMPARE(r.caret, int(r.text.size()));
        }
    }
}

void TestModCommands::writtenLines_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("written");
    QTest::addColumn<int>("spans");

    QTest::newRow("alarm") << 1 << "Alarm" << "bind F \"alarm\"" << 1;
    QTest::newRow("trailing space") << 1 << "Create Team" << "bind F \"team \"" << 1;
    QTest::newRow("grenade 1") << 8 << "Grenade 1" << "bind F \"cmd grenade1\"" << 1;
    QTest::newRow("grenade 3") << 10 << "Grenade 3" << "bind F \"cmd grenade 3\"" << 1;
    QTest::newRow("mark 23") << 15 << "Mark 23 Pistol" << "bind F \"use Mark 23 pistol\"" << 1;
    QTest::newRow("r_putred") << 23 << "r_putred" << "bind F \"r_putred\"" << 1;
    QTest::newRow("ctf macro") << 6 << "Armor (%a)" << "bind F \"%a\"" << 1;
    QTest::newRow("dm flags") << 1 << "DM Flags" << "set dmflags " << 0;
    QTest::newRow("osp dmflags") << 3 << "dmflags" << "set dmflags " << 0;
    QTest::newRow("weap flags") << 3 << "Weap Flags" << "set weapflags " << 1;
    QTest::newRow("admin password") << 10 << "Admin Password" << "set adminpw \"" << 0;
    QTest::newRow("rcon password") << 20 << "RCon Password" << "set rcon_password \"" << 1;
    QTest::newRow("filter") << 1 << "banaddr" << "banaddr\t" << 0;
    QTest::newRow("arena") << 8 << "Health Protect" << "healthprotect: 2;" << 0;
    QTest::newRow("empty caption") << 1 << "" << "" << 0;
    QTest::newRow("other slot") << 2 << "Alarm" << "" << 0;
}

void TestModCommands::writtenLines()
{
    QFETCH(int, slot);
    QFETCH(QString, caption);
    QFETCH(QString, written);
    QFETCH(int, spans);

    const Run r = run(slot, caption);
    QCOMPARE(r.text, written);
    QCOMPARE(r.spans.size(), spans);
}

void TestModCommands::cancelledKeysListLeavesTwoSpaces()
{
    const Run r = run(1, QStringLiteral("Alarm"), QString());
    QCOMPARE(r.text, QStringLiteral("bind  \"alarm\""));
}

void TestModCommands::mp3ScriptLeavesCaretAtBindLine()
{
    const Run r = run(3, QStringLiteral("MP3 Play/Pause Toggle"));
    const QStringList lines = r.text.split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 7); // bind, empty, comment, three script lines, nothing after the last
    QCOMPARE(lines.at(0), QStringLiteral("bind F \"vstr mp3_pp\""));
    QVERIFY(lines.at(1).isEmpty());
    QVERIFY(lines.at(2).startsWith(u"//"));
    QVERIFY(lines.at(6).isEmpty());
    QCOMPARE(r.caret, int(lines.at(0).size()) + 2);

    // The script's variables chain: pp -> p1 -> p2 -> p1.
    QVERIFY(lines.at(3).startsWith(u"set mp3_pp \"vstr mp3_p1\""));
    QVERIFY(lines.at(4).startsWith(u"set mp3_p1 ") && lines.at(4).contains(u"vstr mp3_p2"));
    QVERIFY(lines.at(5).startsWith(u"set mp3_p2 ") && lines.at(5).contains(u"vstr mp3_p1"));

    int reds = 0;
    int greens = 0;
    for (const ColouredSpan &span : r.spans) {
        reds += span.color == kSetRed;
        greens += span.color == kVstrGreen;
    }
    QCOMPARE(reds, 5);
    QCOMPARE(greens, 3);
}

void TestModCommands::teamSoundBindUsesTheCtfList()
{
    const Run picked = run(4, QStringLiteral("play_team"));
    QCOMPARE(picked.text, QStringLiteral("bind F \"play_team flagtaken\""));
    QCOMPARE(picked.specialFiles, QStringList{QStringLiteral("\\Quake2\\q2ctf.txt")});

    const Run cancelled = run(4, QStringLiteral("play_team"), QStringLiteral("F"), QString());
    QCOMPARE(cancelled.text, QStringLiteral("bind F \"play_team \""));
}

void TestModCommands::motdLines()
{
    const Run r = run(15, QStringLiteral("server_motd[1-8]"));
    const QStringList lines = r.text.split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 8);
    for (int n = 1; n <= 8; ++n)
        QCOMPARE(lines.at(n - 1), QStringLiteral("set server_motd%1 \"\"").arg(n));
    QCOMPARE(r.caret, int(r.text.size()));
    QCOMPARE(r.spans.size(), 8);
}

QTEST_APPLESS_MAIN(TestModCommands)
#include "tst_modcommands.moc"
