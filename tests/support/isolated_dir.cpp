// Every test process works in a fresh directory of its own: CTest runs test
// cases in parallel processes, and many of them write files with fixed names.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

struct IsolatedDirectory {
    std::string path;
    pid_t owner = getpid();
    IsolatedDirectory()
    {
        std::string tmpl = std::filesystem::current_path().string() + "/run-XXXXXX";
        if (mkdtemp(tmpl.data()) && chdir(tmpl.c_str()) == 0)
            path = tmpl;
    }
    ~IsolatedDirectory()
    {
        // A death test's forked child exits through here too: only the creator cleans up.
        if (path.empty() || getpid() != owner)
            return;
        std::error_code ec;
        std::filesystem::current_path(std::filesystem::path(path).parent_path(), ec);
        std::filesystem::remove_all(path, ec);
    }
};

IsolatedDirectory g_directory;

} // namespace
