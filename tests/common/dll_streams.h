// The printer streams the library sends for the maintenance requests that the CUPS driver also
// serves, each named for the file it is kept in. The end-to-end tests under Wine answer the
// library's dialogs as an entry says and keep what reached the queue; the CUPS tests compare
// what reached the device with it. An entry whose dialogs send nothing keeps an empty stream.
#pragma once
#include <string>
#include <vector>

#include "dialog_ids.h"

enum class DllService { Clean, SelfTest, Align };

struct DllStream {
    std::string name;
    std::string model;
    DllService service;
    std::vector<std::vector<int>> clicks; // the buttons clicked in each dialog, in the order they open
    size_t fromDialog; // the stream is what the library sent once this dialog (from 0) had opened
};

// The clicks in the alignment choice dialog for picks such as "A3 B2 C4 D1 E5", then Continue.
inline std::vector<int> PatternClicks(const std::string& picks)
{
    const int firsts[] = {IDC_GROUP_A_FIRST, IDC_GROUP_B_FIRST, IDC_GROUP_C_FIRST, IDC_GROUP_D_FIRST, IDC_GROUP_E_FIRST};
    std::vector<int> clicks;
    for (size_t at = 0; at + 1 < picks.size(); at += 3)
        clicks.push_back(firsts[picks[at] - 'A'] + (picks[at + 1] - '1'));
    clicks.push_back(IDC_CONTINUE);
    return clicks;
}

inline const std::vector<DllStream>& DllStreams()
{
    const char* kestrel = "QZ Kestrel 410 Printer"; // cleaning 7, self-test 10, no alignment
    const char* align1 = "QZ Test Align1";          // pattern pages, standard cleaning, self-test 8
    const char* align2 = "QZ Test Align2";          // automatic alignment, cleaning 6, self-test 9
    const char* align3 = "QZ Test Align3";          // pattern pages (type 3), cleaning 7, self-test 10
    const char* align4 = "QZ Test Align4";          // pattern pages (type 4), standard cleaning, none
    const char* unknown = "QZ Test Unsupported";    // types the library does not know
    static const std::vector<DllStream> streams = {
        {"kestrel-clean", kestrel, DllService::Clean, {{IDC_CLEAN}, {IDC_CANCEL}}, 0},
        {"kestrel-self-test", kestrel, DllService::SelfTest, {{IDC_OK}}, 0},
        {"kestrel-alignment", kestrel, DllService::Align, {}, 0},
        {"align1-clean-level1", align1, DllService::Clean, {{IDC_CLEAN}, {IDC_CANCEL}}, 0},
        {"align1-clean-level2", align1, DllService::Clean, {{IDC_CLEAN}, {IDC_CLEAN_LEVEL2}, {IDC_CANCEL}}, 1},
        {"align1-alignment-page", align1, DllService::Align, {{IDC_ALIGN}, {IDC_CANCEL}}, 0},
        {"align1-set-alignment", align1, DllService::Align, {{IDC_ALIGN}, PatternClicks("A3 B2 C4 D1 E5"), {IDC_OK}}, 1},
        {"align1-self-test", align1, DllService::SelfTest, {{IDC_OK}}, 0},
        {"align2-clean-level2", align2, DllService::Clean, {{IDC_CLEAN}, {IDC_CLEAN_LEVEL2}, {IDC_CANCEL}}, 1},
        {"align2-alignment-page", align2, DllService::Align, {{IDC_ALIGN}, {IDC_OK}}, 0},
        {"align2-self-test", align2, DllService::SelfTest, {{IDC_OK}}, 0},
        {"align3-clean", align3, DllService::Clean, {{IDC_CLEAN}, {IDC_CANCEL}}, 0},
        {"align3-self-test", align3, DllService::SelfTest, {{IDC_OK}}, 0},
        {"align3-alignment-page", align3, DllService::Align, {{IDC_ALIGN}, {IDC_CANCEL}}, 0},
        {"align3-set-alignment", align3, DllService::Align, {{IDC_ALIGN}, PatternClicks("A1 B5 C2 D4 E1"), {IDC_OK}}, 1},
        {"align4-alignment-page", align4, DllService::Align, {{IDC_ALIGN}, {IDC_CANCEL}}, 0},
        {"align4-set-alignment", align4, DllService::Align, {{IDC_ALIGN}, PatternClicks("A5 B1 C3 D3 E2"), {IDC_OK}}, 1},
        {"align4-clean-level3", align4, DllService::Clean,
         {{IDC_CLEAN}, {IDC_CLEAN_LEVEL2}, {IDC_CLEAN_LEVEL3}, {IDC_CANCEL}}, 2},
        {"align4-self-test", align4, DllService::SelfTest, {}, 0},
        {"unknown-clean-level1", unknown, DllService::Clean, {{IDC_CLEAN}, {IDC_CANCEL}}, 0},
        {"unknown-alignment", unknown, DllService::Align, {}, 0},
    };
    return streams;
}
