#include "app/class_server_status.h"

#include "classroom/class_server_link.h"
#include "classroom/link_words.h"
#include "progress/current_pupil.h"

#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>

ClassServerStatus::ClassServerStatus(
    QMainWindow *window, progress::CurrentPupil &pupil, const classroom::ServerSettings &settings)
    : QObject(window)
    , m_pupil(pupil)
    , m_settings(settings)
{
    if (!settings.isSet() && settings.refusal.isEmpty())
        return;
    m_label = new QLabel(window);
    m_label->setObjectName(QStringLiteral("lblClassServer"));
    window->statusBar()->setSizeGripEnabled(false);
    window->statusBar()->addWidget(m_label, 1);
    classroom::LinkState state;
    if (!settings.isSet()) {
        state.kind = classroom::LinkState::SettingsRefused;
        // For the administrator, who set the server up.
        m_label->setToolTip(settings.source + QStringLiteral(": ") + settings.refusal);
    }
    show(state);
}

ClassServerStatus::~ClassServerStatus() = default;

void ClassServerStatus::start()
{
    if (!m_settings.isSet() || m_link)
        return;
    m_link = new classroom::ClassServerLink(m_pupil.store().filePath(), m_settings, this);
    connect(m_link, &classroom::ClassServerLink::stateChanged, this, &ClassServerStatus::show);
    m_pupil.setOnKept([this]() { m_link->answerKept(); });
    connect(
        m_link, &classroom::ClassServerLink::historyTaken, this, &ClassServerStatus::historyTaken);
    followPupil();
}

void ClassServerStatus::followPupil()
{
    if (m_link)
        m_link->follow(m_pupil.id());
}

void ClassServerStatus::show(const classroom::LinkState &state)
{
    m_label->setText(classroom::linkStatusText(state, QDateTime::currentDateTimeUtc()));
    if (state.kind != classroom::LinkState::SettingsRefused)
        m_label->setToolTip(
            state.kind == classroom::LinkState::Unreachable ? state.detail : QString());
}
