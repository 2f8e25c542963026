// qzaddqueue: creates (or repoints) a Wine print queue whose documents land in a Unix file.
#include <cstdio>

#include "wine_queue.h"

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: qzaddqueue QUEUE DRIVER /absolute/unix/spool/file\n");
        return 2;
    }
    WineQueue queue(argv[1], argv[2], argv[3]);
    queue.KeepSpooledFile();
    if (!queue.Ready()) {
        std::fprintf(stderr, "qzaddqueue: could not create queue '%s'\n", argv[1]);
        return 1;
    }
    std::printf("queue '%s' (driver '%s') spools to %s\n", argv[1], argv[2], argv[3]);
    return 0;
}
