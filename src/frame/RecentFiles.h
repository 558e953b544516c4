#pragma once

#include <QRect>
#include <QStringList>

namespace frame {

constexpr int kRecentFileCount = 10;

/** @p list with @p path moved or added to the front, once, and at most kRecentFileCount long. */
QStringList withRecentFile(const QStringList &list, const QString &path);

/** The recent files kept in the settings file @p settingsPath, newest first. */
QStringList readRecentFiles(const QString &settingsPath);
/** Keeps @p list in the settings file; false with a reason in @p error when it cannot. */
bool writeRecentFiles(const QString &settingsPath, const QStringList &list,
                      QString *error = nullptr);

/** @p window moved, and shrunk only where it is larger, so that it lies wholly inside @p area. */
QRect fitInside(const QRect &window, const QRect &area);

} // namespace frame
