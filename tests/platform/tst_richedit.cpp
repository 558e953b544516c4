// The editor's text model: a line break is CR LF and counts two, positions never fall
// between its halves, and the character format follows the selection.
#include "platform/RichEdit.h"

#include <QScrollBar>
#include <QtTest>

using platform::RichEdit;

class TestRichEdit : public QObject {
    Q_OBJECT
private slots:
    void load_data();
    void load();
    void positionsMapBothWays();
    void lineBreakIsOneStep();
    void selTextTakesTheFormatBeforeIt();
    void spanBackward_data();
    void spanBackward();
    void freezeNests();
    void alignmentPlacesLinesInTheView_data();
    void alignmentPlacesLinesInTheView();
};

void TestRichEdit::load_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("CR LF") << "ab\r\ncd\r\n" << "ab\r\ncd\r\n";
    QTest::newRow("every line end becomes CR LF") << "a\nb\rc\r\nd" << "a\r\nb\r\nc\r\nd";
    QTest::newRow("Latin-1") << QString::fromLatin1("name \xA0\xE9\xFF\x80\t end")
                             << QString::fromLatin1("name \xA0\xE9\xFF\x80\t end");
}

void TestRichEdit::load()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    RichEdit edit;
    edit.LoadPlainText(text);
    QCOMPARE(edit.Text(), expected);
    QCOMPARE(edit.TextLength(), int(expected.size()));
}

void TestRichEdit::positionsMapBothWays()
{
    RichEdit edit;
    edit.LoadPlainText(QStringLiteral("one\r\ntwo\r\n\r\nthree"));
    const QString text = edit.Text();
    for (int position = 0; position <= text.size(); ++position) {
        if (position > 0 && text.at(position - 1) == QLatin1Char('\r'))
            continue;
        edit.setSelStart(position);
        QCOMPARE(edit.SelStart(), position);
        QCOMPARE(edit.toModelPosition(edit.toDocumentPosition(position)), position);
    }
}

void TestRichEdit::lineBreakIsOneStep()
{
    RichEdit edit;
    edit.LoadPlainText(QStringLiteral("ab\r\ncd"));
    edit.setSelStart(3); // between CR and LF
    QCOMPARE(edit.SelStart(), 2);
    edit.Select(3, 3); // from the LF to the end
    QCOMPARE(edit.SelStart(), 2);
    QCOMPARE(edit.SelText(), QStringLiteral("\r\ncd"));
    // Half a line break reads as nothing.
    edit.Select(2, 1);
    QCOMPARE(edit.SelText(), QString());
    edit.Select(3, 1);
    QCOMPARE(edit.SelText(), QString());
    edit.Select(2, 2);
    QCOMPARE(edit.SelText(), QStringLiteral("\r\n"));
    QCOMPARE(edit.GetLineFromChar(2), 0);
    QCOMPARE(edit.GetLineFromChar(4), 1);
}

void TestRichEdit::selTextTakesTheFormatBeforeIt()
{
    RichEdit edit;
    edit.LoadPlainText(QStringLiteral("bind x"));
    edit.Select(0, 4);
    edit.setSelColor(Qt::blue);
    edit.setSelBold(true);
    edit.Select(0, 4);
    edit.setSelText(QStringLiteral("BIND\r\nmore"));
    QCOMPARE(edit.Text(), QStringLiteral("BIND\r\nmore x"));
    QCOMPARE(edit.SelStart(), 10);
    QCOMPARE(edit.SelLength(), 0);
    edit.Select(0, 1);
    QCOMPARE(edit.SelColor(), QColor(Qt::blue));
    QVERIFY(edit.SelBold());
    edit.Select(11, 1);
    QCOMPARE(edit.SelColor(), RichEdit::black());
    QVERIFY(!edit.SelBold());

    // Without a selection the colour set is the one the next text gets.
    edit.setSelStart(edit.TextLength());
    edit.setSelColor(QColor(255, 0, 0));
    edit.setSelText(QStringLiteral("set"));
    edit.Select(12, 3);
    QCOMPARE(edit.SelColor(), QColor(255, 0, 0));
}

void TestRichEdit::spanBackward_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("from");
    QTest::addColumn<QString>("characters");
    QTest::addColumn<bool>("overOthers"); // over characters not in the set
    QTest::addColumn<QString>("spanned");

    QTest::newRow("over spaces") << "bind   x" << 7 << " " << false << "   ";
    QTest::newRow("empty run") << "bind   x" << 4 << " " << false << "";
    QTest::newRow("over non-spaces, across lines") << "a b\r\nc\r\nset" << 11 << " " << true
                                                   << "b\r\nc\r\nset";
    QTest::newRow("over line breaks") << "vstr\r\n\r\n" << 8 << "\r\n" << false << "\r\n\r\n";
}

void TestRichEdit::spanBackward()
{
    QFETCH(QString, text);
    QFETCH(int, from);
    QFETCH(QString, characters);
    QFETCH(bool, overOthers);
    QFETCH(QString, spanned);
    RichEdit edit;
    edit.LoadPlainText(text);
    edit.setSelStart(from);
    edit.SpanBackward(characters, overOthers);
    QCOMPARE(edit.SelText(), spanned);
    QCOMPARE(edit.SelStart() + edit.SelLength(), from);
}

void TestRichEdit::freezeNests()
{
    RichEdit edit;
    {
        RichEdit::Freeze outer(&edit);
        {
            RichEdit::Freeze inner(&edit);
        }
        QVERIFY(edit.isFrozen());
        QVERIFY(!edit.updatesEnabled());
    }
    QVERIFY(!edit.isFrozen());
    QVERIFY(edit.updatesEnabled());
}

void TestRichEdit::alignmentPlacesLinesInTheView_data()
{
    QTest::addColumn<Qt::Alignment>("alignment");
    QTest::newRow("left") << Qt::Alignment(Qt::AlignLeft);
    QTest::newRow("centre") << Qt::Alignment(Qt::AlignHCenter);
    QTest::newRow("right") << Qt::Alignment(Qt::AlignRight);
}

void TestRichEdit::alignmentPlacesLinesInTheView()
{
    QFETCH(Qt::Alignment, alignment);
    RichEdit edit;
    edit.resize(400, 200);
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    edit.LoadPlainText(QStringLiteral("short\r\n") + QString(300, QLatin1Char('x')));
    edit.Select(0, edit.TextLength());
    edit.setSelAlignment(alignment);

    // Where a line starts and ends on screen, with the view scrolled fully left.
    const auto span = [&edit](int line) {
        edit.setSelStart(edit.lineStartOf(edit.Text().indexOf(line == 0 ? u"short" : u"xxx")));
        edit.horizontalScrollBar()->setValue(0);
        const int start = edit.cursorRect().x();
        edit.setSelStart(edit.lineEndOf(edit.SelStart()));
        edit.horizontalScrollBar()->setValue(0);
        return std::pair(start, edit.cursorRect().x() + edit.horizontalScrollBar()->value());
    };
    const int margin = int(edit.document()->documentMargin());
    const int freeRoom = edit.viewport()->width() - 2 * margin - (span(0).second - span(0).first);
    const int expectedStart = alignment == Qt::AlignLeft      ? margin
                              : alignment == Qt::AlignHCenter ? margin + freeRoom / 2
                                                              : margin + freeRoom;
    QVERIFY2(std::abs(span(0).first - expectedStart) <= 2,
             qPrintable(QStringLiteral("short line starts at %1, expected %2")
                            .arg(span(0).first)
                            .arg(expectedStart)));
    // A line wider than the view starts at its left edge, where scrolling reaches it.
    QCOMPARE(span(1).first, margin);

    // The placement follows the view's width.
    const int before = span(0).first;
    edit.resize(600, 200);
    QTRY_COMPARE(span(0).first - before, alignment == Qt::AlignLeft      ? 0
                                         : alignment == Qt::AlignHCenter ? 100
                                                                         : 200);
}

QTEST_MAIN(TestRichEdit)
#include "tst_richedit.moc"
