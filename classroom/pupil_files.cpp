#include "classroom/pupil_files.h"
#include "progress/export_fields.h"
#include "rules/attempt.h"

using namespace Qt::StringLiterals;

namespace classroom {

namespace {

// The columns of one answer, in the CSV and on the page.
const QStringList AnswerHeadings { u"Date and time"_s, u"Activity"_s, u"Level"_s, u"Operation"_s,
    u"First number"_s, u"Second number"_s, u"Answer given"_s, u"Right answer"_s,
    u"Right (1 = yes, 0 = no)"_s, u"Seconds taken"_s, u"Quick within (seconds)"_s, u"PC"_s,
    u"Answer id"_s, u"Received at"_s };

} // namespace

QString answerModeWord(int code)
{
    switch (tutor::AnswerMode(code)) {
    case tutor::AnswerMode::Practice:
        return u"practice"_s;
    case tutor::AnswerMode::MissingNumber:
        return u"missing number"_s;
    case tutor::AnswerMode::MissingOperation:
        return u"missing operation"_s;
    case tutor::AnswerMode::TimeTrial:
        return u"time trial"_s;
    case tutor::AnswerMode::MyFacts:
        return u"My Facts"_s;
    }
    return QString::number(code);
}

QString answerLevelWord(int mode, int level)
{
    // My Facts asks whatever level is set: no level was in force.
    if (mode == int(tutor::AnswerMode::MyFacts))
        return QString();
    switch (tutor::Level(level)) {
    case tutor::Level::WarmUp:
        return u"Warm Up"_s;
    case tutor::Level::Beginner:
        return u"Beginner"_s;
    case tutor::Level::Intermediate:
        return u"Intermediate"_s;
    case tutor::Level::Advanced:
        return u"Advanced"_s;
    case tutor::Level::Expert:
        return u"Expert"_s;
    }
    return QString::number(level);
}

QString answerOperationWord(int code)
{
    switch (tutor::Operation(code)) {
    case tutor::Operation::Addition:
        return u"addition"_s;
    case tutor::Operation::Subtraction:
        return u"subtraction"_s;
    case tutor::Operation::Multiplication:
        return u"multiplication"_s;
    case tutor::Operation::Division:
        return u"division"_s;
    }
    return QString::number(code);
}

QByteArray pupilCsv(
    const QString &name, const QString &className, const QList<QStringList> &answers)
{
    QByteArray csv(progress::ByteOrderMark);
    csv += progress::csvLine(QStringList { u"Pupil"_s, u"Class"_s } + AnswerHeadings);
    for (const QStringList &answer : answers)
        csv += progress::csvLine(QStringList { name, className } + answer);
    return csv;
}

QByteArray pupilPage(
    const QString &name, const QString &className, const QList<QStringList> &answers)
{
    QString page
        = u"<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
          "<title>Answers of %1</title>\n</head>\n<body>\n<h1>%1</h1>\n"
          "<p>Class: %2</p>\n<p>Answers kept: %3</p>\n<table>\n<thead>\n<tr>"_s.arg(
              name.toHtmlEscaped(), className.toHtmlEscaped(), QString::number(answers.size()));
    for (const QString &heading : AnswerHeadings)
        page += u"<th>"_s + heading.toHtmlEscaped() + u"</th>"_s;
    page += u"</tr>\n</thead>\n<tbody>\n"_s;
    for (const QStringList &answer : answers) {
        page += u"<tr>"_s;
        for (const QString &field : answer)
            page += u"<td>"_s + field.toHtmlEscaped() + u"</td>"_s;
        page += u"</tr>\n"_s;
    }
    page += u"</tbody>\n</table>\n</body>\n</html>\n"_s;
    return page.toUtf8();
}

} // namespace classroom
