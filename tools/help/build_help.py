#!/usr/bin/env python3
"""Build Tessel's HTML help pages (data/Help/*.htm) from the reference lists
(data/Configs/) and the name data beside them.

Usage:
    tools/help/build_help.py [DATA_DIR]           write the pages
    tools/help/build_help.py --check [DATA_DIR]   check the data and that the
                                                  committed pages are current

DATA_DIR defaults to data/ of the source tree.  The pages are written to
DATA_DIR/Help, in Latin-1, with CR LF line ends, and are committed; run this
script again after a change of a list, its .tsv, other_words.tsv, topics.tsv
or a text file under tools/help/text/, then run tools/check_help_anchors.py
DATA_DIR.  --check writes nothing: it reports every malformed row of the name
data (file:line), every row that names no entry of its list, and every page
that differs from what the data makes, and exits 1 if there is any.

Inputs:
  DATA_DIR/Configs/<Game>/<list>.tsv   description, default and flags of the
                                       list's entries (see namedata.py)
  DATA_DIR/Help/topics.tsv             which page and anchor a word opens
  tools/help/other_words.tsv           words described that are no list entry
  tools/help/text/*.html               hand-written page bodies

Which page and anchor a word gets is decided by the rules of topics.tsv, read
through tools/check_help_anchors.py (the program reads the same file).  Every
anchor that rule can produce for a word of a list that a document can show is
placed on the row that describes the word; the generator stops with an error
if one cannot be placed.
"""

import difflib
import html
import os
import re
import sys
from collections import OrderedDict

HERE = os.path.dirname(os.path.abspath(__file__))
TOOLS = os.path.dirname(HERE)
sys.path.insert(0, TOOLS)
sys.path.insert(0, HERE)
import check_help_anchors as rule  # noqa: E402
import namedata  # noqa: E402

REPO = os.path.dirname(TOOLS)
TEXT_DIR = os.path.join(HERE, "text")
OTHER_WORDS = "other_words.tsv"

NO_DESCRIPTION = "No description yet."
PROBLEMS = []   # malformed rows met while reading; reported by main()

# --- name data ------------------------------------------------------------------

_NAMES = {}


def names(list_file):
    """{lower-case name: namedata.Entry} of a list's .tsv (empty without one)."""
    if list_file not in _NAMES:
        path = os.path.join(DATA, "Configs", *(list_file[:-4] + ".tsv").split("/"))
        rows = {}
        if os.path.isfile(path):
            rows, problems = namedata.read(path, "Configs/" + list_file[:-4] + ".tsv")
            PROBLEMS.extend(problems)
        _NAMES[list_file] = rows
    return _NAMES[list_file]


def read_other_words():
    out = {}
    header_seen = False
    with open(os.path.join(HERE, OTHER_WORDS), "rb") as handle:
        lines = handle.read().decode("utf-8").split("\n")
    for number, line in enumerate(lines, 1):
        if not line.strip() or line.startswith("#"):
            continue
        parts = line.split("\t")
        if not header_seen:
            header_seen = True
            continue
        if len(parts) != 3 or (parts[0], parts[1]) in out:
            PROBLEMS.append("tools/help/%s:%d: expected where<TAB>word<TAB>description, once"
                            % (OTHER_WORDS, number))
            continue
        out[(parts[0], parts[1])] = parts[2]
        OTHER_LINES[(parts[0], parts[1])] = number
    return out


OTHER_LINES = {}
OTHER = read_other_words()
OTHER_USED = set()


def other_word(where, word):
    OTHER_USED.add((where, word))
    return OTHER.get((where, word), "")

# --- HTML helpers ------------------------------------------------------------------


def esc(text):
    return html.escape(text, quote=True)


def rich(text):
    """Escape a description and turn `code` into <tt>code</tt>."""
    parts = text.split("`")
    out = []
    for i, part in enumerate(parts):
        out.append("<tt>%s</tt>" % esc(part) if i % 2 else esc(part))
    return "".join(out)


SAFE_FRAGMENT = re.compile(r"^[A-Za-z0-9_+\-.$,'\[\]]+$")


def page_href(page, anchor=None):
    href = page.replace(" ", "%20")
    if anchor is not None:
        href += "#" + anchor
    return esc(href)


def linkable(anchor):
    """QTextBrowser keeps some characters percent-encoded in a link's
    fragment; only link by fragment to anchors made of plain characters."""
    return bool(SAFE_FRAGMENT.match(anchor))


# --- describing one word -----------------------------------------------------------

FLAG_TEXT = OrderedDict([
    ("archive", "saved in the config file"),
    ("userinfo", "sent to the server as user info"),
    ("serverinfo", "shown in the server info"),
    ("systeminfo", "sent to the clients"),
    ("latch", "takes effect after a restart"),
    ("init", "can only be set on the command line"),
    ("rom", "read only"),
    ("cheat", "cheat protected"),
])


def default_note(entry):
    if entry is None:
        return ""
    bits = []
    if entry.default:
        default = "" if entry.default == '""' else entry.default
        # Empty values and values with outer blanks are shown in quotes.
        if default == "" or default != default.strip():
            bits.append('Default: <tt>"%s"</tt>' % esc(default))
        else:
            bits.append("Default: <tt>%s</tt>" % esc(default))
    words = [text for flag, text in FLAG_TEXT.items() if flag in entry.flags]
    if words:
        text = "; ".join(words)
        bits.append(text[0].upper() + text[1:])
    if not bits:
        return ""
    return '<br><span class="d">%s.</span>' % ". ".join(bits)


# --- lists, rows and sections ----------------------------------------------------

_LISTS = {}


def entries(list_file):
    if list_file not in _LISTS:
        _LISTS[list_file] = rule.read_list(os.path.join(DATA, "Configs"), list_file)
    return _LISTS[list_file]


class Row:
    def __init__(self, title, desc_html, words, aliases=(), forms=(), extra=""):
        self.title = title
        self.desc_html = desc_html
        self.words = list(words)
        self.aliases = list(aliases)
        self.forms = list(forms)
        self.extra = extra
        self.anchors = []
        self.see = None
        self.also = []       # [(anchor, section title)] of later listings of the word
        self.related = []    # [(anchor, title)] of rows whose +/- form shares this word


def group_key(entry):
    tokens = entry.lower().split()
    if tokens[0] == "cmd" and len(tokens) > 1:
        return "cmd " + tokens[1]
    return tokens[0]


def list_rows(list_file):
    known = names(list_file)
    groups = OrderedDict()
    for entry in entries(list_file):
        groups.setdefault(group_key(entry), []).append(entry)
    rows = []
    for key, members in groups.items():
        base = [e for e in members if e.lower() == key]
        if base:
            title = base[0]
            entry = known.get(key)
            text = entry.description if entry else ""
            note = default_note(entry)
        else:
            # "use" above "use BFG10K" where the list lacks "use" itself
            title = key
            text = other_word(list_file, key)
            note = ""
        desc_html = rich(text or NO_DESCRIPTION) + note
        forms = []
        for e in members:
            if e.lower() == key:
                continue
            entry = known.get(e.lower())
            forms.append((e, rich(entry.description) if entry and entry.description else ""))
        words, aliases = [], []
        for e in members:
            for w in rule.help_words(e):
                if w not in words:
                    words.append(w)
            for w in rule.alias_words(e):
                if w not in aliases:
                    aliases.append(w)
        rows.append(Row(title, desc_html, words, aliases, forms))
    return rows


class Section:
    def __init__(self, sid, title, intro="", list_file=None, rows=None, prefixes=("",)):
        self.sid = sid
        self.title = title
        self.intro = intro
        self.list_file = list_file
        self.custom_rows = rows
        self.prefixes = prefixes   # anchor prefixes of custom rows
        self.rows = []


# --- anchor placement --------------------------------------------------------------

REQUIRED = None  # filled in main()


def place_anchors(page, sections):
    required = REQUIRED.get(page, OrderedDict())
    placed = OrderedDict()      # anchor -> (section, row)
    clashes = []                # (row, alias anchor held by another row)
    for section in sections:
        if section.list_file:
            contexts = [m for m, lists in rule.CONTEXTS.items() if section.list_file in lists]
            for row in list_rows(section.list_file):
                want, extra = [], []
                for mod_id in contexts:
                    for word in row.words:
                        p, a = rule.topic(mod_id, word)
                        if p == page and a is not None and a not in want:
                            want.append(a)
                    for word in row.aliases:
                        p, a = rule.topic(mod_id, word)
                        if p == page and a is not None and a not in extra:
                            extra.append(a)
                if not want:
                    continue            # none of its words leads to this page
                new = [a for a in want if a not in placed]
                new += [a for a in extra if a not in placed and a not in required and a not in new]
                clashes += [(row, a) for a in extra if a not in new and a not in want]
                row.anchors = new
                if not [a for a in want if a not in placed]:
                    # point to the most specific word: "sentry" rather than "cmd"
                    row.see = next(a for a in reversed(want) if a in placed)
                for a in new:
                    placed[a] = (section, row)
                section.rows.append(row)
        else:
            for row in section.custom_rows:
                want = []
                for prefix in section.prefixes:
                    for word in row.words:
                        if prefix + word not in want:
                            want.append(prefix + word)
                for prefix in section.prefixes:
                    for word in row.aliases:
                        a = prefix + word
                        if a not in want and a not in required:
                            want.append(a)
                row.anchors = [a for a in want if a not in placed]
                if not row.anchors and want:
                    row.see = want[0]
                for a in row.anchors:
                    placed[a] = (section, row)
                section.rows.append(row)
    # Later listings of a word point back to the row that holds its help
    # anchor; that row points forward to them through anchors of their own.
    for section in sections:
        for number, row in enumerate(section.rows, 1):
            if row.see is None:
                continue
            own = "s-%s-%d" % (section.sid, number)
            if own in placed or own in required:
                raise SystemExit("%s: anchor %s clashes with a word" % (page, own))
            row.anchors.append(own)
            placed[own] = (section, row)
            target = placed[row.see][1]
            target.also.append((own, section.title))
    # A word such as "attack" that is also the plain form of "+attack"
    # points to the row of the + form.
    for row, anchor in clashes:
        owner = placed.get(anchor)
        if owner and owner[1] is not row and row.anchors and row.see is None:
            entry = (row.anchors[0], row.title)
            if entry not in owner[1].related:
                owner[1].related.append(entry)
    missing = [a for a in required if a not in placed]
    if missing:
        raise SystemExit("%s: no row for the anchors %s" % (page, ", ".join(missing[:20])))
    for section in sections:
        if "s-" + section.sid in placed:
            raise SystemExit("%s: section anchor s-%s clashes with a word" % (page, section.sid))
    return placed


# --- page assembly -----------------------------------------------------------------

NAV = [
    ("Introduction.htm", "Contents"),
    ("Quake 2.htm", "Quake 2"),
    ("Quake 2 Commands.htm", "Quake 2 commands"),
    ("Quake 3.htm", "Quake 3"),
    ("Quake 3 Commands.htm", "Quake 3 commands"),
    ("Quake 3 CVars.htm", "Quake 3 variables"),
    ("Quake 3 OSP.htm", "OSP"),
]

STYLE = """body { font-family: Tahoma, Verdana, Arial, sans-serif; font-size: 9pt; color: #000000; background-color: #ffffff; }
h1 { font-size: 15pt; color: #203060; margin-bottom: 4px; }
h2 { font-size: 12pt; color: #203060; margin-top: 16px; }
h3 { font-size: 10pt; color: #203060; }
p.nav { font-size: 8pt; background-color: #e8ecf4; }
td.k { font-family: "Courier New", Courier, monospace; white-space: nowrap; background-color: #f2f4f8; }
tt, pre { font-family: "Courier New", Courier, monospace; }
pre { background-color: #f2f4f8; }
span.d { color: #505050; }
span.f { color: #303030; }
p.small { font-size: 8pt; color: #505050; }"""


def page_html(page, title, body):
    nav = " | ".join('<a href="%s">%s</a>' % (page_href(p), esc(t)) if p != page else "<b>%s</b>" % esc(t)
                     for p, t in NAV)
    return ("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\n"
            "<html>\n<head>\n"
            "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-1\">\n"
            "<title>%s</title>\n<style type=\"text/css\">\n%s\n</style>\n</head>\n<body>\n"
            "<p class=\"nav\">%s</p>\n%s\n"
            "<p class=\"small\">Tessel help. Descriptions are short notes on what a name does; "
            "a game or mod may behave differently in versions other than the ones named on "
            "<a href=\"Introduction.htm#sources\">the contents page</a>.</p>\n"
            "</body>\n</html>\n") % (esc(title), STYLE, nav, body)


def render_sections(page, sections, placed):
    out = []
    links = " | ".join('<a href="#s-%s">%s</a>' % (s.sid, esc(s.title)) for s in sections if s.rows)
    out.append("<p><b>On this page:</b> %s</p>" % links)
    for section in sections:
        if not section.rows:
            continue
        out.append('<h2><a name="s-%s"></a>%s</h2>' % (section.sid, esc(section.title)))
        if section.intro:
            out.append("<p>%s</p>" % section.intro)
        out.append('<table border="0" cellspacing="0" cellpadding="3" width="100%">')
        for row in section.rows:
            names = "".join('<a name="%s"></a>' % esc(a) for a in row.anchors)
            cell = row.desc_html
            if row.forms:
                forms = []
                for form, text in row.forms:
                    forms.append("<tt>%s</tt>%s" % (esc(form), (" - " + text) if text else ""))
                cell += '<br><span class="f">%s</span>' % "<br>".join(forms)
            if row.see:
                target_section, target_row = placed[row.see]
                if linkable(row.see):
                    href = "#" + esc(row.see)
                else:
                    href = "#s-" + target_section.sid
                cell += ' <span class="d">(Help links for this word lead to <a href="%s">%s</a> in %s.)</span>' % (
                    href, esc(target_row.title), esc(target_section.title))
            if row.related:
                cell += ' <span class="d">(See also %s.)</span>' % ", ".join(
                    '<a href="#%s">%s</a>' % (esc(a), esc(t)) if linkable(a) else esc(t)
                    for a, t in row.related)
            if row.also:
                cell += ' <span class="d">(Also listed in %s.)</span>' % ", ".join(
                    '<a href="#%s">%s</a>' % (esc(a), esc(t)) for a, t in row.also)
            cell += row.extra
            out.append('<tr><td class="k" valign="top" width="28%%">%s<b>%s</b></td><td valign="top">%s</td></tr>'
                       % (names, esc(row.title), cell))
        out.append("</table>")
    return "\n".join(out)


def text_file(name):
    with open(os.path.join(TEXT_DIR, name), "rb") as handle:
        return handle.read().decode("latin-1")


# --- the topic pages ------------------------------------------------------------

def q2_sections():
    return [
        Section("q2binds", "Commands and actions",
                "The console commands of Quake 2 and its actions, the commands a key can be "
                "bound to (View &gt; Actions, Ctrl+F1). Commands that start with + act while "
                "the key is held down: the game runs the matching - command when the key is "
                "released, so a bind needs only the + form.",
                list_file="Quake2/q2binds.txt"),
        Section("q2cvars", "Console variables",
                "The console variables of Quake 2 (View &gt; CVars, Ctrl+F3). Set them with "
                "<tt>set name value</tt>; the defaults are those of the 3.20 source release.",
                list_file="Quake2/q2cvars.txt"),
        Section("q2keys", "Key names",
                "The names a <tt>bind</tt> line uses for the keys (View &gt; Bindable Keys, "
                "Ctrl+F2). Key names are not case-sensitive in the game.",
                list_file="Quake2/q2keys.txt"),
        Section("aq", "Action Quake 2",
                "Commands of Action Quake 2 (The Next Generation), a realistic team mod "
                "(Insert &gt; Other and View &gt; Action Quake Binds in an Action Quake document).",
                list_file="Quake2/aq.txt"),
        Section("ctf", "Capture the Flag",
                "Commands of id's Quake 2 Capture the Flag and of LM CTF (View &gt; Capture the "
                "flag Binds). The % macros work inside <tt>say_team</tt> lines.",
                list_file="Quake2/ctf.txt"),
        Section("q2ctf", "Capture the Flag team radio sounds",
                "The sound names of LM CTF's <tt>play_team</tt> command: Insert &gt; Other &gt; "
                "play_team asks for a key and then shows this list.",
                list_file="Quake2/q2ctf.txt"),
        Section("ffa2", "Quake 2 Free for All",
                "The commands most useful for plain Quake 2 deathmatch (View &gt; Free for all Binds).",
                list_file="Quake2/ffa.txt"),
        Section("gx", "GxMod",
                "Commands that Tessel's GxMod menu binds. No documentation of GxMod was available "
                "to us; the descriptions follow the captions of Tessel's Insert &gt; Other items.",
                list_file="Quake2/gx.txt"),
        Section("gxsv", "GxMod Server",
                "Server settings that Tessel's GxMod Server menu writes. Tools &gt; Calculate "
                "Flags adds up the flag values.",
                list_file="Quake2/gxsv.txt"),
        Section("lith", "Lithium II",
                "Player commands of Lithium II, a server-side deathmatch mod with runes and an "
                "off-hand hook.",
                list_file="Quake2/lith.txt"),
        Section("ra2", "Rocket Arena 2",
                "Player commands of Rocket Arena 2, where players fight in arenas, one team "
                "against another, with full equipment from the start.",
                list_file="Quake2/ra2.txt"),
        Section("ra2sv", "Rocket Arena 2 Server",
                "Settings of the Rocket Arena 2 arena configuration file (written as "
                "<tt>name: value;</tt> by Tessel's Insert &gt; Other items) and server variables "
                "of the mod.",
                list_file="Quake2/ra2sv.txt"),
        Section("wf", "Weapons Factory",
                "Commands of Weapons Factory, a class-based team mod. Most of them are game "
                "commands and are written with <tt>cmd</tt> in front, as Tessel's menu does.",
                list_file="Quake2/wf.txt"),
    ]


def q3_base_sections(order):
    intro = {
        "q3binds": ("Commands and actions",
                    "The console commands of Quake 3 and its actions, the commands a key can be "
                    "bound to (View &gt; Actions, Ctrl+F1). Commands that start with + act while "
                    "the key is held down; the game runs the matching - command on release."),
        "q3cvars": ("Console variables",
                    "The console variables of Quake 3 1.32 (View &gt; CVars, Ctrl+F3). Set them "
                    "with <tt>set</tt>, or <tt>seta</tt> to keep them in q3config.cfg."),
        "q3keys": ("Key names",
                   "The names a <tt>bind</tt> line uses for the keys (View &gt; Bindable Keys, "
                   "Ctrl+F2). Key names are not case-sensitive in the game."),
    }
    return [Section(k, intro[k][0], intro[k][1], list_file="Quake3/%s.txt" % k) for k in order]


def q3_commands_sections():
    return q3_base_sections(["q3binds", "q3cvars", "q3keys"]) + [
        Section("ffa3", "Quake 3 Free for All",
                "The commands most useful for plain Quake 3 deathmatch (View &gt; Free for All Binds).",
                list_file="Quake3/ffa.txt"),
        Section("ra3", "Rocket Arena 3",
                "Player commands of Rocket Arena 3 and the commands of its client MP3 player.",
                list_file="Quake3/ra3.txt"),
        Section("q3ut", "Urban Terror",
                "Commands of Urban Terror, a realistic team mod.",
                list_file="Quake3/q3ut.txt"),
        Section("wfa", "Weapons Factory Arena",
                "Commands that Tessel's Weapons Factory menu binds. No command reference of "
                "Weapons Factory Arena was available to us; the descriptions follow Tessel's "
                "menu captions and the Quake 2 Weapons Factory the mod was ported from.",
                list_file="Quake3/wfa.txt"),
    ]


def osp_server_command_rows():
    rows = []
    for word in rule.rule_words("Quake 3 OSP Server Commands.htm"):
        rows.append(Row(word, rich(other_word("ospsrv", word) or NO_DESCRIPTION), [word]))
    return rows


def osp_file_rows():
    rows = []
    for word in [w for where, w in OTHER if where == "ospfile"]:
        rows.append(Row(word, rich(other_word("ospfile", word) or NO_DESCRIPTION), [word]))
    return rows


TOPIC_PAGES = OrderedDict([
    ("Quake 2 Commands.htm", dict(
        title="Quake 2 commands, variables and keys",
        intro="<p>Help on a selected word in every Quake 2 document (and in blank configs) "
              "opens this page at the word. It lists the base game's commands, console "
              "variables and key names, and the commands of the Quake 2 mods that Tessel "
              "knows. A word that appears in several lists is described where it appears "
              "first; its later listings point back there.</p>",
        sections=q2_sections)),
    ("Quake 3 Commands.htm", dict(
        title="Quake 3 commands, variables and keys",
        intro="<p>Help on a selected word in Quake 3 Free for All, Rocket Arena 3, Urban "
              "Terror and Weapons Factory documents opens this page. It lists the base game's "
              "commands, console variables and key names, and the commands of those mods.</p>",
        sections=q3_commands_sections)),
    ("Quake 3 CVars.htm", dict(
        title="Quake 3 console variables",
        intro="<p>The console variables of Quake 3, followed by its commands and key names. "
              "Help on a selected word in the OSP server data file documents (custom mods, "
              "player filters, map lists) opens this page. The words of those files are "
              "described at the end.</p>",
        sections=lambda: q3_base_sections(["q3cvars", "q3binds", "q3keys"]) + [
            Section("ospfile", "Words of the OSP server data files",
                    "Words of the player filter and map list files that an OSP server reads "
                    "(see <a href=\"Quake%203%20OSP%20Server%20Client%20Filters.htm\">Client "
                    "filters</a> and <a href=\"Quake%203%20OSP.htm#maplist\">Map list files</a>).",
                    rows=osp_file_rows())])),
    ("Quake 3 OSP Commands.htm", dict(
        title="OSP commands",
        intro="<p>Help on a selected word in an OSP document opens this page, except for the "
              "client variables that start with cf_, cg_, ch_, col or pmo, which are on "
              "<a href=\"Quake%203%20OSP%20CVars.htm\">OSP client variables</a>. OSP's own "
              "commands come first, then the Quake 3 commands, variables and keys an OSP "
              "player uses as well.</p>",
        sections=lambda: [
            Section("osp", "OSP client and referee commands",
                    "Commands of OSP Tourney DM/CA/CTF 1.03 (View &gt; OSP Binds). Commands "
                    "starting with r_ are for the referee (<tt>ref password</tt>).",
                    list_file="Quake3/osp.txt")] +
        q3_base_sections(["q3binds", "q3cvars", "q3keys"]))),
    ("Quake 3 OSP CVars.htm", dict(
        title="OSP client variables",
        intro="<p>Help on a selected word that starts with cf_, cg_, ch_, col or pmo in an OSP "
              "document opens this page. These are the client variables of Quake 3 that OSP "
              "uses; OSP adds its own cf_ (fonts), ch_ (HUD) and cg_ variables, which are "
              "described in OSP's client documentation.</p>",
        sections=lambda: q3_base_sections(["q3cvars", "q3binds", "q3keys"]))),
    ("Quake 3 OSP Server Commands.htm", dict(
        title="OSP server commands",
        intro="<p>Console commands of an OSP server, typed at the server console or sent with "
              "<tt>rcon</tt>. Help on one of these words in an OSP Server document opens this "
              "page; every other word opens <a href=\"Quake%203%20OSP%20Server%20CVars.htm\">OSP "
              "server variables</a>.</p>",
        sections=lambda: [Section("ospsrv", "Server commands", "", rows=osp_server_command_rows(),
                                  prefixes=("q3osps",))])),
    ("Quake 3 OSP Server CVars.htm", dict(
        title="OSP server variables",
        intro="<p>The server variables of OSP 1.03a (View &gt; OSP Server Binds), followed by "
              "the Quake 3 commands, variables and keys. Help on a selected word in an OSP "
              "Server document opens this page, except for the few "
              "<a href=\"Quake%203%20OSP%20Server%20Commands.htm\">server commands</a>. "
              "Tools &gt; Name Editor previews coloured names, and Insert &gt; OSP Server "
              "Template writes a complete server configuration.</p>",
        sections=lambda: [
            Section("osps", "OSP server variables",
                    "Defaults are those of the OSP 1.03a server module.",
                    list_file="Quake3/osps.txt")] +
        q3_base_sections(["q3binds", "q3cvars", "q3keys"]))),
])


# --- the overview pages ------------------------------------------------------------

def list_summary(list_file, mod_id):
    """A table of a list's entries with a link to their help entry."""
    rows = list_rows(list_file)
    out = ['<table border="0" cellspacing="0" cellpadding="3" width="100%">']
    for row in rows:
        page, anchor = rule.topic(mod_id, row.words[0])
        title = esc(row.title)
        if anchor is not None and linkable(anchor):
            title = '<a href="%s">%s</a>' % (page_href(page, anchor), title)
        cell = row.desc_html
        if row.forms:
            cell += '<br><span class="f">%s</span>' % ", ".join("<tt>%s</tt>" % esc(f) for f, _ in row.forms)
        out.append('<tr><td class="k" valign="top" width="28%%"><b>%s</b></td><td valign="top">%s</td></tr>'
                   % (title, cell))
    out.append("</table>")
    return "\n".join(out)


def fill_placeholders(text):
    def repl(match):
        kind, arg = match.group(1), match.group(2)
        if kind == "LIST":
            list_file, mod_id = arg.split("|")
            return list_summary(list_file, int(mod_id))
        if kind == "COUNT":
            return str(len(entries(arg)))
        raise SystemExit("unknown placeholder %s" % match.group(0))
    return re.sub(r"\{\{(LIST|COUNT):([^}]*)\}\}", repl, text)


OVERVIEW_PAGES = OrderedDict([
    ("Introduction.htm", ("Tessel help", "Introduction.html")),
    ("Quake 2.htm", ("Quake 2", "Quake2.html")),
    ("Quake 3.htm", ("Quake 3", "Quake3.html")),
    ("Quake 3 OSP.htm", ("OSP for Quake 3", "OSP.html")),
    ("Quake 3 OSP Custom Configs.htm", ("OSP custom mode files", "OSPCustomConfigs.html")),
    ("Quake 3 OSP Server Client Filters.htm", ("OSP player filter files", "OSPClientFilters.html")),
])


def page_bytes(page, text):
    data = text.replace("\r\n", "\n").replace("\n", "\r\n")
    try:
        return data.encode("latin-1")
    except UnicodeEncodeError as err:
        raise SystemExit("%s: not Latin-1 text: %s" % (page, err))


def make_pages():
    """[(page, bytes, anchor count or None)] of every page, in order."""
    pages = []
    for page, info in TOPIC_PAGES.items():
        sections = info["sections"]()
        placed = place_anchors(page, sections)
        body = "<h1>%s</h1>\n%s\n%s" % (esc(info["title"]), info["intro"],
                                        render_sections(page, sections, placed))
        pages.append((page, page_bytes(page, page_html(page, info["title"], body)), len(placed)))
    for page, (title, source) in OVERVIEW_PAGES.items():
        body = fill_placeholders(text_file(source))
        pages.append((page, page_bytes(page, page_html(page, title, body)), None))
    return pages


def differences(help_dir, pages):
    """Lines telling how the committed pages differ from the made ones."""
    out = []
    for page, made, _ in pages:
        path = os.path.join(help_dir, page)
        if not os.path.isfile(path):
            out.append("Help/%s: missing" % page)
            continue
        with open(path, "rb") as handle:
            committed = handle.read()
        if committed == made:
            continue
        old = committed.decode("latin-1").splitlines()
        new = made.decode("latin-1").splitlines()
        diff = list(difflib.unified_diff(old, new, "committed/" + page, "made/" + page, n=0, lineterm=""))
        changed = sum(1 for d in diff if d[:1] in "+-" and d[:3] not in ("+++", "---"))
        out.append("Help/%s differs from what the data makes (%d lines):" % (page, changed))
        out += ["    " + d[:160] for d in diff[2:14]]
    return out


def main(argv):
    global DATA, REQUIRED
    args = [a for a in argv[1:] if a != "--check"]
    check = len(args) != len(argv) - 1
    DATA = os.path.abspath(args[0]) if args else os.path.join(REPO, "data")
    help_dir = os.path.join(DATA, "Help")
    PROBLEMS[:0] = rule.load(DATA)
    REQUIRED = rule.required_anchors(os.path.join(DATA, "Configs"))
    pages = make_pages()

    if check:
        found = list(OrderedDict.fromkeys(PROBLEMS + namedata.check_names(os.path.join(DATA, "Configs"))))
        found += ["tools/help/%s:%d: %s %r is on no page" % (OTHER_WORDS, OTHER_LINES[key], key[0], key[1])
                  for key in OTHER if key not in OTHER_USED]
        stale = differences(help_dir, pages)
        for line in found + stale:
            print(line)
        print("%d pages made, %d data problems, %d pages differ"
              % (len(pages), len(found), sum(1 for line in stale if not line.startswith(" "))))
        return 1 if found or stale else 0

    os.makedirs(help_dir, exist_ok=True)
    total = 0
    for page, raw, anchors in pages:
        with open(os.path.join(help_dir, page), "wb") as handle:
            handle.write(raw)
        total += len(raw)
        print("%-38s %5s %s %8d bytes" % (page, "" if anchors is None else anchors,
                                         "       " if anchors is None else "anchors", len(raw)))
    print("%d bytes in all" % total)
    for problem in PROBLEMS:
        sys.stderr.write(problem + "\n")
    return 1 if PROBLEMS else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
