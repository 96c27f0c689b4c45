#pragma once

#include <vector>

namespace progress {

// The statements that bring a file from the version before to `version`.
// A new version adds a step at the end; a step once shipped never changes,
// as files written by it are out there.
struct Migration
{
    int version;
    std::vector<const char *> statements;
};

const std::vector<Migration> &migrations();
// The version of the tables this program writes.
int knownVersion();

} // namespace progress
