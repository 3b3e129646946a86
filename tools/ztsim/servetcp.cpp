#include "serve.h"

#include "process.h"
#include "tcplink.h"

#include <modbus/modbus.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <poll.h>
#include <unistd.h>

namespace {

// Connections served at once; more are closed as soon as they are taken.
constexpr size_t kMaxClients = 8;

// A request as libmodbus hands it over: MBAP header (transaction and
// protocol identifiers, length, unit identifier), then the PDU.
constexpr int kMbapLength = 7;

}  // namespace

int serveTcp(const Options &options, Server &server)
{
    const std::string where = options.tcpHost + ":" + std::to_string(options.tcpPort);
    modbus_t *ctx = modbus_new_tcp(options.tcpHost.c_str(), options.tcpPort);
    if (!ctx)
        return failWith("cannot use " + where + ": " + modbus_strerror(errno));
    int listener = modbus_tcp_listen(ctx, int(kMaxClients));
    if (listener == -1) {
        const int code = errno;
        modbus_free(ctx);
        return failWith("cannot listen on " + where + ": " + std::strerror(code));
    }
    announceReady();

    std::vector<int> clients;
    uint8_t adu[MODBUS_TCP_MAX_ADU_LENGTH];
    while (!stopRequested()) {
        std::vector<pollfd> polled{{listener, POLLIN, 0}};
        for (int client : clients)
            polled.push_back({client, POLLIN, 0});
        if (::poll(polled.data(), polled.size(), 200) <= 0)
            continue;

        for (size_t i = 1; i < polled.size(); ++i) {
            if (!(polled[i].revents & (POLLIN | POLLHUP | POLLERR)))
                continue;
            const int client = polled[i].fd;
            modbus_set_socket(ctx, client);
            // A closed connection, or one that sent what is no request, is
            // closed; the client connects anew.
            const int length = modbus_receive(ctx, adu);
            if (length < 0) {
                ::close(client);
                clients.erase(std::find(clients.begin(), clients.end(), client));
                continue;
            }
            if (length <= kMbapLength)
                continue;
            const Frame frame{adu, size_t(length), adu[kMbapLength - 1], adu + kMbapLength,
                              length - kMbapLength, Clock::now()};
            TcpLink link(client);
            server.handle(frame, link);
        }

        if (polled[0].revents & POLLIN) {
            const int client = modbus_tcp_accept(ctx, &listener);
            if (client >= 0 && clients.size() < kMaxClients)
                clients.push_back(client);
            else if (client >= 0)
                ::close(client);
        }
    }

    for (int client : clients)
        ::close(client);
    ::close(listener);
    modbus_free(ctx);
    return 0;
}
