// PPD text. The queue prints documents and does the maintenance: CUPS raster goes through the
// raster filter, command files through the command filter, raw jobs through unchanged. The
// papers, their printable areas, the colour modes and the resolution are the printer's own.
#include "ppd_file.h"

#include <stdio.h>

#include <cctype>

#include "maintenance/model_names.h"
#include "printer/paper_sizes.h"
#include "qz_version.h"

namespace {

constexpr double kPointsPerHundredthMm = 72 / 2540.0;

std::string Points(int hundredthsMm)
{
    char text[16];
    snprintf(text, sizeof(text), "%.2f", hundredthsMm * kPointsPerHundredthMm);
    std::string points = text;
    while (points.back() == '0')
        points.pop_back();
    if (points.back() == '.')
        points.pop_back();
    return points;
}

std::string PaperDimension(const PaperSize& paper)
{
    return Points(paper.widthHundredthsMm) + " " + Points(paper.lengthHundredthsMm);
}

// Left, bottom, right and top of the printable area, from the sheet's lower left corner.
std::string ImageableArea(const PaperSize& paper)
{
    return Points(kPaperMargins.left) + " " + Points(kPaperMargins.bottom) + " " +
           Points(paper.widthHundredthsMm - kPaperMargins.right) + " " +
           Points(paper.lengthHundredthsMm - kPaperMargins.top);
}

std::string Quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

// An 8.3 name for the PPD's own PCFileName: the model name's first five and last three letters
// or digits ("Kestrel 410" -> KESTR410.PPD).
std::string PcFileName(const std::string& modelName)
{
    std::string letters;
    for (char c : modelName)
        if (std::isalnum(static_cast<unsigned char>(c)))
            letters += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (letters.size() > 8)
        letters = letters.substr(0, 5) + letters.substr(letters.size() - 3);
    return letters + ".PPD";
}

std::string PageOption(const char* keyword)
{
    std::string text = std::string("*OpenUI *") + keyword + "/Media Size: PickOne\n*OrderDependency: 10 AnySetup *" +
                       keyword + "\n*Default" + keyword + ": A4\n";
    for (size_t i = 0; i < kPaperSizeCount; ++i) {
        const PaperSize& paper = kPaperSizes[i];
        text += std::string("*") + keyword + " " + paper.ppdName + "/" + paper.text + ": \"<</PageSize[" +
                PaperDimension(paper) + "]/ImagingBBox null>>setpagedevice\"\n";
    }
    return text + "*CloseUI: *" + keyword + "\n";
}

std::string PageGeometry()
{
    std::string text = "*DefaultImageableArea: A4\n";
    for (size_t i = 0; i < kPaperSizeCount; ++i)
        text += std::string("*ImageableArea ") + kPaperSizes[i].ppdName + "/" + kPaperSizes[i].text + ": \"" +
                ImageableArea(kPaperSizes[i]) + "\"\n";
    text += "*DefaultPaperDimension: A4\n";
    for (size_t i = 0; i < kPaperSizeCount; ++i)
        text += std::string("*PaperDimension ") + kPaperSizes[i].ppdName + "/" + kPaperSizes[i].text + ": \"" +
                PaperDimension(kPaperSizes[i]) + "\"\n";
    return text;
}

// What the raster filter takes: 8-bit sRGB or grey, at 600 dpi.
std::string PrintingOptions()
{
    return "*OpenUI *ColorModel/Colour Mode: PickOne\n"
           "*OrderDependency: 10 AnySetup *ColorModel\n"
           "*DefaultColorModel: RGB\n"
           "*ColorModel RGB/Colour: \"<</cupsColorSpace 19/cupsColorOrder 0/cupsBitsPerColor 8>>setpagedevice\"\n"
           "*ColorModel Gray/Greyscale: \"<</cupsColorSpace 18/cupsColorOrder 0/cupsBitsPerColor 8>>setpagedevice\"\n"
           "*CloseUI: *ColorModel\n"
           "*OpenUI *Resolution/Resolution: PickOne\n"
           "*OrderDependency: 10 AnySetup *Resolution\n"
           "*DefaultResolution: 600dpi\n"
           "*Resolution 600dpi/600 dpi: \"<</HWResolution[600 600]>>setpagedevice\"\n"
           "*CloseUI: *Resolution\n";
}

std::string LevelOption()
{
    const std::string keyword = kCleaningLevelOption;
    std::string text = "*OpenUI *" + keyword + "/Cleaning Level: PickOne\n*OrderDependency: 20 AnySetup *" + keyword +
                       "\n*Default" + keyword + ": 1\n";
    for (int level = 1; level <= kCleaningLevels; ++level)
        text += "*" + keyword + " " + std::to_string(level) + "/Level " + std::to_string(level) + ": \"\"\n";
    return text + "*CloseUI: *" + keyword + "\n";
}

} // namespace

std::string PpdText(const PpdModel& names, const ModelMaintenance& model)
{
    std::string commands;
    for (Command command : AllCommands())
        if (model.Offers(command))
            commands += (commands.empty() ? "" : " ") + std::string(CommandWord(command));
    const std::string shortName = names.realname.substr(0, 31);
    std::string text = "*PPD-Adobe: \"4.3\"\n"
                       "*% Printing and maintenance of the " + names.realname + ".\n"
                       "*FormatVersion: \"4.3\"\n"
                       "*FileVersion: \"" QZ_VERSION_STRING "\"\n"
                       "*LanguageVersion: English\n"
                       "*LanguageEncoding: ISOLatin1\n"
                       "*PCFileName: " + Quoted(PcFileName(names.modelName)) + "\n"
                       "*Manufacturer: " + Quoted(MakerOf({names.realname, names.modelName})) + "\n"
                       "*Product: " + Quoted("(" + names.modelName + ")") + "\n"
                       "*ModelName: " + Quoted(names.realname) + "\n"
                       "*ShortNickName: " + Quoted(shortName) + "\n"
                       "*NickName: " + Quoted(names.realname + ", " QZ_VERSION_STRING) + "\n"
                       "*PSVersion: \"(3010.000) 0\"\n"
                       "*LanguageLevel: \"3\"\n"
                       "*ColorDevice: True\n"
                       "*DefaultColorSpace: RGB\n"
                       "*FileSystem: False\n"
                       "*Throughput: \"1\"\n"
                       "*LandscapeOrientation: Plus90\n"
                       "*TTRasterizer: Type42\n"
                       "*cupsVersion: 2.4\n"
                       "*cupsFilter2: \"application/vnd.cups-raster application/vnd.cups-raw 100 " + names.rasterFilter + "\"\n"
                       "*cupsFilter2: \"application/vnd.cups-command application/vnd.cups-raw 0 " + names.filter + "\"\n"
                       "*cupsCommands: " + Quoted(commands) + "\n" +
                       PageOption("PageSize") + PageOption("PageRegion") + PageGeometry() + PrintingOptions();
    if (model.Offers(Command::Clean) && model.HasCleaningLevels())
        text += LevelOption();
    return text;
}

std::string PpdFileName(const std::string& modelName)
{
    return ModelSlug(modelName) + ".ppd";
}
