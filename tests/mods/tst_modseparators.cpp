// A mod menu item whose caption is "-" is drawn as a line and nothing else.
#include "FrameFixture.h"

#include <QtTest>

using document::frmChild;

class TestModSeparators : public QObject {
    Q_OBJECT
private slots:
    void separatorsCarryNoText();
};

void TestModSeparators::separatorsCarryNoText()
{
    FrameFixture f;
    int separators = 0;
    // One window reused for every mod: a slot that was a line becomes an item again.
    for (const FrameFixture::ModChoice &choice : FrameFixture::creatableEntries()) {
        frmChild *child = f.newDocument(choice.game, choice.entry);
        QVERIFY(child);
        QStringList names{"mnuView1", "mnuView2", "mnuTools1", "mnuHelpMod"};
        for (int slot = 1; slot <= 25; ++slot)
            names << QStringLiteral("mnuOther%1").arg(slot);
        for (const QString &name : names) {
            QAction *item = child->menuItem(name);
            QVERIFY2(!item->isSeparator() || item->text().isEmpty(), qPrintable(choice.entry + ' ' + name));
            QVERIFY2(item->isSeparator() || item->text() != QLatin1String("-"), qPrintable(name));
            separators += item->isSeparator() && item->isVisible();
        }
        child->closeWithoutQuestion();
        f.settle();
    }
    QVERIFY(separators > 10);
}

QTEST_MAIN(TestModSeparators)
#include "tst_modseparators.moc"
