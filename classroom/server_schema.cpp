#include "classroom/server_schema.h"

namespace classroom {

const std::vector<ServerMigration> &serverMigrations()
{
    static const std::vector<ServerMigration> list {
        { 1,
            {
                "CREATE SCHEMA orvi",
                "CREATE TABLE orvi.schema_version (version integer NOT NULL)",
                "INSERT INTO orvi.schema_version (version) VALUES (0)",
                // Roles belong to the whole server: a second database set up
                // on it finds them there already.
                R"sql(DO $$ BEGIN
    IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = 'orvi_teacher') THEN
        CREATE ROLE orvi_teacher NOLOGIN;
    END IF;
    IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = 'orvi_pc') THEN
        CREATE ROLE orvi_pc NOLOGIN;
    END IF;
END $$)sql",
                "CREATE TABLE orvi.teacher (id serial PRIMARY KEY, role_name name UNIQUE NOT NULL,"
                " display_name text NOT NULL)",
                "CREATE TABLE orvi.school_class (id serial PRIMARY KEY,"
                " teacher_id integer NOT NULL REFERENCES orvi.teacher, name text NOT NULL,"
                " UNIQUE (teacher_id, name))",
                // A display name and nothing else about the child.
                "CREATE TABLE orvi.pupil (id uuid PRIMARY KEY DEFAULT gen_random_uuid(),"
                " class_id integer NOT NULL REFERENCES orvi.school_class,"
                " display_name text NOT NULL, changed_at timestamptz NOT NULL DEFAULT now(),"
                " last_seen timestamptz)",
                // What the PCs read at their next contact to forget a pupil.
                "CREATE TABLE orvi.pupil_deletion (pupil_id uuid PRIMARY KEY,"
                " class_id integer NOT NULL, deleted_at timestamptz NOT NULL DEFAULT now())",
                // The classes each PC's login serves.
                "CREATE TABLE orvi.pc_class (role_name name NOT NULL,"
                " class_id integer NOT NULL REFERENCES orvi.school_class,"
                " PRIMARY KEY (role_name, class_id))",
                // Each answer as the PC kept it, under the id the PC made for
                // it: sent again, it is kept once.
                "CREATE TABLE orvi.answer (answer_id uuid PRIMARY KEY,"
                " pupil_id uuid NOT NULL REFERENCES orvi.pupil ON DELETE CASCADE,"
                " pc_id uuid NOT NULL, answered_at timestamptz NOT NULL,"
                " mode smallint NOT NULL, level smallint NOT NULL, operation smallint NOT NULL,"
                " first double precision NOT NULL, second double precision NOT NULL,"
                " typed varchar(40) NOT NULL, expected varchar(40) NOT NULL,"
                " correct boolean NOT NULL, millis bigint NOT NULL,"
                " quick_seconds smallint NOT NULL,"
                " received_at timestamptz NOT NULL DEFAULT now())",
                "CREATE INDEX answer_by_time ON orvi.answer (pupil_id, answered_at)",
                "CREATE TABLE orvi.export_log (id bigserial PRIMARY KEY,"
                " at timestamptz NOT NULL DEFAULT now(),"
                " by_role name NOT NULL DEFAULT session_user, pupil_id uuid, what text NOT NULL)",

                // The classes of the teacher asking. A view reads the tables
                // as their owner, so the policies below can use it without
                // teachers reading the teacher table or the policies calling
                // themselves.
                "CREATE VIEW orvi.own_class AS SELECT k.id FROM orvi.school_class k"
                " JOIN orvi.teacher t ON t.id = k.teacher_id WHERE t.role_name = current_user",
                // Whether the PC's login serves the pupil's class. It reads
                // tables the PC may not.
                R"sql(CREATE FUNCTION orvi.serves_pupil(p_pupil uuid) RETURNS boolean
LANGUAGE sql STABLE SECURITY DEFINER SET search_path = orvi, pg_temp AS $$
    SELECT EXISTS (SELECT 1 FROM orvi.pupil p JOIN orvi.pc_class c ON c.class_id = p.class_id
                   WHERE p.id = p_pupil AND c.role_name = session_user)
$$)sql",
                // Once per statement, however many answers a PC sends at
                // once: the pupils are seen at their latest answer, and each
                // class's overview hears of it once.
                R"sql(CREATE FUNCTION orvi.answers_added() RETURNS trigger
LANGUAGE plpgsql SECURITY DEFINER SET search_path = orvi, pg_temp AS $$
DECLARE
    touched integer;
BEGIN
    UPDATE orvi.pupil p SET last_seen = GREATEST(p.last_seen, s.latest)
        FROM (SELECT a.pupil_id, max(a.answered_at) AS latest FROM added a
              GROUP BY a.pupil_id) s
        WHERE p.id = s.pupil_id;
    FOR touched IN SELECT DISTINCT p.class_id FROM added a
                   JOIN orvi.pupil p ON p.id = a.pupil_id LOOP
        PERFORM pg_notify('orvi_answers', touched::text);
    END LOOP;
    RETURN NULL;
END
$$)sql",
                "CREATE TRIGGER answers_added AFTER INSERT ON orvi.answer"
                " REFERENCING NEW TABLE AS added FOR EACH STATEMENT"
                " EXECUTE FUNCTION orvi.answers_added()",

                "ALTER TABLE orvi.answer ENABLE ROW LEVEL SECURITY",
                "ALTER TABLE orvi.pupil ENABLE ROW LEVEL SECURITY",
                "ALTER TABLE orvi.school_class ENABLE ROW LEVEL SECURITY",
                "ALTER TABLE orvi.pupil_deletion ENABLE ROW LEVEL SECURITY",
                "CREATE POLICY pc_adds ON orvi.answer FOR INSERT TO orvi_pc"
                " WITH CHECK (orvi.serves_pupil(pupil_id))",
                "CREATE POLICY teacher_reads ON orvi.school_class FOR SELECT TO orvi_teacher"
                " USING (id IN (SELECT o.id FROM orvi.own_class o))",
                "CREATE POLICY teacher_reads ON orvi.pupil FOR SELECT TO orvi_teacher"
                " USING (class_id IN (SELECT o.id FROM orvi.own_class o))",
                "CREATE POLICY teacher_reads ON orvi.pupil_deletion FOR SELECT TO orvi_teacher"
                " USING (class_id IN (SELECT o.id FROM orvi.own_class o))",
                "CREATE POLICY teacher_reads ON orvi.answer FOR SELECT TO orvi_teacher"
                " USING (pupil_id IN (SELECT p.id FROM orvi.pupil p"
                " JOIN orvi.own_class o ON o.id = p.class_id))",
                // A PC only adds answers; a teacher only reads, and changes
                // through the functions below, which check whose pupil it is.
                "REVOKE ALL ON SCHEMA orvi FROM PUBLIC",
                "GRANT USAGE ON SCHEMA orvi TO orvi_pc, orvi_teacher",
                "GRANT INSERT ON orvi.answer TO orvi_pc",
                "GRANT SELECT ON orvi.school_class, orvi.pupil, orvi.answer, orvi.pupil_deletion,"
                " orvi.own_class TO orvi_teacher",

                // What a PC reads: the pupils of its classes, the pupils to
                // forget, and a pupil's answers given at other PCs.
                R"sql(CREATE FUNCTION orvi.roster()
RETURNS TABLE (pupil_id uuid, display_name text, class_name text)
LANGUAGE sql STABLE SECURITY DEFINER SET search_path = orvi, pg_temp AS $$
    SELECT p.id, p.display_name, k.name FROM orvi.pupil p
        JOIN orvi.school_class k ON k.id = p.class_id
        JOIN orvi.pc_class c ON c.class_id = k.id
        WHERE c.role_name = session_user
        ORDER BY k.name, p.display_name, p.id
$$)sql",
                R"sql(CREATE FUNCTION orvi.deleted_pupils()
RETURNS TABLE (pupil_id uuid, deleted_at timestamptz)
LANGUAGE sql STABLE SECURITY DEFINER SET search_path = orvi, pg_temp AS $$
    SELECT d.pupil_id, d.deleted_at FROM orvi.pupil_deletion d
        JOIN orvi.pc_class c ON c.class_id = d.class_id
        WHERE c.role_name = session_user
        ORDER BY d.deleted_at, d.pupil_id
$$)sql",
                R"sql(CREATE FUNCTION orvi.pupil_history(p_pupil uuid)
RETURNS TABLE (answer_id uuid, pc_id uuid, answered_at timestamptz, mode smallint,
               level smallint, operation smallint, first double precision,
               second double precision, typed varchar, expected varchar, correct boolean,
               millis bigint, quick_seconds smallint)
LANGUAGE plpgsql STABLE SECURITY DEFINER SET search_path = orvi, pg_temp AS $$
BEGIN
    IF NOT orvi.serves_pupil(p_pupil) THEN
        RAISE EXCEPTION 'this login does not serve the class of pupil %', p_pupil
            USING ERRCODE = 'insufficient_privilege';
    END IF;
    RETURN QUERY SELECT a.answer_id, a.pc_id, a.answered_at, a.mode, a.level, a.operation,
                        a.first, a.second, a.typed, a.expected, a.correct, a.millis,
                        a.quick_seconds
        FROM orvi.answer a WHERE a.pupil_id = p_pupil ORDER BY a.answered_at, a.answer_id;
END
$$)sql",

                // The teacher's own class of that name, or a refusal.
                R"sql(CREATE FUNCTION orvi.teachers_class(p_class text) RETURNS integer
LANGUAGE plpgsql STABLE SECURITY DEFINER SET search_path = orvi, pg_temp AS $$
DECLARE
    found_class integer;
BEGIN
    SELECT k.id INTO found_class FROM orvi.school_class k
        JOIN orvi.teacher t ON t.id = k.teacher_id
        WHERE k.name = p_class AND t.role_name = session_user;
    IF found_class IS NULL THEN
        RAISE EXCEPTION 'this login has no class %', p_class
            USING ERRCODE = 'insufficient_privilege';
    END IF;
    RETURN found_class;
END
$$)sql",
                // The class of one of the teacher's own pupils, or a refusal.
                R"sql(CREATE FUNCTION orvi.teachers_pupil(p_pupil uuid) RETURNS integer
LANGUAGE plpgsql STABLE SECURITY DEFINER SET search_path = orvi, pg_temp AS $$
DECLARE
    found_class integer;
BEGIN
    SELECT p.class_id INTO found_class FROM orvi.pupil p
        JOIN orvi.school_class k ON k.id = p.class_id
        JOIN orvi.teacher t ON t.id = k.teacher_id
        WHERE p.id = p_pupil AND t.role_name = session_user;
    IF found_class IS NULL THEN
        RAISE EXCEPTION 'this login has no pupil %', p_pupil
            USING ERRCODE = 'insufficient_privilege';
    END IF;
    RETURN found_class;
END
$$)sql",
                // Names as the progress file keeps them, trimmed and 200 characters at
                // most, and nothing invisible in them.
                R"sql(CREATE FUNCTION orvi.checked_name(p_name text) RETURNS text
LANGUAGE plpgsql IMMUTABLE SET search_path = orvi, pg_temp AS $$
DECLARE
    trimmed text := btrim(p_name);
BEGIN
    IF trimmed IS NULL OR trimmed = '' OR length(trimmed) > 200
            OR trimmed ~ '[[:cntrl:]]' THEN
        RAISE EXCEPTION 'a pupil''s name is 1 to 200 characters without control characters'
            USING ERRCODE = 'invalid_parameter_value';
    END IF;
    RETURN trimmed;
END
$$)sql",
                R"sql(CREATE FUNCTION orvi.add_pupil(p_class text, p_name text) RETURNS uuid
LANGUAGE sql VOLATILE SECURITY DEFINER SET search_path = orvi, pg_temp AS $$
    INSERT INTO orvi.pupil (class_id, display_name)
        VALUES (orvi.teachers_class(p_class), orvi.checked_name(p_name))
        RETURNING id
$$)sql",
                R"sql(CREATE FUNCTION orvi.rename_pupil(p_pupil uuid, p_name text) RETURNS void
LANGUAGE plpgsql VOLATILE SECURITY DEFINER SET search_path = orvi, pg_temp AS $$
BEGIN
    PERFORM orvi.teachers_pupil(p_pupil);
    UPDATE orvi.pupil SET display_name = orvi.checked_name(p_name), changed_at = now()
        WHERE id = p_pupil;
END
$$)sql",
                // The pupil's answers go with the pupil; the deletion record
                // tells the PCs to forget the pupil too.
                R"sql(CREATE FUNCTION orvi.erase_pupil(p_pupil uuid) RETURNS void
LANGUAGE plpgsql VOLATILE SECURITY DEFINER SET search_path = orvi, pg_temp AS $$
DECLARE
    its_class integer := orvi.teachers_pupil(p_pupil);
BEGIN
    DELETE FROM orvi.pupil WHERE id = p_pupil;
    INSERT INTO orvi.pupil_deletion (pupil_id, class_id) VALUES (p_pupil, its_class);
END
$$)sql",
                // A teacher's export of the class, or of one of their pupils.
                R"sql(CREATE FUNCTION orvi.log_export(p_pupil uuid, p_what text) RETURNS void
LANGUAGE plpgsql VOLATILE SECURITY DEFINER SET search_path = orvi, pg_temp AS $$
BEGIN
    IF p_pupil IS NOT NULL THEN
        PERFORM orvi.teachers_pupil(p_pupil);
    END IF;
    INSERT INTO orvi.export_log (pupil_id, what) VALUES (p_pupil, p_what);
END
$$)sql",
                "REVOKE EXECUTE ON ALL FUNCTIONS IN SCHEMA orvi FROM PUBLIC",
                "GRANT EXECUTE ON FUNCTION orvi.serves_pupil(uuid), orvi.roster(),"
                " orvi.deleted_pupils(), orvi.pupil_history(uuid) TO orvi_pc",
                "GRANT EXECUTE ON FUNCTION orvi.add_pupil(text, text),"
                " orvi.rename_pupil(uuid, text), orvi.erase_pupil(uuid),"
                " orvi.log_export(uuid, text) TO orvi_teacher",
            } },
        { 2,
            {
                // The database's owner looks after every class; a teacher
                // after their own.
                R"sql(CREATE FUNCTION orvi.is_owner() RETURNS boolean
LANGUAGE sql STABLE SECURITY DEFINER SET search_path = orvi, pg_temp AS $$
    SELECT pg_has_role(session_user, n.nspowner, 'USAGE') FROM pg_namespace n
        WHERE n.nspname = 'orvi'
$$)sql",
                // The class of a pupil the caller looks after, or a refusal.
                R"sql(CREATE FUNCTION orvi.callers_pupil(p_pupil uuid) RETURNS integer
LANGUAGE plpgsql STABLE SECURITY DEFINER SET search_path = orvi, pg_temp AS $$
DECLARE
    found_class integer;
BEGIN
    IF NOT orvi.is_owner() THEN
        RETURN orvi.teachers_pupil(p_pupil);
    END IF;
    SELECT p.class_id INTO found_class FROM orvi.pupil p WHERE p.id = p_pupil;
    IF found_class IS NULL THEN
        RAISE EXCEPTION 'there is no pupil %', p_pupil USING ERRCODE = 'no_data_found';
    END IF;
    RETURN found_class;
END
$$)sql",
                // The owner erases too, and every erasure is on record.
                R"sql(CREATE OR REPLACE FUNCTION orvi.erase_pupil(p_pupil uuid) RETURNS void
LANGUAGE plpgsql VOLATILE SECURITY DEFINER SET search_path = orvi, pg_temp AS $$
DECLARE
    its_class integer := orvi.callers_pupil(p_pupil);
BEGIN
    DELETE FROM orvi.pupil WHERE id = p_pupil;
    INSERT INTO orvi.pupil_deletion (pupil_id, class_id) VALUES (p_pupil, its_class);
    INSERT INTO orvi.export_log (pupil_id, what) VALUES (p_pupil, 'pupil erased');
END
$$)sql",
                // All the server keeps of one pupil: a row per answer, or
                // one row with no answer for a pupil without any. Who asked
                // is on record, in the same transaction as the reading.
                R"sql(CREATE FUNCTION orvi.pupil_export(p_pupil uuid)
RETURNS TABLE (display_name text, class_name text, answer_id uuid, pc_id uuid,
               answered_at timestamptz, mode smallint, level smallint, operation smallint,
               first double precision, second double precision, typed varchar,
               expected varchar, correct boolean, millis bigint, quick_seconds smallint,
               received_at timestamptz)
LANGUAGE plpgsql VOLATILE SECURITY DEFINER SET search_path = orvi, pg_temp AS $$
BEGIN
    PERFORM orvi.callers_pupil(p_pupil);
    INSERT INTO orvi.export_log (pupil_id, what) VALUES (p_pupil, 'pupil export');
    RETURN QUERY SELECT p.display_name, k.name, a.answer_id, a.pc_id, a.answered_at, a.mode,
                        a.level, a.operation, a.first, a.second, a.typed, a.expected,
                        a.correct, a.millis, a.quick_seconds, a.received_at
        FROM orvi.pupil p JOIN orvi.school_class k ON k.id = p.class_id
        LEFT JOIN orvi.answer a ON a.pupil_id = p.id
        WHERE p.id = p_pupil ORDER BY a.answered_at, a.answer_id;
END
$$)sql",
                R"sql(CREATE FUNCTION orvi.unseen_pupils(p_months int)
RETURNS TABLE (pupil_id uuid, display_name text, class_name text, last_seen timestamptz)
LANGUAGE plpgsql STABLE SECURITY DEFINER SET search_path = orvi, pg_temp AS $$
BEGIN
    IF p_months IS NULL OR p_months < 1 THEN
        RAISE EXCEPTION 'the months unseen must be 1 or more'
            USING ERRCODE = 'invalid_parameter_value';
    END IF;
    RETURN QUERY SELECT p.id, p.display_name, k.name, COALESCE(p.last_seen, p.changed_at)
        FROM orvi.pupil p JOIN orvi.school_class k ON k.id = p.class_id
        JOIN orvi.teacher t ON t.id = k.teacher_id
        WHERE (t.role_name = session_user OR orvi.is_owner())
          AND COALESCE(p.last_seen, p.changed_at) < now() - make_interval(months => p_months)
        ORDER BY k.name, p.display_name, p.id;
END
$$)sql",
                R"sql(CREATE FUNCTION orvi.purge_unseen(p_months int) RETURNS integer
LANGUAGE plpgsql VOLATILE SECURITY DEFINER SET search_path = orvi, pg_temp AS $$
DECLARE
    erased integer;
BEGIN
    WITH gone AS (
        DELETE FROM orvi.pupil p USING orvi.unseen_pupils(p_months) u
            WHERE p.id = u.pupil_id RETURNING p.id, p.class_id)
    INSERT INTO orvi.pupil_deletion (pupil_id, class_id) SELECT g.id, g.class_id FROM gone g;
    GET DIAGNOSTICS erased = ROW_COUNT;
    INSERT INTO orvi.export_log (what) VALUES (format('purge: %s pupils', erased));
    RETURN erased;
END
$$)sql",
                // A teacher reads what was done to their pupils, erased ones
                // included, and what they did themselves.
                R"sql(CREATE FUNCTION orvi.export_log_rows()
RETURNS TABLE (at timestamptz, by_role name, pupil_id uuid, what text)
LANGUAGE sql STABLE SECURITY DEFINER SET search_path = orvi, pg_temp AS $$
    SELECT l.at, l.by_role, l.pupil_id, l.what FROM orvi.export_log l
        WHERE orvi.is_owner() OR l.by_role = session_user
           OR l.pupil_id IN (SELECT p.id FROM orvi.pupil p
                             JOIN orvi.school_class k ON k.id = p.class_id
                             JOIN orvi.teacher t ON t.id = k.teacher_id
                             WHERE t.role_name = session_user
                             UNION ALL
                             SELECT d.pupil_id FROM orvi.pupil_deletion d
                             JOIN orvi.school_class k ON k.id = d.class_id
                             JOIN orvi.teacher t ON t.id = k.teacher_id
                             WHERE t.role_name = session_user)
        ORDER BY l.at, l.id
$$)sql",
                "REVOKE EXECUTE ON FUNCTION orvi.is_owner(), orvi.callers_pupil(uuid),"
                " orvi.pupil_export(uuid), orvi.unseen_pupils(int), orvi.purge_unseen(int),"
                " orvi.export_log_rows() FROM PUBLIC",
                "GRANT EXECUTE ON FUNCTION orvi.pupil_export(uuid), orvi.unseen_pupils(int),"
                " orvi.purge_unseen(int), orvi.export_log_rows() TO orvi_teacher",
            } },
        { 3,
            {
                // A teacher's computer keeps the teacher's classes as a PC
                // keeps the classes it serves: the same roster, erasures and
                // pupils' answers, and answers given there go to the server.
                R"sql(CREATE FUNCTION orvi.callers_classes() RETURNS SETOF integer
LANGUAGE sql STABLE SECURITY DEFINER SET search_path = orvi, pg_temp AS $$
    SELECT c.class_id FROM orvi.pc_class c WHERE c.role_name = session_user
    UNION
    SELECT k.id FROM orvi.school_class k JOIN orvi.teacher t ON t.id = k.teacher_id
        WHERE t.role_name = session_user
$$)sql",
                R"sql(CREATE OR REPLACE FUNCTION orvi.roster()
RETURNS TABLE (pupil_id uuid, display_name text, class_name text)
LANGUAGE sql STABLE SECURITY DEFINER SET search_path = orvi, pg_temp AS $$
    SELECT p.id, p.display_name, k.name FROM orvi.pupil p
        JOIN orvi.school_class k ON k.id = p.class_id
        WHERE k.id IN (SELECT orvi.callers_classes())
        ORDER BY k.name, p.display_name, p.id
$$)sql",
                R"sql(CREATE OR REPLACE FUNCTION orvi.deleted_pupils()
RETURNS TABLE (pupil_id uuid, deleted_at timestamptz)
LANGUAGE sql STABLE SECURITY DEFINER SET search_path = orvi, pg_temp AS $$
    SELECT d.pupil_id, d.deleted_at FROM orvi.pupil_deletion d
        WHERE d.class_id IN (SELECT orvi.callers_classes())
        ORDER BY d.deleted_at, d.pupil_id
$$)sql",
                // Whose answers the caller reads and adds: its roster's pupils.
                R"sql(CREATE OR REPLACE FUNCTION orvi.serves_pupil(p_pupil uuid) RETURNS boolean
LANGUAGE sql STABLE SECURITY DEFINER SET search_path = orvi, pg_temp AS $$
    SELECT EXISTS (SELECT 1 FROM orvi.pupil p WHERE p.id = p_pupil
                   AND p.class_id IN (SELECT orvi.callers_classes()))
$$)sql",
                // How many answers the server has of each of the caller's
                // pupils: a computer fetches only the pupils it lacks answers of.
                R"sql(CREATE FUNCTION orvi.answer_counts()
RETURNS TABLE (pupil_id uuid, answers bigint)
LANGUAGE sql STABLE SECURITY DEFINER SET search_path = orvi, pg_temp AS $$
    SELECT p.id, count(a.answer_id) FROM orvi.pupil p
        LEFT JOIN orvi.answer a ON a.pupil_id = p.id
        WHERE p.class_id IN (SELECT orvi.callers_classes())
        GROUP BY p.id ORDER BY p.id
$$)sql",
                R"sql(CREATE FUNCTION orvi.is_teacher() RETURNS boolean
LANGUAGE sql STABLE SECURITY DEFINER SET search_path = orvi, pg_temp AS $$
    SELECT EXISTS (SELECT 1 FROM orvi.teacher t WHERE t.role_name = session_user)
$$)sql",
                "CREATE POLICY teacher_adds ON orvi.answer FOR INSERT TO orvi_teacher"
                " WITH CHECK (orvi.serves_pupil(pupil_id))",
                "GRANT INSERT ON orvi.answer TO orvi_teacher",
                "REVOKE EXECUTE ON FUNCTION orvi.callers_classes(), orvi.answer_counts(),"
                " orvi.is_teacher() FROM PUBLIC",
                "GRANT EXECUTE ON FUNCTION orvi.serves_pupil(uuid), orvi.roster(),"
                " orvi.deleted_pupils(), orvi.pupil_history(uuid), orvi.answer_counts(),"
                " orvi.is_teacher() TO orvi_pc, orvi_teacher",
            } },
    };
    return list;
}

int serverKnownVersion()
{
    return serverMigrations().back().version;
}

} // namespace classroom
