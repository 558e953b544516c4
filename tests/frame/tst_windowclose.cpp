// Closing document windows one by one: the menu bar always shows the menus of the document
// left active, and the frame's own once none is left. Run under a sanitizer build, it also
// checks that nothing touches a window that is being destroyed.
#include "FrameFixture.h"

#include <QApplication>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QtTest>

using document::frmChild;

class TestWindowClose : public QObject {
    Q_OBJECT
private slots:
    void menusFollowTheDocumentLeftActive();
};

void TestWindowClose::menusFollowTheDocumentLeftActive()
{
    FrameFixture f;
    for (int i = 0; i < 3; ++i)
        f.newDocument();
    // Another program has the focus: the area then falls back on its last active window.
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    f.settle();
    while (frmChild *closing = f.active()) {
        qobject_cast<QMdiSubWindow *>(closing->parentWidget())->close();
        f.settle();
        const QList<QAction *> bar = f.frame->menuBar()->actions();
        QVERIFY(!bar.isEmpty());
        if (frmChild *left = f.active()) {
            QVERIFY(left != closing);
            QCOMPARE(bar.first()->menu(), left->menus().first());
        } else {
            QCOMPARE(bar.first()->menu()->objectName(), QStringLiteral("mnuFile"));
        }
    }
    QVERIFY(f.frame->documentWindows().isEmpty());
}

QTEST_MAIN(TestWindowClose)
#include "tst_windowclose.moc"
