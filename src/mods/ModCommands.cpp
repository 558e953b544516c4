#include "mods/ModCommands.h"

namespace mods {

namespace {

/** A step of a fixed script; expanded into ModCommandStep at run time. */
struct ScriptStep {
    StepKind kind;
    QStringView text;
    std::span<const Highlight> highlights = {};
};

constexpr Highlight kBindWord[] = {{5, core::Keyword::Bind}};

// Each script line is written with its CR LF, so Back counts from behind the line break.
constexpr Highlight kMp3Line1[] = {{26, core::Keyword::Set}, {14, core::Keyword::Vstr}};
constexpr Highlight kMp3Line2[] = {{57, core::Keyword::Set}, {35, core::Keyword::Set}, {24, core::Keyword::Vstr}};
constexpr Highlight kMp3Line3[] = {{59, core::Keyword::Set}, {36, core::Keyword::Set}, {25, core::Keyword::Vstr}};

// clang-format off
constexpr ScriptStep kMp3Script[] = {
    {StepKind::Write, u"bind ", kBindWord},
    {StepKind::ShowKeysListAndWait, {}},
    {StepKind::Write, u" \"vstr mp3_pp\"\r\n"},
    {StepKind::RememberCaret, {}},
    {StepKind::Write, u"\r\n"},
    {StepKind::Write, u"//MP3 Script\r\n"},
    {StepKind::Write, u"set mp3_pp \"vstr mp3_p1\"\r\n", kMp3Line1},
    {StepKind::Write, u"set mp3_p1 \"mp3_play; set mp3_pp vstr mp3_p2;echo play\"\r\n", kMp3Line2},
    {StepKind::Write, u"set mp3_p2 \"mp3_pause; set mp3_pp vstr mp3_p1;echo pause\"\r\n", kMp3Line3},
    {StepKind::RestoreCaret, {}},
};

constexpr ScriptStep kTeamSoundBind[] = {
    {StepKind::Write, u"bind ", kBindWord},
    {StepKind::ShowKeysListAndWait, {}},
    {StepKind::Write, u" \"play_team "},
    {StepKind::ShowSpecialListAndWait, u"\\Quake2\\q2ctf.txt"},
    {StepKind::Write, u"\""},
};

constexpr Highlight kMotdLine[] = {{21, core::Keyword::Set}};
constexpr Highlight kLastMotdLine[] = {{19, core::Keyword::Set}};

constexpr ScriptStep kMotdLines[] = {
    {StepKind::Write, u"set server_motd1 \"\"\r\n", kMotdLine},
    {StepKind::Write, u"set server_motd2 \"\"\r\n", kMotdLine},
    {StepKind::Write, u"set server_motd3 \"\"\r\n", kMotdLine},
    {StepKind::Write, u"set server_motd4 \"\"\r\n", kMotdLine},
    {StepKind::Write, u"set server_motd5 \"\"\r\n", kMotdLine},
    {StepKind::Write, u"set server_motd6 \"\"\r\n", kMotdLine},
    {StepKind::Write, u"set server_motd7 \"\"\r\n", kMotdLine},
    {StepKind::Write, u"set server_motd8 \"\"", kLastMotdLine},
};
// clang-format on

QList<ModCommandStep> expand(std::span<const ScriptStep> script)
{
    QList<ModCommandStep> steps;
    steps.reserve(qsizetype(script.size()));
    for (const ScriptStep &step : script) {
        steps.append({step.kind, step.text.toString(),
                      QList<Highlight>(step.highlights.begin(), step.highlights.end())});
    }
    return steps;
}

ModCommandStep write(const QString &text, QList<Highlight> highlights = {})
{
    return {StepKind::Write, text, std::move(highlights)};
}

QList<Highlight> setWordAtStartOf(const QString &text)
{
    return {{int(text.size()), core::Keyword::Set}};
}

} // namespace

QList<ModCommandStep> modCommandSteps(const ModCommand &command)
{
    const QString text = command.text.toString();
    switch (command.kind) {
    case ModCommandKind::KeyBind:
        return {write(QStringLiteral("bind "), {kBindWord[0]}),
                {StepKind::ShowKeysListAndWait, {}, {}},
                write(QStringLiteral(" \"") + text + QLatin1Char('"'))};
    case ModCommandKind::SetLine:
        return {write(text, setWordAtStartOf(text))};
    case ModCommandKind::SetLineOpeningQuote: {
        const QString line = text + QLatin1Char('"');
        return {write(line, setWordAtStartOf(line))};
    }
    case ModCommandKind::Text:
        return {write(text)};
    case ModCommandKind::TextOpeningQuote:
        return {write(text + QLatin1Char('"'))};
    case ModCommandKind::TextAndTab:
        return {write(text + QLatin1Char('\t'))};
    case ModCommandKind::Mp3Script:
        return expand(kMp3Script);
    case ModCommandKind::TeamSoundBind:
        return expand(kTeamSoundBind);
    case ModCommandKind::MotdLines:
        return expand(kMotdLines);
    }
    return {};
}

} // namespace mods
