// The OSP Template Type dialog as the user meets it: its buttons, what OK writes into the
// active document (text, keyword colours, caret), the internal-error path and the window
// growing afterwards.
#include "EditorProbe.h"
#include "FrameFixture.h"
#include "generators/OspServerConfig.h"
#include "generators/frmOSPType.h"

#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using document::frmChild;
using generators::frmOSPType;

namespace {

const QColor kRed(255, 0, 0);
const QColor kBlack(0, 0, 0);
const QString kCrLf = QStringLiteral("\r\n");

frmChild *ospServerDocument(FrameFixture &f)
{
    document::Documents &documents = f.frame->documents();
    documents.CurrentGame = 1;
    frmChild *child = documents.NewDocument(QStringLiteral("Q3 OSP Server Config"), 15);
    documents.host()->applyModMenus(child, QStringLiteral("OSP Server"));
    return child;
}

frmOSPType *openDialog(FrameFixture &f)
{
    return generators::showOspTypeDialog(&f.frame->documents());
}

/** The option buttons in index order, as their "Index" property numbers them. */
QList<QRadioButton *> options(const frmOSPType *dialog)
{
    QList<QRadioButton *> buttons =
        dialog->findChildren<QRadioButton *>(QStringLiteral("optOSPType"));
    std::sort(buttons.begin(), buttons.end(), [](QRadioButton *a, QRadioButton *b) {
        return a->property("Index").toInt() < b->property("Index").toInt();
    });
    return buttons;
}

void pressOk(frmOSPType *dialog)
{
    auto *ok = dialog->findChild<QPushButton *>(QStringLiteral("cmdOK"));
    QVERIFY(ok);
    QTest::mouseClick(ok, Qt::LeftButton);
}

QMdiSubWindow *windowOf(frmChild *child)
{
    return qobject_cast<QMdiSubWindow *>(child->parentWidget());
}

QString typeText(int index)
{
    return generators::ospServerConfigText(generators::ospServerTypes()[index].type);
}

/** The lines of @p text, without the empty piece behind the last CR LF. */
QStringList linesOf(const QString &text)
{
    QStringList lines = text.split(kCrLf);
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

class TestOspType : public QObject {
    Q_OBJECT
private slots:
    void cleanup();

    void dialogLayout();
    void okAtOnceWritesOneVsOneAndGrowsTheWindow();
    void tabOrderFollowsTheIndex();
    void oneDialogAtATimeAndItsCloseBoxWritesNothing();
    void okWritesEachType_data();
    void okWritesEachType();
    void okWritesAtTheCaretOverTheSelection_data();
    void okWritesAtTheCaretOverTheSelection();
    void noTypeSelectedGivesInternalError();
    void okKeepsAMaximisedOrMinimisedWindow_data();
    void okKeepsAMaximisedOrMinimisedWindow();
    void okWritesIntoTheDocumentActiveAtThatMoment();
    void okWithoutADocumentWritesNothing();
};

void TestOspType::cleanup()
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *dialog = qobject_cast<frmOSPType *>(widget))
            dialog->close();
    FrameFixture::settle();
}

void TestOspType::dialogLayout()
{
    FrameFixture f;
    ospServerDocument(f);
    frmOSPType *dialog = openDialog(f);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("OSP Template Type"));
    QVERIFY(!dialog->isModal());
    QCOMPARE(dialog->parentWidget(), nullptr);

    const QList<QRadioButton *> buttons = options(dialog);
    QStringList captions;
    for (int index = 0; index < int(buttons.size()); ++index) {
        QCOMPARE(dialog->optOSPType(index), buttons[index]);
        captions << buttons[index]->text();
    }
    QCOMPARE(captions,
             (QStringList{"1v1", "ClanArena", "CTF", "Free for All", "Instagib", "Team"}));
    QList<QPushButton *> pushButtons = dialog->findChildren<QPushButton *>();
    QCOMPARE(pushButtons.size(), 1); // no Cancel
    QPushButton *ok = pushButtons.first();
    QCOMPARE(ok, dialog->cmdOK());
    QCOMPARE(ok->text(), QStringLiteral("OK"));

    // Two rows of three, in index order, with OK below them.
    for (int index = 0; index < 6; ++index) {
        const QPoint at = buttons[index]->geometry().topLeft();
        const QPoint rowStart = buttons[index - index % 3]->geometry().topLeft();
        QCOMPARE(at.y(), rowStart.y());
        if (index % 3 > 0)
            QVERIFY(at.x() > buttons[index - 1]->geometry().x());
        if (index >= 3)
            QVERIFY(at.y() > buttons[index - 3]->geometry().y());
    }
    QVERIFY(ok->geometry().top() > buttons[3]->geometry().top());
}

void TestOspType::okAtOnceWritesOneVsOneAndGrowsTheWindow()
{
    FrameFixture f;
    frmChild *child = ospServerDocument(f);
    const QSize before = windowOf(child)->size();
    frmOSPType *dialog = openDialog(f);
    const QList<QRadioButton *> buttons = options(dialog);
    QCOMPARE(dialog->focusWidget(), buttons[0]);
    for (int index = 0; index < 6; ++index)
        QCOMPARE(buttons[index]->isChecked(), index == 0);

    pressOk(dialog);
    QCOMPARE(child->editor()->Text(), typeText(0));
    QVERIFY(child->editor()->Text().endsWith(QLatin1String("map q3tourney1\r\n")));
    // 1700 x 1500 twips at 15 twips a pixel.
    QCOMPARE(windowOf(child)->size(), before + QSize(113, 100));
}

void TestOspType::tabOrderFollowsTheIndex()
{
    FrameFixture f;
    frmOSPType *dialog = openDialog(f);
    const QList<QRadioButton *> buttons = options(dialog);
    QList<QWidget *> order{buttons.begin(), buttons.end()};
    order << dialog->findChild<QPushButton *>(QStringLiteral("cmdOK"));
    for (int i = 1; i < int(order.size()); ++i)
        QCOMPARE(order[i - 1]->nextInFocusChain(), order[i]);
}

void TestOspType::oneDialogAtATimeAndItsCloseBoxWritesNothing()
{
    FrameFixture f;
    frmChild *child = ospServerDocument(f);
    const QSize before = windowOf(child)->size();
    QPointer<frmOSPType> dialog = openDialog(f);
    options(dialog)[4]->click();
    QCOMPARE(openDialog(f), dialog.data());
    QVERIFY(options(dialog)[4]->isChecked()); // raised as it was, not reset
    int open = 0;
    for (QWidget *widget : QApplication::topLevelWidgets())
        open += qobject_cast<frmOSPType *>(widget) && widget->isVisible();
    QCOMPARE(open, 1);

    dialog->close();
    FrameFixture::settle();
    QVERIFY(!dialog);
    QCOMPARE(child->editor()->TextLength(), 0);
    QCOMPARE(windowOf(child)->size(), before);
    // Opened again, it starts afresh.
    QVERIFY(options(openDialog(f))[0]->isChecked());
}

void TestOspType::okWritesEachType_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("characters");
    QTest::addColumn<int>("highlighted");
    QTest::newRow("1v1") << 0 << 98 << 2935 << 77;
    QTest::newRow("ClanArena") << 1 << 112 << 3343 << 89;
    QTest::newRow("CTF") << 2 << 114 << 3174 << 91;
    QTest::newRow("Free for All") << 3 << 93 << 2753 << 71;
    QTest::newRow("Instagib") << 4 << 85 << 2533 << 64;
    QTest::newRow("Team") << 5 << 108 << 3174 << 85;
}

void TestOspType::okWritesEachType()
{
    QFETCH(int, index);
    QFETCH(int, lines);
    QFETCH(int, characters);
    QFETCH(int, highlighted);

    FrameFixture f;
    frmChild *child = ospServerDocument(f);
    QPointer<frmOSPType> dialog = openDialog(f);
    options(dialog)[index]->click();
    pressOk(dialog);
    FrameFixture::settle();
    QVERIFY(!dialog); // unloaded after writing
    QVERIFY(f.dialogs.messages.isEmpty());

    platform::RichEdit *editor = child->editor();
    const QString text = editor->Text();
    QCOMPARE(text, typeText(index));
    QVERIFY(text.endsWith(kCrLf));
    QCOMPARE(int(text.count(kCrLf)), lines);
    QCOMPARE(editor->TextLength(), characters);
    QCOMPARE(editor->SelStart(), characters);
    QCOMPARE(editor->SelLength(), 0);

    // "set" of every setting line red and bold; everything else black and plain.
    int coloured = 0;
    int start = 0;
    for (const QString &line : linesOf(text)) {
        QVERIFY2(!line.endsWith(QLatin1Char(' ')), qPrintable(line));
        if (looksLike(editor, start, 3, kRed, true)) {
            ++coloured;
            QVERIFY2(line.startsWith(QLatin1String("set ")), qPrintable(line));
            QVERIFY2(looksLike(editor, start + 3, int(line.size()) + 2 - 3, kBlack, false),
                     qPrintable(line));
        } else {
            QVERIFY2(!line.startsWith(QLatin1String("set ")), qPrintable(line));
            QVERIFY2(looksLike(editor, start, int(line.size()) + 2, kBlack, false),
                     qPrintable(line));
        }
        start += int(line.size()) + 2;
    }
    QCOMPARE(coloured, highlighted);
}

void TestOspType::okWritesAtTheCaretOverTheSelection_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("index");
    QTest::newRow("over the selection") << "keep REPLACE ME tail" << 5 << 10 << 2;
    // The text after the caret follows the start map line directly, on a line of its own.
    QTest::newRow("before later text") << "// mine\r\nexec later.cfg" << 9 << 0 << 4;
}

void TestOspType::okWritesAtTheCaretOverTheSelection()
{
    QFETCH(QString, before);
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(int, index);
    FrameFixture f;
    frmChild *child = ospServerDocument(f);
    platform::RichEdit *editor = child->editor();
    editor->setSelText(before);
    editor->Select(start, length);
    frmOSPType *dialog = openDialog(f);
    options(dialog)[index]->click();
    pressOk(dialog);

    const QString config = typeText(index);
    const QString after = before.mid(start + length);
    QCOMPARE(editor->Text(), before.left(start) + config + after);
    QCOMPARE(editor->SelStart(), start + int(config.size()));
    QCOMPARE(editor->SelLength(), 0);
    QVERIFY(looksLike(editor, 0, start, kBlack, false));
    QVERIFY(looksLike(editor, start + int(config.size()), int(after.size()), kBlack, false));
}

void TestOspType::noTypeSelectedGivesInternalError()
{
    FrameFixture f;
    frmChild *child = ospServerDocument(f);
    const QSize before = windowOf(child)->size();
    QPointer<frmOSPType> dialog = openDialog(f);
    for (QRadioButton *button : options(dialog)) {
        button->setAutoExclusive(false);
        button->setChecked(false);
    }
    pressOk(dialog);
    FrameFixture::settle();

    QString header;
    for (const generators::OspLine &line : generators::ospHeaderLines())
        header += line.withLineEnd();
    QCOMPARE(child->editor()->Text(), header);
    QVERIFY(looksLike(child->editor(), 0, int(header.size()), kBlack, false));
    QCOMPARE(f.dialogs.messages.size(), 1);
    QCOMPARE(f.dialogs.messages[0].text, QStringLiteral("Internal Error"));
    QCOMPARE(f.dialogs.messages[0].title, QStringLiteral("Tessel"));
    QCOMPARE(f.dialogs.messages[0].buttons, platform::Buttons::Ok);
    // Afterwards everything runs as after a normal OK.
    QCOMPARE(windowOf(child)->size(), before + QSize(113, 100));
    QVERIFY(!dialog);
}

void TestOspType::okKeepsAMaximisedOrMinimisedWindow_data()
{
    QTest::addColumn<bool>("maximised");
    QTest::newRow("maximised") << true;
    QTest::newRow("minimised") << false;
}

void TestOspType::okKeepsAMaximisedOrMinimisedWindow()
{
    QFETCH(bool, maximised);
    FrameFixture f;
    frmChild *child = ospServerDocument(f);
    QMdiSubWindow *window = windowOf(child);
    if (maximised)
        window->showMaximized();
    else
        window->showMinimized();
    FrameFixture::settle();
    const QSize before = window->size();
    pressOk(openDialog(f));
    QCOMPARE(child->editor()->Text(), typeText(0));
    QCOMPARE(window->size(), before);
    QCOMPARE(window->isMaximized(), maximised);
    QCOMPARE(window->isMinimized(), !maximised);
}

void TestOspType::okWritesIntoTheDocumentActiveAtThatMoment()
{
    FrameFixture f;
    frmChild *opener = ospServerDocument(f);
    frmOSPType *dialog = openDialog(f);
    frmChild *other = ospServerDocument(f);
    QCOMPARE(f.active(), other);
    const QSize openerSize = windowOf(opener)->size();
    const QSize otherSize = windowOf(other)->size();
    options(dialog)[5]->click();
    pressOk(dialog);

    QCOMPARE(other->editor()->Text(), typeText(5));
    QCOMPARE(opener->editor()->TextLength(), 0);
    QCOMPARE(windowOf(other)->size(), otherSize + QSize(113, 100));
    QCOMPARE(windowOf(opener)->size(), openerSize);

    // And back: with the first one active again, it is the one written into.
    dialog = openDialog(f);
    f.frame->activateDocument(opener);
    QCOMPARE(f.active(), opener);
    pressOk(dialog);
    QCOMPARE(opener->editor()->Text(), typeText(0));
    QCOMPARE(other->editor()->Text(), typeText(5));
}

// With every document closed while the dialog was open there is nowhere to write: OK closes
// the dialog quietly and opens no document.
void TestOspType::okWithoutADocumentWritesNothing()
{
    FrameFixture f;
    frmChild *child = ospServerDocument(f);
    QPointer<frmOSPType> dialog = openDialog(f);
    child->closeWithoutQuestion();
    FrameFixture::settle();
    QCOMPARE(f.active(), nullptr);
    pressOk(dialog);
    FrameFixture::settle();
    QVERIFY(!dialog);
    QVERIFY(f.dialogs.messages.isEmpty());
    QVERIFY(f.frame->documentWindows().isEmpty());
}

QTEST_MAIN(TestOspType)
#include "tst_osptype.moc"
