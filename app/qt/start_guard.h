// Qt's failures while the program starts, told as one clear line with exit code 1.
#pragma once

// Without it, Qt aborts with a core dump when there is no display to connect to, with a message
// that blames the installation, and a thread it cannot start (under a memory limit) leaves the
// program idling with no window. From construction until Done(), Qt's messages are held back:
// one of those failures prints its line and ends the program with exit code 1; otherwise Done()
// lets the held messages through and hands Qt's messages back to where they went before.
class StartGuard {
  public:
    StartGuard();
    ~StartGuard();
    StartGuard(const StartGuard&) = delete;
    StartGuard& operator=(const StartGuard&) = delete;

    void Done();
};
