// PPD text. The queue prints maintenance only: command files go through the command filter,
// raw jobs through unchanged. Page sizes are there because every PPD must have them.
#include "ppd_file.h"

#include <cctype>

#include "qz_version.h"

namespace {

// What the printer's paper takes: name, then width and height in points.
const struct {
    const char* name;
    const char* text;
    const char* size;
    const char* area;
} kPages[] = {
    {"A4", "A4", "595 842", "18 36 577 824"},
    {"Letter", "US Letter", "612 792", "18 36 594 756"},
};

std::string Quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

// The maker: the part of the realname before its model name ("QZ" of "QZ Kestrel 410 Printer").
std::string Manufacturer(const PpdModel& names)
{
    size_t at = names.realname.find(names.modelName);
    std::string maker = at != std::string::npos && at > 0 ? names.realname.substr(0, at)
                                                          : names.realname.substr(0, names.realname.find(' '));
    while (!maker.empty() && maker.back() == ' ')
        maker.pop_back();
    return maker;
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
    for (const auto& page : kPages)
        text += std::string("*") + keyword + " " + page.name + "/" + page.text + ": \"<</PageSize[" + page.size +
                "]/ImagingBBox null>>setpagedevice\"\n";
    return text + "*CloseUI: *" + keyword + "\n";
}

std::string PageGeometry()
{
    std::string text = "*DefaultImageableArea: A4\n";
    for (const auto& page : kPages)
        text += std::string("*ImageableArea ") + page.name + "/" + page.text + ": \"" + page.area + "\"\n";
    text += "*DefaultPaperDimension: A4\n";
    for (const auto& page : kPages)
        text += std::string("*PaperDimension ") + page.name + "/" + page.text + ": \"" + page.size + "\"\n";
    return text;
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
                       "*% Maintenance of the " + names.realname + ": the commands declared below.\n"
                       "*FormatVersion: \"4.3\"\n"
                       "*FileVersion: \"" QZ_VERSION_STRING "\"\n"
                       "*LanguageVersion: English\n"
                       "*LanguageEncoding: ISOLatin1\n"
                       "*PCFileName: " + Quoted(PcFileName(names.modelName)) + "\n"
                       "*Manufacturer: " + Quoted(Manufacturer(names)) + "\n"
                       "*Product: " + Quoted("(" + names.modelName + ")") + "\n"
                       "*ModelName: " + Quoted(names.realname) + "\n"
                       "*ShortNickName: " + Quoted(shortName) + "\n"
                       "*NickName: " + Quoted(names.realname + ", maintenance " QZ_VERSION_STRING) + "\n"
                       "*PSVersion: \"(3010.000) 0\"\n"
                       "*LanguageLevel: \"3\"\n"
                       "*ColorDevice: True\n"
                       "*DefaultColorSpace: RGB\n"
                       "*FileSystem: False\n"
                       "*Throughput: \"1\"\n"
                       "*LandscapeOrientation: Plus90\n"
                       "*TTRasterizer: Type42\n"
                       "*cupsVersion: 2.4\n"
                       "*cupsFilter2: \"application/vnd.cups-command application/vnd.cups-raw 0 " + names.filter + "\"\n"
                       "*cupsCommands: " + Quoted(commands) + "\n" +
                       PageOption("PageSize") + PageOption("PageRegion") + PageGeometry();
    if (model.Offers(Command::Clean) && model.HasCleaningLevels())
        text += LevelOption();
    return text;
}

std::string PpdFileName(const std::string& modelName)
{
    std::string name;
    for (char c : modelName)
        name += c == ' ' ? '-' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return name + ".ppd";
}
