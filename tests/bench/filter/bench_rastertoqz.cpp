// Benchmark of the CUPS raster filter as CUPS runs it: A4 pages at 600 dpi written here with
// libcups's raster writer (a photo-like colour page and a text page), the filter run on them with
// its output to /dev/null, one process on one core. Prints pages per second, the filter's peak
// resident memory for 1 and for 20 pages, and the stream bytes per page.
//
//   bench_rastertoqz FILTER WORK-FOLDER
#include <cups/raster.h>
#include <fcntl.h>
#include <sched.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "common/raster_header.h"

namespace {

constexpr unsigned kDpi = 600;
constexpr unsigned kWidth = 4960, kHeight = 7016; // A4
constexpr int kRuns = 3;

uint32_t Mix(uint32_t value)
{
    value ^= value >> 16;
    value *= 0x7FEB352Du;
    value ^= value >> 15;
    value *= 0x846CA68Bu;
    return value ^ value >> 16;
}

// Smooth colour fields with edges and grain, like a photograph.
void PhotoRow(unsigned y, std::vector<unsigned char>& row)
{
    for (unsigned x = 0; x < kWidth; ++x) {
        const double u = x / 600.0, v = y / 600.0;
        const int grain = static_cast<int>(Mix(x * 7919u + y * 104729u) % 17) - 8;
        const double edge = (std::sin(u * 1.7) * std::cos(v * 1.3) > 0.3) ? 40 : 0;
        const double r = 128 + 90 * std::sin(u * 0.9 + v * 0.4) + edge;
        const double g = 128 + 80 * std::sin(v * 0.7 - u * 0.3 + 1.0);
        const double b = 128 + 90 * std::cos(u * 0.5 + v * 0.8) - edge;
        unsigned char* pixel = &row[3 * x];
        pixel[0] = static_cast<unsigned char>(std::fmin(255, std::fmax(0, r + grain)));
        pixel[1] = static_cast<unsigned char>(std::fmin(255, std::fmax(0, g + grain)));
        pixel[2] = static_cast<unsigned char>(std::fmin(255, std::fmax(0, b + grain)));
    }
}

// Lines of black glyph-sized marks on white, inside one-inch margins, 12-point lines.
void TextRow(unsigned y, std::vector<unsigned char>& row)
{
    std::fill(row.begin(), row.end(), 0xFF);
    const unsigned line = y / 100, inLine = y % 100;
    if (y < kDpi || y > kHeight - kDpi || inLine < 30 || inLine > 80)
        return;
    for (unsigned x = kDpi; x < kWidth - kDpi; ++x) {
        const unsigned glyph = x / 50, inGlyph = x % 50;
        const bool space = Mix(glyph * 31u + line) % 6 == 0;
        const bool stroke = inGlyph < 40 && (inGlyph % 13 < 5 || inLine % 17 < 5);
        if (!space && stroke)
            for (unsigned c = 0; c < 3; ++c)
                row[3 * x + c] = 0;
    }
}

std::string WriteRaster(const std::string& path, bool photo, int pages)
{
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    cups_raster_t* raster = cupsRasterOpen(fd, CUPS_RASTER_WRITE_COMPRESSED);
    cups_page_header2_t header = SrgbA4PageHeader(kWidth, kHeight);
    std::vector<unsigned char> row(3 * kWidth);
    for (int page = 0; page < pages; ++page) {
        cupsRasterWriteHeader2(raster, &header);
        for (unsigned y = 0; y < kHeight; ++y) {
            photo ? PhotoRow(y, row) : TextRow(y, row);
            cupsRasterWritePixels(raster, row.data(), header.cupsBytesPerLine);
        }
    }
    cupsRasterClose(raster);
    close(fd);
    return path;
}

struct Run {
    double seconds;
    long peakKilobytes;
};

// Runs the filter on the raster, output to out, on CPU 0 only.
Run RunFilter(const std::string& filter, const std::string& raster, const char* out)
{
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        cpu_set_t one;
        CPU_ZERO(&one);
        CPU_SET(0, &one);
        sched_setaffinity(0, sizeof(one), &one);
        const int output = open(out, O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int errors = open("/dev/null", O_WRONLY);
        dup2(output, 1);
        dup2(errors, 2);
        execl(filter.c_str(), "rastertoqz", "1", "bench", "page", "1", "", raster.c_str(), nullptr);
        _exit(127);
    }
    int status = 0;
    rusage usage = {};
    wait4(child, &status, 0, &usage);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        fprintf(stderr, "bench_rastertoqz: the filter failed on %s\n", raster.c_str());
        exit(1);
    }
    return {seconds, usage.ru_maxrss};
}

double BestSeconds(const std::string& filter, const std::string& raster)
{
    double best = 1e9;
    for (int run = 0; run < kRuns; ++run)
        best = std::fmin(best, RunFilter(filter, raster, "/dev/null").seconds);
    return best;
}

long FileSize(const std::string& path)
{
    struct stat info = {};
    return stat(path.c_str(), &info) == 0 ? static_cast<long>(info.st_size) : 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        fputs("usage: bench_rastertoqz FILTER WORK-FOLDER\n", stderr);
        return 2;
    }
    const std::string filter = argv[1], work = argv[2];
    mkdir(work.c_str(), 0755);
    const std::string photo = WriteRaster(work + "/photo-a4.ras", true, 1);
    const std::string text = WriteRaster(work + "/text-a4.ras", false, 1);
    const std::string text20 = WriteRaster(work + "/text-a4-20.ras", false, 20);
    const std::string photo20 = WriteRaster(work + "/photo-a4-20.ras", true, 20);

    const double photoSeconds = BestSeconds(filter, photo), textSeconds = BestSeconds(filter, text);
    const Run photoOne = RunFilter(filter, photo, (work + "/photo.prn").c_str());
    const Run textOne = RunFilter(filter, text, (work + "/text.prn").c_str());
    const Run photoMany = RunFilter(filter, photo20, "/dev/null");
    const Run textMany = RunFilter(filter, text20, "/dev/null");

    printf("%-44s %10s %12s\n", "rastertoqz, A4 at 600 dpi, one core", "seconds", "pages/s");
    printf("%-44s %10.3f %12.2f\n", "colour page, photo-like", photoSeconds, 1 / photoSeconds);
    printf("%-44s %10.3f %12.2f\n", "text page", textSeconds, 1 / textSeconds);
    printf("%-44s %10s %12s\n", "peak resident memory", "1 page", "20 pages");
    printf("%-44s %8.1f MB %9.1f MB\n", "colour pages", photoOne.peakKilobytes / 1024.0, photoMany.peakKilobytes / 1024.0);
    printf("%-44s %8.1f MB %9.1f MB\n", "text pages", textOne.peakKilobytes / 1024.0, textMany.peakKilobytes / 1024.0);
    printf("%-44s %10s\n", "stream bytes per page", "bytes");
    printf("%-44s %10ld\n", "colour page, photo-like", FileSize(work + "/photo.prn"));
    printf("%-44s %10ld\n", "text page", FileSize(work + "/text.prn"));
    printf("figures: %.2f colour and %.2f text pages per second (goals 3 and 10); peak %.1f MB (goal 16, the same for 1 and 20 pages)\n",
           1 / photoSeconds, 1 / textSeconds,
           std::fmax(std::fmax(photoOne.peakKilobytes, photoMany.peakKilobytes),
                     std::fmax(textOne.peakKilobytes, textMany.peakKilobytes)) / 1024.0);
    return 0;
}
