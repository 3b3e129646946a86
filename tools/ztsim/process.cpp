#include "process.h"

#include <csignal>
#include <cstdio>

namespace {

volatile std::sig_atomic_t stopFlag = 0;

void requestStop(int)
{
    stopFlag = 1;
}

}  // namespace

void installStopHandlers()
{
    struct sigaction action {};
    action.sa_handler = requestStop;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

bool stopRequested()
{
    return stopFlag != 0;
}

void announceReady()
{
    std::puts("ztsim: ready");
    std::fflush(stdout);
}

int failWith(const std::string &message)
{
    std::fprintf(stderr, "ztsim: %s\n", message.c_str());
    return 1;
}
