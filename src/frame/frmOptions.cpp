#include "frame/frmOptions.h"

#include "frame/GameFolders.h"
#include "platform/Design.h"
#include "platform/Dialogs.h"
#include "platform/IniFile.h"
#include "platform/Singleton.h"

#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace frame {

namespace {

QPointer<frmOptions> g_window;

struct FolderSetting {
    const char *labelName;
    const char *labelCaption;
    const char *textName;
    const char *buttonName;
    const char *key;
    int game; // whose usual folder is proposed while the value is missing or empty
    const char *prompt;       // the title of the folder picker
};

const FolderSetting kFolderSettings[] = {
    {"lblQ2Dir", "Quake 2 Dir:", "txtQ2Dir", "cmdQ2Dir", "Q2Dir", 0,
     "Please locate your Quake 2 directory."},
    {"lblQ3Dir", "Quake 3 Dir:", "txtQ3Dir", "cmdQ3Dir", "Q3Dir", 1,
     "Please locate your Quake 3 directory."},
};

QString section() { return QLatin1String(kSettingsSection); }

QString shownValue(const FolderSetting &setting)
{
    const std::optional<QString> stored = platform::IniFile::rawValue(
        platform::settingsFilePath(), section(), QLatin1String(setting.key));
    if (!stored || stored->isEmpty())
        return proposedGameFolder(setting.game, QDir::homePath());
    return stored->left(kMaxSettingLength);
}

} // namespace

frmOptions::frmOptions() : QDialog(nullptr)
{
    setObjectName(QStringLiteral("frmOptions"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Options"));

    auto *grid = new QGridLayout;
    QList<QPushButton *> findButtons;
    int row = 0;
    for (const FolderSetting &setting : kFolderSettings) {
        auto *label = new QLabel(QString::fromUtf8(setting.labelCaption), this);
        label->setObjectName(QLatin1String(setting.labelName));
        auto *folder = new QLineEdit(this);
        folder->setObjectName(QLatin1String(setting.textName));
        folder->setMaxLength(kMaxSettingLength);
        folder->setMinimumWidth(platform::twipsToPixels(2895));
        folder->setText(shownValue(setting));
        auto *find = new QPushButton(QStringLiteral("Find"), this);
        find->setObjectName(QLatin1String(setting.buttonName));
        find->setAutoDefault(false);
        connect(find, &QPushButton::clicked, this, [folder, &setting] {
            const QString chosen = platform::chooseFolder(QString::fromUtf8(setting.prompt));
            if (!chosen.isEmpty())
                folder->setText(chosen);
        });
        label->setBuddy(folder);
        grid->addWidget(label, row, 0);
        grid->addWidget(folder, row, 1);
        grid->addWidget(find, row, 2);
        m_folders.append(folder);
        findButtons.append(find);
        ++row;
    }

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &frmOptions::cmdOK_Click);

    // The folder boxes, OK, then the Find buttons.
    QList<QWidget *> tabOrder(m_folders.begin(), m_folders.end());
    tabOrder.append(ok);
    for (QPushButton *find : std::as_const(findButtons))
        tabOrder.append(find);
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder.at(i - 1), tabOrder.at(i));

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch(1);
    layout->addLayout(buttons);
    m_folders.first()->setFocus();
}

void frmOptions::cmdOK_Click()
{
    QList<std::pair<QString, QString>> values;
    for (qsizetype i = 0; i < m_folders.size(); ++i)
        values.append({QLatin1String(kFolderSettings[i].key), m_folders.at(i)->text()});
    QString error;
    if (!platform::IniFile::writeValues(platform::settingsFilePath(), section(), values, &error)) {
        // The dialog stays open so that nothing typed is lost.
        platform::messageBox(QStringLiteral("The settings were not saved.\n\n") + error,
                             platform::Buttons::Ok, platform::Icon::Exclamation);
        return;
    }
    close();
}

frmOptions *frmOptions::showWindow()
{
    return platform::showSingleton(g_window, [] { return new frmOptions; });
}

} // namespace frame
