// Opening and colouring large configs against a bare QTextEdit load, and the cost of
// colouring one typed word at the top and the bottom of a large document.
//
//   bench_open_colour               runs every size, each side in its own process
//   bench_open_colour bare N        one measurement (used by the driver)
//   bench_open_colour tessel N
#include "document/Documents.h"
#include "document/Formatting.h"
#include "document/frmChild.h"
#include "frame/frmParent.h"
#include "platform/RichEdit.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>
#include <cstdio>

namespace {

QByteArray makeConfig(int lines)
{
    static const char *const kLines[] = {
        "bind mouse1 \"+attack\"",
        "bind SPACE +moveup",
        "set cl_maxpackets \"30\"",
        "seta com_maxfps \"125\"",
        "// weapon switching",
        "x vstr toggle_zoom",
        "alias +zoom \"set cg_fov 30\"",
        "setu name \"^1Player\"",
        "vstr rocket_jump",
        "echo loaded",
    };
    QByteArray text;
    text.reserve(lines * 24);
    for (int i = 0; i < lines; ++i) {
        text += kLines[i % 10];
        text += "\r\n";
    }
    return text;
}

long peakKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

// Until the editor is ready to use: its layout holds the whole document's size and the
// lines in view are drawn. A bare QTextEdit lays out every line for that; our editor lays
// out only what it shows.
template <typename Editor> void layOutAndDraw(Editor *edit)
{
    (void)edit->document()->documentLayout()->documentSize();
    edit->viewport()->repaint();
}

int measure(const QString &side, int lines)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("bench.cfg"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    file.write(makeConfig(lines));
    file.close();

    QElapsedTimer timer;
    double topMs = 0, bottomMs = 0;
    if (side == QLatin1String("bare")) {
        timer.start();
        QFile in(path);
        in.open(QIODevice::ReadOnly);
        QTextEdit edit;
        edit.setLineWrapMode(QTextEdit::NoWrap);
        edit.setPlainText(QString::fromLatin1(in.readAll()));
        edit.show();
        layOutAndDraw(&edit);
    } else {
        frame::frmParent frame;
        frame.show();
        timer.start();
        // What File > Open does with the file it opens last.
        struct : document::ProgressView {
            void setMaximum(int) override {}
            void setValue(int) override {}
            QString caption() const override { return QString(); }
            void setCaption(const QString &) override {}
            void complete() override {}
        } progress;
        document::frmChild *child = frame.documents().OpenDocument(path, &progress);
        layOutAndDraw(child->editor());
        const qint64 openNs = timer.nsecsElapsed();
        platform::RichEdit *editor = child->editor();
        QElapsedTimer typing;
        editor->setSelStart(4); // behind the first "bind"
        typing.start();
        QTest::keyClick(editor, Qt::Key_Right);
        topMs = typing.nsecsElapsed() / 1e6;
        editor->setSelStart(editor->TextLength() - 2 - 4); // behind "echo" on the last line
        typing.start();
        QTest::keyClick(editor, Qt::Key_Right);
        bottomMs = typing.nsecsElapsed() / 1e6;
        // A word that does change colour: typing "set" and a space at the top.
        editor->setSelStart(0);
        QTest::keyClicks(editor, QStringLiteral("set"));
        typing.start();
        QTest::keyClick(editor, Qt::Key_Space);
        const double changeMs = typing.nsecsElapsed() / 1e6;
        // Lines are laid out when first shown: the cost of jumping to the end and drawing it.
        typing.start();
        QTest::keyClick(editor, Qt::Key_End, Qt::ControlModifier);
        editor->viewport()->repaint();
        const double endMs = typing.nsecsElapsed() / 1e6;
        std::printf("%.1f %ld %.3f %.3f %.3f %.3f\n", openNs / 1e6, peakKilobytes(), topMs, bottomMs,
                    changeMs, endMs);
        return 0;
    }
    std::printf("%.1f %ld\n", timer.nsecsElapsed() / 1e6, peakKilobytes());
    return 0;
}

QStringList runOnce(const QString &program, const QString &side, int lines)
{
    QProcess process;
    process.start(program, {side, QString::number(lines)});
    process.waitForFinished(-1);
    return QString::fromLatin1(process.readAllStandardOutput()).trimmed().split(QLatin1Char(' '));
}

// The run with the median time of three, so one disturbed run does not decide.
QStringList runSide(const QString &program, const QString &side, int lines)
{
    QList<QStringList> runs;
    for (int i = 0; i < 3; ++i)
        runs.append(runOnce(program, side, lines));
    std::sort(runs.begin(), runs.end(), [](const QStringList &a, const QStringList &b) {
        return a.value(0).toDouble() < b.value(0).toDouble();
    });
    return runs.at(1);
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() == 3)
        return measure(arguments.at(1), arguments.at(2).toInt());

    std::printf("%8s %10s %10s %7s %10s %10s %6s %8s %9s %9s %8s\n", "lines", "bare ms",
                "tessel ms", "time x", "bare KiB", "tessel KiB", "mem x", "top ms", "bottom ms",
                "change ms", "end ms");
    for (const int lines : {1000, 10000, 100000}) {
        const QStringList bare = runSide(arguments.at(0), QStringLiteral("bare"), lines);
        const QStringList ours = runSide(arguments.at(0), QStringLiteral("tessel"), lines);
        if (bare.size() < 2 || ours.size() < 6) {
            std::fprintf(stderr, "measurement failed\n");
            return 1;
        }
        std::printf("%8d %10.1f %10.1f %7.2f %10ld %10ld %6.2f %8.3f %9.3f %9.3f %8.3f\n", lines,
                    bare[0].toDouble(), ours[0].toDouble(), ours[0].toDouble() / bare[0].toDouble(),
                    bare[1].toLong(), ours[1].toLong(), ours[1].toDouble() / bare[1].toDouble(),
                    ours[2].toDouble(), ours[3].toDouble(), ours[4].toDouble(), ours[5].toDouble());
    }
    return 0;
}
