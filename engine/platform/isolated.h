#pragma once
// Runs a job in a child process (fork) and takes back the bytes it produces, so
// that code we do not control (a file parser of a library) cannot crash, hang or
// exhaust the program: any of those ends the child only.
#include <cstddef>
#include <functional>
#include <vector>

namespace platform {

struct IsolationLimits {
    double seconds = 5;               // wall time; the child is killed past it
    size_t memoryBytes = size_t(1) << 30; // address space the child may add to what it inherits
};

enum class IsolatedOutcome {
    Done,       // the job returned true: `out` holds its bytes
    Refused,    // the job returned false
    Crashed,    // ended by a signal, or exited otherwise
    TimedOut,   // killed past the time limit
    OutOfMemory // an allocation failed at the memory limit
};

// `job` runs in the child and fills its argument; it must not rely on the
// parent's threads (only the calling thread exists in the child).
IsolatedOutcome runIsolated(const std::function<bool(std::vector<unsigned char>&)>& job,
                            const IsolationLimits& limits, std::vector<unsigned char>& out);

} // namespace platform
