#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>

// The services of the operating system the program uses besides the
// registry: the desktop colour, the test for a plain file, the search for
// the system-information tool and the start of a program. Each system has
// one (systemServices()); the tests bring their own.
namespace platform {

// A service of the operating system failed.
class Error : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

class System
{
public:
    virtual ~System() = default;

    // Whether a plain file is at path: it exists, and it is neither a folder
    // nor a hidden or system file.
    virtual bool isPlainFile(const std::string &path) = 0;

    // Starts the program at path, taken unchanged as the program's name (no
    // shell, no search, no quotes added), in a normal window that receives
    // the focus, and returns without waiting for it. Throws Error when it
    // cannot be started: an empty path, no such file, not a program.
    virtual void startProgram(const std::string &path) = 0;

    // The desktop colour of the user's scheme as 0xRRGGBB. Nothing where
    // the system has none.
    virtual std::optional<std::uint32_t> desktopColour() const { return std::nullopt; }

    // The full path of a system-information tool found without the
    // registry. Nothing where the system offers none that way.
    virtual std::optional<std::string> findSysInfoTool() const { return std::nullopt; }
};

// The services of the system the program runs on.
System &systemServices();

} // namespace platform
