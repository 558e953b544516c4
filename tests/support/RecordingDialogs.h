#pragma once

#include "platform/Dialogs.h"

#include <QList>
#include <QQueue>

/**
 * Answers every dialog from queues the test fills and records what was shown.
 * Installs itself on construction and restores the real dialogs on destruction.
 * A message box with no queued answer gets the first button (Ok or Yes); a file
 * dialog with no queued answer is cancelled.
 */
class RecordingDialogs : public platform::DialogSeam {
public:
    struct Message {
        QString text;
        platform::Buttons buttons;
        platform::Icon icon;
        QString title;
    };
    struct SaveRequest {
        QString proposedName;
        QString defaultSuffix;
        QString filter;
    };

    RecordingDialogs();
    ~RecordingDialogs() override;

    QQueue<platform::Answer> answers;
    QQueue<QStringList> openAnswers;
    QQueue<QString> saveAnswers;
    QQueue<std::optional<QFont>> fontAnswers;
    QQueue<QString> folderAnswers;

    QList<Message> messages;
    QList<SaveRequest> saveRequests;
    QStringList openFilters;
    QStringList folderPrompts;
    int fontRequests = 0;

    QStringList messageTexts() const;

    platform::Answer messageBox(const QString &text, platform::Buttons buttons, platform::Icon icon,
                                const QString &title) override;
    QStringList openFileNames(const QString &filter) override;
    QString saveFileName(const QString &proposedName, const QString &defaultSuffix,
                         const QString &filter) override;
    std::optional<QFont> chooseFont(const QFont &initial) override;
    QString chooseFolder(const QString &prompt) override;
};
