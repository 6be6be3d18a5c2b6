#include "CommandMain.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <unistd.h>
#include <vector>

namespace
{

// A command that lays out pages goes on in taxaudit-pages, beside this program: the same
// process (exec), so its output and exit status are the command's.
std::unique_ptr<QCoreApplication> handOver(int &argc, char **argv, const CommandLine &)
{
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    std::string pages = (self.parent_path() / "taxaudit-pages").string();
    std::vector<char *> arguments{pages.data()};
    arguments.insert(arguments.end(), argv + 1, argv + argc);
    arguments.push_back(nullptr);
    execv(pages.c_str(), arguments.data());
    std::fprintf(stderr, "taxaudit: cannot start %s: %s\n", pages.c_str(), std::strerror(errno));
    return nullptr;
}

} // namespace

int main(int argc, char *argv[])
{
    return CommandMain::run(argc, argv, {handOver, {}});
}
