// The Name Editor as the user meets it: the legend, the live preview of a typed name in the
// colours the game gives it, and Copy.
#include "RecordingDialogs.h"
#include "generators/ToolDialogs.h"
#include "generators/frmNameEditor.h"
#include "platform/Clipboard.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTextBlock>
#include <QTextEdit>
#include <QtTest>

using namespace generators;

namespace {

/** The preview as seen: each character followed by the colour it is drawn in. */
QString seenPreview(const QTextEdit *preview)
{
    const QHash<QRgb, QString> names = {
        {qRgb(0, 0, 0), QStringLiteral("black")},       {qRgb(255, 0, 0), QStringLiteral("red")},
        {qRgb(0, 255, 0), QStringLiteral("green")},     {qRgb(255, 255, 0), QStringLiteral("yellow")},
        {qRgb(0, 0, 255), QStringLiteral("blue")},      {qRgb(0, 255, 255), QStringLiteral("cyan")},
        {qRgb(255, 0, 255), QStringLiteral("magenta")}, {qRgb(255, 255, 255), QStringLiteral("white")},
    };
    QStringList seen;
    for (QTextBlock block = preview->document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QBrush brush = fragment.charFormat().foreground();
            const QColor colour =
                brush.style() == Qt::NoBrush ? preview->palette().color(QPalette::Text) : brush.color();
            const QString name = names.value(colour.rgb(), colour.name());
            for (QChar ch : fragment.text())
                seen << QString(ch) + QLatin1Char(':') + name;
        }
    }
    return seen.join(QLatin1Char(' '));
}

} // namespace

class TestNameEditor : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void opensEmptyWithTheLegendAndTheFocusInTheName();
    void previewShowsTheNameAsTheGameColoursIt_data();
    void previewShowsTheNameAsTheGameColoursIt();
    void previewFollowsEveryChange();
    void deletingTheNameEmptiesThePreview();
    void copyPutsTheNameWithItsCodesOnTheClipboard();
    void oneEditorAtATime();

private:
    template <typename T>
    static T *child(const char *name)
    {
        auto *found = m_dialog->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    static QList<frmNameEditor *> openDialogs();

    static QPointer<frmNameEditor> m_dialog;
    // Nothing here asks anything; should it, the test fails instead of waiting for a click.
    RecordingDialogs m_dialogs;
};

QPointer<frmNameEditor> TestNameEditor::m_dialog;

QList<frmNameEditor *> TestNameEditor::openDialogs()
{
    QList<frmNameEditor *> dialogs;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *editor = qobject_cast<frmNameEditor *>(widget); editor && editor->isVisible())
            dialogs << editor;
    return dialogs;
}

void TestNameEditor::init()
{
    showNameEditor();
    QCOMPARE(openDialogs().size(), 1);
    m_dialog = openDialogs().first();
}

void TestNameEditor::cleanup()
{
    for (frmNameEditor *open : openDialogs())
        open->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(openDialogs().isEmpty());
    QCOMPARE(m_dialogs.messageTexts(), QStringList());
}

void TestNameEditor::opensEmptyWithTheLegendAndTheFocusInTheName()
{
    QCOMPARE(m_dialog->windowTitle(), QStringLiteral("Name Editor"));
    QVERIFY(m_dialog->parentWidget() == nullptr);
    QCOMPARE(child<QGroupBox>("fraColorCodes")->title(), QStringLiteral("Color Code"));

    QStringList legend;
    for (QLabel *label : child<QGroupBox>("fraColorCodes")->findChildren<QLabel *>(QStringLiteral("lblCode")))
        legend << label->text();
    QCOMPARE(legend, (QStringList{"^0  Black", "^1  Red", "^2  Green", "^3  Yellow", "^4  Blue",
                                  "^5  Cyan", "^6  Magenta", "^7  White"}));

    QCOMPARE(child<QLabel>("lblName")->text(), QStringLiteral("Name:"));
    QVERIFY(child<QLabel>("lblName")->font().bold());
    QCOMPARE(child<QLabel>("lblPreview")->text(), QStringLiteral("Preview:"));
    QVERIFY(child<QLabel>("lblPreview")->font().bold());
    QCOMPARE(child<QPushButton>("cmdCopy")->text(), QStringLiteral("Copy"));
    QVERIFY(child<QTextEdit>("rtbPreview")->font().bold());

    QCOMPARE(child<QLineEdit>("txtName")->text(), QString());
    QCOMPARE(child<QTextEdit>("rtbPreview")->toPlainText(), QString());
    QCOMPARE(m_dialog->focusWidget(), child<QLineEdit>("txtName"));
}

void TestNameEditor::previewShowsTheNameAsTheGameColoursIt_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("seen");

    QTest::newRow("two colours") << "^1Red^7White"
                                 << "R:red e:red d:red W:white h:white i:white t:white e:white";
    QTest::newRow("no codes") << "Plain" << "P:black l:black a:black i:black n:black";
    QTest::newRow("codes 9 and 8 repeat 1 and 0") << "^9A^8B" << "A:red B:black";
    QTest::newRow("caret before a letter stays") << "^xA" << "^:black x:black A:black";
    QTest::newRow("trailing caret stays") << "Name^" << "N:black a:black m:black e:black ^:black";
    QTest::newRow("caret before a code stays") << "^^1A" << "^:black A:red";
    QTest::newRow("every colour") << "^0a^1b^2c^3d^4e^5f^6g^7h"
                                  << "a:black b:red c:green d:yellow e:blue f:cyan g:magenta h:white";
    QTest::newRow("code only") << "^3" << "";
    QTest::newRow("colour lasts over a caret") << "^2a^b" << "a:green ^:green b:green";
}

void TestNameEditor::previewShowsTheNameAsTheGameColoursIt()
{
    QFETCH(QString, name);
    QFETCH(QString, seen);

    QTest::keyClicks(child<QLineEdit>("txtName"), name);
    QCOMPARE(child<QLineEdit>("txtName")->text(), name);
    QCOMPARE(seenPreview(child<QTextEdit>("rtbPreview")), seen);
}

void TestNameEditor::previewFollowsEveryChange()
{
    auto *name = child<QLineEdit>("txtName");
    auto *preview = child<QTextEdit>("rtbPreview");
    QTest::keyClicks(name, QStringLiteral("^"));
    QCOMPARE(seenPreview(preview), QStringLiteral("^:black"));
    QTest::keyClicks(name, QStringLiteral("4"));
    QCOMPARE(seenPreview(preview), QString());
    QTest::keyClicks(name, QStringLiteral("Q"));
    QCOMPARE(seenPreview(preview), QStringLiteral("Q:blue"));

    // A code typed in front recolours what follows it.
    name->setCursorPosition(0);
    QTest::keyClicks(name, QStringLiteral("x^1"));
    QCOMPARE(name->text(), QStringLiteral("x^1^4Q"));
    QCOMPARE(seenPreview(preview), QStringLiteral("x:black Q:blue"));

    // Taking the digit away makes its caret visible.
    name->setCursorPosition(5);
    QTest::keyClick(name, Qt::Key_Backspace);
    QCOMPARE(name->text(), QStringLiteral("x^1^Q"));
    QCOMPARE(seenPreview(preview), QStringLiteral("x:black ^:red Q:red"));

    // A pasted name is previewed like a typed one.
    name->selectAll();
    name->insert(QStringLiteral("^5Cy"));
    QCOMPARE(seenPreview(preview), QStringLiteral("C:cyan y:cyan"));
}

void TestNameEditor::deletingTheNameEmptiesThePreview()
{
    auto *name = child<QLineEdit>("txtName");
    QTest::keyClicks(name, QStringLiteral("^1Ab"));
    QCOMPARE(child<QTextEdit>("rtbPreview")->toPlainText(), QStringLiteral("Ab"));
    name->selectAll();
    QTest::keyClick(name, Qt::Key_Delete);
    QCOMPARE(name->text(), QString());
    QCOMPARE(child<QTextEdit>("rtbPreview")->toPlainText(), QString());
}

void TestNameEditor::copyPutsTheNameWithItsCodesOnTheClipboard()
{
    platform::setClipboardText(QStringLiteral("something else"));
    QTest::keyClicks(child<QLineEdit>("txtName"), QStringLiteral("^1Red^7White"));
    QTest::mouseClick(child<QPushButton>("cmdCopy"), Qt::LeftButton);
    QCOMPARE(platform::clipboardText(), QStringLiteral("^1Red^7White"));
    // Copy leaves the name and the dialog as they were.
    QCOMPARE(child<QLineEdit>("txtName")->text(), QStringLiteral("^1Red^7White"));
    QCOMPARE(openDialogs().size(), 1);
}

void TestNameEditor::oneEditorAtATime()
{
    QTest::keyClicks(child<QLineEdit>("txtName"), QStringLiteral("^2Me"));
    showNameEditor();
    QCOMPARE(openDialogs(), QList<frmNameEditor *>{m_dialog.data()});
    QCOMPARE(child<QLineEdit>("txtName")->text(), QStringLiteral("^2Me"));

    // Closing discards the name: the next one starts empty.
    m_dialog->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(m_dialog.isNull());
    showNameEditor();
    m_dialog = openDialogs().first();
    QCOMPARE(child<QLineEdit>("txtName")->text(), QString());
    QCOMPARE(child<QTextEdit>("rtbPreview")->toPlainText(), QString());
}

QTEST_MAIN(TestNameEditor)
#include "tst_nameeditor.moc"
