#pragma once

// Shared by the fuzz targets: a headless application and dialogs that answer at once.

#include "platform/Dialogs.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

namespace fuzz {

/** Answers every dialog with its first button, or cancels it. */
class QuietDialogs : public platform::DialogSeam {
public:
    platform::Answer messageBox(const QString &, platform::Buttons buttons, platform::Icon, const QString &) override
    {
        using enum platform::Buttons;
        return buttons == Ok || buttons == OkCancel ? platform::Answer::Ok : platform::Answer::Yes;
    }
    QStringList openFileNames(const QString &) override { return {}; }
    QString saveFileName(const QString &, const QString &, const QString &) override { return {}; }
    std::optional<QFont> chooseFont(const QFont &) override { return std::nullopt; }
    QString chooseFolder(const QString &) override { return {}; }
};

/** The headless application widgets need, made once, with the quiet dialogs installed. */
inline void ensureApplication()
{
    if (QApplication::instance())
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz", *argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    static QuietDialogs dialogs;
    platform::setDialogSeam(&dialogs);
}

inline QByteArray bytesOf(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

/** A file in a private temporary folder holding exactly @p bytes; its path. */
inline QString fileWith(const QByteArray &bytes, const QString &name = QStringLiteral("input"))
{
    static QTemporaryDir folder;
    QFile file(folder.filePath(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("fuzz: cannot write %s", qPrintable(file.fileName()));
    return file.fileName();
}

} // namespace fuzz
