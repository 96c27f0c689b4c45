#include "progress/computer_id.h"

#include <QSysInfo>

namespace progress {

QUuid thisComputerId()
{
    static const QUuid id = [] {
        // Fixed for good: changing it would make every computer a new one.
        static const QUuid programSpace(QStringLiteral("{6f1d3c52-8a4e-4d5b-9c7a-2e0b51f4a9d3}"));
        const QByteArray machine = QSysInfo::machineUniqueId();
        return machine.isEmpty() ? QUuid::createUuid() : QUuid::createUuidV5(programSpace, machine);
    }();
    return id;
}

} // namespace progress
