#pragma once

#include "system.h"

namespace platform {

// A plain file is a regular file (links followed) whose name does not start
// with a dot. A program is started in a process of its own that the caller
// never waits for and that is not its child, so it leaves no zombie.
class PosixSystem : public System
{
public:
    bool isPlainFile(const std::string &path) override;
    void startProgram(const std::string &path) override;
};

} // namespace platform
