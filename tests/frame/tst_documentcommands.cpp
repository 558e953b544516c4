#include "FrameFixture.h"
#include "document/DocumentCommands.h"

#include <QSet>
#include <QtTest>

class TestDocumentCommands : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Each command sits on one menu row of a document window, and the frame binds every one
    // as it starts: no item of the menus can do nothing.
    void everyCommandHasOneRowAndAHandler()
    {
        FrameFixture f;
        document::frmChild *child = f.newDocument();
        QSet<int> seen;
        for (const auto &[name, command] : document::documentMenuCommands()) {
            QVERIFY2(child->menuItem(name), qPrintable(name));
            QVERIFY2(f.frame->documents().commands().isBound(command), qPrintable(name));
            QVERIFY2(!seen.contains(int(command)), qPrintable(name));
            seen.insert(int(command));
        }
        QCOMPARE(seen.size(), document::kDocumentCommandCount);
    }
};

QTEST_MAIN(TestDocumentCommands)
#include "tst_documentcommands.moc"
