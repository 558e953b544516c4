#pragma once

#include "OspServerConfig.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace generators {

/** The comment templates of the OSP server data files. */
enum class DataFileTemplate { MapList, CustomMod, PlayerFilter };

/** The lines of a data-file template, without line ends. */
QStringList dataFileTemplateLines(DataFileTemplate which);

/** The template as written into a document: every line followed by CR LF. */
QString dataFileTemplateText(DataFileTemplate which);

/** The names the command line accepts: "server", "maplist", "custommod", "playerfilter". */
QStringList templateNames();

/** The server types the "server" template accepts, as the dialog captions them. */
QStringList ospServerTypeNames();

/** A server type from its caption, ignoring case and surrounding blanks. */
std::optional<OspServerType> ospServerTypeFromName(const QString &name);

struct GeneratedTemplate {
    enum class Error { None, UnknownTemplate, MissingType, UnknownType, UnexpectedType };

    Error error = Error::None;
    QString text;    // CR LF line ends; empty on error
    QString message; // what went wrong, naming the valid choices; empty on success

    bool ok() const { return error == Error::None; }
};

/**
 * The text of a template for the command line. `name` is one of templateNames() (any case);
 * "server" needs `type`, the other templates take none.
 */
GeneratedTemplate generateTemplate(const QString &name, const QString &type = QString());

} // namespace generators
