// One resolution, 600 dpi, in sRGB or grey, on the paper of printer/paper_sizes.h. The store
// says nothing of speed: the lowest figure promises nothing the printer may not keep.
#include "driver_data.h"

#include <algorithm>

#include "document_printing.h"
#include "maintenance/maintenance.h"
#include "model_drivers.h"
#include "printer/paper_sizes.h"
#include "printer_streams.h"

namespace {

constexpr int kResolution = 600;
constexpr int kPagesPerMinute = 1;
constexpr char kMediaSource[] = "main";
constexpr char kMediaType[] = "stationery";

void SetMedia(pappl_pr_driver_data_t* data)
{
    data->num_media = static_cast<int>(std::min<size_t>(kPaperSizeCount, PAPPL_MAX_MEDIA));
    for (int i = 0; i < data->num_media; ++i)
        data->media[i] = kPaperSizes[i].name;
    // PAPPL takes one margin for both sides of each pair: the wider one, so that no job asks for
    // ink where the printer cannot put it.
    data->left_right = std::max(kPaperMargins.left, kPaperMargins.right);
    data->bottom_top = std::max(kPaperMargins.top, kPaperMargins.bottom);

    pappl_media_col_t& media = data->media_default;
    papplCopyString(media.size_name, kPaperSizes[0].name, sizeof(media.size_name));
    media.size_width = kPaperSizes[0].widthHundredthsMm;
    media.size_length = kPaperSizes[0].lengthHundredthsMm;
    media.left_margin = media.right_margin = data->left_right;
    media.top_margin = media.bottom_margin = data->bottom_top;
    papplCopyString(media.source, kMediaSource, sizeof(media.source));
    papplCopyString(media.type, kMediaType, sizeof(media.type));
    data->media_ready[0] = media;
    data->num_source = 1;
    data->source[0] = kMediaSource;
    data->num_type = 1;
    data->type[0] = kMediaType;
}

// The cleaning level of command files, as in the CUPS queue's PPD: 1 to 3, default 1.
ipp_t* CleaningLevelAttributes()
{
    ipp_t* attributes = ippNew();
    const std::string name = kCleaningLevelOption;
    ippAddRange(attributes, IPP_TAG_PRINTER, (name + "-supported").c_str(), 1, kCleaningLevels);
    ippAddInteger(attributes, IPP_TAG_PRINTER, IPP_TAG_INTEGER, (name + "-default").c_str(), 1);
    return attributes;
}

} // namespace

bool FillDriverData(pappl_system_t*, const char* driverName, const char*, const char*, pappl_pr_driver_data_t* data,
                    ipp_t** attributes, void*)
{
    const ModelDriver* driver = DriverNamed(driverName);
    if (!driver)
        return false;
    papplCopyString(data->make_and_model, driver->names.realname.c_str(), sizeof(data->make_and_model));
    data->format = kPrinterStreamFormat;
    data->printfile_cb = PrintStreamFile;
    data->testpage_cb = WriteTestPage;
    data->rstartjob_cb = StartDocument;
    data->rstartpage_cb = StartDocumentPage;
    data->rwriteline_cb = WriteDocumentRow;
    data->rendpage_cb = EndDocumentPage;
    data->rendjob_cb = EndDocument;

    data->kind = PAPPL_KIND_DOCUMENT | PAPPL_KIND_PHOTO;
    data->ppm = data->ppm_color = kPagesPerMinute;
    data->color_supported = PAPPL_COLOR_MODE_AUTO | PAPPL_COLOR_MODE_COLOR | PAPPL_COLOR_MODE_MONOCHROME;
    data->color_default = PAPPL_COLOR_MODE_AUTO;
    data->content_default = PAPPL_CONTENT_AUTO;
    data->quality_default = IPP_QUALITY_NORMAL;
    data->scaling_default = PAPPL_SCALING_AUTO;
    data->raster_types = PAPPL_PWG_RASTER_TYPE_SRGB_8 | PAPPL_PWG_RASTER_TYPE_SGRAY_8;
    data->duplex = PAPPL_DUPLEX_NONE;
    data->sides_supported = data->sides_default = PAPPL_SIDES_ONE_SIDED;
    data->orient_default = IPP_ORIENT_PORTRAIT;
    data->num_resolution = 1;
    data->x_resolution[0] = data->y_resolution[0] = data->x_default = data->y_default = kResolution;
    SetMedia(data);

    data->num_vendor = 1;
    data->vendor[0] = kCleaningLevelOption;
    *attributes = CleaningLevelAttributes();
    return true;
}
