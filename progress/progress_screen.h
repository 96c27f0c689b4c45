#pragma once

#include "base/screen.h"
#include "progress/progress_data.h"

class CellGridView;
class ChartView;
class QComboBox;
class QLabel;
class QPushButton;
class QStandardItemModel;
class QTableView;

// "My Progress": one pupil's answers per operation today and over the last
// 7 and 30 days, charts of the share right and the median time per day of
// practice, and the facts grid of one operation. It only shows what it is
// given; printing is handed on through printRequested().
class ProgressScreen : public Screen
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ProgressScreen)

public:
    explicit ProgressScreen(QWidget *parent);

    void showProgress(const progress::PupilProgress &progress);
    const progress::PupilProgress &shownProgress() const { return m_progress; }

    // The colour a facts grid cell has at each entry of the legend.
    static QColor factColour(progress::FactState state);

    void enter() override;

public slots:
    void cmdPrintProgress_Click();
    void cboFactsOperation_Click();

signals:
    // The pupil asks for the progress report of what is shown.
    void printRequested();

protected:
    void retranslate() override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void showFacts();

    progress::PupilProgress m_progress;
    QLabel *m_title = nullptr;
    QTableView *m_table = nullptr;
    QLabel *m_key = nullptr;
    QLabel *m_factsLabel = nullptr;
    QStandardItemModel *m_tableModel = nullptr;
    ChartView *m_shareChart = nullptr;
    ChartView *m_medianChart = nullptr;
    QComboBox *m_factsOperation = nullptr;
    CellGridView *m_facts = nullptr;
    QLabel *m_boxesKey = nullptr;
    QPushButton *m_print = nullptr;
};
