#pragma once

#include <QString>
#include <QStringList>

// The tables as version 1 of the progress file wrote them. Files of that
// version are out there: these stay as they are whatever later versions do.
inline const QStringList VersionOneTables {
    QStringLiteral("CREATE TABLE schema_version (version INTEGER NOT NULL)"),
    QStringLiteral("INSERT INTO schema_version (version) VALUES (1)"),
    QStringLiteral(
        "CREATE TABLE pupil (id INTEGER PRIMARY KEY, name VARCHAR(200) NOT NULL UNIQUE)"),
    QStringLiteral("CREATE TABLE attempt (id INTEGER PRIMARY KEY,"
                   " pupil_id INTEGER NOT NULL REFERENCES pupil (id) ON DELETE CASCADE,"
                   " answered_at CHAR(24) NOT NULL, mode SMALLINT NOT NULL,"
                   " level SMALLINT NOT NULL, operation SMALLINT NOT NULL,"
                   " first DOUBLE PRECISION NOT NULL, second DOUBLE PRECISION NOT NULL,"
                   " typed VARCHAR(40) NOT NULL, expected VARCHAR(40) NOT NULL,"
                   " correct SMALLINT NOT NULL, millis BIGINT NOT NULL)"),
    QStringLiteral("CREATE INDEX attempt_by_time ON attempt (pupil_id, answered_at)"),
    QStringLiteral("CREATE INDEX attempt_by_operation ON attempt (pupil_id, operation, millis)"),
    QStringLiteral("CREATE INDEX attempt_by_speed ON attempt (pupil_id, millis)"),
    QStringLiteral("CREATE TABLE day_tally ("
                   " pupil_id INTEGER NOT NULL REFERENCES pupil (id) ON DELETE CASCADE,"
                   " practised_on CHAR(10) NOT NULL, operation SMALLINT NOT NULL,"
                   " answers INTEGER NOT NULL, right_answers INTEGER NOT NULL,"
                   " PRIMARY KEY (pupil_id, practised_on, operation))"),
};

// What versions 2 and 3 added to the tables of version 1, as they wrote them.
inline const QStringList VersionThreeTables = VersionOneTables
    + QStringList {
          QStringLiteral("UPDATE schema_version SET version = 3"),
          QStringLiteral(
              "CREATE TABLE fact_card ("
              " pupil_id INTEGER NOT NULL REFERENCES pupil (id) ON DELETE CASCADE,"
              " operation SMALLINT NOT NULL, low SMALLINT NOT NULL, high SMALLINT NOT NULL,"
              " box SMALLINT NOT NULL, due_day INTEGER, first_seen INTEGER, last_seen INTEGER,"
              " quick_days INTEGER NOT NULL, last_quick_day INTEGER,"
              " misses INTEGER NOT NULL, answers INTEGER NOT NULL,"
              " PRIMARY KEY (pupil_id, operation, low, high))"),
          QStringLiteral("CREATE TABLE setting (name VARCHAR(40) NOT NULL PRIMARY KEY,"
                         " value VARCHAR(200) NOT NULL)"),
          QStringLiteral("ALTER TABLE attempt ADD COLUMN answer_id BLOB"),
      };
