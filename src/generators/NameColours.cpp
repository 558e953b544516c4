#include "NameColours.h"

namespace generators {

namespace {

const ColourCode kCodes[] = {
    {'0', "Black", {0, 0, 0}},       {'1', "Red", {255, 0, 0}},    {'2', "Green", {0, 255, 0}},
    {'3', "Yellow", {255, 255, 0}},  {'4', "Blue", {0, 0, 255}},   {'5', "Cyan", {0, 255, 255}},
    {'6', "Magenta", {255, 0, 255}}, {'7', "White", {255, 255, 255}},
    {'8', "Black", {0, 0, 0}},       {'9', "Red", {255, 0, 0}},
};

constexpr int kLegendCodeCount = 8;

// Only the ASCII digits make a code; QChar::isDigit() would also take other scripts' digits.
bool isCodeDigit(QChar ch) { return ch >= QLatin1Char('0') && ch <= QLatin1Char('9'); }

void appendVisible(QList<ColourRun> &runs, QChar ch, NameColour colour)
{
    if (!runs.isEmpty() && runs.last().colour == colour)
        runs.last().text += ch;
    else
        runs.append({QString(ch), colour});
}

} // namespace

std::span<const ColourCode> colourCodes() { return kCodes; }

QStringList colourLegendCaptions()
{
    QStringList captions;
    for (int code = 0; code < kLegendCodeCount; ++code) {
        const ColourCode &entry = kCodes[code];
        captions.append(QStringLiteral("^") + QLatin1Char(entry.digit) + QStringLiteral("  ") +
                        QLatin1String(entry.name));
    }
    return captions;
}

QList<ColourRun> colourRuns(const QString &name)
{
    QList<ColourRun> runs;
    NameColour colour = kDefaultNameColour;
    const qsizetype length = name.size();
    qsizetype i = 0;
    while (i < length) {
        const QChar ch = name.at(i);
        if (ch == QLatin1Char('^') && i + 1 < length && isCodeDigit(name.at(i + 1))) {
            colour = kCodes[name.at(i + 1).unicode() - '0'].colour;
            i += 2;
            continue;
        }
        appendVisible(runs, ch, colour);
        ++i;
    }
    return runs;
}

QString visibleName(const QString &name)
{
    QString text;
    for (const ColourRun &run : colourRuns(name))
        text += run.text;
    return text;
}

} // namespace generators
