#include "platform/RichEdit.h"

#include <QtTest>

using platform::RichEdit;

class TestRichEdit : public QObject {
    Q_OBJECT
private slots:
    void lineBreakCountsTwo();
    void positionsMapBothWays();
    void caretNeverBetweenCrAndLf();
    void oneCharacterOnALineBreakReadsEmpty();
    void selTextReplacesAndTakesStartFormat();
    void colourAndBoldPerCharacter();
    void typingFormatFollowsSetColourWithoutSelection();
    void spanBackwardOverSpaces();
    void spanBackwardOverNonSpacesCrossesLines();
    void spanBackwardOverLineBreaks();
    void lineFromChar();
    void loadAcceptsEveryLineEnd();
    void latin1CharactersSurvive();
    void freezeNests();
};

void TestRichEdit::lineBreakCountsTwo()
{
    RichEdit edit;
    edit.LoadPlainText(QStringLiteral("ab\r\ncd\r\n"));
    QCOMPARE(edit.Text(), QStringLiteral("ab\r\ncd\r\n"));
    QCOMPARE(edit.TextLength(), 8);
    QCOMPARE(edit.TextLength(), int(edit.Text().size()));
}

void TestRichEdit::positionsMapBothWays()
{
    RichEdit edit;
    edit.LoadPlainText(QStringLiteral("one\r\ntwo\r\n\r\nthree"));
    const QString text = edit.Text();
    for (int position = 0; position <= text.size(); ++position) {
        const bool onLf = position > 0 && text.at(position - 1) == QLatin1Char('\r');
        if (onLf)
            continue;
        edit.setSelStart(position);
        QCOMPARE(edit.SelStart(), position);
        QCOMPARE(edit.toModelPosition(edit.toDocumentPosition(position)), position);
    }
}

void TestRichEdit::caretNeverBetweenCrAndLf()
{
    RichEdit edit;
    edit.LoadPlainText(QStringLiteral("ab\r\ncd"));
    edit.setSelStart(3); // between CR and LF
    QCOMPARE(edit.SelStart(), 2);
    edit.Select(3, 3); // from the LF to the end
    QCOMPARE(edit.SelStart(), 2);
    QCOMPARE(edit.SelText(), QStringLiteral("\r\ncd"));
}

void TestRichEdit::oneCharacterOnALineBreakReadsEmpty()
{
    RichEdit edit;
    edit.LoadPlainText(QStringLiteral("ab\r\ncd"));
    edit.Select(2, 1);
    QCOMPARE(edit.SelText(), QString());
    edit.Select(3, 1);
    QCOMPARE(edit.SelText(), QString());
    edit.Select(2, 2);
    QCOMPARE(edit.SelText(), QStringLiteral("\r\n"));
    edit.Select(1, 1);
    QCOMPARE(edit.SelText(), QStringLiteral("b"));
}

void TestRichEdit::selTextReplacesAndTakesStartFormat()
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
}

void TestRichEdit::colourAndBoldPerCharacter()
{
    RichEdit edit;
    edit.LoadPlainText(QStringLiteral("set a\r\nvstr b"));
    edit.Select(7, 4);
    edit.setSelColor(QColor(0, 255, 0));
    edit.setSelBold(true);
    for (int position = 0; position < edit.TextLength(); ++position) {
        edit.Select(position, 1);
        if (edit.SelText().isEmpty())
            continue;
        const bool keyword = position >= 7 && position < 11;
        QCOMPARE(edit.SelColor(), keyword ? QColor(0, 255, 0) : RichEdit::black());
        QCOMPARE(edit.SelBold(), keyword);
    }
}

void TestRichEdit::typingFormatFollowsSetColourWithoutSelection()
{
    RichEdit edit;
    edit.setSelColor(QColor(255, 0, 0));
    edit.setSelText(QStringLiteral("set"));
    edit.Select(0, 3);
    QCOMPARE(edit.SelColor(), QColor(255, 0, 0));
}

void TestRichEdit::spanBackwardOverSpaces()
{
    RichEdit edit;
    edit.LoadPlainText(QStringLiteral("bind   x"));
    edit.setSelStart(7);
    edit.SpanBackward(QStringLiteral(" "), false);
    QCOMPARE(edit.SelStart(), 4);
    QCOMPARE(edit.SelLength(), 3);
    edit.setSelStart(4);
    edit.SpanBackward(QStringLiteral(" "), false);
    QCOMPARE(edit.SelLength(), 0); // an empty run
}

void TestRichEdit::spanBackwardOverNonSpacesCrossesLines()
{
    RichEdit edit;
    edit.LoadPlainText(QStringLiteral("a b\r\nc\r\nset"));
    edit.setSelStart(edit.TextLength());
    edit.SpanBackward(QStringLiteral(" "), true);
    QCOMPARE(edit.SelText(), QStringLiteral("b\r\nc\r\nset"));
}

void TestRichEdit::spanBackwardOverLineBreaks()
{
    RichEdit edit;
    edit.LoadPlainText(QStringLiteral("vstr\r\n\r\n"));
    edit.setSelStart(8);
    edit.SpanBackward(QStringLiteral("\r\n"), false);
    QCOMPARE(edit.SelStart(), 4);
    QCOMPARE(edit.SelLength(), 4);
}

void TestRichEdit::lineFromChar()
{
    RichEdit edit;
    edit.LoadPlainText(QStringLiteral("ab\r\ncd\r\nef"));
    QCOMPARE(edit.GetLineFromChar(0), 0);
    QCOMPARE(edit.GetLineFromChar(2), 0);
    QCOMPARE(edit.GetLineFromChar(4), 1);
    QCOMPARE(edit.GetLineFromChar(9), 2);
}

void TestRichEdit::loadAcceptsEveryLineEnd()
{
    RichEdit edit;
    edit.LoadPlainText(QStringLiteral("a\nb\rc\r\nd"));
    QCOMPARE(edit.Text(), QStringLiteral("a\r\nb\r\nc\r\nd"));
}

void TestRichEdit::latin1CharactersSurvive()
{
    RichEdit edit;
    const QString text = QString::fromLatin1("name \xA0\xE9\xFF\x80\t end");
    edit.LoadPlainText(text);
    QCOMPARE(edit.Text(), text);
    edit.Select(5, 1);
    QCOMPARE(edit.SelText(), QString(QChar(0xA0)));
}

void TestRichEdit::freezeNests()
{
    RichEdit edit;
    {
        RichEdit::Freeze outer(&edit);
        {
            RichEdit::Freeze inner(&edit);
            QVERIFY(edit.isFrozen());
        }
        QVERIFY(edit.isFrozen());
        QVERIFY(!edit.updatesEnabled());
    }
    QVERIFY(!edit.isFrozen());
    QVERIFY(edit.updatesEnabled());
}

QTEST_MAIN(TestRichEdit)
#include "tst_richedit.moc"
