#include "report/report_writer.h"

#include "base/invisible_characters.h"
#include "base/language.h"
#include "base/maker_info.h"
#include "report/percent_text.h"
#include "rules/html_bytes.h"

#include <QChar>
#include <QCoreApplication>
#include <QList>
#include <QLocale>
#include <QStringView>

using namespace Qt::StringLiterals;

namespace tutor {

namespace {

// The report's fixed texts in one place, so that they can be translated
// whole: %1 stands for the pupil's name or a link's address, and the
// markup around them stays in the code below.
namespace words {
const char *const Title = QT_TRANSLATE_NOOP("ReportWriter", "Orvi Progress Report For -- %1");
//: %1 is the pupil's name.
const char *const Heading = QT_TRANSLATE_NOOP("ReportWriter", "%1's Orvi Session Report");
const char *const Notice = QT_TRANSLATE_NOOP("ReportWriter",
    "Orvi Math Tutor is free for everyone to use and share; to learn "
    "more, <a href=\"%1\">Click Here</a>");
const char *const Number1 = QT_TRANSLATE_NOOP("ReportWriter", "Number 1");
const char *const Operation = QT_TRANSLATE_NOOP("ReportWriter", "Operation");
const char *const Number2 = QT_TRANSLATE_NOOP("ReportWriter", "Number 2");
//: Column heading over what the pupil typed; %1 is the pupil's name.
const char *const YourAnswer = QT_TRANSLATE_NOOP("ReportWriter", "%1's Answer");
const char *const CorrectAnswer = QT_TRANSLATE_NOOP("ReportWriter", "Correct Answer");
//: Column heading over each answer's verdict.
const char *const RightOrWrong = QT_TRANSLATE_NOOP("ReportWriter", "Right/Wrong");
const char *const Summary = QT_TRANSLATE_NOOP("ReportWriter", "Session Summary");
//: "#" reads "number of".
const char *const ProblemCount = QT_TRANSLATE_NOOP("ReportWriter", "# Problems");
const char *const RightCount = QT_TRANSLATE_NOOP("ReportWriter", "# Right");
const char *const WrongCount = QT_TRANSLATE_NOOP("ReportWriter", "# Wrong");
const char *const Percentage = QT_TRANSLATE_NOOP("ReportWriter", "Percentage");
const char *const Credit = QT_TRANSLATE_NOOP(
    "ReportWriter", "This report was made with the free <a href=\"%1\">Orvi Math Tutor</a>.");
const char *const Copyright = QT_TRANSLATE_NOOP(
    "ReportWriter", "Report layout &copy; 2026 <a href=\"mailto:%1\">the Orvi Math Tutor team</a>");
} // namespace words

QString phrase(const char *words)
{
    return QCoreApplication::translate("ReportWriter", words);
}

// More rows would make the report too long to print; the summary still
// counts them all.
constexpr qsizetype MostRowsShown = 100;
constexpr qsizetype LongestName = 100;
constexpr qsizetype LongestFileNameBytes = 255;

QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

QString maker(const char *address)
{
    return escaped(QString::fromUtf8(address));
}

// A white heading on navy over a column of the log or of the summary.
QString columnHeading(const QString &heading)
{
    return u"<td align=center bgcolor=navy><font color=white>&nbsp;<u>"_s + heading
        + u"</u>&nbsp;</font></td>"_s;
}

// Even rows are plain and end after the last data cell; odd rows are grey
// and close with a spacer cell as well.
QString problemRow(const AnsweredProblem &answer, bool grey)
{
    const QString cell = grey ? u"<td align=center bgcolor=C0C0C0>"_s : u"<td align=center>"_s;
    const QString spacer
        = grey ? u"<td bgcolor=C0C0C0>&nbsp;&nbsp;</td>"_s : u"<td>&nbsp;&nbsp;</td>"_s;

    QString line = u"<tr>"_s + spacer;
    for (const LogColumn column : LogColumns)
        line += cell + escaped(logColumnText(answer, column)) + u"</td>"_s;
    if (grey)
        line += spacer;
    return line + u"</tr>"_s;
}

// Characters that would let a name break out of the reports folder, that
// common file systems refuse, or that cannot be seen in the name box.
bool isUnsafeCharacter(char32_t c)
{
    if (c < 0x80 && QStringView(u"/\\<>:\"|?*").contains(QChar(c)))
        return true;
    return isInvisibleCharacter(c);
}

// Why a refused character cannot be in the name, naming it as the pupil can
// recognise it: a visible one as itself, an invisible one by a word or by its
// code, since it shows as nothing in the name box.
QString characterProblem(char32_t c)
{
    if (c == u'\t')
        return QCoreApplication::translate("ReportWriter",
            "The name has a tab, which cannot be part of a file name. Please leave it out.");
    if (c == u'\n' || c == u'\r' || c == 0x2028 || c == 0x2029) {
        return QCoreApplication::translate("ReportWriter",
            "The name has a line break, which cannot be part of a file name. Please leave "
            "it out.");
    }
    const QString code = u"U+"_s + QString::number(uint(c), 16).toUpper().rightJustified(4, u'0');
    if (QChar::isSurrogate(c)) {
        //: %1 is a character code such as U+D800.
        return QCoreApplication::translate("ReportWriter",
            "The name has half of a character (%1), which cannot be part of a file name. "
            "Please leave it out.")
            .arg(code);
    }
    if (isInvisibleCharacter(c)) {
        //: %1 is a character code such as U+200B.
        return QCoreApplication::translate("ReportWriter",
            "The name has an invisible character (%1), which cannot be part of a file "
            "name. Please leave it out.")
            .arg(code);
    }
    //: %1 is the character itself, such as / or ?.
    return QCoreApplication::translate("ReportWriter",
        "The name has the character '%1', which cannot be part of a file name. Please "
        "leave it out.")
        .arg(QString::fromUcs4(&c, 1));
}

} // namespace

QByteArray reportBytes(const QString &name, const QList<AnsweredProblem> &log)
{
    int right = 0;
    int wrong = 0;
    for (const AnsweredProblem &answer : log) {
        if (answer.verdict == Verdict::Right)
            ++right;
        else
            ++wrong;
    }
    const int total = right + wrong;
    const double fraction = total >= 1 ? double(right) / double(total) : 0.0;

    const QString who = escaped(name);
    QString text;
    const auto line = [&text](const QString &content) { text += content + u"\r\n"_s; };

    line(u"<head>"_s);
    line(u"<title>"_s + phrase(words::Title).arg(who) + u"</title>"_s);
    line(QString());
    line(u"<body link=navy alink=navy vlink=navy bgcolor=gray>"_s);
    line(u"<div align=\"center\">"_s);
    line(u"<table cellpadding=0 cellspacing=0 border=0>"_s);
    line(u"<tr><td colspan=8 align=center><u><font size=5>"_s + phrase(words::Heading).arg(who)
        + u"</font></u>. <br><font size=2>"_s + phrase(words::Notice).arg(maker(MakerDownloadPage))
        + u"</font><br><br></td></tr>"_s);
    line(u"<tr><td align=center bgcolor=navy>&nbsp;&nbsp;</td>"_s
        + columnHeading(phrase(words::Number1)) + columnHeading(phrase(words::Operation))
        + columnHeading(phrase(words::Number2)) + columnHeading(phrase(words::YourAnswer).arg(who))
        + columnHeading(phrase(words::CorrectAnswer)) + columnHeading(phrase(words::RightOrWrong))
        + u"<td bgcolor=navy>&nbsp;&nbsp;</td></tr>"_s);

    const qsizetype shown = qMin(log.size(), MostRowsShown);
    for (qsizetype k = 0; k < shown; ++k)
        line(problemRow(log.at(k), k % 2 == 1));

    line(u"<br><br>"_s);
    line(u"<tr><td colspan=8 align=center><font color=white><br><br><u>"_s + phrase(words::Summary)
        + u"</u></font></td></tr>"_s);
    // The first heading keeps its own, different markup.
    line(u"<tr><td>&nbsp;&nbsp;</td><td>&nbsp;&nbsp;</td>"
         "<td bgcolor=navy><font align=center color=white>&nbsp;<u>"_s
        + phrase(words::ProblemCount) + u"</u>&nbsp;</font></td>"_s
        + columnHeading(phrase(words::RightCount)) + columnHeading(phrase(words::WrongCount))
        + columnHeading(phrase(words::Percentage))
        + u"<td>&nbsp;&nbsp;</td><td>&nbsp;&nbsp;</td></tr>"_s);
    // The share is written as the reader writes decimals: the decimal
    // separator of the user's own settings, so "66,7%" in German ones.
    const QString percent = percentText(fraction, language::spokenLocale().decimalPoint());
    const QString figure = u"<td align=center><font color=white>&nbsp;"_s;
    const QString figureEnd = u"&nbsp;</font></td>"_s;
    line(u"<tr><td>&nbsp;&nbsp;</td><td>&nbsp;&nbsp;</td>"_s + figure + QString::number(total)
        + figureEnd + figure + QString::number(right) + figureEnd + figure + QString::number(wrong)
        + figureEnd + figure + percent + figureEnd
        + u"<td>&nbsp;&nbsp;</td><td>&nbsp;&nbsp;</td></tr>"_s);
    line(u"<tr><td colspan=8 align=center><br><hr><font size=2 color=white>"_s
        + phrase(words::Credit).arg(maker(MakerHomePage)) + u"<br>"_s
        + phrase(words::Copyright).arg(maker(MakerMailAddress)) + u"</font></td></tr>"_s);
    line(u"</table>"_s);
    line(u"</div>"_s);
    line(u"</body>"_s);
    line(u"</html>"_s);

    return tutor::htmlFileBytes(text);
}

QString reportFileName(const QString &name)
{
    return name + u"OrviReport.html"_s;
}

QString reportNameProblem(const QString &name)
{
    if (name == u"." || name == u"..")
        return QCoreApplication::translate(
            "ReportWriter", "The name cannot be just \".\" or \"..\". Please use letters.");

    // Characters, not UTF-16 units: a pupil counts an emoji as one.
    QList<char32_t> characters;
    characters.reserve(name.size());
    for (qsizetype i = 0; i < name.size(); ++i) {
        char32_t c = name.at(i).unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < name.size() && name.at(i + 1).isLowSurrogate()) {
            c = QChar::surrogateToUcs4(name.at(i), name.at(i + 1));
            ++i;
        }
        // Half a surrogate pair has no file-name spelling either.
        if (QChar::isSurrogate(c) || isUnsafeCharacter(c))
            return characterProblem(c);
        characters.append(c);
    }

    // Linux file names hold at most 255 bytes, so long names in other
    // scripts fit fewer characters than the letter limit allows.
    qsizetype fitting = 0;
    qsizetype bytes = reportFileName(QString()).toUtf8().size();
    for (const char32_t c : std::as_const(characters)) {
        bytes += QString::fromUcs4(&c, 1).toUtf8().size();
        if (bytes > LongestFileNameBytes)
            break;
        ++fitting;
    }
    if (fitting < qMin(characters.size(), LongestName)) {
        //: %n characters in the name; %1 of them fit.
        return QCoreApplication::translate("ReportWriter",
            "The name is too long for a file name: it has %n characters, and only the first %1 "
            "of them fit.",
            nullptr, int(characters.size()))
            .arg(fitting);
    }
    if (characters.size() > LongestName) {
        //: %n characters in the name; %1 is the most a name can have.
        return QCoreApplication::translate("ReportWriter",
            "The name is too long: it has %n characters, and a name can have at most %1.", nullptr,
            int(characters.size()))
            .arg(LongestName);
    }
    return QString();
}

bool isSafeReportName(const QString &name)
{
    return reportNameProblem(name).isEmpty();
}

} // namespace tutor
