#ifndef UNPRIVILEGED_H
#define UNPRIVILEGED_H

// Checks about what a user may not read: the superuser reads every folder, so as root the check runs as
// nobody (65534) in a child process; as anyone else it runs here.
#include <cstdlib>
#include <gtest/gtest.h>
#include <unistd.h>

template <typename TCheck> void ExpectHoldsUnprivileged(TCheck check)
{
    if (geteuid() != 0)
    {
        EXPECT_TRUE(check());
        return;
    }
    EXPECT_EXIT(
        {
            if (setgid(65534) != 0 || setuid(65534) != 0)
                std::_Exit(3);
            std::_Exit(check() ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

#endif // UNPRIVILEGED_H
