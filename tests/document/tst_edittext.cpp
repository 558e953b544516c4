// The text side of typing and commenting, without an editor.
#include "document/EditText.h"

#include <QtTest>

using namespace document;

class EditTextTest : public QObject {
    Q_OBJECT
private slots:
    void editText_data()
    {
        // clang-format off
        QTest::addColumn<QString>("function");
        QTest::addColumn<QString>("input"); // "|": the caret; "word>" passes the spaces before it
        QTest::addColumn<QString>("output");
        QTest::newRow("line start") << "word>" << "|bind" << "";
        QTest::newRow("whole line") << "word" << "bind|" << "bind";
        QTest::newRow("behind a space") << "word" << "bind |" << "";
        QTest::newRow("over the spaces") << "word>" << "x  Bind  |" << "Bind";
        QTest::newRow("inside a word, tab") << "word" << "x \tbi|nd" << "\tbi";
        QTest::newRow("bind") << "look" << "BiNd" << "#0000ff b bind";
        QTest::newRow("set") << "look" << "SET" << "#ff0000 b set";
        QTest::newRow("seta") << "look" << "Seta" << "#ff0000 b seta";
        QTest::newRow("setu") << "look" << "setU" << "#ff0000 b setu";
        QTest::newRow("vstr") << "look" << "VSTR" << "#00ff00 b vstr";
        QTest::newRow("alias") << "look" << "Alias" << "#ff00ff b alias";
        QTest::newRow("//EOF") << "look" << "//eof" << "#000000 b //EOF";
        QTest::newRow("other word") << "look" << "Binds" << "#000000 Binds";
        QTest::newRow("comment empty") << "comment" << "" << "//";
        QTest::newRow("comment lines") << "comment" << "a\r\n//b\r\n" << "//a\r\n////b\r\n";
        QTest::newRow("uncomment empty") << "uncomment" << "" << "";
        QTest::newRow("uncomment lines") << "uncomment" << "a//b\r\n////c//d\r\n" << "a//b\r\n//c//d\r\n";
        // clang-format on
    }
    void editText()
    {
        QFETCH(QString, function);
        QFETCH(QString, input);
        QFETCH(QString, output);
        QString result;
        if (function.startsWith("word")) {
            const int caret = int(input.indexOf('|'));
            input.remove('|');
            const WordSpan span = wordBeforeCaret(input, caret, function == "word>");
            result = input.mid(span.start, span.length);
        } else if (function == "look") {
            const WordLook look = keywordDecision(input);
            result = look.color.name() + (look.bold ? " b " : " ") + look.text;
        } else {
            result = function == "comment" ? commentLines(input) : uncommentLines(input);
        }
        QCOMPARE(result, output);
    }
};

QTEST_APPLESS_MAIN(EditTextTest)
#include "tst_edittext.moc"
