#include "report/report_panel.h"

#include "app/controls.h"
#include "app/tutor_state.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using controls::twips;

ReportPanel::ReportPanel(TutorState &state, QWidget *parent)
    : QFrame(parent)
    , m_state(state)
{
    controls::setUpScreen(this, QStringLiteral("fraLog"), controls::twips(4680, -120, 5775, 4935));

    // Created left to right: each list lies over the right-hand part of its
    // left neighbour, so the six read as one table of six columns.
    auto logList = [this](const QString &name, int left, int width) {
        return controls::listBox(this, name, twips(left, 600, width, 4155));
    };
    m_lstLogNum1 = logList(QStringLiteral("lstLogNum1"), 120, 1335);
    m_lstLogOper = logList(QStringLiteral("lstLogOper"), 720, 855);
    m_lstLogNum2 = logList(QStringLiteral("lstLogNum2"), 960, 1095);
    m_lstLogYourAn = logList(QStringLiteral("lstLogYourAn"), 1680, 975);
    m_lstLogCorrAn = logList(QStringLiteral("lstLogCorrAn"), 2400, 975);
    m_lstLogRW = logList(QStringLiteral("lstLogRW"), 3120, 1215);

    controls::label(
        this, QStringLiteral("Label39"), QStringLiteral("Number1"), twips(120, 240, 735, 255));
    controls::label(
        this, QStringLiteral("Label41"), QStringLiteral("Number 2"), twips(960, 240, 735, 255));
    controls::label(this, QStringLiteral("Label42"), QStringLiteral("  Your Answer"),
        twips(1800, 120, 615, 375));
    controls::label(this, QStringLiteral("Label43"), QStringLiteral("Correct Answer"),
        twips(2520, 120, 615, 375));

    QFrame *frame5 = controls::frame(this, QStringLiteral("Frame5"), twips(3960, 600, 1695, 4215));
    frame5->setAutoFillBackground(true);
    controls::label(frame5, QStringLiteral("Label44"), QStringLiteral("Last Problem"),
        twips(120, 0, 1095, 255));
    controls::label(frame5, QStringLiteral("Label11"), QStringLiteral("Enter Your Name:"),
        twips(240, 2280, 1335, 255));

    m_cmdClearReport = controls::button(this, QStringLiteral("cmdClearReport"),
        QStringLiteral("Clear Report"), twips(4200, 1320, 1335, 375));
    m_cmdPrintReport = controls::button(this, QStringLiteral("cmdPrintReport"),
        QStringLiteral("Print Html"), twips(4200, 3600, 1335, 375));
    m_txtNameReport
        = controls::textBox(this, QStringLiteral("txtNameReport"), 0, twips(4200, 3120, 1335, 375));
}

void ReportPanel::prepareForShowing()
{
    m_cmdPrintReport->setEnabled(false);
    m_txtNameReport->clear();
}
