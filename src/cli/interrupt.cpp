#include "cli/interrupt.h"

#include "cli/clitexts.h"
#include "cli/exitcodes.h"

#include <QtGlobal>

#include <csignal>
#include <cstdlib>
#include <cstring>

#ifdef Q_OS_UNIX
#include <unistd.h>
#else
#include <cstdio>
#endif

namespace cli::interrupt {

namespace {

volatile std::sig_atomic_t caught = 0;

// Only what a signal handler may call: write(2) and _Exit.
void sayNow(const char *line)
{
#ifdef Q_OS_UNIX
    ssize_t ignored = ::write(STDERR_FILENO, line, std::strlen(line));
    ignored = ::write(STDERR_FILENO, "\n", 1);
    (void)ignored;
#else
    std::fputs(line, stderr);
    std::fputs("\n", stderr);
#endif
}

void onSignal(int signal)
{
    if (caught) {
        sayNow(text::InterruptedAtOnce);
        std::_Exit(Interrupted);
    }
    caught = 1;
    sayNow(text::InterruptNoted);
#ifndef Q_OS_UNIX
    std::signal(signal, onSignal);  // the handler is reset before it runs
#else
    Q_UNUSED(signal)
#endif
}

} // namespace

void catchFromNowOn()
{
    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
#ifdef Q_OS_UNIX
    std::signal(SIGHUP, onSignal);
    std::signal(SIGPIPE, SIG_IGN);
#endif
}

bool requested()
{
    return caught != 0;
}

} // namespace cli::interrupt
