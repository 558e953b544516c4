// Whatever way text comes in, the editor holds what the saved file will hold: no NUL
// characters, and every line break a CR LF that the character count counts as two.
#include "FrameFixture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QtTest>

using document::frmChild;

class TestPastedText : public QObject {
    Q_OBJECT
private slots:
    void arrivesAsTheFileWillHoldIt_data();
    void arrivesAsTheFileWillHoldIt();
};

void TestPastedText::arrivesAsTheFileWillHoldIt_data()
{
    QTest::addColumn<QString>("how"); // "plain" or "rtf" on the clipboard, or "typed"
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");

    QTest::newRow("plain NUL") << "plain" << QStringLiteral("set a%1 1").arg(QChar(0)) << "set a 1";
    QTest::newRow("RTF \\'00") << "rtf" << R"({\rtf1 set a\'00 1})" << "set a 1";
    QTest::newRow("RTF \\u0") << "rtf" << R"({\rtf1 set a\u0? 1})" << "set a 1";
    QTest::newRow("plain U+2028") << "plain" << QStringLiteral("a\u2028b\u2029c") << "a\r\nb\r\nc";
    QTest::newRow("RTF \\u8232") << "rtf" << R"({\rtf1 a\u8232?b})" << "a\r\nb";
    QTest::newRow("typed U+2028") << "typed" << QStringLiteral("a\u2028b") << "a\r\nb";
}

void TestPastedText::arrivesAsTheFileWillHoldIt()
{
    QFETCH(QString, how);
    QFETCH(QString, input);
    QFETCH(QString, expected);

    FrameFixture f;
    frmChild *child = f.newDocument();
    if (how == QLatin1String("typed")) {
        // As an input method types it: key events carrying the characters.
        for (const QChar ch : input) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
            QCoreApplication::sendEvent(child->editor(), &press);
        }
    } else {
        auto *data = new QMimeData;
        if (how == QLatin1String("rtf"))
            data->setData(QStringLiteral("text/rtf"), input.toLatin1());
        else
            data->setText(input);
        QGuiApplication::clipboard()->setMimeData(data);
        FrameFixture::trigger(child, "mnuEditPaste");
    }
    const QString text = child->editor()->Text();
    QCOMPARE(text, expected);
    QCOMPARE(child->findChild<QLabel *>(QStringLiteral("sbr1Panel1"))->text(),
             QString::number(text.size()) + QStringLiteral(" Chars"));
}

QTEST_MAIN(TestPastedText)
#include "tst_pastedtext.moc"
