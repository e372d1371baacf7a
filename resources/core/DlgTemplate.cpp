#include "resources/core/DlgTemplate.h"

#include "resources/core/Resource.h"
#include "tarniw/TarnTypes.h"

#include <cstdint>
#include <cstring>

namespace {

const char szShellDlg[] = "MS Shell Dlg";
const char szVerdana[] = "Verdana";

const sDlgTemplate dlgTemplate = {
    IDD_TEMPLATE, "Template", 215, 267, szShellDlg, 8,
    DLGW_CAPTION | DLGW_SYSMENU | DLGW_MODALFRAME | DLGW_CLIENTEDGE,
    {
        {IDC_FILEVALUES_LIST, eDlgItem::ListView, "", {9, 11, 196, 136}, DLGS_REPORT | DLGS_BORDER | DLGS_TABSTOP},
        {IDC_CONSTANTS_LIST, eDlgItem::ListView, "", {9, 153, 195, 79}, DLGS_REPORT | DLGS_BORDER | DLGS_TABSTOP},
        {IDC_STATIC, eDlgItem::GroupBox, "FileValue", {12, 234, 77, 27}, 0},
        {IDC_BROWSE, eDlgItem::PushButton, "Browse", {16, 243, 32, 14}, 0},
        {IDC_SAVE_FILE, eDlgItem::PushButton, "SaveFile", {53, 243, 33, 14}, 0},
        {IDC_STATIC, eDlgItem::GroupBox, "TemplateField", {93, 234, 70, 27}, 0},
        {IDC_LOAD_TEMPLATE, eDlgItem::PushButton, "Load", {96, 243, 32, 14}, 0},
        {IDC_SAVE_TEMPLATE, eDlgItem::PushButton, "Save", {132, 243, 27, 14}, 0},
        {IDC_CONTINUE, eDlgItem::PushButton, "Continue", {168, 243, 33, 14}, 0},
        {IDOK, eDlgItem::PushButton, "OK", {209, 7, 11, 14}, DLGS_DEFAULT | DLGS_HIDDEN},
        {IDCANCEL, eDlgItem::PushButton, "Cancel", {209, 24, 11, 14}, DLGS_HIDDEN},
    }};

const sDlgTemplate dlgTemplateFormat = {
    IDD_TEMPLATE_FORMAT, "Template", 215, 281, szShellDlg, 8,
    DLGW_CAPTION | DLGW_SYSMENU | DLGW_MODALFRAME | DLGW_CLIENTEDGE,
    {
        {IDC_QUOTED_VALUES, eDlgItem::CheckBox, "Quoted values", {14, 266, 62, 10}, DLGS_TABSTOP},
        {IDC_HEADER_LINE, eDlgItem::CheckBox, "First line holds column names", {80, 266, 124, 10}, DLGS_TABSTOP},
    }};

const sDlgTemplate dlgValidation = {
    IDD_VALIDATION, "Validation Dialog", 375, 167, szShellDlg, 8,
    DLGW_CAPTION | DLGW_SYSMENU | DLGW_MINMAXBOX | DLGW_RESIZABLE,
    {
        {IDOK, eDlgItem::PushButton, "Continue", {238, 139, 50, 14}, DLGS_DEFAULT},
        {IDCANCEL, eDlgItem::PushButton, "Cancel", {306, 139, 50, 14}, 0},
        {IDC_RESULT_LIST, eDlgItem::ListView, "", {13, 13, 354, 116},
         DLGS_REPORT | DLGS_OWNERDATA | DLGS_OWNERDRAWFIXED | DLGS_BORDER | DLGS_TABSTOP},
        {IDC_TOTAL_LABEL, eDlgItem::StaticText, "", {24, 144, 81, 8}, 0},
        {IDC_VALID_LABEL, eDlgItem::StaticText, "", {124, 140, 82, 8}, 0},
        {IDC_ERROR_LABEL, eDlgItem::StaticText, "", {123, 149, 83, 8}, 0},
        {IDC_STATIC, eDlgItem::GroupBox, "File Count", {13, 129, 203, 31}, 0},
    }};

const unsigned nColumnBoxStyle = DLGS_EXTENDEDSEL | DLGS_NOTIFY | DLGS_VSCROLL | DLGS_BORDER;

const sDlgTemplate dlgReposition = {
    IDD_REPOSITION, "Repositioncolumns", 428, 258, szVerdana, 10,
    DLGW_CAPTION | DLGW_SYSMENU | DLGW_MODALFRAME,
    {
        {IDC_HIDDEN_GROUP, eDlgItem::GroupBox, "Hidden columns", {5, 3, 171, 226}, 0},
        {IDC_HIDDEN_LIST, eDlgItem::ListBox, "", {11, 13, 158, 209}, DLGS_SORTED | nColumnBoxStyle},
        {IDC_TO_VISIBLE, eDlgItem::PushButton, ">", {189, 66, 50, 14}, 0},
        {IDC_TO_HIDDEN, eDlgItem::PushButton, "<", {190, 109, 50, 14}, 0},
        {IDC_VISIBLE_GROUP, eDlgItem::GroupBox, "Visible Columns", {248, 3, 178, 226}, 0},
        {IDC_VISIBLE_LIST, eDlgItem::ListBox, "", {254, 13, 164, 209}, nColumnBoxStyle},
        {IDC_REPOSITION_SAVE, eDlgItem::PushButton, "Save", {377, 237, 50, 14}, DLGS_DEFAULT},
        {IDCANCEL, eDlgItem::PushButton, "Cancel", {4, 237, 50, 14}, 0},
    }};

// A borderless popup; its hidden Cancel button only carries the cancel command.
const sDlgTemplate dlgFilterText = {
    IDD_FILTERTEXT, "", 80, 81, szVerdana, 10, 0,
    {
        {IDC_FILTER_VALUES, eDlgItem::ListBox, "", {1, -2, 77, 76},
         DLGS_SORTED | DLGS_NOTIFY | DLGS_EXTENDEDSEL | DLGS_NOINTEGRALHEIGHT | DLGS_VSCROLL | DLGS_BORDER},
        {IDCANCEL, eDlgItem::PushButton, "Cancel", {0, 0, 50, 14}, DLGS_HIDDEN},
    }};

// a * b / c rounded to the nearest integer, halves away from zero (c > 0).
int MulDiv(int a, int b, int c)
{
    const std::int64_t n = std::int64_t(a) * b;
    return int(n >= 0 ? (n + c / 2) / c : (n - c / 2) / c);
}

} // namespace

const sDlgControl *sDlgTemplate::FindControl(int nCtrlId, const char *pszText) const
{
    for (const sDlgControl &ctrl : controls) {
        if (ctrl.nId == nCtrlId && (!pszText || std::strcmp(ctrl.pszText, pszText) == 0))
            return &ctrl;
    }
    return nullptr;
}

const sDlgTemplate &GetDlgTemplate(int nIDTemplate)
{
    for (const sDlgTemplate *pTmpl : {&dlgTemplate, &dlgTemplateFormat, &dlgValidation, &dlgReposition, &dlgFilterText}) {
        if (pTmpl->nId == nIDTemplate)
            return *pTmpl;
    }
    throw CInvalidArgException();
}

sRect MapDialogRect(const sRect &rcDlu, const sDlgBaseUnits &base)
{
    return {MulDiv(rcDlu.x, base.cx, 4), MulDiv(rcDlu.y, base.cy, 8),
            MulDiv(rcDlu.cx, base.cx, 4), MulDiv(rcDlu.cy, base.cy, 8)};
}
