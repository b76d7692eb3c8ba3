#pragma once

#include <stdexcept>
#include <string>

// The two services of the operating system the registry reader needs besides
// the registry: the test for a plain file and the start of a program.
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
};

#ifdef _WIN32
// The services of Windows.
System &systemServices();
#endif

} // namespace platform
