#pragma once

#include "FrameFixture.h"

#include <QColor>
#include <QProcess>

namespace lists { class ListSearch; }

/** What the user sees of Tessel's output, and the helpers the output tests share. */
namespace probe {

inline const QColor kBlue(0, 0, 255);
inline const QColor kRed(255, 0, 0);
inline const QColor kGreen(0, 255, 0);
inline const QColor kBlack(0, 0, 0);

/** The shown top-level windows named @p objectName. */
QList<QWidget *> shownWindows(const QString &objectName);
QWidget *shownWindow(const QString &objectName);
/** Closes every shown top-level window but the frames and lets them go. */
void closeToolWindows();

/**
 * The editor's text as seen: each line as "> text|" (a tab as \t), then, when any part of it
 * is coloured or bold, a line of its runs "[text@column:colour,bold]". Nothing: "(empty)".
 */
QString seen(platform::RichEdit *editor);

/** The entries a list shows. */
QStringList entries(lists::ListSearch *list);

/**
 * Answers the keys and special lists of a window each time one pops up: the next queued text
 * is typed into the search box and accepted; with nothing queued the list is cancelled.
 */
class ListAnswerer : public QObject {
public:
    explicit ListAnswerer(document::frmChild *child);
    QStringList keys;
    QStringList specials;
    int shown = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    lists::ListSearch *m_keys;
};

/** The tessel program next to the test, run with no way to reach a display. */
struct Run {
    int exitCode = -1;
    QProcess::ExitStatus exitStatus = QProcess::CrashExit;
    QByteArray out;
    QString error;
};
Run runHeadless(const QStringList &arguments, const QString &workingFolder = QString());

/**
 * Compares @p actual with the golden file @p name (below tests/golden); empty when equal,
 * else where they first differ. With TESSEL_UPDATE_GOLDEN=1 the file is written instead.
 */
QString goldenDifference(const QString &name, const QByteArray &actual);
QByteArray goldenBytes(const QString &name);

} // namespace probe
