#include "document/DocumentDiagnostics.h"

#include "analysis/EngineGuess.h"
#include "analysis/EngineProfiles.h"
#include "document/DiagnosticsController.h"
#include "document/frmChild.h"
#include "platform/IniFile.h"
#include "platform/RichEdit.h"

#include <QActionGroup>
#include <QFileInfo>
#include <QLocale>
#include <QMenu>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>

namespace document {

namespace {

// New documents take the engine of their game; blank configs and OSP data files are read by
// Quake 3.
const char *engineOfGame(core::Game game)
{
    return game == core::Game::Quake2 ? "q2" : "q3";
}

// The engines a document of a game may be checked for: a blank config fits every engine.
bool fitsGame(const analysis::EngineProfile *profile, core::Game game)
{
    if (!profile || game == core::Game::Blank)
        return profile != nullptr;
    return profile->family ==
           (game == core::Game::Quake2 ? analysis::Family::Quake2 : analysis::Family::Quake3);
}

} // namespace

DocumentDiagnostics::DocumentDiagnostics(frmChild *child)
    : QObject(child), m_child(child),
      m_controller(new DiagnosticsController(
          child->editor(), [this] { return filePath(); }, [child] { return child->lineEnds(); })),
      m_engineMenu(new QMenu(QStringLiteral("&Engine"), child)),
      m_engineActions(new QActionGroup(this)), m_budget(new QToolButton(child->statusBar()))
{
    setObjectName(QStringLiteral("documentDiagnostics"));
    m_engineMenu->setObjectName(QStringLiteral("mnuViewEngine"));
    for (const analysis::EngineProfile &profile : analysis::engineProfiles()) {
        QAction *action = m_engineMenu->addAction(QLatin1String(profile.name));
        action->setObjectName(QStringLiteral("mnuEngine_") + QLatin1String(profile.id));
        action->setCheckable(true);
        action->setData(QLatin1String(profile.id));
        m_engineActions->addAction(action);
        connect(action, &QAction::triggered, this,
                [this, id = QString::fromLatin1(profile.id)] { chooseEngine(id); });
    }
    m_budget->setObjectName(QStringLiteral("sbrEngineBudget"));
    m_budget->setAutoRaise(true);
    m_budget->setPopupMode(QToolButton::InstantPopup);
    m_budget->setMenu(m_engineMenu);
    m_budget->setToolTip(QStringLiteral("Command buffer used by this file; click to choose the "
                                        "engine it is checked for"));
    child->statusBar()->addPermanentWidget(m_budget);
    connect(m_controller, &DiagnosticsController::checked, this,
            &DocumentDiagnostics::updateBudget);
    // The document's game and file are set once the window is made; decide then, and again
    // when the document is saved under another name.
    QTimer::singleShot(0, this, [this] {
        addToViewMenu();
        decideEngine();
    });
    connect(child, &frmChild::captionChanged, this, [this] {
        QTimer::singleShot(0, this, [this] {
            // An engine picked before the document had this name is kept for the name.
            const analysis::EngineProfile *picked =
                m_chosenByUser ? m_controller->profile() : nullptr;
            if (fitsGame(picked, m_child->game()))
                rememberEngine(picked);
            decideEngine();
        });
    });
}

DocumentDiagnostics *DocumentDiagnostics::of(const QObject *child)
{
    return child ? child->findChild<DocumentDiagnostics *>(QStringLiteral("documentDiagnostics"),
                                                           Qt::FindDirectChildrenOnly)
                 : nullptr;
}

QString DocumentDiagnostics::filePath() const
{
    const QString caption = m_child->Caption();
    return QFileInfo(caption).isAbsolute() && QFileInfo(caption).isFile() ? caption : QString();
}

void DocumentDiagnostics::addToViewMenu()
{
    for (QMenu *menu : m_child->menus())
        if (menu->objectName() == QLatin1String("mnuView")) {
            menu->addSeparator();
            menu->addMenu(m_engineMenu);
        }
}

void DocumentDiagnostics::decideEngine()
{
    // The user's engine, remembered or picked, and the guess count only while they are engines
    // of the document's game: choosing another game for the document brings that game's engine.
    const QString path = filePath();
    const core::Game game = m_child->game();
    const analysis::EngineProfile *profile = nullptr;
    if (!path.isEmpty())
        profile = analysis::engineProfile(platform::IniFile::readValue(
            platform::settingsFilePath(), settingsSection(), platform::settingsKeyOfPath(path)));
    if (!fitsGame(profile, game) && m_chosenByUser)
        profile = m_controller->profile();
    if (!fitsGame(profile, game) && !path.isEmpty())
        profile = analysis::engineProfile(
            analysis::guessEngine(path, m_child->editor()->toPlainText().left(64 * 1024))
                .profileId);
    if (!fitsGame(profile, game))
        profile = analysis::engineProfile(QLatin1String(engineOfGame(game)));
    if (profile != m_controller->profile())
        setEngine(profile);
}

void DocumentDiagnostics::chooseEngine(const QString &profileId)
{
    const analysis::EngineProfile *profile = analysis::engineProfile(profileId);
    if (!profile)
        return;
    m_chosenByUser = true;
    rememberEngine(profile);
    setEngine(profile);
}

void DocumentDiagnostics::rememberEngine(const analysis::EngineProfile *profile)
{
    const QString path = filePath();
    if (!path.isEmpty())
        platform::IniFile::writeValue(platform::settingsFilePath(), settingsSection(),
                                      platform::settingsKeyOfPath(path),
                                      QLatin1String(profile->id));
}

void DocumentDiagnostics::setEngine(const analysis::EngineProfile *profile)
{
    for (QAction *action : m_engineActions->actions())
        action->setChecked(action->data().toString() == QLatin1String(profile->id));
    m_controller->setProfile(profile);
    updateBudget();
}

void DocumentDiagnostics::updateBudget()
{
    const analysis::EngineProfile *profile = m_controller->profile();
    if (!profile)
        return;
    const QLocale english(QLocale::English);
    const qint64 used = m_controller->result().bufferedBytes;
    m_budget->setText(QStringLiteral("%1 / %2 bytes \u2014 %3")
                          .arg(english.toString(used), english.toString(profile->bufferBytes),
                               QLatin1String(profile->name)));
    const bool over = used >= profile->bufferBytes;
    m_budget->setStyleSheet(over ? QStringLiteral("color: #c00000; font-weight: bold;")
                                 : QString());
}

} // namespace document
