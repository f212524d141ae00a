// Runs a stretch of a test as the unprivileged user "nobody". Root ignores
// permission bits, so an unreadable file or a read-only folder only shows as
// what it is to another user. Only the effective ids change: the test takes
// root back when the object goes.
#pragma once

#include <string>

class RunAsUser {
public:
    // True when the test runs as root and the user exists.
    static bool possible();
    static std::string whyNot();

    // Lets the user into `folder` (scratch folders are made private), then
    // becomes the user.
    explicit RunAsUser(const std::string& folder);
    ~RunAsUser();
    RunAsUser(const RunAsUser&) = delete;
    RunAsUser& operator=(const RunAsUser&) = delete;
};
