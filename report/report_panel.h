#pragma once

#include <QFrame>

class QLineEdit;
class QListWidget;
class QPushButton;
struct TutorState;

// The report panel: the session log as six side-by-side lists that read as
// one table, the "Clear Report" button, the pupil's name and "Print Html".
class ReportPanel : public QFrame
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ReportPanel)

public:
    ReportPanel(TutorState &state, QWidget *parent);

    // Each showing starts with an empty name and "Print Html" disabled.
    void prepareForShowing();

private:
    TutorState &m_state;
    QListWidget *m_lstLogNum1 = nullptr;
    QListWidget *m_lstLogOper = nullptr;
    QListWidget *m_lstLogNum2 = nullptr;
    QListWidget *m_lstLogYourAn = nullptr;
    QListWidget *m_lstLogCorrAn = nullptr;
    QListWidget *m_lstLogRW = nullptr;
    QPushButton *m_cmdClearReport = nullptr;
    QLineEdit *m_txtNameReport = nullptr;
    QPushButton *m_cmdPrintReport = nullptr;
};
