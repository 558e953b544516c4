// Finding and replacing: the search over plain text, and the bar under the editor.
#include "EditorProbe.h"
#include "FrameFixture.h"
#include "document/FindBar.h"
#include "document/TextSearch.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QtTest>

using document::TextMatch;

Q_DECLARE_METATYPE(QList<TextMatch>)

class TestFindBar : public QObject {
    Q_OBJECT
private slots:
    void search_data();
    void search();
    void barFindsReplacesAndCloses();
};

void TestFindBar::search_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("needle");
    QTest::addColumn<bool>("matchCase");
    QTest::addColumn<bool>("wholeWord");
    QTest::addColumn<int>("from");
    QTest::addColumn<bool>("backward");
    QTest::addColumn<QList<TextMatch>>("all");
    QTest::addColumn<int>("found"); // start of the match found from `from`, -1 none
    const auto m = [](int start, int length) { return TextMatch{start, length}; };
    // clang-format off
    QTest::newRow("any case") << "Set a\r\nset b" << "SET" << false << false << 0 << false << QList{m(0, 3), m(7, 3)} << 0;
    QTest::newRow("match case") << "Set a\r\nset b" << "set" << true << false << 0 << false << QList{m(7, 3)} << 7;
    QTest::newRow("whole word") << "set seta _set set" << "set" << false << true << 1 << false << QList{m(0, 3), m(14, 3)} << 14;
    QTest::newRow("part of words") << "set seta _set" << "set" << false << false << 5 << false << QList{m(0, 3), m(4, 3), m(10, 3)} << 10;
    QTest::newRow("wraps forward") << "ab ab" << "ab" << false << false << 4 << false << QList{m(0, 2), m(3, 2)} << 0;
    QTest::newRow("backward") << "ab ab ab" << "ab" << false << false << 6 << true << QList{m(0, 2), m(3, 2), m(6, 2)} << 3;
    QTest::newRow("wraps backward") << "ab ab" << "ab" << false << false << 0 << true << QList{m(0, 2), m(3, 2)} << 3;
    QTest::newRow("no overlap") << "aaaa" << "aa" << false << false << 0 << false << QList{m(0, 2), m(2, 2)} << 0;
    QTest::newRow("none") << "bind" << "set" << false << false << 0 << false << QList<TextMatch>{} << -1;
    QTest::newRow("empty needle") << "bind" << "" << false << false << 0 << false << QList<TextMatch>{} << -1;
    // clang-format on
}

void TestFindBar::search()
{
    QFETCH(QString, text);
    QFETCH(QString, needle);
    QFETCH(bool, matchCase);
    QFETCH(bool, wholeWord);
    QFETCH(int, from);
    QFETCH(bool, backward);
    QFETCH(QList<TextMatch>, all);
    QFETCH(int, found);
    const document::SearchOptions options{matchCase, wholeWord};
    QCOMPARE(document::findAll(text, needle, options), all);
    const std::optional<TextMatch> match =
        document::findFrom(text, needle, options, from, backward);
    QCOMPARE(match ? match->start : -1, found);
}

void TestFindBar::barFindsReplacesAndCloses()
{
    FrameFixture f;
    document::frmChild *child = f.newDocument();
    platform::RichEdit *editor = child->editor();
    f.type(child, QStringLiteral("set a set b seta "));
    const QString typedLook = editor->Text();
    QTest::keyClick(editor, Qt::Key_F, Qt::ControlModifier);
    document::FindBar *bar = child->findBar();
    QVERIFY(bar->isVisible());
    auto *field = bar->findChild<QLineEdit *>(QStringLiteral("txtFind"));
    QVERIFY(field->hasFocus());
    bar->findChild<QCheckBox *>(QStringLiteral("chkWholeWord"))->click();
    QTest::keyClicks(field, QStringLiteral("set"));
    QCOMPARE(bar->highlighted().size(), 2);
    QCOMPARE(editor->SelText(), QStringLiteral("set"));
    QCOMPARE(editor->SelStart(), 0);
    QTest::keyClick(field, Qt::Key_F3);
    QCOMPARE(editor->SelStart(), 6);
    QTest::keyClick(field, Qt::Key_F3, Qt::ShiftModifier);
    QCOMPARE(editor->SelStart(), 0);
    // Highlighting is drawn on top: the characters keep their own colours.
    QVERIFY(looksLike(editor, 0, 3, QColor(255, 0, 0), true));
    QVERIFY(looksLike(editor, 3, 3, QColor(0, 0, 0), false));

    QTest::keyClick(editor, Qt::Key_H, Qt::ControlModifier);
    auto *replace = bar->findChild<QLineEdit *>(QStringLiteral("txtReplace"));
    QVERIFY(replace->isVisible());
    replace->setText(QStringLiteral("seta"));
    QTest::mouseClick(bar->findChild<QWidget *>(QStringLiteral("cmdReplaceAll")), Qt::LeftButton);
    QCOMPARE(editor->Text(), QStringLiteral("seta a seta b seta "));
    QVERIFY(looksLike(editor, 0, 4, QColor(255, 0, 0), true)); // a keyword keeps its colour
    f.trigger(child, "mnuEditUndo");
    QCOMPARE(editor->Text(), typedLook);

    QTest::keyClick(field, Qt::Key_Escape);
    QVERIFY(!bar->isVisible());
    QVERIFY(editor->hasFocus());
    QVERIFY(editor->extraSelections().isEmpty());
}

QTEST_MAIN(TestFindBar)
#include "tst_findbar.moc"
