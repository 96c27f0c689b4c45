#pragma once

#include <vector>

// The class server's tables, roles and functions in PostgreSQL, all in the
// schema "orvi". Plain statements, so the installer and the tests share them.
namespace classroom {

// The statements that bring a database from the version before to
// `version`. A new version adds a step at the end; a step once shipped never
// changes, as servers set up by it are out there.
struct ServerMigration
{
    int version;
    std::vector<const char *> statements;
};

const std::vector<ServerMigration> &serverMigrations();
// The version of the schema this program sets up.
int serverKnownVersion();

// Roles are shared by every database of a server, so each one the program
// makes starts with this.
inline constexpr char RolePrefix[] = "orvi_";
// The group roles a teacher's and a PC's login belong to.
inline constexpr char TeacherGroup[] = "orvi_teacher";
inline constexpr char PcGroup[] = "orvi_pc";
// The channel that wakes class overviews; the payload is the class's id.
inline constexpr char AnswersChannel[] = "orvi_answers";

} // namespace classroom
