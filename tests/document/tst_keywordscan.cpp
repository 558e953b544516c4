// The colouring passes as pure functions: which stretches of a text get which colour.
#include "document/KeywordScan.h"

#include <QtTest>

using document::KeywordRange;

namespace {

// The coloured words of a whole-file pass, as "word:colour" in text order.
QStringList colouredWords(const QString &text, const QList<KeywordRange> &ranges)
{
    QList<KeywordRange> sorted = ranges;
    std::sort(sorted.begin(), sorted.end(),
              [](const KeywordRange &a, const KeywordRange &b) { return a.start < b.start; });
    QStringList words;
    for (const KeywordRange &range : sorted)
        words << text.mid(range.start, range.length) + QLatin1Char(':') + range.color.name();
    return words;
}

QList<KeywordRange> wholeFileRanges(const QString &text)
{
    QList<KeywordRange> ranges;
    for (const document::FormatStep &step : document::scanWholeFile(text))
        if (step.keyword)
            ranges << *step.keyword;
    return ranges;
}

} // namespace

class TestKeywordScan : public QObject {
    Q_OBJECT
private slots:
    void lastInStr_data();
    void lastInStr();
    void wholeFileStepsFromBottomToTop();
    void wholeFile_data();
    void wholeFile();
    void wholeFileReachesTheTopOfLongDocuments();
    void paste_data();
    void paste();
    void progressCaptionCycles();
};

void TestKeywordScan::lastInStr_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("find");
    QTest::addColumn<int>("limit");
    QTest::addColumn<int>("position");
    QTest::newRow("none") << "bind" << "\r\n" << -1 << 0;
    QTest::newRow("last of two") << "a\r\nb\r\nc" << "\r\n" << -1 << 5;
    QTest::newRow("limit excludes the last") << "a\r\nb\r\nc" << "\r\n" << 5 << 2;
    QTest::newRow("at the start") << "xab" << "x" << -1 << 1;
}

void TestKeywordScan::lastInStr()
{
    QFETCH(QString, text);
    QFETCH(QString, find);
    QFETCH(int, limit);
    QFETCH(int, position);
    QCOMPARE(document::LastInStr(text, find, limit), position);
}

void TestKeywordScan::wholeFileStepsFromBottomToTop()
{
    // The second line takes two steps ("vstr", then the x alone), the first one.
    const QString text = QStringLiteral("bind a b\r\nx vstr y");
    const QList<document::FormatStep> steps = document::scanWholeFile(text);
    QCOMPARE(steps.size(), 3);
    QCOMPARE(text.mid(steps[0].keyword->start, 4), QStringLiteral("vstr"));
    QVERIFY(!steps[1].keyword);
    QCOMPARE(steps[2].keyword->start, 0);
    QCOMPARE(steps[2].keyword->color, document::bindColor());
}

void TestKeywordScan::wholeFile_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("coloured");
    const QString blue = QStringLiteral(":#0000ff"), red = QStringLiteral(":#ff0000"),
                  green = QStringLiteral(":#00ff00");
    QTest::newRow("every keyword of a line") << "set a 1; seta b 2; bind x \"vstr c\""
                                             << QStringList{"set" + red, "seta" + red, "bind" + blue};
    QTest::newRow("upper case kept") << "BIND x y\r\nSetU n p" << QStringList{"BIND" + blue, "SetU" + red};
    QTest::newRow("keyword at a line end is not coloured") << "x vstr" << QStringList{};
    QTest::newRow("vstr followed by a blank") << "x vstr go" << QStringList{"vstr" + green};
    // A step colours the first test that hits; what stands behind that keyword is not looked at again.
    QTest::newRow("behind the bind") << "bind v vstr go" << QStringList{"bind" + blue};
    QTest::newRow("inside another word") << "unbind x\r\nreset a\r\nxset b" << QStringList{};
    QTest::newRow("after punctuation") << "x \"+attack;set y 1\"" << QStringList{"set" + red};
    QTest::newRow("alias and eof are left alone") << "alias a b\r\n//EOF" << QStringList{};
    QTest::newRow("comments are not special") << "// bind it" << QStringList{"bind" + blue};
    QTest::newRow("empty") << "" << QStringList{};
}

void TestKeywordScan::wholeFile()
{
    QFETCH(QString, text);
    QFETCH(QStringList, coloured);
    QCOMPARE(colouredWords(text, wholeFileRanges(text)), coloured);
}

void TestKeywordScan::wholeFileReachesTheTopOfLongDocuments()
{
    // Lines whose keyword does not begin them cost two steps each; the top must still be reached.
    QStringList lines;
    for (int i = 0; i < 500; ++i)
        lines << QStringLiteral("x set a%1 1").arg(i);
    const QString text = lines.join(QStringLiteral("\r\n"));
    const QList<KeywordRange> ranges = wholeFileRanges(text);
    QCOMPARE(ranges.size(), 500);
    QVERIFY(std::any_of(ranges.begin(), ranges.end(), [](const KeywordRange &r) { return r.start == 2; }));
}

void TestKeywordScan::paste_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("coloured");
    QTest::newRow("two lines, case kept") << "BIND x y\r\nset a b"
                                          << QStringList{"BIND:#0000ff", "set:#ff0000"};
    QTest::newRow("keyword ending a line") << "x vstr\r\ny" << QStringList{"vstr:#00ff00"};
    QTest::newRow("keyword ending the text") << "a alias" << QStringList{"alias:#ff00ff"};
    QTest::newRow("end marker") << "//eof" << QStringList{"//eof:#000000"};
    QTest::newRow("glued to punctuation") << "bind; \"set\"" << QStringList{};
    QTest::newRow("two set lines") << "seta a 1\r\nsetu b 2" << QStringList{"seta:#ff0000", "setu:#ff0000"};
}

void TestKeywordScan::paste()
{
    QFETCH(QString, text);
    QFETCH(QStringList, coloured);
    QCOMPARE(colouredWords(text, document::scanPastedText(text)), coloured);
}

void TestKeywordScan::progressCaptionCycles()
{
    QString caption = QStringLiteral("Formatting File, Please hold....");
    QStringList seen;
    for (int i = 0; i < 6; ++i) {
        caption = document::nextProgressCaption(caption);
        seen << caption.mid(caption.indexOf(QLatin1String("hold")));
    }
    QCOMPARE(seen, (QStringList{"hold", "hold.", "hold..", "hold...", "hold....", "hold"}));
    QCOMPARE(document::nextProgressCaption(QStringLiteral("Formatting Complete")),
             QStringLiteral("Formatting File, Please hold."));
}

QTEST_APPLESS_MAIN(TestKeywordScan)
#include "tst_keywordscan.moc"
