// Popping up a 2,000-entry list with a names file beside it: the first fill (the names file
// read), later fills (the cached table), and the list refilled as one letter is typed.
//
//   bench_namelists
#include "lists/ListSearch.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

namespace {

constexpr int kEntries = 2000;
constexpr int kRuns = 5;

void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

double millis(const QElapsedTimer &timer) { return double(timer.nsecsElapsed()) / 1e6; }

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    QByteArray list;
    QByteArray names("name\tdefault\tflags\tdescription\n");
    for (int i = 0; i < kEntries; ++i) {
        const QByteArray name = "cg_setting" + QByteArray::number(i);
        list += name + "\r\n";
        names += name + "\t" + QByteArray::number(i % 7) +
                 "\tarchive\tWhat setting number " + QByteArray::number(i) +
                 " changes, in a sentence of ordinary length.\n";
    }
    const QString listFile = dir.filePath(QStringLiteral("list.txt"));
    write(listFile, list);
    write(dir.filePath(QStringLiteral("list.tsv")), names);

    lists::ListSearch control;
    control.show();
    QElapsedTimer timer;
    timer.start();
    control.FillWithTags(listFile);
    std::printf("first fill, names file read: %8.2f ms\n", millis(timer));
    for (int run = 0; run < kRuns; ++run) {
        timer.restart();
        control.FillWithTags(listFile);
        std::printf("fill from the cached table:  %8.2f ms\n", millis(timer));
    }
    // The same list without a names file, for comparison.
    const QString bare = dir.filePath(QStringLiteral("bare.txt"));
    write(bare, list);
    for (int run = 0; run < kRuns; ++run) {
        timer.restart();
        control.FillWithTags(run % 2 ? bare : listFile);
        std::printf("fill %s: %8.2f ms\n", run % 2 ? "without names file" : "with names file   ", millis(timer));
    }
    auto *search = control.findChild<QLineEdit *>(QStringLiteral("txtSearch"));
    for (const char *typed : {"c", "cg_setting1", "sentence", ""}) {
        timer.restart();
        search->setText(QLatin1String(typed));
        std::printf("list refilled for \"%s\": %8.2f ms\n", typed, millis(timer));
    }
    return 0;
}
