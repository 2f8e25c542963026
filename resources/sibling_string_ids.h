/* Ids of the strings of the sibling module QZW9TRE.dll that this library shows, shared by that
   module's resource script and the code. Only #define lines: the resource compiler reads this
   file too. */
#pragma once

/* Information page */
#define IDS_HARDWARE_INFO_TITLE 804
#define IDS_HARDWARE_INFO_TEXT 1669
#define IDS_COMM_TEST_TITLE 1698
/* Self-test page: the plain test page and the variant that also reports ink levels */
#define IDS_SELF_TEST_TEXT 1537
#define IDS_SELF_TEST_PRINT_BUTTON 1541
#define IDS_SELF_TEST_TITLE 1542
#define IDS_SELF_TEST_INK_TITLE 1576
#define IDS_SELF_TEST_INK_TEXT 1577
