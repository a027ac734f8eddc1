#pragma once

#include <stdexcept>
#include <string>

namespace rivet {

// A failure stops the operation at the failing step; whatever was done before it stays done.
// The one place that runs the operation for the user (a window handler, a command of the
// companion program) catches it and shows its message in the error box.
class Failure : public std::runtime_error
{
public:
    explicit Failure(const std::string& message)
        : std::runtime_error(message)
    {
    }
};

} // namespace rivet
