// Start-up as the user sees it: from starting a program to its main window
// mapped on the X server, and the program's peak memory by then. ZTConfig
// and a bare Qt window of the same size take turns, so both meet the same
// machine. Needs an X server (bench/startup.sh runs it under Xvfb); the
// moment of mapping comes from the server's MapNotify event for a window
// whose _NET_WM_PID is the started process.
//   bench_startup RUNS ZTCONFIG BAREWINDOW

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string>
#include <sys/select.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

double nowMs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

long peakRssKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::atol(line.c_str() + 6);
    }
    return -1;
}

long windowPid(Display *display, Window window)
{
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);
    Atom type;
    int format;
    unsigned long items, after;
    unsigned char *data = nullptr;
    long pid = -1;
    if (XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &items,
                           &after, &data) == Success && data && items == 1)
        pid = long(*reinterpret_cast<unsigned long *>(data));
    if (data)
        XFree(data);
    return pid;
}

struct Start
{
    double mappedMs = -1;
    long peakKiB = -1;
    int width = 0, height = 0;
};

// Starts the program and waits up to 10 s for its window to map. The peak
// memory is read a second later, once the first paint is done too.
Start startOnce(Display *display, const std::vector<std::string> &command)
{
    Start start;
    const double begin = nowMs();
    const pid_t pid = fork();
    if (pid == 0) {
        std::vector<char *> argv;
        for (const std::string &arg : command)
            argv.push_back(const_cast<char *>(arg.c_str()));
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    const int fd = ConnectionNumber(display);
    while (start.mappedMs < 0 && nowMs() - begin < 10000) {
        if (!XPending(display)) {
            fd_set fds;
            FD_ZERO(&fds);
            FD_SET(fd, &fds);
            timeval timeout{0, 100000};
            select(fd + 1, &fds, nullptr, nullptr, &timeout);
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && windowPid(display, event.xmap.window) == pid) {
            start.mappedMs = nowMs() - begin;
            XWindowAttributes attributes;
            XGetWindowAttributes(display, event.xmap.window, &attributes);
            start.width = attributes.width;
            start.height = attributes.height;
        }
    }
    usleep(1000 * 1000);
    start.peakKiB = peakRssKiB(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    return start;
}

template<class T>
T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? T(-1) : values[values.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: bench_startup RUNS ZTCONFIG BAREWINDOW\n");
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "bench_startup: no X display\n");
        return 1;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);

    // A first start of each, not counted: caches warm, and the window's size.
    const Start first = startOnce(display, {argv[2]});
    const std::vector<std::string> program{argv[2]};
    const std::vector<std::string> bare{argv[3], std::to_string(first.width), std::to_string(first.height)};
    startOnce(display, bare);

    std::printf("window %dx%d; %d runs each, taking turns\n", first.width, first.height, runs);
    std::printf("%4s %14s %14s %8s %14s %14s %8s\n", "run", "ZTConfig ms", "bare ms", "ratio", "ZTConfig kB",
                "bare kB", "ratio");
    std::vector<double> ratios, memoryRatios, programMs, bareMs;
    std::vector<long> programKiB, bareKiB;
    for (int run = 1; run <= runs; ++run) {
        // Which goes first alternates, so neither always meets the other's aftermath.
        Start p, b;
        if (run % 2) {
            p = startOnce(display, program);
            b = startOnce(display, bare);
        } else {
            b = startOnce(display, bare);
            p = startOnce(display, program);
        }
        programMs.push_back(p.mappedMs);
        bareMs.push_back(b.mappedMs);
        programKiB.push_back(p.peakKiB);
        bareKiB.push_back(b.peakKiB);
        ratios.push_back(p.mappedMs / b.mappedMs);
        memoryRatios.push_back(double(p.peakKiB) / double(b.peakKiB));
        std::printf("%4d %14.1f %14.1f %8.3f %14ld %14ld %8.3f\n", run, p.mappedMs, b.mappedMs,
                    ratios.back(), p.peakKiB, b.peakKiB, memoryRatios.back());
    }
    std::printf("median %12.1f %14.1f %8.3f %14ld %14ld %8.3f\n", median(programMs), median(bareMs),
                median(ratios), median(programKiB), median(bareKiB), median(memoryRatios));
    XCloseDisplay(display);
    return 0;
}
