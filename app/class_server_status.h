#pragma once

#include "classroom/server_settings.h"

#include <QObject>

class QLabel;
class QMainWindow;
namespace classroom {
class ClassServerLink;
struct LinkState;
} // namespace classroom
namespace progress {
class CurrentPupil;
} // namespace progress

// The class server, when this computer has one: answers go to it on a
// thread of their own, and a line at the foot of the window says where they
// are. With no class server set, there is neither link nor line.
class ClassServerStatus : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ClassServerStatus)

public:
    ClassServerStatus(QMainWindow *window, progress::CurrentPupil &pupil,
        const classroom::ServerSettings &settings);
    ~ClassServerStatus() override;

    // Once the progress file has been opened and brought up to date.
    void start();
    // After a pupil, or nobody, was chosen.
    void followPupil();
    classroom::ClassServerLink *link() const { return m_link; }

signals:
    // The pupil's answers from other computers were taken into the file.
    void historyTaken(qint64 pupilId);

private:
    void show(const classroom::LinkState &state);

    progress::CurrentPupil &m_pupil;
    classroom::ServerSettings m_settings;
    QLabel *m_label = nullptr;
    classroom::ClassServerLink *m_link = nullptr;
};
