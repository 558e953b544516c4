#pragma once

#include "core/Keywords.h"

#include <QList>
#include <QString>

#include <span>

namespace generators {

/** The six server types of the OSP Template Type dialog, in the order of its option buttons. */
enum class OspServerType { OneVsOne, ClanArena, Ctf, FreeForAll, Instagib, Team };

inline constexpr int kOspServerTypeCount = 6;

/** What the type changes beside the settings table. */
struct OspServerTypeRow {
    OspServerType type;
    const char *caption;      // option button caption, e.g. "Free for All"
    const char *serverName;   // e.g. "OSP FFA Server"
    const char *mapListLine;  // e.g. "set map_file cfg-maps/ffamaps.txt"
    const char *startMapLine; // e.g. "map q3dm6"
};

/** All six rows, indexed by the option button index. */
std::span<const OspServerTypeRow> ospServerTypes();
const OspServerTypeRow &ospServerTypeRow(OspServerType type);

enum class OspLineKind { Header, Setting, Comment, Empty, StartMap };

/** One generated line, without its CR LF. */
struct OspLine {
    OspLineKind kind;
    QString text;

    /** Setting lines get their "set" keyword coloured after insertion. */
    bool isHighlighted() const { return kind == OspLineKind::Setting; }
    QString withLineEnd() const { return text + QStringLiteral("\r\n"); }
    /** How far back from the caret the keyword starts once the line is in. */
    int highlightBack() const { return int(text.size()) + 2; }
};

/** The keyword every setting line begins with, highlighted once the line is in. */
inline constexpr core::Keyword kOspHighlightKeyword = core::Keyword::Set;

/** How much the document window grows after the text is written, in twips. */
inline constexpr int kOspWindowGrowWidthTwips = 1700;
inline constexpr int kOspWindowGrowHeightTwips = 1500;

/** Shown after the header when no server type is selected. */
inline constexpr const char *kOspInternalErrorMessage = "Internal Error";

/** The seven comment lines every configuration starts with. */
QList<OspLine> ospHeaderLines();

/** The complete configuration of a type, header first, start map line last. */
QList<OspLine> ospServerConfigLines(OspServerType type);

/** The configuration as one text, every line ending in CR LF, as it lands in an empty document. */
QString ospServerConfigText(OspServerType type);

} // namespace generators
