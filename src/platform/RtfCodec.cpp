#include "platform/RtfCodec.h"

#include <QSet>

#include <algorithm>
#include <array>

namespace platform {

namespace {

const char RtfPrefix[] = "{\\rtf1";

// ---- Writer -------------------------------------------------------------------------

QRgb rgbOf(const QColor &color) { return color.rgb() & 0xFFFFFF; }

const char *alignmentWord(Qt::Alignment alignment)
{
    switch (alignment & Qt::AlignHorizontal_Mask) {
    case Qt::AlignHCenter:
        return "\\qc";
    case Qt::AlignRight:
        return "\\qr";
    case Qt::AlignJustify:
        return "\\qj";
    default:
        return "\\ql";
    }
}

void appendEscaped(QByteArray &out, QStringView text)
{
    static const char hex[] = "0123456789abcdef";
    for (const QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u == '\\' || u == '{' || u == '}') {
            out += '\\';
            out += char(u);
        } else if (u == '\t') {
            out += "\\tab ";
        } else if (u >= 0x20 && u < 0x7F) {
            out += char(u);
        } else if (u <= 0xFF) {
            out += "\\'";
            out += hex[u >> 4];
            out += hex[u & 0xF];
        } else {
            // \uN takes a signed 16-bit number; '?' is the fallback for readers without Unicode.
            out += "\\u";
            out += QByteArray::number(int(qint16(u)));
            out += '?';
        }
    }
}

// ---- Reader -------------------------------------------------------------------------

enum class Destination { Text, ColorTable, Skip };

struct GroupState {
    Destination destination = Destination::Text;
    int colorIndex = 0;
    bool bold = false;
    Qt::Alignment alignment = Qt::AlignLeft;
    int unicodeSkip = 1;
};

struct PendingRun {
    QString text;
    int colorIndex = 0;
    bool bold = false;
};

struct PendingParagraph {
    Qt::Alignment alignment;
    QList<PendingRun> runs;
};

// Destinations whose content is not document text. Groups marked with \* are skipped too.
const QSet<QStringView> &skippedDestinations()
{
    static const QSet<QStringView> names = {
        u"fonttbl",   u"stylesheet", u"info",      u"pict",       u"object",    u"header",
        u"headerl",   u"headerr",    u"headerf",   u"footer",     u"footerl",   u"footerr",
        u"footerf",   u"footnote",   u"annotation", u"fldinst",   u"pntext",    u"pntxta",
        u"pntxtb",    u"pn",         u"listtable", u"revtbl",     u"rsidtbl",   u"generator",
        u"filetbl",   u"xmlnstbl",   u"themedata", u"datastore",  u"nonshppict", u"bkmkstart",
        u"bkmkend",   u"atnid",      u"atnauthor", u"xe",         u"tc",        u"txe",
        u"shpinst",   u"userprops",  u"docvar",    u"template",   u"latentstyles",
        u"listoverridetable",        u"colorschememapping",
    };
    return names;
}

QChar specialCharacter(QStringView word)
{
    struct Special {
        QStringView word;
        char16_t ch;
    };
    static const std::array<Special, 10> specials = {{
        {u"emdash", 0x2014},
        {u"endash", 0x2013},
        {u"lquote", 0x2018},
        {u"rquote", 0x2019},
        {u"ldblquote", 0x201C},
        {u"rdblquote", 0x201D},
        {u"bullet", 0x2022},
        {u"emspace", ' '},
        {u"enspace", ' '},
        {u"qmspace", ' '},
    }};
    for (const Special &special : specials) {
        if (special.word == word)
            return QChar(special.ch);
    }
    return QChar();
}

int hexValue(QChar ch)
{
    const char16_t u = ch.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

bool isAsciiLetter(QChar ch)
{
    const char16_t u = ch.unicode();
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z');
}

bool isAsciiDigit(QChar ch) { return ch.unicode() >= '0' && ch.unicode() <= '9'; }

class Reader {
public:
    explicit Reader(QStringView in) : m_in(in) {}

    QList<RichParagraph> read()
    {
        bool closed = false;
        while (m_pos < m_in.size() && !closed) {
            const QChar ch = m_in[m_pos];
            switch (ch.unicode()) {
            case '{':
                ++m_pos;
                m_pendingSkip = 0;
                m_stack.append(m_state);
                break;
            case '}':
                ++m_pos;
                m_pendingSkip = 0;
                // The outermost group ends the document; its state decides the last paragraph.
                if (m_stack.size() <= 1) {
                    closed = true;
                    break;
                }
                m_state = m_stack.takeLast();
                break;
            case '\\':
                ++m_pos;
                readControl();
                break;
            case '\r':
            case '\n':
            case 0:
                ++m_pos;
                break;
            default:
                ++m_pos;
                addCharacter(ch);
                break;
            }
        }
        endParagraph();
        return finish();
    }

private:
    void readControl()
    {
        if (m_pos >= m_in.size())
            return;
        const QChar ch = m_in[m_pos];
        if (isAsciiLetter(ch)) {
            readControlWord();
            return;
        }
        ++m_pos;
        if (ch == u'\'') {
            const int high = m_pos < m_in.size() ? hexValue(m_in[m_pos]) : -1;
            const int low = high >= 0 && m_pos + 1 < m_in.size() ? hexValue(m_in[m_pos + 1]) : -1;
            if (high < 0 || low < 0) {
                m_pos = std::min(m_pos + (high >= 0 ? 1 : 0), m_in.size());
                return;
            }
            m_pos += 2;
            addCharacter(QChar(char16_t(high * 16 + low)));
            return;
        }
        if (skipFallback())
            return;
        switch (ch.unicode()) {
        case '\\':
        case '{':
        case '}':
            addCharacter(ch);
            break;
        case '~':
            addCharacter(QChar(char16_t(0xA0)));
            break;
        case '_':
            addCharacter(u'-');
            break;
        case '*':
            m_state.destination = Destination::Skip;
            break;
        case '\r':
        case '\n':
            paragraphBreak();
            break;
        default: // \- optional hyphen, \: \| and unknown symbols
            break;
        }
    }

    void readControlWord()
    {
        const qsizetype start = m_pos;
        while (m_pos < m_in.size() && isAsciiLetter(m_in[m_pos]))
            ++m_pos;
        const QStringView word = m_in.sliced(start, m_pos - start);

        bool hasParameter = false;
        bool negative = false;
        qint64 parameter = 0;
        if (m_pos + 1 < m_in.size() && m_in[m_pos] == u'-' && isAsciiDigit(m_in[m_pos + 1])) {
            negative = true;
            ++m_pos;
        }
        while (m_pos < m_in.size() && isAsciiDigit(m_in[m_pos])) {
            hasParameter = true;
            parameter = std::min<qint64>(parameter * 10 + (m_in[m_pos].unicode() - '0'), 1 << 30);
            ++m_pos;
        }
        if (negative)
            parameter = -parameter;
        if (m_pos < m_in.size() && m_in[m_pos] == u' ')
            ++m_pos;

        if (word == u"bin") {
            // Binary data of the given length follows; it is never text.
            m_pos = std::min(m_pos + std::max<qint64>(parameter, 0), qint64(m_in.size()));
            return;
        }
        if (skipFallback())
            return;
        handleWord(word, hasParameter, int(parameter));
    }

    void handleWord(QStringView word, bool hasParameter, int parameter)
    {
        if (m_state.destination == Destination::Skip)
            return;
        if (m_state.destination == Destination::ColorTable) {
            const int component = std::clamp(parameter, 0, 255);
            if (word == u"red")
                m_red = component;
            else if (word == u"green")
                m_green = component;
            else if (word == u"blue")
                m_blue = component;
            else
                return;
            m_componentSeen = true;
            return;
        }

        if (word == u"par" || word == u"line" || word == u"row") {
            paragraphBreak();
        } else if (word == u"tab" || word == u"cell") {
            addCharacter(u'\t');
        } else if (word == u"u" && hasParameter) {
            addCharacter(QChar(char16_t(parameter < 0 ? parameter + 0x10000 : parameter)));
            m_pendingSkip = m_state.unicodeSkip;
        } else if (word == u"uc") {
            m_state.unicodeSkip = std::max(parameter, 0);
        } else if (word == u"b") {
            m_state.bold = !hasParameter || parameter != 0;
        } else if (word == u"cf") {
            m_state.colorIndex = hasParameter ? parameter : 0;
        } else if (word == u"plain") {
            m_state.bold = false;
            m_state.colorIndex = 0;
        } else if (word == u"pard") {
            m_state.alignment = Qt::AlignLeft;
        } else if (word == u"ql") {
            m_state.alignment = Qt::AlignLeft;
        } else if (word == u"qc") {
            m_state.alignment = Qt::AlignHCenter;
        } else if (word == u"qr") {
            m_state.alignment = Qt::AlignRight;
        } else if (word == u"qj") {
            m_state.alignment = Qt::AlignJustify;
        } else if (word == u"colortbl") {
            m_state.destination = Destination::ColorTable;
            m_colors.clear();
            resetColorEntry();
        } else if (skippedDestinations().contains(word)) {
            m_state.destination = Destination::Skip;
        } else if (const QChar special = specialCharacter(word); !special.isNull()) {
            addCharacter(special);
        }
    }

    /** Consumes one fallback character of a preceding \uN; true if it did. */
    bool skipFallback()
    {
        if (m_pendingSkip <= 0)
            return false;
        --m_pendingSkip;
        return true;
    }

    void addCharacter(QChar ch)
    {
        if (skipFallback())
            return;
        // A config never holds NUL, and its only line break is the paragraph's.
        if (ch.isNull())
            return;
        if (ch == QChar::LineSeparator || ch == QChar::ParagraphSeparator) {
            paragraphBreak();
            return;
        }
        if (m_state.destination == Destination::ColorTable) {
            if (ch == u';') {
                m_colors.append(m_componentSeen ? QColor(m_red, m_green, m_blue) : QColor());
                resetColorEntry();
            }
            return;
        }
        if (m_state.destination != Destination::Text)
            return;
        if (m_runs.isEmpty() || m_runs.last().colorIndex != m_state.colorIndex ||
            m_runs.last().bold != m_state.bold)
            m_runs.append({QString(), m_state.colorIndex, m_state.bold});
        m_runs.last().text += ch;
    }

    void paragraphBreak()
    {
        if (m_state.destination == Destination::Text)
            endParagraph();
    }

    void endParagraph()
    {
        m_paragraphs.append({m_state.alignment, m_runs});
        m_runs.clear();
    }

    void resetColorEntry()
    {
        m_red = m_green = m_blue = 0;
        m_componentSeen = false;
    }

    QList<RichParagraph> finish() const
    {
        QList<RichParagraph> result;
        result.reserve(m_paragraphs.size());
        for (const PendingParagraph &pending : m_paragraphs) {
            RichParagraph paragraph;
            paragraph.alignment = pending.alignment;
            for (const PendingRun &run : pending.runs) {
                const QColor color = run.colorIndex >= 0 && run.colorIndex < m_colors.size()
                                         ? m_colors.at(run.colorIndex)
                                         : QColor();
                // Two table entries may hold the same colour.
                if (!paragraph.runs.isEmpty() && paragraph.runs.last().color == color &&
                    paragraph.runs.last().bold == run.bold)
                    paragraph.runs.last().text += run.text;
                else
                    paragraph.runs.append({run.text, color, run.bold});
            }
            result.append(paragraph);
        }
        return result;
    }

    QStringView m_in;
    qsizetype m_pos = 0;
    GroupState m_state;
    QList<GroupState> m_stack;
    int m_pendingSkip = 0;

    QList<QColor> m_colors;
    int m_red = 0;
    int m_green = 0;
    int m_blue = 0;
    bool m_componentSeen = false;

    QList<PendingRun> m_runs;
    QList<PendingParagraph> m_paragraphs;
};

} // namespace

QByteArray writeRtf(const QList<RichParagraph> &paragraphs, const QString &fontFamily,
                    qreal pointSize)
{
    QList<QRgb> colors;
    for (const RichParagraph &paragraph : paragraphs) {
        for (const RichRun &run : paragraph.runs) {
            if (run.color.isValid() && !run.text.isEmpty() && !colors.contains(rgbOf(run.color)))
                colors.append(rgbOf(run.color));
        }
    }

    QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 ";
    appendEscaped(out, fontFamily);
    out += ";}}\r\n{\\colortbl ;";
    for (const QRgb rgb : colors) {
        out += "\\red" + QByteArray::number(qRed(rgb)) + "\\green" +
               QByteArray::number(qGreen(rgb)) + "\\blue" + QByteArray::number(qBlue(rgb)) + ';';
    }
    out += "}\r\n\\f0";
    if (pointSize > 0)
        out += "\\fs" + QByteArray::number(qRound(pointSize * 2));

    int colorIndex = 0;
    bool bold = false;
    for (qsizetype i = 0; i < paragraphs.size(); ++i) {
        if (i > 0)
            out += "\\par\r\n";
        out += "\\pard";
        out += alignmentWord(paragraphs.at(i).alignment);
        bool delimit = true;
        for (const RichRun &run : paragraphs.at(i).runs) {
            if (run.text.isEmpty())
                continue;
            const int wanted = run.color.isValid() ? int(colors.indexOf(rgbOf(run.color))) + 1 : 0;
            if (wanted != colorIndex) {
                out += "\\cf" + QByteArray::number(wanted);
                colorIndex = wanted;
                delimit = true;
            }
            if (run.bold != bold) {
                out += run.bold ? "\\b" : "\\b0";
                bold = run.bold;
                delimit = true;
            }
            if (delimit)
                out += ' ';
            delimit = false;
            appendEscaped(out, run.text);
        }
    }
    out += '}';
    return out;
}

std::optional<QList<RichParagraph>> readRtf(const QByteArray &rtf)
{
    if (!looksLikeRtf(rtf))
        return std::nullopt;
    return Reader(QString::fromLatin1(rtf)).read();
}

std::optional<QList<RichParagraph>> readRtf(QStringView rtf)
{
    if (!looksLikeRtf(rtf))
        return std::nullopt;
    return Reader(rtf).read();
}

bool looksLikeRtf(const QByteArray &text) { return text.startsWith(RtfPrefix); }

bool looksLikeRtf(QStringView text) { return text.startsWith(QLatin1StringView(RtfPrefix)); }

} // namespace platform
