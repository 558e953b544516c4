// What the player sees of the config check in the editor: a wavy underline that leaves the
// text's colours alone, the Problems list leading to the line, the engine kept per file.
#include "FrameFixture.h"
#include "document/DiagnosticsController.h"
#include "document/DocumentDiagnostics.h"

#include <QTreeWidget>
#include <QtTest>

namespace {

const QByteArray kConfig = "bind a +attack\nseta name Player One\n";
constexpr int kMistakeBegin = 15; // "seta name Player One": seta takes a single value on 1.32
constexpr int kMistakeEnd = 35;

// The View > Engine item of @p id.
QAction *engineItem(document::frmChild *child, const char *id)
{
    return child->findChild<QAction *>(QStringLiteral("mnuEngine_") + QLatin1String(id));
}

// The id of the engine @p child is checked for; empty while none is decided.
QString engineOf(document::frmChild *child)
{
    auto *diagnostics = child ? document::DocumentDiagnostics::of(child) : nullptr;
    const analysis::EngineProfile *profile =
        diagnostics ? diagnostics->controller()->profile() : nullptr;
    return profile ? QString::fromLatin1(profile->id) : QString();
}

} // namespace

class tst_DiagnosticsView : public QObject {
    Q_OBJECT

private slots:
    void mistakeUnderlinedAndListed()
    {
        FrameFixture f;
        f.frame->openCommandLineFiles({f.writeFile(QStringLiteral("autoexec.cfg"), kConfig)});
        document::frmChild *child = f.active();
        QTRY_VERIFY(!engineOf(child).isEmpty());
        engineItem(child, "q3")->trigger();
        platform::RichEdit *editor = child->editor();
        const QString colours = colourRuns(editor);
        QTRY_COMPARE(editor->extraSelections().size(), 1);
        const QTextEdit::ExtraSelection underline = editor->extraSelections().first();
        QCOMPARE(underline.cursor.selectionStart(), kMistakeBegin);
        QCOMPARE(underline.cursor.selectionEnd(), kMistakeEnd);
        QCOMPARE(underline.format.underlineStyle(), QTextCharFormat::WaveUnderline);
        QCOMPARE(colourRuns(editor), colours);
        QVERIFY(colours.contains(QStringLiteral("]seta")));

        auto *problems = f.frame->findChild<QTreeWidget *>(QStringLiteral("lvwProblems"));
        QTRY_COMPARE(problems->topLevelItemCount(), 1);
        QTreeWidgetItem *row = problems->topLevelItem(0);
        QVERIFY(row->text(2).contains(QStringLiteral("takes exactly a name and one value")));
        QCOMPARE(row->text(3), QStringLiteral("seta-arity"));
        problems->setFocus();
        problems->setCurrentItem(row);
        QTest::keyClick(problems, Qt::Key_Return);
        QCOMPARE(editor->textCursor().position(), kMistakeBegin);
    }

    void engineKeptForThePath_data()
    {
        QTest::addColumn<bool>("opened");
        QTest::newRow("opened file") << true;
        QTest::newRow("new document, then saved") << false;
    }
    void engineKeptForThePath()
    {
        QFETCH(bool, opened);
        FrameFixture f;
        const QString path = f.writeFile(QStringLiteral("autoexec.cfg"), kConfig);
        if (opened)
            f.frame->openCommandLineFiles({path});
        else
            f.newDocument(mods::GameList::Quake2, QStringLiteral("Free for All"));
        QTRY_VERIFY(!engineOf(f.active()).isEmpty());
        engineItem(f.active(), "q2pro")->trigger();
        if (!opened) {
            f.dialogs.answers.enqueue(platform::Answer::Ok); // Overwrite?
            f.dialogs.saveAnswers.enqueue(path);
            FrameFixture::trigger(f.active(), "mnuChildFileSaveAs");
            FrameFixture::settle();
        }
        f.active()->close();
        FrameFixture::settle();
        f.frame->openCommandLineFiles({path});
        QTRY_COMPARE(engineOf(f.active()), QStringLiteral("q2pro"));
        QVERIFY(engineItem(f.active(), "q2pro")->isChecked());
    }
};

QTEST_MAIN(tst_DiagnosticsView)
#include "tst_diagnosticsview.moc"
