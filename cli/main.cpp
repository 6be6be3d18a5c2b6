#include "CommandMain.h"

#include <QByteArray>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <unistd.h>

namespace
{

// A command that lays out pages goes on in taxaudit-pages, beside this program: the same
// process (exec), so its output and exit status are the command's.
std::unique_ptr<QCoreApplication> handOver(int &, char **argv, const CommandLine &)
{
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    const std::string pages = (self.parent_path() / "taxaudit-pages").string();
    argv[0] = const_cast<char *>(pages.c_str());
    execv(pages.c_str(), argv);
    std::fprintf(stderr, "taxaudit: cannot start %s: %s\n", pages.c_str(), std::strerror(errno));
    return nullptr;
}

} // namespace

int main(int argc, char *argv[])
{
    return CommandMain::run(argc, argv, {handOver, {}});
}
