// What the frame keeps between runs: its placement on the screen and the recent files;
// and keeping document windows inside the document area.
#include "document/Formatting.h"
#include "document/frmChild.h"
#include "frame/RecentFiles.h"
#include "frame/frmParent.h"
#include "platform/Dialogs.h"
#include "platform/IniFile.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QScreen>

namespace frame {

namespace {

const QString kWindowSection = QStringLiteral("Window");
const char *const kPlacementKeys[] = {"Left", "Top", "Width", "Height"};

} // namespace

void frmParent::useSettings(const QString &path)
{
    m_settingsPath = path;
    m_recentFiles = readRecentFiles(path);
    restorePlacement();
}

void frmParent::restorePlacement()
{
    const QRect available = screen()->availableGeometry();
    int values[4] = {};
    bool stored = true;
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        values[i] = platform::IniFile::readValue(m_settingsPath, kWindowSection,
                                                 QLatin1String(kPlacementKeys[i]))
                        .toInt(&ok);
        stored = stored && ok;
    }
    QRect placement(values[0], values[1], values[2], values[3]);
    bool onScreen = false;
    for (const QScreen *each : QGuiApplication::screens())
        onScreen = onScreen || each->availableGeometry().intersects(placement);
    if (!stored || placement.width() < 200 || placement.height() < 150 || !onScreen) {
        // First start, or a place no screen shows now: most of the screen, centred.
        placement = QRect(QPoint(), available.size() * 0.8);
        placement.moveCenter(available.center());
    }
    setGeometry(fitInside(placement, available));
    if (platform::IniFile::readValue(m_settingsPath, kWindowSection, QStringLiteral("Maximized")) ==
        QLatin1String("1"))
        setWindowState(windowState() | Qt::WindowMaximized);
}

void frmParent::savePlacement()
{
    if (m_settingsPath.isEmpty())
        return;
    const QRect placement = normalGeometry().isValid() ? normalGeometry() : geometry();
    const int values[4] = {placement.x(), placement.y(), placement.width(), placement.height()};
    // The placement is a convenience: a settings file that cannot be written costs nothing else.
    for (int i = 0; i < 4; ++i)
        platform::IniFile::writeValue(m_settingsPath, kWindowSection,
                                      QLatin1String(kPlacementKeys[i]), QString::number(values[i]));
    platform::IniFile::writeValue(m_settingsPath, kWindowSection, QStringLiteral("Maximized"),
                                  isMaximized() ? QStringLiteral("1") : QStringLiteral("0"));
}

void frmParent::fileUsed(const QString &path)
{
    m_recentFiles = withRecentFile(m_recentFiles, path);
    saveRecentFiles();
}

void frmParent::saveRecentFiles()
{
    if (m_settingsPath.isEmpty())
        return;
    QString error;
    if (!writeRecentFiles(m_settingsPath, m_recentFiles, &error))
        qWarning("Recent files not kept: %s", qPrintable(error));
}

void frmParent::fillRecentFilesMenu(QMenu *menu)
{
    menu->clear();
    if (m_recentFiles.isEmpty()) {
        menu->addAction(QStringLiteral("(No recent files)"))->setEnabled(false);
        return;
    }
    for (int i = 0; i < m_recentFiles.size(); ++i) {
        const QString path = m_recentFiles.at(i);
        QString caption = QStringLiteral("%1 %2").arg(i + 1).arg(path);
        caption.replace(QLatin1Char('&'), QLatin1String("&&"));
        caption.insert(i + 1 < 10 ? 0 : 1, QLatin1Char('&'));
        QAction *item = menu->addAction(caption);
        item->setObjectName(QStringLiteral("mnuFileRecent%1").arg(i + 1));
        // Queued: opening may ask questions, which must not run inside the closing menu.
        connect(item, &QAction::triggered, this, [this, path] {
            QMetaObject::invokeMethod(
                this, [this, path] { openRecentFile(path); }, Qt::QueuedConnection);
        });
    }
}

void frmParent::openRecentFile(const QString &path)
{
    if (!QFileInfo(path).isFile()) {
        const platform::Answer answer = platform::messageBox(
            QStringLiteral(
                "The file\n\n%1\n\nno longer exists. Remove it from the Recent Files list?")
                .arg(path),
            platform::Buttons::YesNo, platform::Icon::Question);
        if (answer == platform::Answer::Yes) {
            m_recentFiles.removeAll(path);
            saveRecentFiles();
        }
        return;
    }
    document::ProgressView *progress = showProgressWindow();
    if (!m_documents.OpenDocument(path, progress))
        progress->complete();
}

void frmParent::keepWindowsInside()
{
    const QRect area = m_mdiArea->viewport()->rect();
    for (QMdiSubWindow *window : m_mdiArea->subWindowList())
        if (window->isVisible() && !window->isMinimized() && !window->isMaximized())
            window->setGeometry(fitInside(window->geometry(), area));
}

} // namespace frame
