/* Named ids of the dialog templates, their items and the bitmaps they show.
   Only #define lines: the resource compiler reads this file too. */
#pragma once

/* ---- Dialog templates (type 5) ---- */
/* Alignment */
#define IDD_ALIGN_START 171              /* separate colour and black heads */
#define IDD_ALIGN_START_AUTO 1659        /* printers that align after a cartridge change */
#define IDD_ALIGN_GROUPS 181             /* five groups of five patterns */
#define IDD_ALIGN_RESULT 182
#define IDD_ALIGN_RESULT_AUTO 190
/* Cleaning: print-head set 164-167 and cartridge set 1660-1663 share roles */
#define IDD_CLEAN_START 164
#define IDD_CLEAN_LEVEL1 165
#define IDD_CLEAN_LEVEL2 166
#define IDD_CLEAN_END 167
#define IDD_CLEAN_START_CARTRIDGE 1660
#define IDD_CLEAN_LEVEL1_CARTRIDGE 1661
#define IDD_CLEAN_LEVEL2_CARTRIDGE 1662
#define IDD_CLEAN_END_CARTRIDGE 1663
/* Self-test and information page */
#define IDD_SELF_TEST 162
#define IDD_SELF_TEST_CARTRIDGE 1665
#define IDD_TEXT_PAGE 180
/* Colour calibration and printer service */
#define IDD_CALIBRATE_START 184
#define IDD_CALIBRATE_CHOICE 183
#define IDD_PRINTER_SERVICE 189

/* ---- Items shared by many templates ---- */
#define IDC_STATIC_ITEM (-1)  /* labels, frames and boxes nobody addresses (0xFFFF) */
#define IDC_OK 1              /* same value as IDOK */
#define IDC_CANCEL 2          /* same value as IDCANCEL; also the close box */
#define IDC_LOGO 954          /* owner-drawn logo strip, bitmap IDB_LOGO */
#define IDC_SEPARATOR 843     /* owner-drawn etched line above the buttons */
#define IDC_PICTURE_FRAME 3503
#define IDC_PICTURE 3504      /* owner-drawn picture inside the frame */

/* ---- Text items ---- */
#define IDC_SELF_TEST_TEXT 841
#define IDC_TEXT_PAGE_TEXT 842
#define IDC_ALIGN_TEXT1 850
#define IDC_ALIGN_TEXT2 851
#define IDC_ALIGN_TEXT3 852
#define IDC_ALIGN_GROUPS_TEXT1 853
#define IDC_ALIGN_GROUPS_TEXT2 854
#define IDC_ALIGN_RESULT_TEXT1 857
#define IDC_ALIGN_RESULT_TEXT2 858
#define IDC_ALIGN_GROUPS_BOX 859    /* "Velg det mønsteret ..." group box */
#define IDC_CLEAN_START_TEXT1 860
#define IDC_CLEAN_START_TEXT2 861
#define IDC_CLEAN_LEVEL1_TEXT1 862
#define IDC_CLEAN_LEVEL1_TEXT2 863
#define IDC_CLEAN_LEVEL1_TEXT3 864
#define IDC_CLEAN_LEVEL2_TEXT1 865
#define IDC_CLEAN_LEVEL2_TEXT2 866
#define IDC_CLEAN_LEVEL2_TEXT3 867
#define IDC_CLEAN_LEVEL2_TEXT4 868
#define IDC_CLEAN_END_TEXT1 869
#define IDC_CLEAN_END_TEXT2 870
#define IDC_CALIBRATE_TEXT1 884
#define IDC_CALIBRATE_TEXT2 885
#define IDC_CALIBRATE_TEXT3 886
#define IDC_CALIBRATE_CHOICE_TEXT 887
#define IDC_SERVICE_CLEAN_LABEL 4017

/* ---- Buttons whose id is the dialog result ---- */
#define IDC_CLEAN 1400          /* "&Rens" / "Nivå &1-rens" */
#define IDC_CLEAN_LEVEL2 1401   /* "Nivå &2-rens" */
#define IDC_CLEAN_LEVEL3 1402   /* "Nivå &3-rens" */
#define IDC_ALIGN 1409          /* "&Juster" */
#define IDC_CONTINUE 3507       /* "&Fortsett" of 181 */
#define IDC_CALIBRATE 888       /* "&Kalibrer" */
#define IDC_USE_DEFAULTS 889    /* "&Bruk standardinnstillinger" */
#define IDC_CALIBRATE_DONE 890  /* "&Fullført" */

/* ---- Pattern radio buttons of 181: five groups of five, middle one = 0 ---- */
#define IDC_GROUP_A_FIRST 1410
#define IDC_GROUP_A_MIDDLE 1412
#define IDC_GROUP_A_LAST 1414
#define IDC_GROUP_B_FIRST 1415
#define IDC_GROUP_B_MIDDLE 1417
#define IDC_GROUP_B_LAST 1419
#define IDC_GROUP_C_FIRST 1420
#define IDC_GROUP_C_MIDDLE 1422
#define IDC_GROUP_C_LAST 1424
#define IDC_GROUP_D_FIRST 1425
#define IDC_GROUP_D_MIDDLE 1427
#define IDC_GROUP_D_LAST 1429
#define IDC_GROUP_E_FIRST 1432
#define IDC_GROUP_E_MIDDLE 1434
#define IDC_GROUP_E_LAST 1436

/* ---- Colour choice of 183: radio buttons A-I and their pairs of squares ---- */
#define IDC_PAIR_A 1500
#define IDC_PAIR_B 1501
#define IDC_PAIR_C 1502
#define IDC_PAIR_D 1503
#define IDC_PAIR_E 1504
#define IDC_PAIR_F 1505
#define IDC_PAIR_G 1506
#define IDC_PAIR_H 1507
#define IDC_PAIR_I 1508
#define IDC_SQUARE_FIRST 1511   /* pair A left; pair k (0-based) owns 1511+2k, 1512+2k */
#define IDC_SQUARE_LAST 1528    /* pair I right */

/* ---- Printer service menu 189 ---- */
#define IDC_SERVICE_ALIGN 4009      /* not in the template */
#define IDC_SERVICE_CLEAN 4010
#define IDC_SERVICE_CALIBRATE 4013  /* not in the template; hidden without calibration */
#define IDC_SERVICE_CALIBRATE_LABEL 4020  /* likewise */

/* ---- Bitmaps (type 2) ---- */
#define IDB_ALIGN_HEADS 67          /* picture of 171, 1659 */
#define IDB_SPARE_CARTRIDGE 68      /* stored, drawn by no item */
#define IDB_CLEAN_START 69          /* picture of 164 */
#define IDB_CLEAN_LEVELS 70         /* picture of 165, 166, 167 */
#define IDB_SELF_TEST 71            /* picture of 162 */
#define IDB_SPARE_PAGE 72           /* stored, drawn by no item */
#define IDB_ALIGN_RESULT 73         /* picture of 182 */
#define IDB_CALIBRATE 74            /* picture of 184 */
#define IDB_SELF_TEST_PAGE 1664     /* item 1664 of 1665 */
#define IDB_CLEAN_START_CARTRIDGE 1667  /* item 1667 of 1660 */
#define IDB_CLEAN_LEVELS_CARTRIDGE 1668 /* item 1668 of 1661-1663 */
#define IDB_LOGO 2751               /* logo strip of item 954 */
#define IDB_SPARE_BANNER 2757       /* stored, drawn by no item */
#define IDB_HARDWARE_DEFAULT 2752   /* information page, first picture default; not stored */
#define IDB_HARDWARE_DEFAULT_ALT 18 /* information page, second picture default; not stored */

/* Owner-drawn statics whose item id is also their bitmap id. */
#define IDC_SELF_TEST_PAGE IDB_SELF_TEST_PAGE
#define IDC_CLEAN_START_CARTRIDGE IDB_CLEAN_START_CARTRIDGE
#define IDC_CLEAN_LEVELS_CARTRIDGE IDB_CLEAN_LEVELS_CARTRIDGE
