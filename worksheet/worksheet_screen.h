#pragma once

#include <QFrame>

class QTimer;
struct TutorState;

// The worksheet builder, where a teacher makes a worksheet and its answer key.
class WorksheetScreen : public QFrame
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WorksheetScreen)

public:
    WorksheetScreen(TutorState &state, QWidget *parent);

    QTimer *messageTimer() const { return m_tmrWorksheet; }

private:
    TutorState &m_state;
    QTimer *m_tmrWorksheet = nullptr;
};
