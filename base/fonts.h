#pragma once

// Maps the font families the screens are designed with onto fonts that a
// plain Debian desktop has (Liberation and Comic Neue), so text keeps its
// intended size and feel. Also makes the compiled-in pictures available.
// Safe to call more than once.
void prepareTutorLookAndFeel();
