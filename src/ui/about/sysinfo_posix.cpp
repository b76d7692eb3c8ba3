#include "sysinfo.h"

#include "platform/system_posix.h"

#include <cstdlib>

void StartSysInfo(const MessageBoxFn &showMessage)
{
    try {
        if (const std::optional<std::string> path =
                platform::findSysInfoTool(std::getenv("PATH"))) {
            platform::startProgram(*path);
            return;
        }
    } catch (...) {
        // Whatever failed, the user learns only that the tool is not available.
    }
    showMessage(SysInfoUnavailableMessage);
}
