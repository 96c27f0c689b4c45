#pragma once

#include <QUuid>

namespace progress {

// This computer's id as a class server knows it, the same for every user of
// the computer and every run: made from the system's machine id through a
// name-based id of the program's own, so the machine id itself never leaves
// the computer. A system without one gets a random id for the run.
QUuid thisComputerId();

} // namespace progress
