// The sibling string module that holds display texts chosen per printer, and the ids of its
// strings that this library shows.
#pragma once
#include <windows.h>

// Loaded by bare file name, so the platform's library search order applies.
constexpr char kSiblingModuleName[] = "QZW9TRE.DLL";

// Information page.
constexpr UINT IDS_HARDWARE_INFO_TITLE = 804;
constexpr UINT IDS_HARDWARE_INFO_TEXT = 1669;
constexpr UINT IDS_COMM_TEST_TITLE = 1698;
// Self-test page: the plain test page and the variant that also reports ink levels.
constexpr UINT IDS_SELF_TEST_TEXT = 1537;
constexpr UINT IDS_SELF_TEST_PRINT_BUTTON = 1541;
constexpr UINT IDS_SELF_TEST_TITLE = 1542;
constexpr UINT IDS_SELF_TEST_INK_TITLE = 1576;
constexpr UINT IDS_SELF_TEST_INK_TEXT = 1577;
