#include "cli/interrupt.h"

#include <csignal>

namespace cli::interrupt {

namespace {

volatile std::sig_atomic_t caught = 0;

void onSignal(int)
{
    caught = 1;
}

} // namespace

void catchFromNowOn()
{
    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
}

bool requested()
{
    return caught != 0;
}

} // namespace cli::interrupt
