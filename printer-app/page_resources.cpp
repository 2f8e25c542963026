// The pictures are the dialogs' own bitmaps, converted to PNG when the program is built
// (bmp_to_png); the Norwegian texts are the dialogs' own where the page says the same.
#include "page_resources.h"

#include <string>

#include "align_heads_png.h"
#include "clean_levels_png.h"
#include "clean_start_png.h"
#include "nb_strings.h"
#include "self_test_png.h"

namespace {

const struct {
    const char* path;
    const unsigned char* bytes;
    size_t size;
} kPictures[] = {
    {QZ_PICTURE_PATH("align_heads"), align_heads_png, sizeof(align_heads_png)},
    {QZ_PICTURE_PATH("clean_start"), clean_start_png, sizeof(clean_start_png)},
    {QZ_PICTURE_PATH("clean_levels"), clean_levels_png, sizeof(clean_levels_png)},
    {QZ_PICTURE_PATH("self_test"), self_test_png, sizeof(self_test_png)},
};

} // namespace

void AddPageResources(pappl_system_t* system)
{
    for (const auto& picture : kPictures)
        papplSystemAddResourceData(system, picture.path, "image/png", picture.bytes, picture.size);
    // Browsers name Norwegian Bokmål in any of these; PAPPL matches the language asked for as it is.
    for (const char* language : {"nb", "nb-NO", "no"})
        papplSystemAddStringsData(system, (std::string("/qz/") + language + ".strings").c_str(), language, nb_strings);
}
