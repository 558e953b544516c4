#include "analysis/EngineProfiles.h"

#include <QFile>
#include <QHash>
#include <QMutex>

static void initAnalysisResources()
{
    Q_INIT_RESOURCE(analysis);
}

namespace analysis {

namespace {

// clang-format off
const QList<EngineProfile> kProfiles = {
    {"q3", "Quake III 1.32", Family::Quake3, 16384, false, false, false, true, true,
     BlockComments::OneLine, LongCommands::CutAndRunRest, true, false,
     true, true, "", false, true, 0, true, false, true, false, true, "q3config.cfg",
     ":/analysis/keys-q3-1.32.txt", ":/analysis/cheat-q3-1.32.txt",
     "code/qcommon/cmd.c Cbuf_InsertText, Cbuf_Execute, Cmd_TokenizeString, Cmd_Exec_f; "
     "code/qcommon/cvar.c Cvar_SetA_f, Cvar_Command; code/client/cl_keys.c keynames, "
     "Key_StringToKeynum"},
    {"ioq3", "ioquake3", Family::Quake3, 131072, false, false, false, true, false,
     BlockComments::MultilineEndsCommand, LongCommands::CutAndRunRest, true, false,
     true, false, "", false, true, 0, false, false, false, false, true, "q3config.cfg",
     ":/analysis/keys-ioq3.txt", ":/analysis/cheat-ioq3.txt",
     "code/qcommon/cmd.c MAX_CMD_BUFFER, Cbuf_InsertText, Cbuf_Execute (in_slash_comment, "
     "in_star_comment, a command ends after the closing star-slash, MAX_CMD_LINE cut and i++), "
     "Cmd_TokenizeString2, Cmd_Exec_f (COM_DefaultExtension), Cmd_Vstr_f; code/qcommon/cvar.c "
     "Cvar_Set_f (Cmd_ArgsFrom), Cvar_Command (Cmd_Args); code/client/cl_keys.c keynames, "
     "Key_StringToKeynum (tolower); checked at 5956299e"},
    {"quake3e", "Quake3e", Family::Quake3, 65536, false, false, false, true, false,
     BlockComments::MultilineEndsCommand, LongCommands::Truncate, false, false,
     true, false, "", false, true, 0, false, false, true, false, true, "q3config.cfg",
     ":/analysis/keys-quake3e.txt", ":/analysis/cheat-quake3e.txt",
     "code/qcommon/cmd.c MAX_CMD_BUFFER, Cbuf_Execute (a command ends after the closing "
     "star-slash; longer lines truncated at MAX_CMD_LINE - 1), Cmd_TokenizeString2 (keeps "
     "\"[a-z]://\" three or more characters into the line), Cmd_Vstr_f; code/qcommon/cvar.c "
     "Cvar_Set_f; code/client/cl_keys.c Key_StringToKeynum; code/qcommon/keys.c keynames; "
     "checked at f8372fd8"},
    {"q2", "Quake II 3.21", Family::Quake2, 8192, false, true, false, false, true,
     BlockComments::None, LongCommands::Overrun, false, true,
     false, false, "us", true, false, 31, true, true, true, true, false, "config.cfg",
     ":/analysis/keys-q2-3.21.txt", "",
     "qcommon/cmd.c Cbuf_AddText, Cbuf_InsertText, Cbuf_Execute, Cmd_Alias_f (MAX_ALIAS_NAME), "
     "Cmd_MacroExpandString (unmatched quote); qcommon/common.c SZ_GetSpace; "
     "qcommon/cvar.c Cvar_Set_f (3 or 4 words, strcmp u/s flags); client/keys.c keynames, "
     "Key_Event"},
    {"yquake2", "Yamagi Quake II", Family::Quake2, 32768, false, true, false, false, true,
     BlockComments::None, LongCommands::Truncate, false, true,
     false, false, "aus", true, true, 31, true, true, true, true, false, "config.cfg",
     ":/analysis/keys-yquake2.txt", "",
     "src/common/cmdparser.c cmd_text_buf, Cbuf_Execute (only ';' and LF, line[1024] "
     "truncated), Cmd_Exec_f (no .cfg added), Cmd_Alias_f (MAX_ALIAS_NAME), Cmd_Vstr_f, "
     "Cmd_TokenizeString (unmatched quote); src/common/cvar.c Cvar_Set_f (3 or 4 words, strcmp "
     "a/u/s flags), Cvar_Command; src/client/cl_keyboard.c keynames, Key_StringToKeynum (a "
     "single character as written); no CVAR_CHEAT; checked at 69599f5a"},
    {"q2pro", "Q2PRO", Family::Quake2, 65536, true, false, true, false, false,
     BlockComments::Multiline, LongCommands::Discard, false, true,
     true, false, "", true, false, 0, false, true, false, true, true, "config.cfg",
     ":/analysis/keys-q2pro.txt", ":/analysis/cheat-q2pro.txt",
     "src/common/cmd.c Cmd_ExecuteFile (COM_Compress, \"File too large\", \"Invalid file "
     "format\", \"Infinite loop avoided\"), Cbuf_Execute (only ';' and LF end a command, "
     "\"Line exceeded 1024 chars, discarded.\"), c_cmd (alias, no vstr); src/common/cvar.c "
     "Cvar_Set_f; src/client/keys.c keynames (K macro), Key_StringToKeynum (Q_tolower); "
     "CVAR_CHEAT in src/client/{input,main,view}.c, src/refresh/main.c; checked at 3aa0d40b"},
};
// clang-format on

QSet<QString> readNames(const char *resource, bool lower)
{
    initAnalysisResources();
    QSet<QString> names;
    QFile file(QString::fromLatin1(resource));
    if (!*resource || !file.open(QIODevice::ReadOnly))
        return names;
    for (const QByteArray &line : file.readAll().split('\n')) {
        const QString name = QString::fromLatin1(line.trimmed());
        if (!name.isEmpty())
            names.insert(lower ? name.toLower() : name.toUpper());
    }
    return names;
}

const QSet<QString> &cachedNames(const char *resource, bool lower)
{
    static QMutex mutex;
    static QHash<QString, QSet<QString>> cache;
    const QMutexLocker locker(&mutex);
    const QString key = QString::fromLatin1(resource) + (lower ? u'l' : u'u');
    auto it = cache.find(key);
    if (it == cache.end())
        it = cache.insert(key, readNames(resource, lower));
    return *it;
}

} // namespace

const QList<EngineProfile> &engineProfiles()
{
    return kProfiles;
}

const EngineProfile *engineProfile(const QString &id)
{
    for (const EngineProfile &profile : kProfiles)
        if (id.compare(QLatin1String(profile.id), Qt::CaseInsensitive) == 0)
            return &profile;
    return nullptr;
}

QStringList engineProfileIds()
{
    QStringList ids;
    for (const EngineProfile &profile : kProfiles)
        ids.append(QLatin1String(profile.id));
    return ids;
}

const QSet<QString> &keyNames(const EngineProfile &profile)
{
    return cachedNames(profile.keyTable, false);
}

const QSet<QString> &cheatCvars(const EngineProfile &profile)
{
    return cachedNames(profile.cheatTable, true);
}

const QSet<QString> &knownCvars(Family family)
{
    static const QSet<QString> quake2 = [] {
        initAnalysisResources();
        QSet<QString> names;
        QFile file(QStringLiteral(":/analysis/q2cvars.txt"));
        if (file.open(QIODevice::ReadOnly))
            for (const QByteArray &line : file.readAll().split('\n'))
                if (!line.trimmed().isEmpty())
                    names.insert(QString::fromLatin1(line.trimmed()));
        return names;
    }();
    static const QSet<QString> none;
    return family == Family::Quake2 ? quake2 : none;
}

QString familyName(Family family)
{
    return family == Family::Quake2 ? QStringLiteral("Quake 2") : QStringLiteral("Quake 3");
}

} // namespace analysis
