// The Name Editor as the user meets it: the legend, the live preview of a typed name in the
// colours the game gives it, and Copy.
#include "RecordingDialogs.h"
#include "generators/ToolDialogs.h"
#include "generators/frmNameEditor.h"
#include "platform/Clipboard.h"

#include <QApplication>
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
        {qRgb(0, 0, 0), "black"},       {qRgb(255, 0, 0), "red"},      {qRgb(0, 255, 0), "green"},
        {qRgb(255, 255, 0), "yellow"},  {qRgb(0, 0, 255), "blue"},     {qRgb(0, 255, 255), "cyan"},
        {qRgb(255, 0, 255), "magenta"}, {qRgb(255, 255, 255), "white"},
    };
    QStringList seen;
    for (QTextBlock block = preview->document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QBrush brush = fragment.charFormat().foreground();
            const QColor colour = brush.style() == Qt::NoBrush
                                      ? preview->palette().color(QPalette::Text)
                                      : brush.color();
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
    void previewFollowsEveryChange();
    void copyPutsTheNameWithItsCodesOnTheClipboard();
    void oneEditorAtATime();

private:
    static QLineEdit *name() { return m_dialog->findChild<QLineEdit *>("txtName"); }
    static QTextEdit *preview() { return m_dialog->findChild<QTextEdit *>("rtbPreview"); }
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
    QStringList legend;
    for (QLabel *label : m_dialog->findChildren<QLabel *>(QStringLiteral("lblCode")))
        legend << label->text();
    QCOMPARE(legend, (QStringList{"^0  Black", "^1  Red", "^2  Green", "^3  Yellow", "^4  Blue",
                                  "^5  Cyan", "^6  Magenta", "^7  White"}));
    QCOMPARE(name()->text(), QString());
    QCOMPARE(preview()->toPlainText(), QString());
    QCOMPARE(m_dialog->focusWidget(), name());
}

// The colour rules are tst_namecolours'; here, that the preview draws them as the name changes.
void TestNameEditor::previewFollowsEveryChange()
{
    QTest::keyClicks(name(), QStringLiteral("^"));
    QCOMPARE(seenPreview(preview()), QStringLiteral("^:black"));
    QTest::keyClicks(name(), QStringLiteral("4"));
    QCOMPARE(seenPreview(preview()), QString());
    QTest::keyClicks(name(), QStringLiteral("Q"));
    QCOMPARE(seenPreview(preview()), QStringLiteral("Q:blue"));

    // A code typed in front recolours what follows it.
    name()->setCursorPosition(0);
    QTest::keyClicks(name(), QStringLiteral("x^1"));
    QCOMPARE(name()->text(), QStringLiteral("x^1^4Q"));
    QCOMPARE(seenPreview(preview()), QStringLiteral("x:black Q:blue"));

    // Taking the digit away makes its caret visible.
    name()->setCursorPosition(5);
    QTest::keyClick(name(), Qt::Key_Backspace);
    QCOMPARE(name()->text(), QStringLiteral("x^1^Q"));
    QCOMPARE(seenPreview(preview()), QStringLiteral("x:black ^:red Q:red"));

    // A pasted name is previewed like a typed one.
    name()->selectAll();
    name()->insert(QStringLiteral("^0a^1b^2c^3d^4e^5f^6g^7h"));
    QCOMPARE(seenPreview(preview()),
             QStringLiteral("a:black b:red c:green d:yellow e:blue f:cyan g:magenta h:white"));

    name()->selectAll();
    QTest::keyClick(name(), Qt::Key_Delete);
    QCOMPARE(preview()->toPlainText(), QString());
}

void TestNameEditor::copyPutsTheNameWithItsCodesOnTheClipboard()
{
    platform::setClipboardText(QStringLiteral("something else"));
    QTest::keyClicks(name(), QStringLiteral("^1Red^7White"));
    QTest::mouseClick(m_dialog->findChild<QPushButton *>("cmdCopy"), Qt::LeftButton);
    QCOMPARE(platform::clipboardText(), QStringLiteral("^1Red^7White"));
    // Copy leaves the name and the dialog as they were.
    QCOMPARE(name()->text(), QStringLiteral("^1Red^7White"));
    QCOMPARE(openDialogs().size(), 1);
}

void TestNameEditor::oneEditorAtATime()
{
    QTest::keyClicks(name(), QStringLiteral("^2Me"));
    showNameEditor();
    QCOMPARE(openDialogs(), QList<frmNameEditor *>{m_dialog.data()});
    QCOMPARE(name()->text(), QStringLiteral("^2Me"));

    // Closing discards the name: the next one starts empty.
    m_dialog->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(m_dialog.isNull());
    showNameEditor();
    m_dialog = openDialogs().first();
    QCOMPARE(name()->text(), QString());
    QCOMPARE(preview()->toPlainText(), QString());
}

QTEST_MAIN(TestNameEditor)
#include "tst_nameeditor.moc"
