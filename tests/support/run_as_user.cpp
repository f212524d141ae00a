#include "support/run_as_user.h"

#include <pwd.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace {

const passwd* unprivilegedUser()
{
    return getpwnam("nobody");
}

void require(bool done, const char* what)
{
    if (!done) {
        std::perror(what);
        std::abort();
    }
}

}  // namespace

bool RunAsUser::possible()
{
    return geteuid() == 0 && unprivilegedUser() != nullptr;
}

std::string RunAsUser::whyNot()
{
    if (geteuid() != 0)
        return "the test must run as root to take on the user nobody (root ignores permission bits)";
    return "there is no user nobody on this machine";
}

RunAsUser::RunAsUser(const std::string& folder)
{
    const passwd* user = unprivilegedUser();
    require(user != nullptr, "getpwnam nobody");
    chmod(folder.c_str(), 0755);
    require(setegid(user->pw_gid) == 0, "setegid");
    require(seteuid(user->pw_uid) == 0, "seteuid");
    // Changing ids makes /proc/self root's; the sanitizers still read it.
    prctl(PR_SET_DUMPABLE, 1);
}

RunAsUser::~RunAsUser()
{
    require(seteuid(0) == 0, "seteuid back to root");
    require(setegid(0) == 0, "setegid back to root");
}
