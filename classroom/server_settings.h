#pragma once

#include <QList>
#include <QString>

#include <optional>
#include <utility>

namespace classroom {

// Where an administrator puts the class server's connection on each computer.
inline constexpr char SystemSettingsFile[] = "/etc/orvi-math-tutor/class-server.conf";
// Overrides the file; set but empty, it says there is no class server.
inline constexpr char ServerVariable[] = "ORVI_CLASS_SERVER";

// How this computer reaches the class server.
struct ServerSettings
{
    // libpq's keyword = value text, as the program connects with it; empty
    // when no class server is set, or the one set was refused.
    QString connection;
    // Where the setting came from: the variable's name or the file's path.
    QString source;
    // Why the setting cannot be used, for the administrator; empty when it can.
    QString refusal;

    bool isSet() const { return !connection.isEmpty(); }
};

// The variable when set, else the line "connection = ..." of the system
// file; lines starting with '#' are notes.
ServerSettings serverSettings(const QString &systemFile = QLatin1String(SystemSettingsFile));

// libpq's connection text as the program connects with it, from what an
// administrator wrote: keyword = value pairs, a postgresql:// address, or a
// bare service name. The server's certificate is always checked
// (sslmode=verify-full), a connection gives up after a few seconds, and a
// lost one is noticed by keepalives. Refused, with the reason in `why`: a
// password (it belongs in libpq's password file), a weaker sslmode, text
// libpq would not read.
std::optional<QString> connectionText(const QString &given, QString *why);

// The pairs of libpq's keyword = value text, values unquoted; none when it
// cannot be read.
std::optional<QList<std::pair<QString, QString>>> connectionPairs(const QString &text);

} // namespace classroom
