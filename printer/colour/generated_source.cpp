// The generators' command line and array writing.
#include "generated_source.h"

int WriteGeneratedFile(int argc, char** argv, const std::function<void(std::FILE*)>& write)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT\n", argv[0]);
        return 2;
    }
    std::FILE* out = std::fopen(argv[1], "w");
    if (!out)
        return 1;
    write(out);
    return std::fclose(out) == 0 ? 0 : 1;
}

void WriteArray(std::FILE* out, const char* definition, unsigned count, unsigned perLine, const char* format,
                const std::function<unsigned(unsigned index)>& valueAt)
{
    std::fprintf(out, "%s = {\n", definition);
    for (unsigned index = 0; index < count; ++index) {
        std::fprintf(out, format, valueAt(index));
        std::fputs(index % perLine == perLine - 1 ? ",\n" : ",", out);
    }
    std::fprintf(out, "};\n");
}
