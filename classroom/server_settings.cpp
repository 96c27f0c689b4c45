#include "classroom/server_settings.h"

#include "classroom/server_connection.h"

#include <QFile>
#include <QUrl>
#include <QUrlQuery>

using namespace Qt::StringLiterals;

namespace classroom {

namespace {

using Pairs = QList<std::pair<QString, QString>>;

// What the program adds when the administrator has not said otherwise: a
// window of a few seconds to connect, and a connection lost without a word
// found out within about half a minute.
const Pairs Defaults {
    { u"connect_timeout"_s, u"5"_s },
    { u"keepalives"_s, u"1"_s },
    { u"keepalives_idle"_s, u"10"_s },
    { u"keepalives_interval"_s, u"5"_s },
    { u"keepalives_count"_s, u"3"_s },
    { u"application_name"_s, u"orvi-math-tutor"_s },
};

bool has(const Pairs &pairs, const QString &key)
{
    for (const auto &pair : pairs) {
        if (pair.first == key)
            return true;
    }
    return false;
}

std::optional<Pairs> pairsOfAddress(const QString &text, QString *why)
{
    const QUrl url(text, QUrl::StrictMode);
    if (!url.isValid()) {
        *why = u"the address cannot be read: %1"_s.arg(url.errorString());
        return std::nullopt;
    }
    Pairs pairs;
    if (!url.password().isEmpty())
        pairs.append({ u"password"_s, url.password() });
    if (!url.userName().isEmpty())
        pairs.append({ u"user"_s, url.userName() });
    if (!url.host().isEmpty())
        pairs.append({ u"host"_s, url.host() });
    if (url.port() != -1)
        pairs.append({ u"port"_s, QString::number(url.port()) });
    const QString database = url.path().mid(1);
    if (!database.isEmpty())
        pairs.append({ u"dbname"_s, database });
    for (const auto &[key, value] : QUrlQuery(url).queryItems(QUrl::FullyDecoded))
        pairs.append({ key, value });
    return pairs;
}

} // namespace

std::optional<Pairs> connectionPairs(const QString &text)
{
    Pairs pairs;
    qsizetype at = 0;
    const qsizetype end = text.size();
    const auto skipSpace = [&]() {
        while (at < end && text.at(at).isSpace())
            ++at;
    };
    while (true) {
        skipSpace();
        if (at == end)
            return pairs;
        const qsizetype keyStart = at;
        while (at < end && !text.at(at).isSpace() && text.at(at) != u'=')
            ++at;
        const QString key = text.mid(keyStart, at - keyStart);
        skipSpace();
        if (key.isEmpty() || at == end || text.at(at) != u'=')
            return std::nullopt;
        ++at;
        skipSpace();
        QString value;
        if (at < end && text.at(at) == u'\'') {
            ++at;
            bool closed = false;
            while (at < end) {
                const QChar c = text.at(at++);
                if (c == u'\\' && at < end) {
                    value += text.at(at++);
                } else if (c == u'\'') {
                    closed = true;
                    break;
                } else {
                    value += c;
                }
            }
            if (!closed)
                return std::nullopt;
        } else {
            while (at < end && !text.at(at).isSpace()) {
                const QChar c = text.at(at++);
                if (c == u'\\' && at < end)
                    value += text.at(at++);
                else
                    value += c;
            }
        }
        pairs.append({ key, value });
    }
}

std::optional<QString> connectionText(const QString &given, QString *why)
{
    const QString text = given.trimmed();
    std::optional<Pairs> pairs;
    if (text.startsWith(u"postgresql://"_s) || text.startsWith(u"postgres://"_s)) {
        pairs = pairsOfAddress(text, why);
        if (!pairs)
            return std::nullopt;
    } else if (!text.isEmpty() && !text.contains(u'=') && !text.contains(u' ')) {
        pairs = Pairs { { u"service"_s, text } };
    } else {
        pairs = connectionPairs(text);
        if (!pairs) {
            *why = u"the connection text cannot be read as keyword = value pairs"_s;
            return std::nullopt;
        }
    }
    if (pairs->isEmpty()) {
        *why = u"the connection text is empty"_s;
        return std::nullopt;
    }
    QStringList parts;
    for (const auto &[key, value] : std::as_const(*pairs)) {
        if (key == u"password"_s) {
            *why = u"a password may not be written here: put it in libpq's password file "
                   "(mode 0600)"_s;
            return std::nullopt;
        }
        if (key == u"sslmode"_s && value != u"verify-full"_s) {
            *why = u"sslmode must be verify-full: the class server's certificate is always "
                   "checked"_s;
            return std::nullopt;
        }
        // Qt hands the text to libpq with every ';' made a space.
        if (value.contains(u';') || key.contains(u';')) {
            *why = u"no ';' may stand in the connection text"_s;
            return std::nullopt;
        }
        parts.append(key + u'=' + connectionValue(value));
    }
    if (!has(*pairs, u"sslmode"_s))
        parts.append(u"sslmode='verify-full'"_s);
    for (const auto &[key, value] : Defaults) {
        if (!has(*pairs, key))
            parts.append(key + u'=' + connectionValue(value));
    }
    return parts.join(u' ');
}

ServerSettings serverSettings(const QString &systemFile)
{
    ServerSettings settings;
    QString given;
    if (qEnvironmentVariableIsSet(ServerVariable)) {
        settings.source = QLatin1String(ServerVariable);
        given = qEnvironmentVariable(ServerVariable).trimmed();
    } else {
        QFile file(systemFile);
        if (!file.open(QIODevice::ReadOnly))
            return settings;
        settings.source = systemFile;
        const QStringList lines = QString::fromUtf8(file.read(64 * 1024)).split(u'\n');
        for (const QString &line : lines) {
            const QString trimmed = line.trimmed();
            if (trimmed.startsWith(u'#'))
                continue;
            const qsizetype equals = trimmed.indexOf(u'=');
            if (equals > 0 && trimmed.left(equals).trimmed() == u"connection"_s)
                given = trimmed.mid(equals + 1).trimmed();
        }
    }
    if (given.isEmpty())
        return settings;
    QString why;
    if (const std::optional<QString> text = connectionText(given, &why))
        settings.connection = *text;
    else
        settings.refusal = why;
    return settings;
}

} // namespace classroom
