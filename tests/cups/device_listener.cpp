// A printer's raw socket for the CUPS tests: listens on 127.0.0.1 at a port the kernel picks,
// keeps what each connection sends as the next numbered file of a folder, and exits after a
// fixed lifetime at the latest.
//
//   device_listener FOLDER SECONDS     writes FOLDER/port, then FOLDER/connection-NNNN.prn
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

int Listen(unsigned short* port)
{
    int server = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof(address);
    if (server < 0 || bind(server, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 ||
        listen(server, 4) != 0 || getsockname(server, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        return -1;
    *port = ntohs(address.sin_port);
    return server;
}

// Waits up to the deadline for fd to become readable.
bool Readable(int fd, Clock::time_point deadline)
{
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    pollfd entry = {fd, POLLIN, 0};
    return left > 0 && poll(&entry, 1, static_cast<int>(left)) == 1;
}

// Keeps one connection's bytes; the file gets its final name before the connection closes, so
// a job that CUPS reports completed has its file complete.
void Keep(int connection, const std::string& folder, int number, Clock::time_point deadline)
{
    char name[32];
    std::snprintf(name, sizeof(name), "connection-%04d.prn", number);
    std::string partial = folder + "/partial", final = folder + "/" + name;
    FILE* out = std::fopen(partial.c_str(), "wb");
    char buffer[65536];
    ssize_t got;
    while (out && Readable(connection, deadline) && (got = read(connection, buffer, sizeof(buffer))) > 0)
        std::fwrite(buffer, 1, static_cast<size_t>(got), out);
    if (out && std::fclose(out) == 0)
        std::rename(partial.c_str(), final.c_str());
    close(connection);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: device_listener FOLDER SECONDS\n");
        return 2;
    }
    const std::string folder = argv[1];
    const auto deadline = Clock::now() + std::chrono::seconds(std::atoi(argv[2]));
    unsigned short port = 0;
    int server = Listen(&port);
    FILE* portFile = server < 0 ? nullptr : std::fopen((folder + "/port.tmp").c_str(), "w");
    if (!portFile || std::fprintf(portFile, "%u\n", port) < 0 || std::fclose(portFile) != 0 ||
        std::rename((folder + "/port.tmp").c_str(), (folder + "/port").c_str()) != 0) {
        std::perror("device_listener");
        return 1;
    }
    for (int number = 0; Readable(server, deadline); ++number) {
        int connection = accept(server, nullptr, nullptr);
        if (connection >= 0)
            Keep(connection, folder, number, deadline);
    }
    return 0;
}
