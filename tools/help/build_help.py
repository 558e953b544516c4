#!/usr/bin/env python3
"""Build Tessel's HTML help pages (data/Help/*.htm) from the reference lists
(data/Configs/) and the description tables in this folder.

Usage:
    tools/help/build_help.py [DATA_DIR]

DATA_DIR defaults to data/ of the source tree.  The pages are written to
DATA_DIR/Help, in Latin-1, with CR LF line ends, and are committed; run this
script again after a change of a list file, a description table or a text
file under tools/help/text/, then run tools/check_help_anchors.py DATA_DIR.

Inputs (all in tools/help/):
  descriptions_q2.tsv, descriptions_q3.tsv   base game commands and cvars
  descriptions_keys.tsv                      named keys
  descriptions_q2mods.tsv, descriptions_q3mods.tsv   mod commands and settings
  defaults_q2.tsv, defaults_q3.tsv, defaults_osp.tsv  cvar defaults and flags
                                             (made by extract_cvar_defaults.py)
  text/*.html                                hand-written page bodies

Which page and anchor a word gets is decided by the rule in
tools/check_help_anchors.py (imported from there, so that the pages and the
checker cannot disagree).  Every anchor that rule can produce for a word of a
list that a document can show is placed on the row that describes the word;
the generator stops with an error if one cannot be placed.
"""

import html
import os
import re
import sys
from collections import OrderedDict

HERE = os.path.dirname(os.path.abspath(__file__))
TOOLS = os.path.dirname(HERE)
sys.path.insert(0, TOOLS)
import check_help_anchors as rule  # noqa: E402

REPO = os.path.dirname(TOOLS)
TEXT_DIR = os.path.join(HERE, "text")

# --- description tables ---------------------------------------------------------


def read_tsv(name, columns):
    rows = []
    with open(os.path.join(HERE, name), "rb") as handle:
        for number, raw in enumerate(handle.read().decode("latin-1").splitlines(), 1):
            if not raw.strip() or raw.startswith("#"):
                continue
            parts = raw.split("\t")
            if len(parts) != columns:
                raise SystemExit("%s:%d: expected %d tab-separated columns" % (name, number, columns))
            rows.append(parts)
    return rows


def table(name):
    out = {}
    for key, text in read_tsv(name, 2):
        if key in out:
            raise SystemExit("%s: %r twice" % (name, key))
        out[key] = text
    return out


def mod_table(name):
    out = {}
    for list_id, key, text in read_tsv(name, 3):
        if (list_id, key) in out:
            raise SystemExit("%s: %s %r twice" % (name, list_id, key))
        out[(list_id, key)] = text
    return out


def defaults(name):
    out = {}
    for cvar, default, flags in read_tsv(name, 3):
        out[cvar.lower()] = (default, flags.split())
    return out


BASE = {"q2": table("descriptions_q2.tsv"), "q3": table("descriptions_q3.tsv")}
KEYS = table("descriptions_keys.tsv")
MODS = {}
MODS.update(mod_table("descriptions_q2mods.tsv"))
MODS.update(mod_table("descriptions_q3mods.tsv"))
DEFAULTS = {"q2": defaults("defaults_q2.tsv"), "q3": defaults("defaults_q3.tsv"),
            "osp": defaults("defaults_osp.tsv")}

NO_DESCRIPTION = "No description yet."

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

PRINTABLE = {"`", "-", "=", "[", "]", "\\", "'", ",", ".", "/"}


def key_description(key):
    k = key.lower()
    if k in KEYS:
        return KEYS[k]
    if len(k) == 1 and k.isalpha():
        return "The %s key." % k.upper()
    if len(k) == 1 and k.isdigit():
        return "The %s key of the main keyboard (not the keypad)." % k
    m = re.fullmatch(r"f(\d+)", k)
    if m:
        return "The function key F%s." % m.group(1)
    m = re.fullmatch(r"joy(\d+)", k)
    if m:
        return "Joystick button %s." % m.group(1)
    m = re.fullmatch(r"aux(\d+)", k)
    if m:
        return "Auxiliary input %s (extra joystick or controller buttons)." % m.group(1)
    return NO_DESCRIPTION


def describe(game, list_id, key):
    """Description text of a lower-case key in a list."""
    if list_id and (list_id, key) in MODS:
        return MODS[(list_id, key)]
    if list_id == "keys":
        return key_description(key)
    if key in BASE[game]:
        return BASE[game][key]
    return None


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


def default_note(table_id, key):
    entry = DEFAULTS[table_id].get(key)
    if not entry:
        return ""
    default, flags = entry
    bits = []
    if default != "varies":
        # Empty values and values with outer blanks are shown in quotes.
        if default == "" or default != default.strip():
            bits.append('Default: <tt>"%s"</tt>' % esc(default))
        else:
            bits.append("Default: <tt>%s</tt>" % esc(default))
    words = [FLAG_TEXT[f] for f in flags if f in FLAG_TEXT]
    if words:
        text = "; ".join(words)
        bits.append(text[0].upper() + text[1:])
    if not bits:
        return ""
    return '<br><span class="d">%s.</span>' % ". ".join(bits)


# --- lists, rows and sections ----------------------------------------------------

LIST_INFO = {
    # list file: (game, list id for the mod tables, defaults table or None)
    "Quake2/q2binds.txt": ("q2", "", None),
    "Quake2/q2cvars.txt": ("q2", "", "q2"),
    "Quake2/q2keys.txt": ("q2", "keys", None),
    "Quake2/aq.txt": ("q2", "aq", None),
    "Quake2/ctf.txt": ("q2", "ctf", None),
    "Quake2/q2ctf.txt": ("q2", "q2ctf", None),
    "Quake2/ffa.txt": ("q2", "ffa2", None),
    "Quake2/gx.txt": ("q2", "gx", None),
    "Quake2/gxsv.txt": ("q2", "gxsv", None),
    "Quake2/lith.txt": ("q2", "lith", None),
    "Quake2/ra2.txt": ("q2", "ra2", None),
    "Quake2/ra2sv.txt": ("q2", "ra2sv", None),
    "Quake2/wf.txt": ("q2", "wf", None),
    "Quake3/q3binds.txt": ("q3", "", None),
    "Quake3/q3cvars.txt": ("q3", "", "q3"),
    "Quake3/q3keys.txt": ("q3", "keys", None),
    "Quake3/ffa.txt": ("q3", "ffa3", None),
    "Quake3/osp.txt": ("q3", "osp", None),
    "Quake3/osps.txt": ("q3", "osps", "osp"),
    "Quake3/q3ut.txt": ("q3", "q3ut", None),
    "Quake3/ra3.txt": ("q3", "ra3", None),
    "Quake3/wfa.txt": ("q3", "wfa", None),
}

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
    game, list_id, defaults_id = LIST_INFO[list_file]
    groups = OrderedDict()
    for entry in entries(list_file):
        groups.setdefault(group_key(entry), []).append(entry)
    rows = []
    for key, members in groups.items():
        base = [e for e in members if e.lower() == key]
        title = base[0] if base else key
        text = describe(game, list_id, key)
        if text is None and key.startswith("cmd "):
            text = describe(game, list_id, key[4:])
        if text is None:
            text = NO_DESCRIPTION
        desc_html = rich(text)
        if defaults_id:
            desc_html += default_note(defaults_id, key)
        forms = []
        for e in members:
            if e.lower() == key:
                continue
            ftext = describe(game, list_id, e.lower())
            forms.append((e, rich(ftext) if ftext else ""))
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
    for word in rule.OSP_SERVER_COMMANDS:
        rows.append(Row(word, rich(MODS[("ospsrv", word)]), [word]))
    return rows


def osp_file_rows():
    rows = []
    for word in ("banplayer", "bantag", "banaddr", "banadd", "banpass", "configmap"):
        rows.append(Row(word, rich(MODS[("ospfile", word)]), [word]))
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


def write_page(help_dir, page, text):
    data = text.replace("\r\n", "\n").replace("\n", "\r\n")
    try:
        raw = data.encode("latin-1")
    except UnicodeEncodeError as err:
        raise SystemExit("%s: not Latin-1 text: %s" % (page, err))
    with open(os.path.join(help_dir, page), "wb") as handle:
        handle.write(raw)
    return len(raw)


def main(argv):
    global DATA, REQUIRED
    DATA = os.path.abspath(argv[1]) if len(argv) > 1 else os.path.join(REPO, "data")
    help_dir = os.path.join(DATA, "Help")
    os.makedirs(help_dir, exist_ok=True)
    REQUIRED = rule.required_anchors(os.path.join(DATA, "Configs"))

    total = 0
    for page, info in TOPIC_PAGES.items():
        sections = info["sections"]()
        placed = place_anchors(page, sections)
        body = "<h1>%s</h1>\n%s\n%s" % (esc(info["title"]), info["intro"],
                                        render_sections(page, sections, placed))
        size = write_page(help_dir, page, page_html(page, info["title"], body))
        total += size
        print("%-38s %5d anchors %8d bytes" % (page, len(placed), size))
    for page, (title, source) in OVERVIEW_PAGES.items():
        body = fill_placeholders(text_file(source))
        size = write_page(help_dir, page, page_html(page, title, body))
        total += size
        print("%-38s %5s         %8d bytes" % (page, "", size))
    print("%d bytes in all" % total)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
