#pragma once
// Numeric ids of the program's resources, controls and commands.

// Shared by the menu, the accelerator table, the main icon and the document template string.
inline constexpr int IDR_MAINFRAME = 128;

// Dialogs.
inline constexpr int IDD_ABOUTBOX = 100;
inline constexpr int IDD_FIND = 102;
inline constexpr int IDD_BIRTHPLACE = 103;
inline constexpr int IDD_VEXAMO_FORM = 130;

// Pictures.
inline constexpr int IDB_LUNAR = 131;
inline constexpr int IDB_FRAGEZEICHEN = 133;
inline constexpr int IDB_SOLAR = 134;
inline constexpr int IDB_CABINET = 136;
inline constexpr int IDB_SCROLL = 137;
inline constexpr int IDB_LEGEND = 138;
inline constexpr int IDB_AXIS_DATE = 139;
inline constexpr int IDB_AXIS_PHASE = 140;
inline constexpr int IDB_TICK_50 = 141;
inline constexpr int IDB_TICK_0 = 142;
inline constexpr int IDB_TICK_100 = 143;
inline constexpr int IDB_DAY_MINUS1 = 144;
inline constexpr int IDB_DAY_MINUS2 = 145;
inline constexpr int IDB_DAY_0 = 146;
inline constexpr int IDB_DAY_PLUS1 = 147;
inline constexpr int IDB_DAY_PLUS2 = 148;

// Controls of the form.
inline constexpr int IDC_STATIC = -1;
// <windows.h> defines it too, with the same value.
#ifndef IDOK
inline constexpr int IDOK = 1;
#endif
#ifndef IDCANCEL
inline constexpr int IDCANCEL = 2;
#endif
inline constexpr int IDC_LAYOUT = 1000;
inline constexpr int IDC_SOUTHERN = 1001;
inline constexpr int IDC_CONST_ZONE = 1002;
inline constexpr int IDC_LIST_DATES = 1003;
inline constexpr int IDC_DAY = 1004;
inline constexpr int IDC_MONTH = 1005;
inline constexpr int IDC_YEAR = 1006;
inline constexpr int IDC_HOUR = 1007;
inline constexpr int IDC_MINUTE = 1008;
inline constexpr int IDC_CALCULATE = 1009;
inline constexpr int IDC_DIAGRAM = 1010;
inline constexpr int IDC_TYPE_NAME = 1011;
inline constexpr int IDC_MOON = 1012;
inline constexpr int IDC_SUN = 1013;
inline constexpr int IDC_ECART = 1014;
inline constexpr int IDC_LAST_NEW = 1015;
inline constexpr int IDC_NAME = 1016;
inline constexpr int IDC_ADD = 1017;
inline constexpr int IDC_DELETE = 1018;
inline constexpr int IDC_FULL = 1019;
inline constexpr int IDC_NEXT_NEW = 1020;
inline constexpr int IDC_JULIAN = 1021;
inline constexpr int IDC_TIME_ZONE = 1022;
inline constexpr int IDC_TYPE_PICTURE = 1023;
inline constexpr int IDC_BIRTH = 1024;
inline constexpr int IDC_DELETE_ALL = 1025;
inline constexpr int IDC_MONDTAG = 1026;
inline constexpr int IDC_GROUP_RESULT = 1028;
inline constexpr int IDC_GROUP_OPTIONS = 1029;

// Controls of the find dialog (102); "Fermer" is IDCANCEL.
inline constexpr int IDC_FIND_TEXT = 1100;
inline constexpr int IDC_FIND_STATUS = 1101;
inline constexpr int IDC_FIND_NEXT = 1102;

// Controls of the birthplace dialog (103); OK and "Annuler" are IDOK and IDCANCEL.
inline constexpr int IDC_PLACE_SEARCH = 1110;
inline constexpr int IDC_PLACE_LIST = 1111;
inline constexpr int IDC_ZONE_SEARCH = 1112;
inline constexpr int IDC_ZONE_LIST = 1113;
inline constexpr int IDC_PLACE_EXPLANATION = 1114;
inline constexpr int IDC_PLACE_SUMMER = 1115;
inline constexpr int IDC_PLACE_WINTER = 1116;
inline constexpr int IDC_PLACE_ROUND = 1117;
// Why the place list cannot be used; hidden while it is sound.
inline constexpr int IDC_PLACE_NOTICE = 1118;

// Commands.
inline constexpr int ID_COPY_ALL = 32771;
inline constexpr int ID_INSERT_CURRENT_DATE = 32773;
inline constexpr int ID_INSERT_BIRTHPLACE = 32774;
inline constexpr int ID_FILE_EXPORT_PDF = 32775;
inline constexpr int ID_FILE_EXPORT_ALL_PDF = 32776;
inline constexpr int ID_EDIT_COPY_DIAGRAM = 32777;
// Undo and redo, find, credits.
inline constexpr int ID_APP_CREDITS = 32778;
inline constexpr int ID_EDIT_FIND = 57636;
inline constexpr int ID_EDIT_REPEAT = 57640;
inline constexpr int ID_EDIT_REDO = 57644;
inline constexpr int ID_FILE_NEW = 57600;
inline constexpr int ID_FILE_OPEN = 57601;
inline constexpr int ID_FILE_SAVE = 57603;
inline constexpr int ID_FILE_SAVE_AS = 57604;
inline constexpr int ID_FILE_PRINT_SETUP = 57606;
inline constexpr int ID_FILE_PRINT = 57607;
inline constexpr int ID_FILE_PRINT_PREVIEW = 57609;
inline constexpr int ID_FILE_MRU_FILE1 = 57616;
inline constexpr int ID_FILE_MRU_FILE4 = 57619;
inline constexpr int ID_EDIT_COPY = 57634;
inline constexpr int ID_EDIT_CUT = 57635;
inline constexpr int ID_EDIT_PASTE = 57637;
inline constexpr int ID_EDIT_UNDO = 57643;
inline constexpr int ID_APP_ABOUT = 57664;
inline constexpr int ID_APP_EXIT = 57665;
inline constexpr int ID_NEXT_PANE = 57680;
inline constexpr int ID_PREV_PANE = 57681;

// Strings.
inline constexpr int IDS_EARLIER_CENTURY = 2000;
inline constexpr int IDS_MONTH_RANGE = 2001;
inline constexpr int IDS_DAY_RANGE = 2002;
inline constexpr int IDS_HOUR_RANGE = 2003;
inline constexpr int IDS_MINUTE_RANGE = 2004;
inline constexpr int IDS_TIME_ZONE_RANGE = 2005;
inline constexpr int IDS_TIP_CALCULATE = 2006;
inline constexpr int IDS_TIP_LAYOUT = 2007;
inline constexpr int IDS_TIP_NAME = 2008;
inline constexpr int IDS_TIP_LIST = 2009;
inline constexpr int IDS_TIP_SOUTHERN = 2010;
inline constexpr int IDS_TIP_CONST_ZONE = 2011;
inline constexpr int IDS_TIP_ADD = 2012;
inline constexpr int IDS_TIP_DELETE = 2013;
inline constexpr int IDS_TIP_DELETE_ALL = 2014;
inline constexpr int IDS_TIP_TIME_ZONE = 2015;
inline constexpr int AFX_IDS_APP_TITLE = 57344;
