// Resource ids of the module's dialogs and of their controls.
#ifndef TARNIW_RESOURCES_RESOURCE_H
#define TARNIW_RESOURCES_RESOURCE_H

// The two standard command ids keep their usual values; another header may
// already have brought them in.
#ifndef IDOK
#define IDOK 1
#endif
#ifndef IDCANCEL
#define IDCANCEL 2
#endif

constexpr int IDC_STATIC = -1; // controls that no code addresses

// Template dialog
constexpr int IDD_TEMPLATE = 130;
constexpr int IDC_FILEVALUES_LIST = 1001;
constexpr int IDC_CONSTANTS_LIST = 1003;
constexpr int IDC_BROWSE = 1004;
constexpr int IDC_CONTINUE = 1005;
constexpr int IDC_SAVE_TEMPLATE = 1006;
constexpr int IDC_LOAD_TEMPLATE = 1007;
constexpr int IDC_SAVE_FILE = 1008;
// The Template dialog grown below its lists for the file format switches:
// its size and the two check boxes (the other controls are dialog 130's).
constexpr int IDD_TEMPLATE_FORMAT = 140;
constexpr int IDC_QUOTED_VALUES = 1020;
constexpr int IDC_HEADER_LINE = 1021;

// Validation dialog (its Continue button is IDOK)
constexpr int IDD_VALIDATION = 5000;
constexpr int IDC_RESULT_LIST = 5000;
constexpr int IDC_TOTAL_LABEL = 5001;
constexpr int IDC_VALID_LABEL = 5002;
constexpr int IDC_ERROR_LABEL = 5003;

// Column reposition dialog
constexpr int IDD_REPOSITION = 4241;
constexpr int IDC_VISIBLE_LIST = 1007;
constexpr int IDC_HIDDEN_LIST = 1009;
constexpr int IDC_REPOSITION_SAVE = 1010;
constexpr int IDC_TO_VISIBLE = 1011;
constexpr int IDC_TO_HIDDEN = 1012;
constexpr int IDC_HIDDEN_GROUP = 1013;
constexpr int IDC_VISIBLE_GROUP = 1014;

// Filter value popup
constexpr int IDD_FILTERTEXT = 1010;
constexpr int IDC_FILTER_VALUES = 1032;

#endif
