// The text side of typing and commenting, without an editor: the word before the caret,
// what a typed word looks like, and the "//" prefix on and off lines.
#include "document/EditText.h"

#include <QtTest>

using namespace document;

class EditTextTest : public QObject {
    Q_OBJECT
private slots:
    void wordBeforeCaret_data()
    {
        QTest::addColumn<QString>("line"); // the caret as "|"
        QTest::addColumn<bool>("passSpaces");
        QTest::addColumn<QString>("word");
        QTest::newRow("at the line start") << "|bind" << true << "";
        QTest::newRow("whole line") << "bind|" << false << "bind";
        QTest::newRow("behind a space") << "bind |" << false << "";
        QTest::newRow("over the spaces") << "x  Bind  |" << true << "Bind";
        QTest::newRow("inside a word") << "set bi|nd" << false << "bi";
        QTest::newRow("tab belongs to the word") << "\tvstr|" << false << "\tvstr";
    }
    void wordBeforeCaret()
    {
        QFETCH(QString, line);
        QFETCH(bool, passSpaces);
        QFETCH(QString, word);
        const int caret = int(line.indexOf('|'));
        line.remove('|');
        const WordSpan span = document::wordBeforeCaret(line, caret, passSpaces);
        QCOMPARE(line.mid(span.start, span.length), word);
    }

    void keywordDecision_data()
    {
        // clang-format off
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("shown"); // "#rrggbb b text" or "plain text"
        QTest::newRow("bind") << "BiNd" << "#0000ff b bind";
        QTest::newRow("set") << "SET" << "#ff0000 b set";
        QTest::newRow("seta") << "Seta" << "#ff0000 b seta";
        QTest::newRow("setu") << "setU" << "#ff0000 b setu";
        QTest::newRow("vstr") << "VSTR" << "#00ff00 b vstr";
        QTest::newRow("alias") << "Alias" << "#ff00ff b alias";
        QTest::newRow("end of file") << "//eof" << "#000000 b //EOF";
        QTest::newRow("other word") << "Binds" << "plain Binds";
        QTest::newRow("no word") << "" << "plain ";
        // clang-format on
    }
    void keywordDecision()
    {
        QFETCH(QString, word);
        QFETCH(QString, shown);
        const WordLook look = document::keywordDecision(word);
        QCOMPARE(look.bold ? look.color.name() + " b " + look.text
                           : (look.color == Qt::black ? "plain " + look.text : "?"),
                 shown);
    }

    void comment_data()
    {
        // clang-format off
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("commented");
        QTest::addColumn<QString>("uncommented");
        QTest::newRow("empty line") << "" << "//" << "";
        QTest::newRow("one line") << "//bind x" << "////bind x" << "bind x";
        QTest::newRow("final break") << "a\r\n//b\r\n" << "//a\r\n////b\r\n" << "a\r\nb\r\n";
        QTest::newRow("inner slashes stay") << "a//b\r\n//c//d" << "//a//b\r\n////c//d" << "a//b\r\nc//d";
        // clang-format on
    }
    void comment()
    {
        QFETCH(QString, text);
        QFETCH(QString, commented);
        QFETCH(QString, uncommented);
        QCOMPARE(commentLines(text), commented);
        QCOMPARE(uncommentLines(text), uncommented);
    }
};

QTEST_APPLESS_MAIN(EditTextTest)
#include "tst_edittext.moc"
