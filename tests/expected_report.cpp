#include "tests/expected_report.h"

#include "base/maker_info.h"

using namespace Qt::StringLiterals;

namespace testsupport {

QString plainRow(const QString &n1, const QString &op, const QString &n2, const QString &yours,
    const QString &correct, const QString &verdict)
{
    return u"<tr><td>&nbsp;&nbsp;</td><td align=center>"_s + n1 + u"</td><td align=center>"_s + op
        + u"</td><td align=center>"_s + n2 + u"</td><td align=center>"_s + yours
        + u"</td><td align=center>"_s + correct + u"</td><td align=center>"_s + verdict
        + u"</td></tr>"_s;
}

QString greyRow(const QString &n1, const QString &op, const QString &n2, const QString &yours,
    const QString &correct, const QString &verdict)
{
    return u"<tr><td bgcolor=C0C0C0>&nbsp;&nbsp;</td><td align=center bgcolor=C0C0C0>"_s + n1
        + u"</td><td align=center bgcolor=C0C0C0>"_s + op
        + u"</td><td align=center bgcolor=C0C0C0>"_s + n2
        + u"</td><td align=center bgcolor=C0C0C0>"_s + yours
        + u"</td><td align=center bgcolor=C0C0C0>"_s + correct
        + u"</td><td align=center bgcolor=C0C0C0>"_s + verdict
        + u"</td><td bgcolor=C0C0C0>&nbsp;&nbsp;</td></tr>"_s;
}

// The whole report for a name (as it appears in the file, escaped) and its
// problem rows and figures, every line ended by CR LF.
QString reportText(const QString &name, const QStringList &rows, const QString &total,
    const QString &right, const QString &wrong, const QString &percent)
{
    const QString download = QString::fromUtf8(tutor::MakerDownloadPage);
    const QString home = QString::fromUtf8(tutor::MakerHomePage);
    const QString mail = QString::fromUtf8(tutor::MakerMailAddress);

    QStringList lines = {
        u"<head>"_s,
        u"<title>Orvi Progress Report For -- "_s + name + u"</title>"_s,
        u""_s,
        u"<body link=navy alink=navy vlink=navy bgcolor=gray>"_s,
        u"<div align=\"center\">"_s,
        u"<table cellpadding=0 cellspacing=0 border=0>"_s,
        u"<tr><td colspan=8 align=center><u><font size=5>"_s + name
            + u"'s Orvi Session Report</font></u>. <br><font size=2>Orvi Math Tutor is free for "
              "everyone to use and share; to learn more, <a href=\""_s
            + download + u"\">Click Here</a></font><br><br></td></tr>"_s,
        u"<tr><td align=center bgcolor=navy>&nbsp;&nbsp;</td><td align=center bgcolor=navy><font "
        "color=white>&nbsp;<u>Number 1</u>&nbsp;</font></td><td align=center bgcolor=navy><font "
        "color=white>&nbsp;<u>Operation</u>&nbsp;</font></td><td align=center bgcolor=navy><font "
        "color=white>&nbsp;<u>Number 2</u>&nbsp;</font></td><td align=center bgcolor=navy><font "
        "color=white>&nbsp;<u>"_s
            + name
            + u"'s Answer</u>&nbsp;</font></td><td align=center bgcolor=navy><font "
              "color=white>&nbsp;<u>Correct Answer</u>&nbsp;</font></td><td align=center "
              "bgcolor=navy><font color=white>&nbsp;<u>Right/Wrong</u>&nbsp;</font></td><td "
              "bgcolor=navy>&nbsp;&nbsp;</td></tr>"_s,
    };
    lines += rows;
    lines += {
        u"<br><br>"_s,
        u"<tr><td colspan=8 align=center><font color=white><br><br><u>Session "
        "Summary</u></font></td></tr>"_s,
        u"<tr><td>&nbsp;&nbsp;</td><td>&nbsp;&nbsp;</td><td bgcolor=navy><font align=center "
        "color=white>&nbsp;<u># Problems</u>&nbsp;</font></td><td align=center "
        "bgcolor=navy><font color=white>&nbsp;<u># Right</u>&nbsp;</font></td><td align=center "
        "bgcolor=navy><font color=white>&nbsp;<u># Wrong</u>&nbsp;</font></td><td align=center "
        "bgcolor=navy><font color=white>&nbsp;<u>Percentage</u>&nbsp;</font></td><td>&nbsp;&nbsp;"
        "</td><td>&nbsp;&nbsp;</td></tr>"_s,
        u"<tr><td>&nbsp;&nbsp;</td><td>&nbsp;&nbsp;</td><td align=center><font "
        "color=white>&nbsp;"_s
            + total + u"&nbsp;</font></td><td align=center><font color=white>&nbsp;"_s + right
            + u"&nbsp;</font></td><td align=center><font color=white>&nbsp;"_s + wrong
            + u"&nbsp;</font></td><td align=center><font color=white>&nbsp;"_s + percent
            + u"&nbsp;</font></td><td>&nbsp;&nbsp;</td><td>&nbsp;&nbsp;</td></tr>"_s,
        u"<tr><td colspan=8 align=center><br><hr><font size=2 color=white>This report was made "
        "with the free <a href=\""_s
            + home + u"\">Orvi Math Tutor</a>.<br>Report layout &copy; 2026 <a href=\"mailto:"_s
            + mail + u"\">the Orvi Math Tutor team</a></font></td></tr>"_s,
        u"</table>"_s,
        u"</div>"_s,
        u"</body>"_s,
        u"</html>"_s,
    };
    return lines.join(u"\r\n"_s) + u"\r\n"_s;
}

QByteArray asciiReport(const QString &name, const QStringList &rows, const QString &total,
    const QString &right, const QString &wrong, const QString &percent)
{
    return reportText(name, rows, total, right, wrong, percent).toLatin1();
}

} // namespace testsupport
