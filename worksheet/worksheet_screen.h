#pragma once

#include "base/screen.h"
#include "session/tutor_session.h"
#include "worksheet/worksheet_print.h"
#include "worksheet/worksheet_writer.h"

#include <QList>
#include <QRect>

class FixedRowList;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPagedPaintDevice;
class QPrinter;
class QPushButton;
class QTimer;
class WholeFile;

// The worksheet builder, where a teacher makes a worksheet and its answer key.
class WorksheetScreen : public Screen
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WorksheetScreen)

public:
    static constexpr qint16 MaximumProblems = TutorSession::MaximumWorksheetProblems;

    // The two files are written into `worksheetsFolder`, made when first
    // needed.
    WorksheetScreen(TutorSession &session, const QString &worksheetsFolder, QWidget *parent);

    // A new, empty worksheet with nothing picked yet.
    void enter() override;
    // Stops the time-out of the message line.
    void stopTimers() override;

    // "Worksheet of My Facts" is offered while a pupil is chosen.
    void setMyFactsAvailable(bool available);
    // Adds the problems after those already there, as many as fit, and says
    // how many were added.
    void addProblems(const QList<tutor::WorksheetProblem> &problems);

signals:
    void optionalInformationChecked();
    void myFactsWorksheetRequested();

public slots:
    void cmbDifficulty_Click();
    void cmbOperation_Click();
    void cmdCreateProblem_Click();
    void cmdClearWorksheet_Click();
    void cmdMyFactsWorksheet_Click();
    void chkIncludeOptional_Click();
    void tmrWorksheet_Timer();
    void cmdSaveWorksheet_Click();
    void cmdSaveAnswer_Click();
    // Opens the print preview, from which the worksheet goes to a printer or
    // a PDF file.
    void cmdPrintWorksheet_Click();

protected:
    void retranslate() override;

private:
    void worksheetList(const QString &name, int left, int width);
    QLabel *addRowLabel(const QString &name, int row);
    void numberRowMarkers();
    void tellPick(QComboBox *list, const QString &picked, bool wasReady);
    void clearWorksheet();
    enum class SavedFile { Worksheet, AnswerSheet };
    void save(SavedFile saved, const QByteArray &bytes);
    enum class StatusLasts { TenSeconds, UntilNextAction };
    void showStatus(const QString &text, const QString &folder = QString(),
        StatusLasts lasts = StatusLasts::TenSeconds);
    void endLastingStatus();
    void setOptionalFieldsEditable(bool editable);
    void paintPrint(QPrinter *printer);
    void printPdf(const QPrinter &printer, const tutor::WorksheetPrint &content);
    tutor::PrintOutcome printWithProgress(QPagedPaintDevice &device,
        const tutor::WorksheetPrint &content, const WholeFile *file = nullptr);

    TutorSession &m_session;
    const QString m_worksheetsFolder;
    QComboBox *m_cmbDifficulty = nullptr;
    QComboBox *m_cmbOperation = nullptr;
    QLabel *m_lblProblemNum = nullptr;
    QPushButton *m_cmdCreateProblem = nullptr;
    QPushButton *m_cmdClearWorksheet = nullptr;
    QPushButton *m_cmdMyFactsWorksheet = nullptr;
    // Its place before it grows to the left for a long caption.
    QRect m_myFactsPlace;
    QPushButton *m_cmdSaveWorksheet = nullptr;
    QPushButton *m_cmdSaveAnswer = nullptr;
    QCheckBox *m_chkIncludeOptional = nullptr;
    QLineEdit *m_txtTeachersName = nullptr;
    QLineEdit *m_txtClassName = nullptr;
    // lstWorksheetNum1, lstWorksheetOper, lstWorksheetNum2, lstWorksheetAnswer
    QList<FixedRowList *> m_lists;
    // Label20, Label23, Label33: beside the first, tenth and twentieth rows
    QList<QLabel *> m_rowMarkers;
    QPushButton *m_cmdPrintWorksheet = nullptr;
    bool m_includeAnswerKey = true;
    QLabel *m_lblWorksheetMessage = nullptr;
    QTimer *m_tmrWorksheet = nullptr;
    bool m_statusLastsUntilNextAction = false;
};
