#include "RecordingDialogs.h"

RecordingDialogs::RecordingDialogs()
{
    platform::setDialogSeam(this);
}

RecordingDialogs::~RecordingDialogs()
{
    platform::setDialogSeam(nullptr);
}

QStringList RecordingDialogs::messageTexts() const
{
    QStringList texts;
    for (const Message &message : messages)
        texts << message.text;
    return texts;
}

platform::Answer RecordingDialogs::messageBox(const QString &text, platform::Buttons buttons,
                                              platform::Icon icon, const QString &title)
{
    messages.append({text, buttons, icon, title});
    if (!answers.isEmpty())
        return answers.dequeue();
    return buttons == platform::Buttons::YesNo || buttons == platform::Buttons::YesNoCancel
               ? platform::Answer::Yes
               : platform::Answer::Ok;
}

QStringList RecordingDialogs::openFileNames(const QString &filter)
{
    openFilters << filter;
    return openAnswers.isEmpty() ? QStringList() : openAnswers.dequeue();
}

QString RecordingDialogs::saveFileName(const QString &proposedName, const QString &defaultSuffix,
                                       const QString &filter)
{
    saveRequests.append({proposedName, defaultSuffix, filter});
    return saveAnswers.isEmpty() ? QString() : saveAnswers.dequeue();
}

std::optional<QFont> RecordingDialogs::chooseFont(const QFont &)
{
    ++fontRequests;
    return fontAnswers.isEmpty() ? std::nullopt : fontAnswers.dequeue();
}

QString RecordingDialogs::chooseFolder(const QString &prompt)
{
    folderPrompts << prompt;
    return folderAnswers.isEmpty() ? QString() : folderAnswers.dequeue();
}
