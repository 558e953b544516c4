#include "FrameFixture.h"

#include <QAction>
#include <QFile>
#include <QtTest>

FrameFixture::FrameFixture() : frame(std::make_unique<frame::frmParent>())
{
    frame->show();
}

FrameFixture::~FrameFixture()
{
    // Nothing may ask questions while the test tears down.
    for (document::frmChild *child : frame->documentWindows())
        frame->documents().slot(child->Tag()).Dirty = false;
    frame.reset();
    settle();
}

QString FrameFixture::writeFile(const QString &name, const QByteArray &bytes) const
{
    const QString path = folder.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write test file %s", qPrintable(path));
    return path;
}

QByteArray FrameFixture::readFile(const QString &path) const
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<missing>");
    return file.readAll();
}

document::frmChild *FrameFixture::newDocument()
{
    frame->newDocumentCommand();
    return frame->activeDocument();
}

void FrameFixture::type(document::frmChild *child, const QString &text)
{
    QTest::keyClicks(child->editor(), text);
}

void FrameFixture::trigger(document::frmChild *child, const char *name)
{
    QAction *item = child->menuItem(QLatin1String(name));
    if (!item)
        qFatal("no menu item %s", name);
    item->trigger();
}

void FrameFixture::settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}
