// The platform layer: RTF as the clipboard carries it, the settings file, and the editor's
// text model (a line break is CR LF and counts two; the format follows the selection).
#include "platform/AppPaths.h"
#include "platform/IniFile.h"
#include "platform/RichEdit.h"
#include "platform/RtfCodec.h"
#include "support/TestFiles.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <thread>

using platform::IniFile;
using platform::RichEdit;
using Paragraphs = QList<platform::RichParagraph>;

namespace {

const char kAlignments[] = "LCRJ";
const Qt::Alignment kAlignment[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight,
                                    Qt::AlignJustify};

// One line per paragraph: "C:[#0000ff b]bind[auto] x" (alignment L, C, R or J).
QString describe(const std::optional<Paragraphs> &paragraphs)
{
    if (!paragraphs)
        return QStringLiteral("<not rtf>");
    QStringList lines;
    for (const platform::RichParagraph &paragraph : *paragraphs) {
        QString line = QStringLiteral("L:");
        for (int i = 0; i < 4; ++i)
            if ((paragraph.alignment & Qt::AlignHorizontal_Mask) == kAlignment[i])
                line[0] = QLatin1Char(kAlignments[i]);
        for (const platform::RichRun &r : paragraph.runs)
            line += '[' + (r.color.isValid() ? r.color.name() : QString("auto")) +
                    (r.bold ? " b" : "") + ']' + r.text;
        lines << line;
    }
    return lines.join('\n');
}

Paragraphs paragraphsOf(const QString &description)
{
    static const QRegularExpression run(QStringLiteral("\\[(#\\w{6}|auto)( b)?\\]([^[]*)"));
    Paragraphs paragraphs;
    for (const QString &line : description.split('\n')) {
        platform::RichParagraph paragraph{
            kAlignment[QByteArray(kAlignments).indexOf(line.at(0).toLatin1())], {}};
        for (const QRegularExpressionMatch &m : run.globalMatch(line))
            paragraph.runs.append({m.captured(3),
                                   m.captured(1) == "auto" ? QColor() : QColor(m.captured(1)),
                                   m.hasCaptured(2)});
        paragraphs << paragraph;
    }
    return paragraphs;
}

const QByteArray kWordPad =
    "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Tahoma;}}\r\n"
    "{\\colortbl ;\\red0\\green0\\blue255;\\red255\\green0\\blue0;}\r\n"
    "\\viewkind4\\uc1\\pard\\cf1\\b\\f0\\fs17 bind\\cf0\\b0  mouse1\\par\r\n"
    "\\cf2\\b seta\\cf0\\b0  name caf\\'e9\\par\r\n\\pard\\qc // centred\\par\r\n}\r\n";

} // namespace

class TestPlatform : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void cleanup() { platform::setProgramFolder(QString()); }
    void rtfRoundTrip_data()
    {
        // clang-format off
        QTest::addColumn<QString>("paragraphs");
        QTest::newRow("colours carried to the next line")
            << "L:[#0000ff b]bind[#000000] mouse1 \"+attack\"\nL:[#ff0000 b]seta[#000000] name[#0000ff b]alias\nL:[#0000ff b]x";
        QTest::newRow("automatic colour") << "L:[auto]auto[#000000]black[auto b]bold";
        QTest::newRow("alignments") << "L:[#000000]left\nC:[#000000]centre\nR:[#000000]right\nJ:[#000000]justified";
        QTest::newRow("8-bit characters") << "L:[#ff0000 b]caf\u00e9 \u00ff \u00a9 \u00a0";
        QTest::newRow("escapes") << "L:[#000000]C:\\Program Files\\{Quake 2}\\";
        QTest::newRow("empty lines") << "C:[#000000]a\nL:\nL:[#000000]b\nR:";
        QTest::newRow("only one empty line") << "L:";
        QTest::newRow("digit, blank and tab after a change") << "L:[#ff0000 b]set[#000000]1[#0000ff b] [#000000]\tx  ";
        QTest::newRow("beyond Latin-1") << QString::fromUtf8("L:[#000000]\u20ac \u2018q\u2019 \U0001F600");
        QTest::newRow("control characters") << QString::fromLatin1("L:[#000000]\x80\x9f") + QChar(1) + QChar(0x7f);
        // clang-format on
    }

    void rtfRoundTrip()
    {
        QFETCH(QString, paragraphs);
        const QByteArray rtf = platform::writeRtf(paragraphsOf(paragraphs));
        QCOMPARE(describe(platform::readRtf(rtf)), paragraphs);
        QVERIFY2(std::all_of(rtf.begin(), rtf.end(), [](char byte) { return uchar(byte) < 0x80; }), "not 7-bit");
    }

    void rtfWriter()
    {
        QByteArray rtf = platform::writeRtf(
            paragraphsOf("L:[#0000ff b]bind[#000000] x\nC:[#000000]caf\u00e9\nR:[#000000]\u20ac"));
        QVERIFY(rtf.startsWith("{\\rtf1\\ansi") && rtf.contains("\\fcharset0 Tahoma;"));
        QVERIFY(rtf.contains("caf\\'e9") && rtf.contains("\\u8364?"));
        // A \par between paragraphs, none after the last: else a line break would be added.
        QCOMPARE(rtf.count("\\par\r\n"), 2);
        QVERIFY(!rtf.endsWith("\\par}"));
        QCOMPARE(describe(platform::readRtf(platform::writeRtf({}))), QString("L:"));
        rtf = platform::writeRtf(paragraphsOf("L:[#000000]x"), "Courier New", 10);
        QVERIFY(rtf.contains("\\fcharset0 Courier New;") && rtf.contains("\\fs20"));
    }

    void rtfRead_data()
    {
        // clang-format off
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("expected");
        QTest::newRow("WordPad") << kWordPad << "L:[#0000ff b]bind[auto] mouse1\nL:[#ff0000 b]seta[auto] name caf\u00e9\nC:[auto]// centred\nC:";
        QTest::newRow("empty") << QByteArray("{\\rtf1}") << "L:";
        const QByteArray colours = "{\\rtf1{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}";
        QTest::newRow("groups restore state") << colours + "a{\\b\\cf1 b{\\cf2 c}d}e}" << "L:[auto]a[#ff0000 b]b[#0000ff b]c[#ff0000 b]d[auto]e";
        QTest::newRow("plain, b0, b1, b2") << colours + "\\b\\cf1 a\\plain b\\b1 c\\b0 d\\b2 e}" << "L:[#ff0000 b]a[auto]b[auto b]c[auto]d[auto b]e";
        QTest::newRow("colour out of range") << colours + "\\cf7 a\\cf0 b\\cf c}" << "L:[auto]abc";
        QTest::newRow("table without automatic entry") << QByteArray("{\\rtf1{\\colortbl\\red255\\green0\\blue0;}a}") << "L:[#ff0000]a";
        QTest::newRow("pard resets alignment") << QByteArray("{\\rtf1\\qc a\\par b\\par\\pard c\\par\\qr d\\qj}") << "C:[auto]a\nC:[auto]b\nL:[auto]c\nJ:[auto]d";
        QTest::newRow("alignment in a group") << QByteArray("{\\rtf1{\\qr a\\par}b}") << "R:[auto]a\nL:[auto]b";
        QTest::newRow("unicode skip two") << QByteArray("{\\rtf1\\uc2\\u8364 ab c}") << "L:[auto]\u20ac c";
        QTest::newRow("unicode skip counts escapes and words") << QByteArray("{\\rtf1\\u233\\'e9x\\u233\\b y}") << "L:[auto]\u00e9x\u00e9y";
        QTest::newRow("unicode skip ends at group, uc is scoped") << QByteArray("{\\rtf1{\\uc2\\u233{x}y}{\\uc0 a}\\u-255?b}") << "L:[auto]\u00e9xya\uff01b";
        QTest::newRow("destinations skipped, field result kept")
            << QByteArray("{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\info{\\title T}}{\\pntext\\'B7\\tab}{\\*\\generator Riched20;}a{\\*\\unknown b{c}}"
                          "{\\field{\\*\\fldinst HYPERLINK x}{\\fldrslt link}}}") << "L:[auto]alink";
        QTest::newRow("line, tab and backslash newline") << QByteArray("{\\rtf1 a\\line b\\tab c\\\r\nd}") << "L:[auto]a\nL:[auto]b\tc\nL:[auto]d";
        QTest::newRow("symbols and escapes") << QByteArray("{\\rtf1 a\\~b\\-c\\_d\\emdash\\lquote x\\rquote \\\\ \\{ \\} \\'a9\\'FF}")
                                             << "L:[auto]a\u00a0bc-d\u2014\u2018x\u2019\\ { } \u00a9\u00ff";
        QTest::newRow("ignored: binary, unknown words, source breaks") << QByteArray("{\\rtf1 a\\bin3 x}yb\\foo12 c\\bar-3 d\r\ne\nf}") << "L:[auto]abcdef";
        QTest::newRow("delimiter space only once") << QByteArray("{\\rtf1\\b  x}") << "L:[auto b] x";
        QTest::newRow("text after the document") << QByteArray("{\\rtf1 a}b}\r\n") + '\0' << "L:[auto]a";
        QTest::newRow("8-bit byte, bad hex escape") << QByteArray("{\\rtf1 caf\xe9 a\\'zb\\'4}") << "L:[auto]caf\u00e9 azb";
        for (const char *text : {"", "bind mouse1 +attack", "{\\RTF1 x}", "\xef\xbb\xbf{\\rtf1 x}", "{\\rtf2 x}"})
            QTest::newRow(qPrintable("not rtf: " + QString::fromLatin1(text))) << QByteArray(text) << "<not rtf>";
        // clang-format on
    }

    void rtfRead()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, expected);
        QCOMPARE(describe(platform::readRtf(rtf)), expected);
        QCOMPARE(platform::looksLikeRtf(rtf), expected != "<not rtf>");
        // The same text arriving as a string reads the same.
        QCOMPARE(describe(platform::readRtf(QString::fromLatin1(rtf))), expected);
        QCOMPARE(platform::looksLikeRtf(QString::fromLatin1(rtf)), expected != "<not rtf>");
        QCOMPARE(describe(platform::readRtf(QString::fromUtf8("{\\rtf1 \u20ac\\'e9\\par x}"))),
                 QString("L:[auto]\u20ac\u00e9\nL:[auto]x"));
    }

    // Cut short anywhere, or with bytes flipped (fixed seed), RTF still reads.
    void rtfDamagedInput()
    {
        const QByteArray own = platform::writeRtf(
            paragraphsOf("L:[#0000ff b]bind[#000000] caf\u00e9 \u20ac \\{}\t\nC:\nR:[#ff0000]x"));
        for (const QByteArray &rtf :
             {kWordPad, own,
              QByteArray("{\\rtf1\\uc2{\\*\\x{y}}\\u-255\\'e9\\'e9 a\\bin5 {{{{{\\'4")})
            for (qsizetype length = 0; length <= rtf.size(); ++length) {
                const std::optional<Paragraphs> paragraphs = platform::readRtf(rtf.first(length));
                QCOMPARE(paragraphs.has_value(), length >= 6);
                QVERIFY(!paragraphs || !paragraphs->isEmpty());
            }
        QRandomGenerator random(20240611);
        for (int round = 0; round < 500; ++round) {
            QByteArray rtf = kWordPad;
            for (int flips = 0; flips < 5; ++flips)
                rtf[6 + random.bounded(int(rtf.size()) - 6)] = char(random.bounded(256));
            QVERIFY(platform::readRtf(rtf).has_value());
        }
    }

    void iniWriteThenRead_data()
    {
        // clang-format off
        QTest::addColumn<QString>("value");
        for (const char *value : {"C:\\Program Files\\Quake 2\\", "\\\\server\\share\\q3\\\\", "C:\\new\\table\\x41\\%1",
                                  "\"quoted\" ; not a comment", "a=b=c", "[GENERAL]", "C:\\Spiele\\Qu\xe4ke \xa9", ""})
            QTest::newRow(value) << QString::fromLatin1(value);
        // clang-format on
    }

    void iniWriteThenRead()
    {
        QFETCH(QString, value);
        QTemporaryDir dir;
        const QString ini = dir.filePath("Tessel.ini");
        QCOMPARE(IniFile::readValue(ini, "GENERAL", "Q2Dir", "default"), QStringLiteral("default"));
        QVERIFY(!QFile::exists(ini));
        QString error;
        QVERIFY2(IniFile::writeValue(ini, "GENERAL", "Q2Dir", value, &error), qPrintable(error));
        QCOMPARE(IniFile::readValue(ini, "GENERAL", "Q2Dir", "unused"), value);
        const QByteArray before = readTestFile(ini);
        QVERIFY(IniFile::writeValue(ini, "GENERAL", "Q2Dir", value));
        QCOMPARE(readTestFile(ini), before);
    }

    void iniUpdate_data()
    {
        // clang-format off
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("read"); // before the write
        QTest::addColumn<QByteArray>("after");
        const QByteArray around = "; Tessel\r\n[Window]\r\nQ2Dir=other\r\n\r\n[GENERAL]\r\n# f\r\n";
        const QByteArray after = "Other = kept \\as\\ is\r\n\r\n[Extra]\r\nKey=1\r\n";
        QTest::newRow("every other line kept") << around + "Q2Dir=old\r\n" + after << "GENERAL" << "Q2Dir" << "old" << around + "Q2Dir=new\\\r\n" + after;
        QTest::newRow("new key at the end of its section") << QByteArray("[GENERAL]\r\nQ3Dir=x\r\n; end\r\n\r\n[Extra]\r\nKey=1\r\n") << "GENERAL" << "Q2Dir"
                                                           << "<missing>" << QByteArray("[GENERAL]\r\nQ3Dir=x\r\n; end\r\nQ2Dir=new\\\r\n\r\n[Extra]\r\nKey=1\r\n");
        QTest::newRow("new section appended") << QByteArray("[Extra]\r\nKey=1") << "GENERAL" << "Q2Dir" << "<missing>"
                                              << QByteArray("[Extra]\r\nKey=1\r\n\r\n[GENERAL]\r\nQ2Dir=new\\\r\n");
        QTest::newRow("any case, the file's spelling kept") << QByteArray("[General]\r\nq2dir=C:\\q2\\\r\n") << "GeNeRaL" << "Q2DIR" << "C:\\q2\\"
                                                            << QByteArray("[General]\r\nq2dir=new\\\r\n");
        QTest::newRow("LF and blanks around names and values") << QByteArray("[ GENERAL ]\n  Q2Dir =  C:\\q2\\ \t\nQ3Dir=C:\\q3\\") << "GENERAL" << "Q3Dir"
                                                               << "C:\\q3\\" << QByteArray("[ GENERAL ]\r\n  Q2Dir =  C:\\q2\\ \t\r\nQ3Dir=new\\\r\n");
        QTest::newRow("first section and key win") << QByteArray("[GENERAL]\r\nQ2Dir=first\r\nQ2Dir=second\r\n[GENERAL]\r\nQ2Dir=third\r\n") << "GENERAL" << "Q2Dir"
                                                   << "first" << QByteArray("[GENERAL]\r\nQ2Dir=new\\\r\nQ2Dir=second\r\n[GENERAL]\r\nQ2Dir=third\r\n");
        QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBF[GENERAL]\r\nQ2Dir=C:\\q2\r\n") << "GENERAL" << "Q2Dir" << "C:\\q2" << QByteArray("[GENERAL]\r\nQ2Dir=new\\\r\n");
        QTest::newRow("Latin-1 bytes") << QByteArray("[GENERAL]\r\nQ2Dir=Qu\xe9\r\n") << "GENERAL" << "Q3Dir" << "<missing>" << QByteArray("[GENERAL]\r\nQ2Dir=Qu\xe9\r\nQ3Dir=new\\\r\n");
        QTest::newRow("empty value is no missing key") << QByteArray("[GENERAL]\r\nQ2Dir=\r\nQ3Dir=   \r\n") << "GENERAL" << "Q3Dir" << ""
                                                       << QByteArray("[GENERAL]\r\nQ2Dir=\r\nQ3Dir=new\\\r\n");
        // clang-format on
    }

    void iniUpdate()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, read);
        QFETCH(QByteArray, after);
        QTemporaryDir dir;
        const QString ini = dir.filePath("Tessel.ini");
        writeTestFile(ini, before);
        QCOMPARE(IniFile::rawValue(ini, section, key).value_or("<missing>"), read);
        QCOMPARE(IniFile::readValue(ini, section, key, "<missing>"), read);
        QVERIFY(IniFile::writeValue(ini, section, key, "new\\"));
        QCOMPARE(readTestFile(ini), after);
    }

    // Several values at once, all or nothing; an old Latin-1 file turns UTF-8 only when it must.
    void iniWriteValues_data()
    {
        // clang-format off
        QTest::addColumn<QString>("q3Dir");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("Latin-1 value") << QString::fromLatin1("\xe9") << QByteArray("[GENERAL]\r\nQ2Dir=Qu\xe9\r\nOther=new\r\nQ3Dir=\xe9\r\n");
        QTest::newRow("to UTF-8") << QString::fromUtf8("\u0141") << QByteArray("[GENERAL]\r\nQ2Dir=Qu\xc3\xa9\r\nOther=new\r\nQ3Dir=\xc5\x81\r\n");
        QTest::newRow("one bad value: nothing written") << "a\nb" << QByteArray("[GENERAL]\r\nQ2Dir=Qu\xe9\r\n");
        // clang-format on
    }

    void iniWriteValues()
    {
        QFETCH(QString, q3Dir);
        QFETCH(QByteArray, after);
        QTemporaryDir dir;
        const QString ini = dir.filePath("Tessel.ini");
        writeTestFile(ini, "[GENERAL]\r\nQ2Dir=Qu\xe9\r\n");
        QCOMPARE(IniFile::writeValues(ini, "GENERAL", {{"Other", "new"}, {"Q3Dir", q3Dir}}), after.contains("Other"));
        QCOMPARE(readTestFile(ini), after);
        QCOMPARE(IniFile::readValue(ini, "GENERAL", "Q2Dir"), QString::fromLatin1("Qu\xe9"));
    }

    // Bad names and values, and places that can't be written (as root, permission bits don't
    // stop a write: a file stands where the folder should be, a folder where the file should be).
    void iniRefusesWhatItCannotStore()
    {
        QTemporaryDir dir;
        const QString ini = dir.filePath("Tessel.ini");
        writeTestFile(ini, "[GENERAL]\r\nQ2Dir=kept\r\n");
        const QStringList bad[] = {{"", "Q2Dir", "x"}, {"GEN]ERAL", "Q2Dir", "x"}, {"GENERAL", " ", "x"},
                                   {"GENERAL", "Q2=Dir", "x"}, {"GENERAL", "Q2Dir", "a\r\nb=c"}};
        for (const QStringList &row : bad) {
            QString error;
            QVERIFY(!IniFile::writeValue(ini, row[0], row[1], row[2], &error));
            QVERIFY2(!error.isEmpty(), qPrintable(row.join('|')));
        }
        QCOMPARE(readTestFile(ini), QByteArray("[GENERAL]\r\nQ2Dir=kept\r\n"));

        writeTestFile(dir.filePath("not-a-folder"), "x");
        QVERIFY(QDir(dir.path()).mkdir("folder.ini"));
        for (const char *path : {"not-a-folder/Tessel.ini", "folder.ini"}) {
            QString error;
            QVERIFY(!IniFile::writeValue(dir.filePath(path), "GENERAL", "Q2Dir", "x", &error));
            QVERIFY2(error.contains(QString(path).section('/', 0, 0)), qPrintable(error));
            QCOMPARE(IniFile::readValue(dir.filePath(path), "GENERAL", "Q2Dir", "default"),
                     QStringLiteral("default"));
            QVERIFY(!IniFile::writeValue(dir.filePath(path), "GENERAL", "Q2Dir", "x")); // no error wanted
        }
        QCOMPARE(readTestFile(dir.filePath("not-a-folder")), QByteArray("x"));
    }

    // Two Tessels writing one settings file at once keep each other's keys.
    void iniWritersAtOnceLoseNothing()
    {
        QTemporaryDir dir;
        const QString ini = dir.filePath("Tessel.ini");
        const auto writer = [&ini](char name) {
            for (int i = 0; i < 40; ++i)
                IniFile::writeValue(ini, "Engines", name + QString::number(i), "q3");
        };
        std::thread first(writer, 'a'), second(writer, 'b');
        first.join();
        second.join();
        for (const char *key : {"a0", "a39", "b0", "b39"})
            QCOMPARE(IniFile::readValue(ini, "Engines", key), QStringLiteral("q3"));
        QCOMPARE(readTestFile(ini).count("=q3"), 80);
    }

    // Beside a program in a writable folder (a portable copy), else in the user's configuration
    // folder, which the first write creates.
    void settingsFileLocation()
    {
        QTemporaryDir dir;
        platform::setProgramFolder(dir.path());
        QCOMPARE(platform::settingsFilePath(), dir.filePath("Tessel.ini"));
        platform::setProgramFolder(dir.filePath("missing"));
        const QString configFolder =
            QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
        QCOMPARE(platform::settingsFilePath(), configFolder + "/Tessel.ini");
        QDir(configFolder).removeRecursively();
        QVERIFY(IniFile::writeValue(platform::settingsFilePath(), "GENERAL", "Q3Dir", "x"));
        QCOMPARE(IniFile::readValue(configFolder + "/Tessel.ini", "GENERAL", "Q3Dir"),
                 QString("x"));
        QVERIFY(!QFile::exists(dir.filePath("missing")));
        QDir(configFolder).removeRecursively();
        // An installed copy's share/tessel is writable for root, yet never takes the settings,
        // not even when a settings file was left there.
        const QString prefix = QDir::cleanPath(QCoreApplication::applicationDirPath() + "/..");
        QDir data(prefix + "/share/tessel");
        QVERIFY(data.mkpath("Configs"));
        for (int round = 0; round < 2; ++round) {
            platform::setProgramFolder(data.path());
            QCOMPARE(platform::settingsFilePath(), configFolder + "/Tessel.ini");
            QVERIFY(IniFile::writeValue(data.filePath("Tessel.ini"), "GENERAL", "Q2Dir", "x"));
        }
        data.removeRecursively();
        QDir(prefix).rmdir("share");
    }

    void editorPositionsAndFormat()
    {
        RichEdit edit;
        const QString latin1 = QString::fromLatin1("name \xA0\xE9\xFF\x80\t end");
        for (const auto &[text, expected] : {std::pair<QString, QString>("ab\r\ncd\r\n", "ab\r\ncd\r\n"),
                                             {"a\nb\rc\r\nd", "a\r\nb\r\nc\r\nd"}, {latin1, latin1}}) {
            edit.LoadPlainText(text); // every line end becomes CR LF
            QCOMPARE(edit.Text(), expected);
            QCOMPARE(edit.TextLength(), int(expected.size()));
        }
        edit.LoadPlainText(QStringLiteral("ab\r\ncd"));
        edit.setSelStart(3); // between CR and LF
        QCOMPARE(edit.SelStart(), 2);
        edit.Select(3, 3);
        QCOMPARE(edit.SelText(), QStringLiteral("\r\ncd"));
        QStringList halves; // half a line break reads as nothing
        for (const auto &[start, length] : {std::pair(2, 1), std::pair(3, 1), std::pair(2, 2)})
            halves << (edit.Select(start, length), edit.SelText());
        QCOMPARE(halves, (QStringList{"", "", "\r\n"}));
        QCOMPARE(edit.GetLineFromChar(2) * 10 + edit.GetLineFromChar(4), 1);
        // New text takes the format before it; without a selection the colour set is the next
        // text's.
        edit.LoadPlainText(QStringLiteral("bind x"));
        edit.Select(0, 4);
        edit.setSelColor(Qt::blue);
        edit.setSelBold(true);
        edit.setSelText(QStringLiteral("BIND\r\nmore"));
        QCOMPARE(edit.SelStart() * 100 + edit.SelLength(), 1000);
        edit.setSelStart(edit.TextLength());
        edit.setSelColor(QColor(255, 0, 0));
        edit.setSelText(QStringLiteral("set"));
        QStringList looks;
        for (int position : {0, 6, 11, 12}) {
            edit.Select(position, 1);
            looks << edit.SelColor().name() + (edit.SelBold() ? " b" : "");
        }
        QCOMPARE(edit.Text(), QStringLiteral("BIND\r\nmore xset"));
        QCOMPARE(looks, (QStringList{"#0000ff b", "#0000ff b", "#000000", "#ff0000"}));
    }

    void alignmentPlacesLinesInTheView()
    {
        const Qt::Alignment alignments[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
        for (int share = 0; share < 3; ++share) // of the free room left of a short line, in halves
            if (alignmentPlacesLines(alignments[share], share); QTest::currentTestFailed())
                return;
    }

private:
    void alignmentPlacesLines(Qt::Alignment alignment, int share)
    {
        RichEdit edit;
        edit.resize(400, 200);
        edit.show();
        QVERIFY(QTest::qWaitForWindowExposed(&edit));
        edit.LoadPlainText(QStringLiteral("short\r\n") + QString(300, 'x'));
        edit.Select(0, edit.TextLength());
        edit.setSelAlignment(alignment);
        // Where a line starts and ends on screen, with the view scrolled fully left.
        const auto span = [&edit](int line) {
            edit.setSelStart(line == 0 ? 0 : 7);
            edit.horizontalScrollBar()->setValue(0);
            const int start = edit.cursorRect().x();
            edit.setSelStart(edit.lineEndOf(edit.SelStart()));
            edit.horizontalScrollBar()->setValue(0);
            return std::pair(start, edit.cursorRect().x() + edit.horizontalScrollBar()->value());
        };
        const int margin = int(edit.document()->documentMargin());
        const int freeRoom =
            edit.viewport()->width() - 2 * margin - (span(0).second - span(0).first);
        QVERIFY2(std::abs(span(0).first - margin - freeRoom * share / 2) <= 2,
                 qPrintable(QString::number(span(0).first)));
        QCOMPARE(span(1).first,
                 margin); // a line wider than the view starts where scrolling reaches it
        const int before = span(0).first;
        edit.resize(600, 200);
        QTRY_COMPARE(span(0).first - before, 100 * share);
    }
};

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
