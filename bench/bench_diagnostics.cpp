// Checking a 100,000-line config: the whole check headless, per engine, and what one keystroke
// costs the UI thread in the editor (the check itself runs on a worker thread).
//
//   bench_diagnostics [ENGINE-ID]   (only that engine's headless checks, no keystroke)
#include "analysis/Diagnostics.h"
#include "document/DiagnosticsController.h"
#include "platform/RichEdit.h"

#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>

namespace {

constexpr int kLines = 100000;
constexpr int kRuns = 5;

// A long config as players write them: binds, settings, comments, and now and then a mistake
// (one line in a hundred); @p everyLine gives every line a finding instead.
QString makeConfig(int lines, bool everyLine)
{
    static const char *const kClean[] = {"set cl_run 1",
                                         "set cl_maxpackets \"30\"",
                                         "seta com_maxfps \"125\"",
                                         "// weapon switching",
                                         "seta name \"^1Player\"",
                                         "set rj \"+moveup; +attack\"",
                                         "vstr rj",
                                         "seta sensitivity 2.5",
                                         "echo loaded",
                                         "seta r_gamma 1.2"};
    static const char *const kMistakes[] = {"// weapon switching; careful", "seta name Player One",
                                            "set sensitivity 2,5", "bind A +forward", "cg_fov 110"};
    QString text;
    text.reserve(lines * 24);
    for (int i = 0; i < lines; ++i) {
        text += QLatin1String(everyLine || i % 100 == 99 ? kMistakes[i % 5] : kClean[i % 10]);
        text += u'\n';
    }
    return text;
}

double threadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

double medianMs(QList<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return samples.at(samples.size() / 2);
}

// Wall time and this thread's processor time (the honest figure on a busy machine).
void benchHeadless(const QString &text, const char *what, const QString &only)
{
    for (const analysis::EngineProfile &profile : analysis::engineProfiles()) {
        if (!only.isEmpty() && only != QLatin1String(profile.id))
            continue;
        QList<double> wall, cpu;
        qsizetype found = 0;
        for (int run = 0; run < kRuns; ++run) {
            QElapsedTimer timer;
            timer.start();
            const double cpuStart = threadCpuMs();
            found = analysis::check({text, QString(), -1}, profile).size();
            cpu.append(threadCpuMs() - cpuStart);
            wall.append(timer.nsecsElapsed() / 1e6);
        }
        // The best run is the one least disturbed by other programs on a busy machine.
        std::printf("check %d lines (%s), %-8s %6.1f ms processor (best %6.1f), %6.1f ms wall, "
                    "%6lld findings (medians of %d)\n",
                    kLines, what, profile.id, medianMs(cpu),
                    *std::min_element(cpu.cbegin(), cpu.cend()), medianMs(wall),
                    static_cast<long long>(found), kRuns);
    }
}

// One typed character, then the check that follows the pause: the processor time the UI
// thread spends on the keystroke, on starting the check and on showing its findings (the
// check itself runs on a worker thread), and the wall time until the findings are shown.
void benchKeystroke(const QString &text)
{
    platform::RichEdit editor;
    editor.setPlainText(text);
    editor.resize(800, 600);
    editor.show();
    document::DiagnosticsController controller(
        &editor, [] { return QString(); }, [] { return document::LineEnds::Lf; });
    QEventLoop loop;
    QObject::connect(&controller, &document::DiagnosticsController::checked, &loop,
                     &QEventLoop::quit);
    controller.setProfile(analysis::engineProfile(QStringLiteral("q3")));
    loop.exec();

    QList<double> typing, uiThread, wall;
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer clock;
        clock.start();
        double cpu = threadCpuMs();
        QTextCursor cursor(editor.document());
        cursor.setPosition(run);
        cursor.insertText(QStringLiteral("x"));
        typing.append(threadCpuMs() - cpu);
        cpu = threadCpuMs();
        controller.checkNow(); // the pause has ended
        loop.exec();
        uiThread.append(threadCpuMs() - cpu);
        wall.append(clock.nsecsElapsed() / 1e6);
    }
    std::printf("keystroke in %d lines (%lld findings): typing %.2f ms, UI thread during the "
                "check %.2f ms processor, findings shown after %.0f ms wall (medians of %d)\n",
                kLines, static_cast<long long>(controller.result().diagnostics.size()),
                medianMs(typing), medianMs(uiThread), medianMs(wall), kRuns);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString only = app.arguments().value(1);
    const QString text = makeConfig(kLines, false);
    benchHeadless(text, "1 % mistakes", only);
    benchHeadless(makeConfig(kLines, true), "all mistakes", only);
    if (only.isEmpty())
        benchKeystroke(text);
    return 0;
}
