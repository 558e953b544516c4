// Checking a 100,000-line config: the whole check headless, per engine, and what one keystroke
// costs the UI thread in the editor (the check itself runs on a worker thread).
//
//   bench_diagnostics
#include "analysis/Diagnostics.h"
#include "document/DiagnosticsController.h"
#include "platform/RichEdit.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <cstdio>

namespace {

constexpr int kLines = 100000;
constexpr int kRuns = 5;

QString makeConfig(int lines)
{
    static const char *const kLines[] = {
        "bind mouse1 \"+attack\"",      "bind SPACE +moveup",
        "set cl_maxpackets \"30\"",     "seta com_maxfps \"125\"",
        "// weapon switching; careful", "seta name \"^1Player\" one",
        "set rj \"+moveup; +attack\"",  "vstr rj",
        "set sensitivity 2,5",          "echo loaded",
    };
    QString text;
    text.reserve(lines * 24);
    for (int i = 0; i < lines; ++i) {
        text += QLatin1String(kLines[i % 10]);
        text += u'\n';
    }
    return text;
}

double medianMs(QList<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return samples.at(samples.size() / 2);
}

void benchHeadless(const QString &text)
{
    for (const analysis::EngineProfile &profile : analysis::engineProfiles()) {
        QList<double> samples;
        qsizetype found = 0;
        for (int run = 0; run < kRuns; ++run) {
            QElapsedTimer timer;
            timer.start();
            found = analysis::check({text, QString(), -1}, profile).size();
            samples.append(timer.nsecsElapsed() / 1e6);
        }
        std::printf("check %d lines, %-8s %8.1f ms median of %d (%lld findings)\n", kLines,
                    profile.id, medianMs(samples), kRuns, static_cast<long long>(found));
    }
}

// One typed character, then the check that follows the pause: the longest time the UI thread
// was busy in one go (a 1 ms timer's lateness) and the time the check took to arrive.
void benchKeystroke(const QString &text)
{
    platform::RichEdit editor;
    editor.setPlainText(text);
    editor.resize(800, 600);
    editor.show();
    document::DiagnosticsController controller(&editor, [] { return QString(); });
    QEventLoop loop;
    QObject::connect(&controller, &document::DiagnosticsController::checked, &loop,
                     &QEventLoop::quit);
    controller.setProfile(analysis::engineProfile(QStringLiteral("q3")));
    loop.exec();

    QList<double> keystrokes, stalls, totals, snapshots;
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer clock;
        clock.start();
        QTextCursor cursor(editor.document());
        cursor.setPosition(run);
        cursor.insertText(QStringLiteral("x"));
        keystrokes.append(clock.nsecsElapsed() / 1e6);

        qint64 last = clock.nsecsElapsed();
        qint64 longest = 0;
        QTimer probe;
        probe.setInterval(1);
        QObject::connect(&probe, &QTimer::timeout, [&] {
            const qint64 now = clock.nsecsElapsed();
            longest = std::max(longest, now - last);
            last = now;
        });
        probe.start();
        QElapsedTimer snapshot;
        QObject::connect(&controller, &document::DiagnosticsController::checked, &loop,
                         [&] { totals.append(clock.nsecsElapsed() / 1e6); });
        snapshot.start();
        controller.checkNow(); // the pause ends: snapshot of the text, worker started
        snapshots.append(snapshot.nsecsElapsed() / 1e6);
        loop.exec();
        probe.stop();
        // The timer's own interval is not UI work.
        stalls.append(std::max<qint64>(0, longest - 1000000) / 1e6);
        QObject::disconnect(&controller, &document::DiagnosticsController::checked, &loop, nullptr);
        QObject::connect(&controller, &document::DiagnosticsController::checked, &loop,
                         &QEventLoop::quit);
    }
    std::printf("keystroke in %d lines: typing %.2f ms, text snapshot + start %.1f ms, "
                "longest UI-thread block %.1f ms, findings shown after %.0f ms (medians of %d)\n",
                kLines, medianMs(keystrokes), medianMs(snapshots), medianMs(stalls),
                medianMs(totals), kRuns);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString text = makeConfig(kLines);
    benchHeadless(text);
    benchKeystroke(text);
    return 0;
}
