#pragma once

#include <QFrame>

class PracticeScreen;
class QTimer;
struct TutorState;

// The worksheet builder, where a teacher makes a worksheet and its answer key.
class WorksheetScreen : public QFrame
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WorksheetScreen)

public:
    WorksheetScreen(TutorState &state, PracticeScreen *practice, const QString &applicationFolder,
        QWidget *parent);

    // The screen's own steps on entering it, after the switch: a new, empty
    // worksheet with nothing picked yet.
    void open();

    QTimer *messageTimer() const { return m_tmrWorksheet; }

signals:
    // A pick in the lists chooses through the same commands as the menus.
    void levelPicked(qint16 levelCode);
    void operationPicked(qint16 operationCode);
    void optionalInformationChecked();

private:
    TutorState &m_state;
    PracticeScreen *m_practice = nullptr;
    const QString m_applicationFolder;
    QTimer *m_tmrWorksheet = nullptr;
};
