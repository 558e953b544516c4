#include "mods/frmSelMod.h"

#include "document/DocumentHost.h"
#include "document/Documents.h"
#include "document/frmChild.h"
#include "mods/DocumentMods.h"
#include "mods/ModMenus.h"
#include "platform/Design.h"
#include "platform/Dialogs.h"
#include "platform/Singleton.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

namespace mods {

namespace {

QPointer<frmSelMod> g_window;

constexpr QSize kListSize = platform::twipsToPixels(2175, 3255);

constexpr int kKeyRole = Qt::UserRole;

} // namespace

frmSelMod::frmSelMod(document::Documents *documents, document::frmChild *target)
    : QDialog(nullptr), m_documents(documents), m_target(target), m_forDocument(target),
      m_optQ2(new QRadioButton(QStringLiteral("Quake 2"), this)),
      m_optQ3(new QRadioButton(QStringLiteral("Quake 3"), this)),
      m_cmdModSEL(new QPushButton(QStringLiteral("OK"), this)),
      m_chkBlank(new QCheckBox(QStringLiteral("Blank CFG"), this))
{
    setObjectName(QStringLiteral("frmSelMod"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Select Mod"));
    setFont(platform::designFont());

    m_optQ2->setObjectName(QStringLiteral("optQ2"));
    m_optQ3->setObjectName(QStringLiteral("optQ3"));
    m_cmdModSEL->setObjectName(QStringLiteral("cmdModSEL"));
    m_cmdModSEL->setDefault(true);
    m_chkBlank->setObjectName(QStringLiteral("chkBlank"));
    m_lstQ2Mods = createList(QStringLiteral("lstQ2Mods"), GameList::Quake2);
    m_lstQ3Mods = createList(QStringLiteral("lstQ3Mods"), GameList::Quake3);

    auto *grid = new QGridLayout;
    grid->addWidget(m_optQ2, 0, 0, Qt::AlignHCenter);
    grid->addWidget(m_optQ3, 0, 1, Qt::AlignHCenter);
    grid->addWidget(m_lstQ2Mods, 1, 0);
    grid->addWidget(m_lstQ3Mods, 1, 1);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_chkBlank);
    bottom->addStretch(1);
    bottom->addWidget(m_cmdModSEL);
    if (m_forDocument)
        addCancelButton(bottom);
    bottom->addStretch(2);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid, 1);
    layout->addLayout(bottom);

    setTabOrder(m_optQ2, m_optQ3);
    setTabOrder(m_optQ3, m_cmdModSEL);
    setTabOrder(m_cmdModSEL, m_lstQ2Mods);
    setTabOrder(m_lstQ2Mods, m_lstQ3Mods);
    setTabOrder(m_lstQ3Mods, m_chkBlank);

    // clicked, not toggled: choosing the game already chosen unchecks "Blank CFG" as well.
    connect(m_optQ2, &QRadioButton::clicked, this, [this] { selectGame(GameList::Quake2); });
    connect(m_optQ3, &QRadioButton::clicked, this, [this] { selectGame(GameList::Quake3); });
    connect(m_chkBlank, &QCheckBox::toggled, this, &frmSelMod::updateLists);
    connect(m_cmdModSEL, &QPushButton::clicked, this, &frmSelMod::cmdModSEL_Click);

    selectGame(kInitialGameList);
    m_lstQ3Mods->setCurrentRow(kInitialQuake3Row);
    if (m_forDocument) {
        setWindowTitle(
            QStringLiteral("Game and Mod of %1").arg(QFileInfo(target->Caption()).fileName()));
        selectTargetMod();
        // A document that goes takes its dialog with it.
        connect(target, &document::frmChild::unloaded, this, &QWidget::close);
    }

    // Documents belong to the frame: the dialog must not outlive it.
    if (auto *host = dynamic_cast<QObject *>(documents->host()))
        connect(host, &QObject::destroyed, this, &QWidget::close);
}

QListWidget *frmSelMod::createList(const QString &name, GameList game)
{
    auto *list = new QListWidget(this);
    list->setObjectName(name);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setFrameShape(QFrame::StyledPanel);
    list->setFrameShadow(QFrame::Sunken);
    list->setMinimumSize(kListSize);
    for (const CatalogueEntry &entry : catalogueEntries(game)) {
        auto *item = new QListWidgetItem(entry.text.toString(), list);
        item->setData(kKeyRole, entry.key.toString());
    }
    connect(list, &QListWidget::itemDoubleClicked, this, &frmSelMod::cmdModSEL_Click);
    return list;
}

void frmSelMod::selectGame(GameList game)
{
    m_optQ2->setChecked(game == GameList::Quake2);
    m_optQ3->setChecked(game == GameList::Quake3);
    m_chkBlank->setChecked(false);
    updateLists();
}

void frmSelMod::updateLists()
{
    const bool blank = m_chkBlank->isChecked();
    const GameList game = selectedGame();
    m_lstQ2Mods->setEnabled(!blank && game == GameList::Quake2);
    m_lstQ3Mods->setEnabled(!blank && game == GameList::Quake3);
}

GameList frmSelMod::selectedGame() const
{
    return m_optQ2->isChecked() ? GameList::Quake2 : GameList::Quake3;
}

QListWidget *frmSelMod::listOf(GameList game) const
{
    return game == GameList::Quake2 ? m_lstQ2Mods : m_lstQ3Mods;
}

void frmSelMod::cmdModSEL_Click()
{
    const GameList game = selectedGame();
    QString text;
    QString key;
    const QList<QListWidgetItem *> selected = listOf(game)->selectedItems();
    if (!selected.isEmpty()) {
        text = selected.first()->text();
        key = selected.first()->data(kKeyRole).toString();
    }
    const SelectModOutcome outcome = selectModOutcome(m_chkBlank->isChecked(), game, text, key);
    switch (outcome.kind) {
    case SelectModOutcome::Kind::Nothing:
        return;
    case SelectModOutcome::Kind::ComingSoon:
        platform::messageBox(outcome.message.toString(), platform::Buttons::Ok,
                             platform::Icon::None);
        return;
    case SelectModOutcome::Kind::CreateDocument:
        break;
    }

    if (m_forDocument)
        retargetDocument(outcome.document, ModChoice{m_chkBlank->isChecked(), game, key});
    else
        createDocument(outcome.document);
}

void frmSelMod::createDocument(const NewDocumentRequest &request)
{
    QPointer<document::frmChild> child = m_documents->NewDocument(request.request());
    m_documents->host()->applyModMenus(child, request.modName().toString());
    close();
    if (child) {
        child->window()->activateWindow();
        child->focusEditor();
    }
}

void frmSelMod::retargetDocument(const NewDocumentRequest &request, const ModChoice &choice)
{
    QPointer<document::frmChild> target = m_target;
    close();
    if (!target || target->isUnloaded())
        return;
    mods::retargetDocument(m_documents, target, request);
    const document::DocumentSlot *slot = m_documents->slotOf(target);
    if (slot && slot->FileState == core::FileState::OnDisk) {
        if (!rememberChoice(target->Caption(), choice))
            platform::messageBox(QStringLiteral("The game and mod of %1 could not be remembered: "
                                                "the settings file cannot be written.")
                                     .arg(target->Caption()),
                                 platform::Buttons::Ok, platform::Icon::Exclamation);
    }
    target->window()->activateWindow();
    target->focusEditor();
}

void frmSelMod::addCancelButton(QBoxLayout *buttons)
{
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);
    buttons->addWidget(cancel);
}

void frmSelMod::selectTargetMod()
{
    const document::DocumentSlot *found = m_documents->slotOf(m_target);
    if (!found)
        return;
    const document::DocumentSlot &slot = *found;
    const GameList game = slot.Game == core::Game::Quake2 ? GameList::Quake2 : GameList::Quake3;
    selectGame(game);
    const std::span<const CatalogueEntry> entries = catalogueEntries(game);
    for (std::size_t row = 0; row < entries.size(); ++row)
        if (!entries[row].isComingSoon() && entries[row].mod->id == slot.ModId)
            listOf(game)->setCurrentRow(int(row));
    m_chkBlank->setChecked(slot.Game == core::Game::Blank);
}

frmSelMod *frmSelMod::showWindow(document::Documents *documents)
{
    return present(documents, nullptr);
}

frmSelMod *frmSelMod::showForDocument(document::Documents *documents, document::frmChild *target)
{
    return target ? present(documents, target) : nullptr;
}

frmSelMod *frmSelMod::present(document::Documents *documents, document::frmChild *target)
{
    if (g_window && (g_window->m_documents != documents || g_window->m_target != target ||
                     g_window->m_forDocument != bool(target))) {
        g_window->close();
        g_window = nullptr;
    }
    return platform::showSingleton(g_window,
                                   [documents, target] { return new frmSelMod(documents, target); });
}

void showSelectModDialog(document::Documents *documents)
{
    frmSelMod::showWindow(documents);
}

} // namespace mods
