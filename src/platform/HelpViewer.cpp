#include "platform/HelpViewer.h"

#include "platform/AppPaths.h"
#include "platform/Dialogs.h"
#include "platform/Singleton.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPointer>
#include <QScrollBar>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace platform {

namespace {

QPointer<HelpViewer> g_window;

const QString kTitle = QStringLiteral("Tessel Help");

QString pagePath(const QString &page) { return helpFolder() + QLatin1Char('/') + page; }

/** True, after telling the user, when the page @p path is not there. */
bool reportMissingPage(const QString &path)
{
    if (QFileInfo(path).isFile())
        return false;
    messageBox(QStringLiteral("Can't find the help page %1.").arg(QDir::toNativeSeparators(path)),
               Buttons::Ok, Icon::Exclamation);
    return true;
}

QToolButton *addButton(QHBoxLayout *bar, QWidget *parent, const char *name, const QString &caption,
                       const QKeySequence &shortcut)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setText(caption);
    button->setShortcut(shortcut);
    button->setAutoRaise(true);
    bar->addWidget(button);
    return button;
}

} // namespace

QString HelpViewer::contentsPage() { return QStringLiteral("Introduction.htm"); }

HelpViewer::HelpViewer() : QWidget(nullptr)
{
    setObjectName(QStringLiteral("HelpViewer"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(kTitle);

    auto *bar = new QHBoxLayout;
    m_back = addButton(bar, this, "cmdBack", QStringLiteral("Back"), QKeySequence::Back);
    m_forward = addButton(bar, this, "cmdForward", QStringLiteral("Forward"), QKeySequence::Forward);
    QToolButton *contents =
        addButton(bar, this, "cmdContents", QStringLiteral("Contents"), QKeySequence());
    bar->addStretch(1);

    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("brwHelp"));
    m_back->setEnabled(false);
    m_forward->setEnabled(false);

    connect(m_back, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QToolButton::clicked, m_browser, &QTextBrowser::forward);
    connect(contents, &QToolButton::clicked, this, &HelpViewer::showContents);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QToolButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QToolButton::setEnabled);
    connect(m_browser, &QTextBrowser::sourceChanged, this, [this] {
        const QString title = m_browser->documentTitle();
        setWindowTitle(title.isEmpty() ? kTitle : title + QStringLiteral(" - ") + kTitle);
    });

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(bar);
    layout->addWidget(m_browser, 1);
    resize(720, 540);
}

bool HelpViewer::showTopic(const QString &page, const QString &anchor)
{
    const QString path = pagePath(page);
    if (reportMissingPage(path))
        return false;
    showSingleton(g_window, [] { return new HelpViewer; })->open(path, anchor);
    return true;
}

HelpViewer *HelpViewer::openWindow() { return g_window; }

void HelpViewer::open(const QString &path, const QString &anchor)
{
    // The anchor does not go into the URL: a fragment keeps characters such as "%" or "`"
    // percent-encoded, and the browser would then look for the encoded name.
    m_browser->setSource(QUrl::fromLocalFile(path));
    if (anchor.isEmpty())
        m_browser->verticalScrollBar()->setValue(0);
    else
        m_browser->scrollToAnchor(anchor);
}

void HelpViewer::showContents()
{
    const QString path = pagePath(contentsPage());
    if (!reportMissingPage(path))
        open(path, QString());
}

} // namespace platform
