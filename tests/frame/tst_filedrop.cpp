// Dragging files from a file manager onto the frame window, or onto a document's editor.
#include "EditorProbe.h"
#include "FrameFixture.h"

#include <QMimeData>
#include <QToolBar>
#include <QtTest>

using document::frmChild;

namespace {

std::unique_ptr<QMimeData> filesData(const QStringList &paths)
{
    auto data = std::make_unique<QMimeData>();
    QList<QUrl> urls;
    for (const QString &path : paths)
        urls << QUrl::fromLocalFile(path);
    data->setUrls(urls);
    return data;
}

/** Drags @p data into @p target and moves it there: the action taken, IgnoreAction if refused. */
Qt::DropAction enterAndMove(QWidget *target, const QMimeData *data)
{
    const QPoint centre = target->rect().center();
    const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
    QDragEnterEvent enter(centre, offered, data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return Qt::IgnoreAction;
    QDragMoveEvent move(centre, offered, data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &move);
    return move.isAccepted() ? move.dropAction() : Qt::IgnoreAction;
}

/** Drags @p data over @p target and away again. */
Qt::DropAction dragOver(QWidget *target, const QMimeData *data)
{
    const Qt::DropAction action = enterAndMove(target, data);
    QDragLeaveEvent leave;
    QCoreApplication::sendEvent(target, &leave);
    return action;
}

/** Drags @p data over @p target and lets go; true when the drop was taken. */
bool drop(QWidget *target, const QMimeData *data)
{
    const Qt::DropAction action = enterAndMove(target, data);
    QDropEvent dropped(QPointF(target->rect().center()), Qt::CopyAction | Qt::MoveAction, data,
                       Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &dropped);
    return action != Qt::IgnoreAction && dropped.isAccepted();
}

QStringList captions(const FrameFixture &f)
{
    QStringList result;
    for (frmChild *child : f.frame->documentWindows())
        result << child->Caption();
    return result;
}

} // namespace

class TestFileDrop : public QObject {
    Q_OBJECT
private slots:
    void textAndWebLinksAreRefused();
    void droppedLocalFilesOpenInOrder();
    void fileDroppedOnTheEditorGoesToTheFrame();
    void textDroppedOnTheEditorStaysThere();
};

void TestFileDrop::textAndWebLinksAreRefused()
{
    FrameFixture f;
    QMimeData text;
    text.setText(QStringLiteral("bind x +attack"));
    QMimeData links;
    links.setUrls({QUrl(QStringLiteral("https://example.org/autoexec.cfg"))});
    for (const QMimeData *data : {&text, &links}) {
        QCOMPARE(dragOver(f.frame.get(), data), Qt::IgnoreAction);
        QVERIFY(!drop(f.frame.get(), data));
    }
    QVERIFY(f.frame->documentWindows().isEmpty());
    QVERIFY(f.dialogs.messages.isEmpty());
}

void TestFileDrop::droppedLocalFilesOpenInOrder()
{
    FrameFixture f;
    const QString b = f.writeFile("b.cfg", "bind b +back\r\n");
    const QString a = f.writeFile("a file.cfg", "set a 1\r\n");
    const QString missing = f.folder.filePath(QStringLiteral("missing.cfg"));
    QMimeData mixed;
    mixed.setUrls({QUrl(QStringLiteral("https://example.org/x.cfg")), QUrl::fromLocalFile(b),
                   QUrl::fromLocalFile(missing), QUrl::fromLocalFile(a)});
    QCOMPARE(dragOver(f.frame.get(), &mixed), Qt::CopyAction);
    QVERIFY(drop(f.frame.get(), &mixed));
    QCOMPARE(captions(f), (QStringList{b, a}));
    QCOMPARE(f.active()->Caption(), a);
    QCOMPARE(f.active()->editor()->Text(), QStringLiteral("set a 1\r\n"));
    platform::RichEdit *first = f.frame->documentWindows().first()->editor();
    QCOMPARE(first->Text(), QStringLiteral("bind b +back\r\n"));
    // Dropped files are coloured like opened ones.
    QVERIFY(!looksLike(first, 0, 4, platform::RichEdit::black(), false));
    QVERIFY(f.frame->tbr2()->isVisible());
    QCOMPARE(f.dialogs.messages.size(), 1);
    QVERIFY(f.dialogs.messages.first().text.startsWith("Can't open file: " + missing));
}

void TestFileDrop::fileDroppedOnTheEditorGoesToTheFrame()
{
    FrameFixture f;
    frmChild *child = f.newDocument();
    f.type(child, QStringLiteral("say hi"));
    const QString path = f.writeFile("dropped.cfg", "set a 1\r\n");
    QCOMPARE(dragOver(f.frame.get(), filesData({path}).get()), Qt::CopyAction);
    QWidget *editorSurface = child->editor()->viewport();
    QCOMPARE(dragOver(editorSurface, filesData({path}).get()), Qt::CopyAction);
    QVERIFY(drop(editorSurface, filesData({path}).get()));
    QCOMPARE(child->editor()->Text(), QStringLiteral("say hi"));
    QCOMPARE(captions(f), (QStringList{QStringLiteral("Config1"), path}));
}

void TestFileDrop::textDroppedOnTheEditorStaysThere()
{
    FrameFixture f;
    frmChild *child = f.newDocument();
    QMimeData text;
    text.setText(QStringLiteral("vstr y"));
    QVERIFY(drop(child->editor()->viewport(), &text));
    QCOMPARE(child->editor()->Text(), QStringLiteral("vstr y"));
    QCOMPARE(f.frame->documentWindows().size(), 1);
}

QTEST_MAIN(TestFileDrop)
#include "tst_filedrop.moc"
