// The tool windows as the user meets them: one of each at a time, their tab orders, the boxes
// of Calculate Flags (against a golden file) and its totals, the Name Editor's preview and
// Copy, and the folders Options stores.
#include "OutputProbe.h"
#include "frame/GameFolders.h"
#include "frame/frmOptions.h"
#include "generators/ToolDialogs.h"
#include "generators/frmOSPType.h"
#include "platform/AppPaths.h"
#include "platform/Clipboard.h"
#include "platform/HelpViewer.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTextBlock>
#include <QTextEdit>
#include <QtTest>

namespace {

void open(FrameFixture &f, const QString &window)
{
    if (window == "frmFlags")
        generators::showFlagsDialog();
    else if (window == "frmNameEditor")
        generators::showNameEditor();
    else if (window == "frmOptions")
        frame::frmOptions::showWindow();
    else if (window == "frmOSPType")
        generators::showOspTypeDialog(&f.frame->documents());
    else if (window == "frmSelMod")
        f.frame->newDocumentCommand();
    else if (window == "HelpViewer")
        f.trigger(f.newDocument(), "mnuHelpContents");
    FrameFixture::settle();
}

/** What the user can change in a window: its boxes' texts and ticks. */
QString state(QWidget *window)
{
    QString out;
    for (QLineEdit *box : window->findChildren<QLineEdit *>())
        out += box->text() + '|';
    for (QAbstractButton *box : window->findChildren<QAbstractButton *>())
        out += box->isChecked() ? '1' : '0';
    return out;
}

/** Changes the first box of a window as a user would. */
void change(QWidget *window)
{
    if (auto *box = window->findChild<QLineEdit *>(); box && box->isVisible())
        QTest::keyClicks(box, QStringLiteral("^2x"));
    else if (auto *check = window->findChild<QCheckBox *>())
        check->click();
    else if (auto options = window->findChildren<QRadioButton *>(); !options.isEmpty())
        options.last()->click();
}

void tick(QCheckBox *check)
{
    // On the box itself: a short caption leaves the middle of a wide check box empty.
    QStyleOptionButton option;
    option.initFrom(check);
    QTest::mouseClick(check, Qt::LeftButton, Qt::NoModifier,
                      check->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, check).center());
}

template <typename T>
QList<T *> byPosition(QWidget *parent, bool vertical)
{
    QList<T *> children = parent->findChildren<T *>();
    std::sort(children.begin(), children.end(),
              [vertical](T *a, T *b) { return vertical ? a->y() < b->y() : a->x() < b->x(); });
    return children;
}

/** The Name Editor's preview as seen: each character and the colour it is drawn in. */
QString preview(QWidget *editor)
{
    auto *view = editor->findChild<QTextEdit *>(QStringLiteral("rtbPreview"));
    QStringList seen;
    for (QTextBlock block = view->document()->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QBrush brush = it.fragment().charFormat().foreground();
            const QColor colour = brush.style() == Qt::NoBrush ? view->palette().color(QPalette::Text) : brush.color();
            for (QChar ch : it.fragment().text())
                seen << QString(ch) + colour.name();
        }
    return seen.join(' ');
}

} // namespace

class TestToolDialogs : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        // A program folder of the test's own, with the help pages and lists of the real one.
        m_programFolder = std::make_unique<QTemporaryDir>();
        for (const QString &folder : {platform::helpFolder(), platform::configsFolder()})
            QFile::link(folder, m_programFolder->filePath(QFileInfo(folder).fileName()));
        platform::setProgramFolder(m_programFolder->path());
        m_f = std::make_unique<FrameFixture>();
    }

    void cleanup()
    {
        probe::closeToolWindows();
        QVERIFY(m_f->dialogs.messages.isEmpty());
        m_f.reset();
        platform::setProgramFolder(QString());
    }

    void oneWindowAtATimeStartingAfresh_data()
    {
        QTest::addColumn<QString>("window");
        for (const char *window : {"frmFlags", "frmNameEditor", "frmOptions", "frmOSPType", "frmSelMod", "HelpViewer"})
            QTest::newRow(window) << window;
    }

    void oneWindowAtATimeStartingAfresh()
    {
        QFETCH(QString, window);
        open(*m_f, window);
        QPointer<QWidget> first = probe::shownWindow(window);
        QVERIFY(first);
        const QString fresh = state(first);
        change(first);
        const QString changed = state(first);
        open(*m_f, window);
        QCOMPARE(probe::shownWindows(window), QList<QWidget *>{first.data()});
        QCOMPARE(state(first), changed); // brought forward as it was
        first->close();
        FrameFixture::settle();
        QVERIFY(probe::shownWindows(window).isEmpty());
        open(*m_f, window);
        QCOMPARE(state(probe::shownWindow(window)), fresh);
        QVERIFY(!QFileInfo::exists(settingsPath())); // closing Options stores nothing
    }

    void tabOrder_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("focus"); // on opening
        QTest::addColumn<QStringList>("order");
        QTest::newRow("Options") << "frmOptions" << "txtQ2Dir" << QStringList{"txtQ2Dir", "txtQ3Dir", "cmdOK", "cmdQ2Dir", "cmdQ3Dir"};
        QTest::newRow("Select Mod") << "frmSelMod" << ""
                                    << QStringList{"optQ2", "optQ3", "cmdModSEL", "lstQ2Mods", "lstQ3Mods", "chkBlank"};
        QTest::newRow("OSP Template Type") << "frmOSPType" << "optOSPType" << QStringList(6, "optOSPType") + QStringList{"cmdOK"};
        QTest::newRow("Name Editor") << "frmNameEditor" << "txtName" << QStringList{"txtName"};
        QTest::newRow("Calculate Flags") << "frmFlags" << "cmdOK" << QStringList{"cmdOK"};
    }

    void tabOrder()
    {
        QFETCH(QString, window);
        QFETCH(QString, focus);
        QFETCH(QStringList, order);
        open(*m_f, window);
        QWidget *dialog = probe::shownWindow(window);
        if (!focus.isEmpty())
            QCOMPARE(dialog->focusWidget()->objectName(), focus);
        QWidget *start = dialog->findChild<QWidget *>(order.first());
        QStringList seen;
        QWidget *widget = start;
        do {
            if (order.contains(widget->objectName()))
                seen << widget->objectName();
            widget = widget->nextInFocusChain();
        } while (widget != start && seen.size() < order.size());
        QCOMPARE(seen, order);
    }

    // Each frame's title and total, and each box: its caption, tip, tick and what it adds.
    void flagsBoxesMatchGolden()
    {
        generators::showFlagsDialog();
        QWidget *dialog = probe::shownWindow("frmFlags");
        QString out = dialog->windowTitle() + '\n';
        for (QGroupBox *frame : byPosition<QGroupBox>(dialog, false)) {
            auto *total = frame->findChild<QLineEdit *>();
            out += QStringLiteral("\n== %1: %2 (%3)\n").arg(frame->title(), total->text(), total->objectName());
            for (QCheckBox *box : byPosition<QCheckBox>(frame, true)) {
                if (!box->isVisible())
                    continue;
                const qint64 before = total->text().toLongLong();
                tick(box);
                const qint64 added = total->text().toLongLong() - before;
                tick(box);
                out += QStringLiteral("%1 %2 %3%4\n").arg(box->isChecked() ? "[x]" : "[ ]", box->text())
                           .arg(box->isChecked() ? -added : added)
                           .arg(box->toolTip().isEmpty() ? "" : " tip \"" + box->toolTip() + '"');
            }
        }
        const QString difference = probe::goldenDifference("tools/flags.txt", out.toUtf8());
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }

    void flagsTotalsFollowTicks()
    {
        generators::showFlagsDialog();
        QWidget *dialog = probe::shownWindow("frmFlags");
        auto *weapons = dialog->findChild<QLineEdit *>("txtWeapFlags");
        const QString start = weapons->text();
        // A typed total is counted on; an unreadable one gives way to the ticks.
        for (const char *typed : {"0", "abc"}) {
            weapons->selectAll();
            QTest::keyClicks(weapons, QLatin1String(typed));
            tick(dialog->findChild<QCheckBox *>("chkShotgun"));
            QCOMPARE(weapons->text(), *typed == '0' ? QStringLiteral("-1") : start);
        }
        // Space ticks the focused box.
        auto *quad = dialog->findChild<QCheckBox *>("chkQuadDamage");
        auto *powerups = dialog->findChild<QLineEdit *>("txtPowerupFlags");
        const int before = powerups->text().toInt();
        quad->setFocus();
        QTest::keyClick(quad, Qt::Key_Space);
        QCOMPARE(powerups->text().toInt() - before, 32);
    }

    void nameEditorPreviewAndCopy()
    {
        generators::showNameEditor();
        QWidget *editor = probe::shownWindow("frmNameEditor");
        QStringList legend;
        for (QLabel *label : editor->findChildren<QLabel *>(QStringLiteral("lblCode")))
            legend << label->text();
        QCOMPARE(legend.join(','), "^0  Black,^1  Red,^2  Green,^3  Yellow,^4  Blue,^5  Cyan,^6  Magenta,^7  White");
        auto *name = editor->findChild<QLineEdit *>(QStringLiteral("txtName"));
        const struct {
            int caret; // -1: where it is
            const char *typed;
            const char *preview;
        } steps[] = {{-1, "^", "^#000000"},
                     {-1, "4Q", "Q#0000ff"},
                     {0, "x^1", "x#000000 Q#0000ff"},
                     {5, "\b", "x#000000 ^#ff0000 Q#ff0000"}}; // the caret of "^4" shows once its digit goes
        for (const auto &step : steps) {
            if (step.caret >= 0)
                name->setCursorPosition(step.caret);
            QTest::keyClicks(name, QLatin1String(step.typed));
            QCOMPARE(preview(editor), QLatin1String(step.preview));
        }
        name->selectAll();
        name->insert(QStringLiteral("^0a^1b^2c^3d^4e^5f^6g^7h"));
        QCOMPARE(preview(editor), "a#000000 b#ff0000 c#00ff00 d#ffff00 e#0000ff f#00ffff g#ff00ff h#ffffff");
        platform::setClipboardText(QStringLiteral("something else"));
        QTest::mouseClick(editor->findChild<QPushButton *>("cmdCopy"), Qt::LeftButton);
        QCOMPARE(platform::clipboardText(), QStringLiteral("^0a^1b^2c^3d^4e^5f^6g^7h"));
        QVERIFY(editor->isVisible());
    }

    void optionsShowTheStoredFolders_data()
    {
        QTest::addColumn<QByteArray>("settings"); // "/": Tessel.ini is a folder
        QTest::addColumn<QString>("quake2");
        QTest::addColumn<QString>("quake3");
        const QString q2 = frame::proposedGameFolder(0, QDir::homePath());
        const QString q3 = frame::proposedGameFolder(1, QDir::homePath());
        QTest::newRow("no file") << QByteArray() << q2 << q3;
        QTest::newRow("both stored") << QByteArray("[GENERAL]\r\nQ3Dir=/games/quake3\r\nQ2Dir=/games/quake2\r\n")
                                     << "/games/quake2" << "/games/quake3";
        QTest::newRow("empty value") << QByteArray("[GENERAL]\r\nQ2Dir=\r\nQ3Dir=/q3\r\n") << q2 << "/q3";
        QTest::newRow("any folder name") << QByteArray("[GENERAL]\r\nQ2Dir=/home/\xc5\x81ukasz/q2\r\n")
                                         << QString::fromUtf8("/home/\u0141ukasz/q2") << q3;
        QTest::newRow("at most 255 characters") << "[GENERAL]\r\nQ2Dir=" + QByteArray(300, 'x') + "\r\n" << QString(255, 'x') << q3;
        QTest::newRow("failed write") << QByteArray("/") << q2 << q3;
    }

    void optionsShowTheStoredFolders()
    {
        QFETCH(QByteArray, settings);
        QFETCH(QString, quake2);
        QFETCH(QString, quake3);
        QFile file(settingsPath());
        if (settings == "/")
            QVERIFY(QDir(m_programFolder->path()).mkdir(QStringLiteral("Tessel.ini")));
        else if (!settings.isEmpty())
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(settings) == settings.size());
        file.close();
        frame::frmOptions *dialog = frame::frmOptions::showWindow();
        QCOMPARE(dialog->findChild<QLineEdit *>("txtQ2Dir")->text(), quake2);
        QCOMPARE(dialog->findChild<QLineEdit *>("txtQ3Dir")->text(), quake3);
        QTest::mouseClick(dialog->findChild<QPushButton *>("cmdOK"), Qt::LeftButton);
        if (settings == "/") { // told, and the window stays open
            QCOMPARE(m_f->dialogs.messages.size(), 1);
            const RecordingDialogs::Message message = m_f->dialogs.messages.takeFirst();
            QVERIFY(message.text.contains("not saved") && message.text.contains(QDir::toNativeSeparators(settingsPath())));
            QCOMPARE(message.icon, platform::Icon::Exclamation);
            QVERIFY(dialog->isVisible());
            return;
        }
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray stored = file.readAll();
        QVERIFY(stored.startsWith("[GENERAL]\r\n") && stored.contains(("Q2Dir=" + quake2 + "\r\n").toUtf8()) &&
                stored.contains(("Q3Dir=" + quake3 + "\r\n").toUtf8()));
    }

    void optionsStoreTypedAndPickedFolders()
    {
        QPointer<frame::frmOptions> dialog = frame::frmOptions::showWindow();
        auto *quake2 = dialog->findChild<QLineEdit *>("txtQ2Dir");
        quake2->selectAll();
        QTest::keyClicks(quake2, QStringLiteral("D:\\Games\\Quake 2\\"));
        m_f->dialogs.folderAnswers.enqueue(QStringLiteral("\\\\server\\share\\q3"));
        QTest::mouseClick(dialog->findChild<QPushButton *>("cmdQ3Dir"), Qt::LeftButton);
        QTest::mouseClick(dialog->findChild<QPushButton *>("cmdQ2Dir"), Qt::LeftButton); // cancelled
        QCOMPARE(m_f->dialogs.folderPrompts, (QStringList{"Please locate your Quake 3 directory.",
                                                          "Please locate your Quake 2 directory."}));
        QTest::mouseClick(dialog->findChild<QPushButton *>("cmdOK"), Qt::LeftButton);
        FrameFixture::settle();
        QVERIFY(!dialog);
        QCOMPARE(m_f->readFile(settingsPath()),
                 QByteArray("[GENERAL]\r\nQ2Dir=D:\\Games\\Quake 2\\\r\nQ3Dir=\\\\server\\share\\q3\r\n"));
    }

    // Options proposes the game folders that exist on this machine.
    void proposedFolders()
    {
        const std::pair<QStringList, QStringList> cases[] = {{{}, {"", ""}},
                                                              {{".yq2", ".quake2", ".ioquake3"}, {".yq2/", ".ioquake3/"}},
                                                              {{".quake2", ".q3a", ".ioquake3"}, {".quake2/", ".q3a/"}}};
        for (const auto &[existing, proposed] : cases) {
            QTemporaryDir home;
            for (const QString &folder : existing)
                QVERIFY(QDir(home.path()).mkpath(folder));
            for (int game : {0, 1})
                QCOMPARE(frame::proposedGameFolder(game, home.path()),
                         proposed[game].isEmpty() ? QString() : home.path() + u'/' + proposed[game]);
        }
    }

private:
    std::unique_ptr<QTemporaryDir> m_programFolder;
    std::unique_ptr<FrameFixture> m_f;
    QString settingsPath() const { return m_programFolder->filePath(QStringLiteral("Tessel.ini")); }
};

QTEST_MAIN(TestToolDialogs)
#include "tst_tooldialogs.moc"
