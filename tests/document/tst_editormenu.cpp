// The editor's right-click menu offers the document's own commands, so its Copy puts the
// coloured text on the clipboard as every other Copy does.
#include "FrameFixture.h"
#include "platform/Clipboard.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QtTest>

using document::frmChild;

class TestEditorMenu : public QObject {
    Q_OBJECT
private slots:
    void rightClickOffersTheDocumentCommands();
};

void TestEditorMenu::rightClickOffersTheDocumentCommands()
{
    FrameFixture f;
    frmChild *child = f.newDocument();
    platform::RichEdit *editor = child->editor();
    editor->LoadPlainText(QStringLiteral("bind x"));
    editor->Select(0, 4);

    const QPoint at(5, 5);
    QContextMenuEvent click(QContextMenuEvent::Mouse, at, editor->viewport()->mapToGlobal(at));
    QCoreApplication::sendEvent(editor->viewport(), &click);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QStringList items;
    for (QAction *item : menu->actions())
        items << (item->isSeparator() ? QStringLiteral("-") : item->objectName());
    QCOMPARE(items, (QStringList{"mnuEditCut", "mnuEditCopy", "mnuEditPaste", "-", "mnuEditSelectAll",
                                 "-", "mnuFormatCommentBlock", "mnuFormatUncommentBlock", "-",
                                 "mnuHelpSpecific"}));
    QCOMPARE(menu->actions().last()->text(), QStringLiteral("Help on bind"));

    menu->actions().at(1)->trigger();
    menu->close();
    QCOMPARE(platform::clipboardText(), QStringLiteral("bind"));
    QVERIFY(platform::clipboardRtf().contains("bind"));
}

QTEST_MAIN(TestEditorMenu)
#include "tst_editormenu.moc"
