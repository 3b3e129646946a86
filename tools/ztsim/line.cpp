#include "line.h"

#include <algorithm>
#include <cerrno>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace {

// 8N1 at 9600 baud: start bit, 8 data bits, stop bit.
constexpr std::chrono::nanoseconds kCharTime(10 * 1000000000LL / 9600);
constexpr auto kFrameGap = kCharTime * 7 / 2;

}  // namespace

uint16_t crc16(const uint8_t *data, size_t length)
{
    uint16_t crc = 0xFFFF;
    for (size_t i = 0; i < length; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? uint16_t((crc >> 1) ^ 0xA001) : uint16_t(crc >> 1);
    }
    return crc;
}

bool Line::send(const Frame &request, const std::vector<uint8_t> &pdu,
                std::chrono::microseconds turnaround, bool corruptCrc)
{
    std::vector<uint8_t> frame;
    frame.reserve(pdu.size() + 3);
    frame.push_back(request.server);
    frame.insert(frame.end(), pdu.begin(), pdu.end());
    uint16_t crc = crc16(frame.data(), frame.size());
    if (corruptCrc)
        crc ^= 0xFFFF;
    frame.push_back(uint8_t(crc & 0xFF));
    frame.push_back(uint8_t(crc >> 8));
    if (garble_)
        for (uint8_t &byte : frame)
            byte = uint8_t(~byte);

    if (!pace_) {
        std::this_thread::sleep_until(request.received + turnaround);
        writeAll(frame.data(), frame.size());
        return false;
    }
    // Each byte is handed over when its stop bit would have ended, timed
    // from one start so that sleeping late never adds up.
    const Clock::time_point start = request.received + kCharTime * request.length
                                    + std::max<Clock::duration>(turnaround, kFrameGap);
    std::this_thread::sleep_until(start);
    const int waitingBefore = bytesWaiting();
    bool collided = false;
    for (size_t i = 0; i < frame.size(); ++i) {
        std::this_thread::sleep_until(start + kCharTime * (i + 1));
        collided = collided || bytesWaiting() > waitingBefore;
        if (collided && i + 2 >= frame.size())
            frame[i] ^= 0xFF;
        writeAll(&frame[i], 1);
    }
    if (collided)
        ::tcflush(fd_, TCIFLUSH);
    return collided;
}

int Line::bytesWaiting() const
{
    int count = 0;
    return ::ioctl(fd_, FIONREAD, &count) == 0 ? count : 0;
}

void Line::writeAll(const uint8_t *data, size_t length)
{
    // The device is non-blocking: wait a little for room, then give up on a
    // line that nobody drains.
    while (length > 0) {
        const ssize_t n = ::write(fd_, data, length);
        if (n > 0) {
            data += n;
            length -= size_t(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        pollfd p{fd_, POLLOUT, 0};
        if (n < 0 && errno == EAGAIN && ::poll(&p, 1, 100) > 0 && (p.revents & POLLOUT))
            continue;
        return;
    }
}
