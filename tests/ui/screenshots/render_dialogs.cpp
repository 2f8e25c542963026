// Renders every dialog of the library, as the user first sees it, to a PNG file per dialog:
//   render_dialogs.exe OUTPUT-FOLDER
// Runs under Wine on the build's display; exits non-zero when a dialog did not appear, a file
// could not be written, or the title bars' symbol font is missing.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "harness/built_modules.h"
#include "harness/dialog_script.h"
#include "harness/png_writer.h"
#include "platform/module_instance.h"
#include "resources/dialog_ids.h"
#include "ui/dialog_object_table.h"
#include "ui/dialog_runner.h"
#include "ui/dialogs/align_groups.h"
#include "ui/dialogs/align_result.h"
#include "ui/dialogs/align_start.h"
#include "ui/dialogs/alignment_choices.h"
#include "ui/dialogs/calibrate_choice.h"
#include "ui/dialogs/calibrate_start.h"
#include "ui/dialogs/clean_end.h"
#include "ui/dialogs/clean_level1.h"
#include "ui/dialogs/clean_level2.h"
#include "ui/dialogs/clean_start.h"
#include "ui/dialogs/printer_service.h"
#include "ui/dialogs/self_test.h"
#include "ui/dialogs/text_page.h"
#include "ui/sibling_strings.h"

namespace {

struct Shot {
    const char* file;
    USHORT templateId;
    DLGPROC procedure;
};

const Shot kShots[] = {
    {"171_align_start", IDD_ALIGN_START, AlignStartProc},
    {"1659_align_start_auto", IDD_ALIGN_START_AUTO, AlignStartProc},
    {"181_align_groups", IDD_ALIGN_GROUPS, GroupAlignProc},
    {"182_align_result", IDD_ALIGN_RESULT, AlignResultProc},
    {"190_align_result_auto", IDD_ALIGN_RESULT_AUTO, AlignResultProc},
    {"164_clean_start", IDD_CLEAN_START, CleanStartProc},
    {"165_clean_level1", IDD_CLEAN_LEVEL1, CleanLevel1Proc},
    {"166_clean_level2", IDD_CLEAN_LEVEL2, CleanLevel2Proc},
    {"167_clean_end", IDD_CLEAN_END, CleanEndProc},
    {"1660_clean_start_cartridge", IDD_CLEAN_START_CARTRIDGE, CleanStartProc},
    {"1661_clean_level1_cartridge", IDD_CLEAN_LEVEL1_CARTRIDGE, CleanLevel1Proc},
    {"1662_clean_level2_cartridge", IDD_CLEAN_LEVEL2_CARTRIDGE, CleanLevel2Proc},
    {"1663_clean_end_cartridge", IDD_CLEAN_END_CARTRIDGE, CleanEndProc},
    {"162_self_test", IDD_SELF_TEST, SelfTestProc},
    {"1665_self_test_cartridge", IDD_SELF_TEST_CARTRIDGE, SelfTestProc},
    {"180_text_page", IDD_TEXT_PAGE, TextPageProc},
    {"184_calibrate_start", IDD_CALIBRATE_START, CalibrateStartProc},
    {"183_calibrate_choice", IDD_CALIBRATE_CHOICE, ColorChoiceProc},
    {"189_printer_service", IDD_PRINTER_SERVICE, PrinterServiceProc},
};

// The page's record for each kind of dialog: the alignment record, the information page's
// texts, the queue name buffer of the service menu, or a plain window slot.
struct Records {
    AlignmentChoices alignment = {};
    DialogInitRecord plain = {};
    DialogInitRecord serviceWindow = {};
    std::string pageTitle;
    std::string pageText;
    TextPageInitRecord page = {};
    char queueName[256] = "QZ Kestrel 410";

    void* For(DLGPROC procedure)
    {
        if (procedure == GroupAlignProc || procedure == AlignStartProc || procedure == AlignResultProc)
            return &alignment;
        if (procedure == TextPageProc)
            return &page;
        if (procedure == PrinterServiceProc)
            return queueName;
        return &plain;
    }
};

// Creates the folder and any missing folders above it.
void MakeFolders(const std::string& folder)
{
    const char separators[] = "\\/";
    for (size_t at = folder.find_first_of(separators, 1); at != std::string::npos;
         at = folder.find_first_of(separators, at + 1))
        ::CreateDirectoryA(folder.substr(0, at).c_str(), nullptr);
    ::CreateDirectoryA(folder.c_str(), nullptr);
}

std::string SiblingText(UINT id)
{
    char text[256] = {};
    if (HMODULE sibling = ::LoadLibraryA(kSiblingModuleName)) {
        ::LoadStringA(sibling, id, text, sizeof(text));
        ::FreeLibrary(sibling);
    }
    return text;
}

int CALLBACK NoteFontFound(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM found)
{
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

// Title bars draw their close button with Marlett's glyph; without the font it shows as "r".
bool HasMarlett()
{
    LOGFONTA wanted = {};
    wanted.lfCharSet = DEFAULT_CHARSET;
    std::strcpy(wanted.lfFaceName, "Marlett");
    HDC screen = ::GetDC(nullptr);
    bool found = false;
    ::EnumFontFamiliesExA(screen, &wanted, NoteFontFound, reinterpret_cast<LPARAM>(&found), 0);
    ::ReleaseDC(nullptr, screen);
    return found;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: render_dialogs OUTPUT-FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    LibraryResources resources;
    if (!resources.Loaded()) {
        std::fprintf(stderr, "render_dialogs: QZW9SVB.dll not found next to the program\n");
        return 1;
    }
    if (!HasMarlett()) {
        std::fprintf(stderr, "render_dialogs: the Marlett font is missing from the Wine prefix\n");
        return 1;
    }
    MakeFolders(folder);

    Records records;
    records.pageTitle = SiblingText(IDS_HARDWARE_INFO_TITLE);
    records.pageText = SiblingText(IDS_HARDWARE_INFO_TEXT);
    records.page = {records.pageText.c_str(), records.pageTitle.c_str(), &records.serviceWindow};
    DialogObjects.Install(SlotTextPage, new CTextPageDialog(IDB_HARDWARE_DEFAULT));

    int problems = 0;
    for (const Shot& shot : kShots) {
        const std::string path = folder + "\\" + shot.file + ".png";
        bool written = false;
        {
            DialogScript script([&](const std::string& problem) {
                std::fprintf(stderr, "render_dialogs: %s: %s\n", shot.file, problem.c_str());
                ++problems;
            });
            script.Expect("", {[&](DialogDriver& dialog) { written = WritePng(dialog.CaptureWindow(), path); },
                               EndWithResult(IDCANCEL)});
            RunDialog(ModuleInstance, nullptr, shot.templateId, shot.procedure, records.For(shot.procedure));
        }
        if (!written) {
            std::fprintf(stderr, "render_dialogs: %s not written\n", path.c_str());
            ++problems;
        }
    }
    std::printf("render_dialogs: %d dialogs, %d problems\n", static_cast<int>(sizeof(kShots) / sizeof(kShots[0])),
                problems);
    return problems ? 1 : 0;
}
