// Every case file under tests/data/diagnostics is checked for every engine; "//@" comments in
// it name the diagnostics each line must give (see splitting.cfg for the format), and every
// line or engine they don't name must give none.
#include "analysis/Diagnostics.h"
#include "analysis/EngineGuess.h"

#include <QDirIterator>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

using namespace analysis;

namespace {

const QString kCases = QStringLiteral(TESSEL_DIAGNOSTIC_CASES);

QStringList enginesOf(const QString &name)
{
    if (name == u"*")
        return engineProfileIds();
    QStringList ids;
    for (const EngineProfile &profile : engineProfiles())
        if (name == QLatin1String(profile.id) ||
            (name == u"Q3" && profile.family == Family::Quake3) ||
            (name == u"Q2" && profile.family == Family::Quake2))
            ids.append(QLatin1String(profile.id));
    return ids;
}

// "LINE: rule" for each diagnostic the annotations of @p text expect for @p engine.
QStringList expected(const QString &text, const QString &engine)
{
    QStringList found;
    const QStringList lines = text.split(u'\n');
    for (int i = 0; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        if (!line.startsWith(u"//@"))
            continue;
        int target = i + 1;
        while (target < lines.size() && lines.at(target).startsWith(u"//@"))
            ++target;
        if (line.startsWith(u"//@^"))
            target = 0;
        for (const QString &group : line.mid(line.startsWith(u"//@^") ? 4 : 3).split(u'|')) {
            const QString engines = group.section(u':', 0, 0);
            bool named = false;
            for (const QString &name : engines.split(u' ', Qt::SkipEmptyParts))
                named = named || enginesOf(name).contains(engine);
            if (named)
                for (const QString &rule : group.section(u':', 1).split(u' ', Qt::SkipEmptyParts))
                    found.append(QStringLiteral("%1: %2").arg(target + 1).arg(rule));
        }
    }
    found.sort();
    return found;
}

} // namespace

class tst_Diagnostics : public QObject {
    Q_OBJECT

private slots:
    void caseFiles_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("engine");
        QDirIterator files(kCases, {QStringLiteral("*.cfg")}, QDir::Files,
                           QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString path = files.next();
            for (const QString &engine : engineProfileIds())
                QTest::addRow("%s %s", qPrintable(path.mid(kCases.size() + 1)), qPrintable(engine))
                    << path << engine;
        }
    }
    void caseFiles()
    {
        QFETCH(QString, path);
        QFETCH(QString, engine);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromLatin1(file.readAll());
        QStringList actual;
        const LineIndex lines(text);
        for (const Diagnostic &d : check({text, path, -1}, *engineProfile(engine))) {
            actual.append(QStringLiteral("%1: %2").arg(lines.line(d.begin)).arg(d.rule));
            QVERIFY2(d.message.contains(QLatin1String(engineProfile(engine)->name)) ||
                         d.rule.startsWith(u"duplicate") || d.rule == u"semicolon-key" ||
                         d.message.contains(u"Q2PRO"),
                     qPrintable(d.message));
        }
        actual.sort();
        QCOMPARE(actual, expected(text, engine));
    }

    void guess_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("content");
        QTest::addColumn<QString>("wanted"); // profile, game, mod
        // clang-format off
        QTest::newRow("baseq3") << "/q3/baseq3/autoexec.cfg" << "" << "q3,Quake 3,";
        QTest::newRow("osp") << "/q3/osp/my.cfg" << "alias a b" << "q3,Quake 3,osp";
        QTest::newRow("baseq2") << "/q2/baseq2/autoexec.cfg" << "seta a b" << "q2,Quake 2,";
        QTest::newRow("ctf windows") << "C:\\Quake2\\CTF\\a.cfg" << "" << "q2,Quake 2,ctf";
        QTest::newRow("engine folder") << "/g/quake3e/baseq3/a.cfg" << "" << "quake3e,Quake 3,";
        QTest::newRow("q2 text") << "/x/a.cfg" << "set gl_mode 3\nvid_gamma 1\n" << "q2,Quake 2,";
        QTest::newRow("q3 text") << "/x/a.cfg" << "seta cg_fov 100\nset gl_mode 1\n" << "q3,Quake 3,";
        QTest::newRow("tie") << "/x/a.cfg" << "bind a +attack\n" << "q3,Quake 3,";
        // clang-format on
    }
    void guess()
    {
        QFETCH(QString, path);
        QFETCH(QString, content);
        QFETCH(QString, wanted);
        const EngineGuess guess = guessEngine(path, content);
        QCOMPARE(QStringList({guess.profileId, guess.game, guess.mod}).join(u','), wanted);
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output"); // a pattern for standard output and error
        // clang-format off
        QTest::newRow("error") << QStringList{"--check", "--engine", "q3", "binds.cfg"} << 1 << "^binds.cfg:11:6: error: Quake III 1.32 has no key called 'NOSUCHKEY'[^\n]* \\[unknown-key\\]$";
        QTest::newRow("warnings only") << QStringList{"--check", "--engine", "Q3", "cvars.cfg"} << 0 << "^cvars.cfg:3:5: warning: .* \\[cheat-cvar\\]$";
        QTest::newRow("clean, guessed") << QStringList{"--check", "written/config.cfg"} << 0 << "^$";
        QTest::newRow("json") << QStringList{"--check", "--format", "json", "sets.cfg"} << 1 << "\"line\": 3,\\s*\"message\": \"Quake III 1.32's seta[^}]*\"rule\": \"seta-arity\"";
        QTest::newRow("nul byte") << QStringList{"--check", "nul.cfg"} << 1 << "\\[nul-byte\\]";
        QTest::newRow("missing file") << QStringList{"--check", "binds.cfg", "gone.cfg"} << 2 << "cannot check gone.cfg: no such file";
        QTest::newRow("folder") << QStringList{"--check", "exec"} << 2 << "is a folder";
        QTest::newRow("no file") << QStringList{"--check"} << 2 << "needs at least one file";
        QTest::newRow("bad engine") << QStringList{"--check", "--engine", "q4", "a.cfg"} << 2 << "--engine needs one of: q3, ioq3";
        QTest::newRow("bad format") << QStringList{"--check", "--format", "xml", "a.cfg"} << 2 << "--format needs json";
        QTest::newRow("engine alone") << QStringList{"--engine", "q3", "a.cfg"} << 2 << "--engine only goes with --check";
        // clang-format on
    }
    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        QProcess tessel;
        tessel.setWorkingDirectory(kCases);
        tessel.start(QCoreApplication::applicationDirPath() + QStringLiteral("/tessel"), arguments);
        QVERIFY(tessel.waitForFinished(30000));
        const QString printed =
            QString::fromLocal8Bit(tessel.readAllStandardOutput() + tessel.readAllStandardError());
        QCOMPARE(tessel.exitCode(), exitCode);
        QVERIFY2(QRegularExpression(output, QRegularExpression::MultilineOption)
                     .match(printed)
                     .hasMatch(),
                 qPrintable(printed));
    }
};

QTEST_GUILESS_MAIN(tst_Diagnostics)
#include "tst_diagnostics.moc"
