#pragma once

#include "base/screen.h"

#include <initializer_list>

class FixedRowList;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class SessionLog;

// The report panel: the session log as six side-by-side lists that read as
// one table (and, to a screen reader, as one list of sentences), the "Clear
// Report" button, the pupil's name and "Print Html".
// The lists show the log; the panel never holds a row of its own.
class ReportPanel : public Screen
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ReportPanel)

public:
    // Reports are written into `reportsFolder`, made when first needed.
    ReportPanel(SessionLog &log, const QString &reportsFolder, QWidget *parent);

    // Each showing starts with an empty name and "Print Html" disabled, and
    // tells a screen reader how many answers the panel holds.
    void prepareForShowing();

    // While one of these screens lies over the panel, the panel takes no
    // focus and no keys, so nothing unseen can be pressed.
    void setCoveringScreens(const QList<QWidget *> &screens);
    // The screens the panel lies over take no focus while it shows, so Tab
    // never reaches what cannot be seen.
    void setCoveredScreens(const QList<QWidget *> &screens);

    // The reports folder is not where the pupil would look (a portable copy
    // that cannot write its own folder): the first report saved says where.
    void tellWhereReportsGo();

signals:
    void showReportRequested();
    // The report was written; whatever the browser did, the pupil's next
    // step is the next answer.
    void reportPrinted();

public slots:
    void cmdClearReport_Click();
    // Writes the log as the pupil's HTML report beside the program and
    // opens it in the desktop's web browser.
    void cmdPrintReport_Click();

protected:
    void retranslate() override;
    bool takesKeyboard() const override;
    bool keepsKeyboard() const override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool focusNextPrevChild(bool next) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void logList(const QString &name, int left, int width);
    void lightRow(int row);
    void followSelection(FixedRowList *list);
    void followAppend(int first, int last);
    void updateCoverage();
    void updateCovered();
    void tellWhatItHolds();
    bool endInSight(int grownBy = 0) const;
    void keepNameForCorrection();
    QString reportPath(const QString &name) const;

    SessionLog &m_log;
    const QString m_reportsFolder;
    QList<FixedRowList *> m_columns;
    QScrollBar *m_scrollBar = nullptr;
    QLabel *m_number1Heading = nullptr;
    QLabel *m_number2Heading = nullptr;
    QLabel *m_yourAnswerHeading = nullptr;
    QLabel *m_correctAnswerHeading = nullptr;
    QLabel *m_lastProblemHeading = nullptr;
    QLabel *m_nameHeading = nullptr;
    QLabel *m_logFull = nullptr;
    QPushButton *m_cmdClearReport = nullptr;
    QLineEdit *m_txtNameReport = nullptr;
    QPushButton *m_cmdPrintReport = nullptr;
    QList<QWidget *> m_coveringScreens;
    QList<QWidget *> m_coveredScreens;
    int m_listHeight = 0; // the lists' height while the panel is put away
    bool m_endWasInSight = true;
    bool m_followingPick = false; // while one pick is carried to every column
    bool m_tellWhereReportsGo = false;
    bool m_tellWhatItHolds = false; // on the next showing
};
