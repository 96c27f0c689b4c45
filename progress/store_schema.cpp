#include "progress/store_schema.h"

namespace progress {

const std::vector<Migration> &migrations()
{
    static const std::vector<Migration> list {
        { 1,
            {
                "CREATE TABLE schema_version (version INTEGER NOT NULL)",
                "INSERT INTO schema_version (version) VALUES (0)",
                "CREATE TABLE pupil (id INTEGER PRIMARY KEY, name VARCHAR(200) NOT NULL UNIQUE)",
                "CREATE TABLE attempt (id INTEGER PRIMARY KEY,"
                " pupil_id INTEGER NOT NULL REFERENCES pupil (id) ON DELETE CASCADE,"
                " answered_at CHAR(24) NOT NULL, mode SMALLINT NOT NULL,"
                " level SMALLINT NOT NULL, operation SMALLINT NOT NULL,"
                " first DOUBLE PRECISION NOT NULL, second DOUBLE PRECISION NOT NULL,"
                " typed VARCHAR(40) NOT NULL, expected VARCHAR(40) NOT NULL,"
                " correct SMALLINT NOT NULL, millis BIGINT NOT NULL)",
                // A pupil's answers in time order: reading, "My Progress", export.
                "CREATE INDEX attempt_by_time ON attempt (pupil_id, answered_at)",
                // Middle times per operation and in all, for the class
                // overview, read off the indexes alone.
                "CREATE INDEX attempt_by_operation ON attempt (pupil_id, operation, millis)",
                "CREATE INDEX attempt_by_speed ON attempt (pupil_id, millis)",
                // Each pupil's answers per local day and operation, kept up
                // with every answer: the class overview's counts and days
                // without reading every answer.
                "CREATE TABLE day_tally ("
                " pupil_id INTEGER NOT NULL REFERENCES pupil (id) ON DELETE CASCADE,"
                " practised_on CHAR(10) NOT NULL, operation SMALLINT NOT NULL,"
                " answers INTEGER NOT NULL, right_answers INTEGER NOT NULL,"
                " PRIMARY KEY (pupil_id, practised_on, operation))",
            } },
        { 2,
            {
                // My Facts: what each pupil knows of each fact family. Days
                // are Julian day numbers of the local calendar, NULL for none.
                "CREATE TABLE fact_card ("
                " pupil_id INTEGER NOT NULL REFERENCES pupil (id) ON DELETE CASCADE,"
                " operation SMALLINT NOT NULL, low SMALLINT NOT NULL, high SMALLINT NOT NULL,"
                " box SMALLINT NOT NULL, due_day INTEGER, first_seen INTEGER, last_seen INTEGER,"
                " quick_days INTEGER NOT NULL, last_quick_day INTEGER,"
                " misses INTEGER NOT NULL, answers INTEGER NOT NULL,"
                " PRIMARY KEY (pupil_id, operation, low, high))",
                // The teacher's choices, one row each.
                "CREATE TABLE setting (name VARCHAR(40) NOT NULL PRIMARY KEY,"
                " value VARCHAR(200) NOT NULL)",
            } },
        { 3,
            {
                // Each answer's own random id, made when it was given: an
                // answer written again after a wait or a kill is known and
                // kept once. Answers of earlier versions have none. Found
                // through the index by time, which costs no index of its own.
                "ALTER TABLE attempt ADD COLUMN answer_id BLOB",
            } },
        { 4,
            {
                // My Facts: misses since the fact was last known (a teacher's
                // "needs teaching"), misses on the day it was last asked, and
                // the comebacks still owed after a miss, so that a restart
                // loses none. Cards kept before count every miss of a fact
                // not known now.
                "ALTER TABLE fact_card ADD COLUMN misses_since_known INTEGER NOT NULL DEFAULT 0",
                "ALTER TABLE fact_card ADD COLUMN day_misses INTEGER NOT NULL DEFAULT 0",
                "ALTER TABLE fact_card ADD COLUMN comebacks_owed INTEGER NOT NULL DEFAULT 0",
                "UPDATE fact_card SET misses_since_known = misses WHERE quick_days < 3",
            } },
        { 5,
            {
                // A class server may take a copy of every answer. Each answer
                // carries the computer it was given on and the quick-answer
                // time then in force (NULL before: this computer, and the
                // time set now), and whether the server has it. A pupil of
                // the server's roster carries the server's id for them.
                "ALTER TABLE attempt ADD COLUMN computer_id BLOB",
                "ALTER TABLE attempt ADD COLUMN quick_seconds INTEGER",
                "ALTER TABLE attempt ADD COLUMN sent SMALLINT NOT NULL DEFAULT 0",
                "ALTER TABLE pupil ADD COLUMN server_id BLOB",
                // Answers kept before ids were made get one now: the server
                // knows an answer by it alone.
                "UPDATE attempt SET answer_id = randomblob(16) WHERE answer_id IS NULL",
                // What is still to go, found without reading every answer.
                "CREATE INDEX attempt_unsent ON attempt (id) WHERE sent = 0",
                "CREATE UNIQUE INDEX pupil_by_server_id ON pupil (server_id)"
                " WHERE server_id IS NOT NULL",
            } },
    };
    return list;
}

int knownVersion()
{
    return migrations().back().version;
}

} // namespace progress
