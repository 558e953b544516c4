#include "TemplateTexts.h"

#include <span>

namespace generators {

namespace {

// The example lines separate their fields with runs of spaces, not with the tabs the comments
// ask for; the templates have always looked like this.
const char *const kMapListLines[] = {
    "#",
    "# Map List Template",
    "# Format of this file is as follows:",
    "# <mapname> <min_players> <max_players> <fraglimit> <capturelimit> <timelimit> <roundlimit>",
    "# A value of less than 0 for fraglimit, capturelimit, timelimit or roundlimit means to",
    "# use current server settings.",
    "# The server will only load the next map in the queue if the current active min/max players",
    "# are within its bounds.",
    "#",
    "# If you wish to have more control over the configurations of specific maps",
    "# You can use the following format instead:",
    "# configmap <mapname> <min_players> <max_players> <config_to_exec>",
    "#",
    "# Examples: ",
    "",
    "q3dm1  00 06 20 0 20 -1",
    "configmap q3dm1 00 06 mapq3dm1.cfg",
};

const char *const kCustomModLines[] = {
    "#",
    "# Custom Mod Template",
    "# Format of this file is as follows:",
    "# <mode_name> [TAB] <mode config.cfg>",
    "# [TAB] refers to the tab character and must be inserted between each command.",
    "#",
    "# Examples: ",
    "",
    "instagibCTF altmodes/rail.cfg",
    "HasteAndPlasma  altmodes/HasteAndPlasma.cfg",
    "",
    "",
    "# Usage of this file: ",
    "# In a server startup config....",
    "# cfg-modes/ThisFile.cfg",
    "# mode_start 6 or mode_start 7  to load this file on server startup.",
};

const char *const kPlayerFilterLines[] = {
    "#",
    "# Player Filter Template",
    "# Format of this file is as follows:",
    "# <ban_command> [TAB] <player_name> [TAB] <address_prefix> [TAB] <password>",
    "# [TAB] refers to the tab character and must be inserted between each command.",
    "#",
    "# Examples: ",
    "",
    "banplayer   PlayerName  none    none",
    "banplayer   PlayerName  172.16. xyz789",
    "bantag  [clan123]   none    team456_word",
    "banadd  none    172.16. none",
    "banadd  none    172.16. getinto",
    "banpass none    172.16. ourkey",
};

struct DataFileTemplateRow {
    DataFileTemplate which;
    const char *commandName;
    std::span<const char *const> lines;
};

const DataFileTemplateRow kDataFileTemplates[] = {
    {DataFileTemplate::MapList, "maplist", kMapListLines},
    {DataFileTemplate::CustomMod, "custommod", kCustomModLines},
    {DataFileTemplate::PlayerFilter, "playerfilter", kPlayerFilterLines},
};

const char kServerTemplateName[] = "server";

const DataFileTemplateRow &dataFileTemplateRow(DataFileTemplate which)
{
    return kDataFileTemplates[int(which)];
}

QString crlfText(const QStringList &lines)
{
    QString text;
    for (const QString &line : lines)
        text += line + QStringLiteral("\r\n");
    return text;
}

// "1v1, ClanArena, CTF, "Free for All", Instagib, Team": names with blanks are quoted so the
// list can be copied back onto a command line.
QString typeList()
{
    QStringList shown;
    for (const QString &name : ospServerTypeNames())
        shown.append(name.contains(QLatin1Char(' ')) ? QLatin1Char('"') + name + QLatin1Char('"')
                                                      : name);
    return shown.join(QStringLiteral(", "));
}

GeneratedTemplate failure(GeneratedTemplate::Error error, const QString &message)
{
    GeneratedTemplate result;
    result.error = error;
    result.message = message;
    return result;
}

GeneratedTemplate success(const QString &text)
{
    GeneratedTemplate result;
    result.text = text;
    return result;
}

} // namespace

QStringList dataFileTemplateLines(DataFileTemplate which)
{
    QStringList lines;
    for (const char *line : dataFileTemplateRow(which).lines)
        lines.append(QLatin1String(line));
    return lines;
}

QString dataFileTemplateText(DataFileTemplate which)
{
    return crlfText(dataFileTemplateLines(which));
}

QStringList templateNames()
{
    QStringList names{QLatin1String(kServerTemplateName)};
    for (const DataFileTemplateRow &row : kDataFileTemplates)
        names.append(QLatin1String(row.commandName));
    return names;
}

QStringList ospServerTypeNames()
{
    QStringList names;
    for (const OspServerTypeRow &row : ospServerTypes())
        names.append(QLatin1String(row.caption));
    return names;
}

std::optional<OspServerType> ospServerTypeFromName(const QString &name)
{
    const QString wanted = name.trimmed();
    for (const OspServerTypeRow &row : ospServerTypes()) {
        if (wanted.compare(QLatin1String(row.caption), Qt::CaseInsensitive) == 0)
            return row.type;
    }
    return std::nullopt;
}

GeneratedTemplate generateTemplate(const QString &name, const QString &type)
{
    using Error = GeneratedTemplate::Error;
    const QString wanted = name.trimmed();
    const bool typeGiven = !type.trimmed().isEmpty();

    if (wanted.compare(QLatin1String(kServerTemplateName), Qt::CaseInsensitive) == 0) {
        if (!typeGiven) {
            return failure(Error::MissingType,
                           QStringLiteral("The server template needs a server type. "
                                          "Valid types: %1")
                               .arg(typeList()));
        }
        const std::optional<OspServerType> serverType = ospServerTypeFromName(type);
        if (!serverType) {
            return failure(Error::UnknownType,
                           QStringLiteral("Unknown server type \"%1\". Valid types: %2")
                               .arg(type, typeList()));
        }
        return success(ospServerConfigText(*serverType));
    }

    for (const DataFileTemplateRow &row : kDataFileTemplates) {
        if (wanted.compare(QLatin1String(row.commandName), Qt::CaseInsensitive) != 0)
            continue;
        if (typeGiven) {
            return failure(Error::UnexpectedType,
                           QStringLiteral("The %1 template takes no server type (got \"%2\").")
                               .arg(QLatin1String(row.commandName), type));
        }
        return success(dataFileTemplateText(row.which));
    }

    return failure(Error::UnknownTemplate,
                   QStringLiteral("Unknown template \"%1\". Valid templates: %2")
                       .arg(name, templateNames().join(QStringLiteral(", "))));
}

} // namespace generators
