#include "frame/frmProgress.h"

#include "platform/Design.h"
#include "platform/Singleton.h"

#include <QPointer>
#include <QProgressBar>
#include <QPushButton>

namespace frame {

namespace {
QPointer<frmProgress> g_window;
}

frmProgress::frmProgress()
    : QDialog(nullptr, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint),
      m_bar(new QProgressBar(this)), m_ok(new QPushButton(QStringLiteral("OK"), this))
{
    setObjectName(QStringLiteral("frmProgress"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Formatting File, Please hold...."));
    setFont(platform::designFont());
    // Design positions in twips, 15 to the pixel.
    m_bar->setObjectName(QStringLiteral("pbr1"));
    m_bar->setGeometry(8, 8, 297, 17);
    m_bar->setTextVisible(false);
    m_bar->setValue(0);
    m_ok->setObjectName(QStringLiteral("cmdOK"));
    m_ok->setGeometry(136, 32, 49, 25);
    m_ok->setEnabled(false);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::close);
    setFixedSize(325, 100 - 30);
    move(150, 150);
}

frmProgress *frmProgress::showWindow()
{
    // The pass goes on in the window that has the focus.
    return platform::showSingleton(g_window, [] { return new frmProgress; }, platform::Focus::Leave);
}

void frmProgress::setMaximum(int maximum) { m_bar->setRange(0, std::max(maximum, 1)); }

void frmProgress::setValue(int value) { m_bar->setValue(std::clamp(value, 0, m_bar->maximum())); }

QString frmProgress::caption() const { return windowTitle(); }

void frmProgress::setCaption(const QString &caption) { setWindowTitle(caption); }

void frmProgress::complete()
{
    setWindowTitle(QStringLiteral("Formatting Complete"));
    m_bar->setValue(m_bar->maximum());
    m_ok->setEnabled(true);
    m_ok->setFocus();
}

} // namespace frame
