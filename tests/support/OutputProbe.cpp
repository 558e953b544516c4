#include "OutputProbe.h"

#include "Program.h"

#include "EditorProbe.h"
#include "lists/ListSearch.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QTimer>
#include <QtTest>

namespace probe {

QList<QWidget *> shownWindows(const QString &objectName)
{
    QList<QWidget *> found;
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->objectName() == objectName && window->isVisible())
            found << window;
    return found;
}

QWidget *shownWindow(const QString &objectName) { return shownWindows(objectName).value(0); }

void closeToolWindows()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->isVisible() && !window->inherits("frame::frmParent"))
            window->close();
    FrameFixture::settle();
}

namespace {

QString colourName(const QColor &colour)
{
    static const QHash<QRgb, QString> names{{kBlue.rgb(), "blue"},
                                            {kRed.rgb(), "red"},
                                            {kGreen.rgb(), "green"},
                                            {QColor(255, 0, 255).rgb(), "magenta"},
                                            {kBlack.rgb(), "black"}};
    return names.value(colour.rgb(), colour.name());
}

} // namespace

QString seen(platform::RichEdit *editor)
{
    const QString text = editor->Text();
    if (text.isEmpty())
        return QStringLiteral("(empty)\n");
    QString out;
    int start = 0;
    for (const QString &line : text.split(QStringLiteral("\r\n"))) {
        out += QStringLiteral("> ") + QString(line).replace('\t', QLatin1String("\\t")) + "|\n";
        QStringList runs;
        for (int at = 0; at < line.size();) {
            const CharLook look = lookAt(editor, start + at);
            int end = at + 1;
            while (end < line.size()) {
                const CharLook next = lookAt(editor, start + end);
                if (next.color != look.color || next.bold != look.bold)
                    break;
                ++end;
            }
            if (look.bold || look.color != kBlack)
                runs << QStringLiteral("[%1@%2:%3%4]")
                            .arg(line.mid(at, end - at))
                            .arg(at)
                            .arg(colourName(look.color), look.bold ? ",bold" : "");
            at = end;
        }
        if (!runs.isEmpty())
            out += QStringLiteral("  ") + runs.join(' ') + '\n';
        start += int(line.size()) + 2;
    }
    return out;
}

QStringList entries(lists::ListSearch *list)
{
    QStringList result;
    auto *items = list->findChild<QListWidget *>(QStringLiteral("lstMain"));
    for (int row = 0; items && row < items->count(); ++row)
        result << items->item(row)->text();
    return result;
}

ListAnswerer::ListAnswerer(document::frmChild *child) : m_keys(child->lsKeys())
{
    child->lsKeys()->installEventFilter(this);
    child->lsSpecial()->installEventFilter(this);
}

bool ListAnswerer::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Show)
        return false;
    ++shown;
    QStringList &answers = watched == m_keys ? keys : specials;
    const QString answer = answers.isEmpty() ? QString() : answers.takeFirst();
    QPointer<lists::ListSearch> list = static_cast<lists::ListSearch *>(watched);
    // Answered from the event loop the command waits in.
    QTimer::singleShot(0, this, [list, answer] {
        if (!list || !list->isVisible())
            return;
        auto *search = list->findChild<QLineEdit *>(QStringLiteral("txtSearch"));
        if (!answer.isEmpty())
            QTest::keyClicks(search, answer);
        QTest::keyClick(search, answer.isEmpty() ? Qt::Key_Escape : Qt::Key_Return);
    });
    return false;
}

Run runHeadless(const QStringList &arguments, const QString &workingFolder)
{
    QProcess process;
    process.setWorkingDirectory(workingFolder);
    startProgram(process, arguments, true);
    if (!process.waitForFinished(20000))
        process.kill();
    return {process.exitCode(), process.exitStatus(), process.readAllStandardOutput(),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

QByteArray goldenBytes(const QString &name)
{
    QFile file(QStringLiteral(TESSEL_GOLDEN_DIR "/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing golden file>");
}

QString goldenDifference(const QString &name, const QByteArray &actual)
{
    if (qEnvironmentVariableIntValue("TESSEL_UPDATE_GOLDEN") == 1) {
        const QString path = QStringLiteral(TESSEL_GOLDEN_DIR "/") + name;
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(actual) != actual.size())
            return QStringLiteral("cannot write ") + path;
        return QString();
    }
    const QList<QByteArray> expected = goldenBytes(name).split('\n');
    const QList<QByteArray> got = actual.split('\n');
    for (qsizetype i = 0; i < qMax(expected.size(), got.size()); ++i)
        if (expected.value(i) != got.value(i))
            return QStringLiteral("%1 line %2:\n  golden: %3\n  actual: %4")
                .arg(name)
                .arg(i + 1)
                .arg(QString::fromLatin1(expected.value(i, "<end>")),
                     QString::fromLatin1(got.value(i, "<end>")));
    return QString();
}

} // namespace probe
