#include "platform/Dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QFontDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>

namespace platform {

namespace {

DialogSeam *g_seam = nullptr;

QWidget *dialogParent() { return QApplication::activeWindow(); }

QMessageBox::StandardButtons standardButtons(Buttons buttons)
{
    switch (buttons) {
    case Buttons::Ok: return QMessageBox::Ok;
    case Buttons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case Buttons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case Buttons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case Buttons::RecoverDiscard: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case Buttons::ReloadKeep: return QMessageBox::Yes | QMessageBox::No;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon messageIcon(Icon icon)
{
    switch (icon) {
    case Icon::None: return QMessageBox::NoIcon;
    case Icon::Information: return QMessageBox::Information;
    case Icon::Exclamation: return QMessageBox::Warning;
    case Icon::Question: return QMessageBox::Question;
    case Icon::Critical: return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

} // namespace

QString applicationTitle() { return QStringLiteral("Tessel"); }

void setDialogSeam(DialogSeam *seam) { g_seam = seam; }

Answer messageBox(const QString &text, Buttons buttons, Icon icon, const QString &title)
{
    if (g_seam)
        return g_seam->messageBox(text, buttons, icon, title);
    QMessageBox box(messageIcon(icon), title, text, standardButtons(buttons), dialogParent());
    if (buttons == Buttons::RecoverDiscard || buttons == Buttons::ReloadKeep) {
        const bool recovering = buttons == Buttons::RecoverDiscard;
        box.button(QMessageBox::Yes)->setText(recovering ? QStringLiteral("&Recover") : QStringLiteral("&Reload"));
        box.button(QMessageBox::No)->setText(recovering ? QStringLiteral("&Discard") : QStringLiteral("&Keep mine"));
        // Escape never discards: it leaves the copies for the next start, or keeps the text.
        if (recovering)
            box.button(QMessageBox::Cancel)->setText(QStringLiteral("&Later"));
        box.setEscapeButton(recovering ? QMessageBox::Cancel : QMessageBox::No);
    }
    switch (box.exec()) {
    case QMessageBox::Ok: return Answer::Ok;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
    }
}

QStringList openFileNames(const QString &filter)
{
    if (g_seam)
        return g_seam->openFileNames(filter);
    return QFileDialog::getOpenFileNames(dialogParent(), QString(), QString(), filter);
}

QString saveFileName(const QString &proposedName, const QString &defaultSuffix,
                     const QString &filter)
{
    if (g_seam)
        return g_seam->saveFileName(proposedName, defaultSuffix, filter);
    QFileDialog dialog(dialogParent(), QString(), QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setDefaultSuffix(defaultSuffix);
    dialog.selectFile(proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

std::optional<QFont> chooseFont(const QFont &initial)
{
    if (g_seam)
        return g_seam->chooseFont(initial);
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, initial, dialogParent());
    if (!ok)
        return std::nullopt;
    return font;
}

QString chooseFolder(const QString &prompt)
{
    if (g_seam)
        return g_seam->chooseFolder(prompt);
    return QFileDialog::getExistingDirectory(dialogParent(), prompt);
}

WaitCursor::WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
WaitCursor::~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }

} // namespace platform
