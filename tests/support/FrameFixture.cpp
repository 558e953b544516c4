#include "FrameFixture.h"
#include "TestFiles.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
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
    return writeTestFile(folder.filePath(name), bytes);
}

QStringList FrameFixture::captions() const
{
    QStringList result;
    for (document::frmChild *child : frame->documentWindows())
        result << child->Caption();
    return result;
}

QByteArray FrameFixture::readFile(const QString &path) const { return readTestFile(path); }

document::frmChild *FrameFixture::newDocument()
{
    frame->newDocumentCommand();
    if (!pickBlankConfig())
        qFatal("File > New showed no Select Mod dialog");
    return frame->activeDocument();
}

bool FrameFixture::pickBlankConfig()
{
    QDialog *dialog = selectModDialog();
    if (!dialog)
        return false;
    auto *blank = dialog->findChild<QCheckBox *>(QStringLiteral("chkBlank"));
    if (!blank->isChecked())
        blank->click();
    dialog->findChild<QPushButton *>(QStringLiteral("cmdModSEL"))->click();
    settle();
    return true;
}

document::frmChild *FrameFixture::newDocument(mods::GameList game, const QString &text)
{
    frame->newDocumentCommand();
    QDialog *dialog = selectModDialog();
    if (!dialog)
        qFatal("File > New showed no Select Mod dialog");
    const bool quake2 = game == mods::GameList::Quake2;
    const QString option = quake2 ? QStringLiteral("optQ2") : QStringLiteral("optQ3");
    dialog->findChild<QRadioButton *>(option)->click();
    auto *list = dialog->findChild<QListWidget *>(quake2 ? QStringLiteral("lstQ2Mods")
                                                         : QStringLiteral("lstQ3Mods"));
    const QList<QListWidgetItem *> items = list->findItems(text, Qt::MatchExactly);
    if (items.size() != 1)
        qFatal("no single entry %s in the Select Mod dialog", qPrintable(text));
    list->setCurrentItem(items.first());
    dialog->findChild<QPushButton *>(QStringLiteral("cmdModSEL"))->click();
    settle();
    return selectModDialog() ? nullptr : frame->activeDocument();
}

QDialog *FrameFixture::selectModDialog()
{
    return qobject_cast<QDialog *>(openWindow("frmSelMod"));
}

QWidget *openWindow(const char *name)
{
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String(name) && window->isVisible())
            return window;
    return nullptr;
}

QString colourRuns(platform::RichEdit *editor)
{
    const int start = editor->SelStart(), length = editor->SelLength();
    const QString text = editor->Text();
    QString result, last;
    for (int i = 0; i < text.size(); ++i) {
        editor->Select(i, 0);
        if (i == 0 || text.at(i - 1) == QLatin1Char('\n')) {
            const Qt::Alignment alignment = editor->SelAlignment();
            result += alignment & Qt::AlignHCenter ? "{c}"
                      : alignment & Qt::AlignRight ? "{r}"
                                                   : "";
        }
        editor->Select(i, 1);
        const QString look = editor->SelColor().name() + (editor->SelBold() ? " b" : "");
        if (!editor->SelText().isEmpty() && look != last)
            result += '[' + (last = look) + ']';
        result += text.at(i);
    }
    editor->Select(start, length);
    return result;
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

QList<FrameFixture::ModChoice> FrameFixture::creatableEntries()
{
    QList<ModChoice> choices;
    for (mods::GameList game : {mods::GameList::Quake2, mods::GameList::Quake3})
        for (const mods::CatalogueEntry &entry : mods::catalogueEntries(game))
            if (!entry.isComingSoon())
                choices.append({game, entry.text.toString()});
    return choices;
}
