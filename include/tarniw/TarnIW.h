/// @file
/// The fifteen entries a host calls. Include this header and link the module:
/// `find_package(TarnIW)` gives the target `tarniw::tarniw`, `pkg-config
/// tarniw` the flags.
///
/// Call every entry on the host's user-interface thread, never from inside
/// another entry or a CImportHost operation. No entry returns a status: the
/// results reach the host through its CImportHost, and failures are shown to
/// the user in message boxes. A class name is the name of the host's record
/// kind; it names the class's folders in the stores, so "." and "..", names
/// with "/" and names with a NUL byte are refused with the message "Directory
/// could not be created"; on Windows also the names Windows cannot hold as a
/// folder's ("\\", ":", a trailing dot or blank, device names such as CON).
///
/// The stores lie beside the host's executable (or beside the path in the
/// environment variable `TARNIW_HOST_EXE`): `Templates/<class>_Template/`,
/// `FileValues/<class>/` and `Tarn_Import_Wizard.ini`.
///
/// Display: entries marked "needs a display" show a window or a file dialog.
/// The module's windows run on the host's QApplication; a host without one
/// gets one made by the module, which needs `DISPLAY`, `WAYLAND_DISPLAY` or
/// `QT_QPA_PLATFORM` to be set (on Windows a desktop the process may show
/// windows on). Without a display such an entry shows nothing
/// and a file dialog counts as cancelled; message boxes are not shown either.
/// The other entries work without a display.
#ifndef TARNIW_TARNIW_H
#define TARNIW_TARNIW_H

#include "tarniw/ImportHost.h"
#include "tarniw/TarnTypes.h"

class QObject;
class QEvent;

namespace tarniw {

/// A host event routed through TarnIWPreTranslateMessage.
struct MSG
{
    QObject *hwnd;    ///< the object about to receive the event
    QEvent *message;  ///< the event
};

} // namespace tarniw

#if defined(TARNIW_GLOBAL_NAMES)
using tarniw::MSG;
#endif

#if defined(_WIN32) && defined(TARNIW_BUILDING_MODULE)
#define TARNIW_API __declspec(dllexport)
#elif defined(_WIN32)
#define TARNIW_API __declspec(dllimport)
#elif defined(TARNIW_BUILDING_MODULE)
#define TARNIW_API __attribute__((visibility("default")))
#else
/// Marks the entries the module exports.
#define TARNIW_API
#endif

extern "C" {

/// Shows the Template dialog for the class @p className, in which the user
/// picks a CSV file, maps its columns to the class's fields, types constants,
/// saves and loads templates, and converts the file.
///
/// Takes a copy of @p fields as the class's field names and rewrites the
/// class's template "Template" from them. When @p host is not null the dialog
/// (one window, kept between calls) is emptied, shown and brought to the top;
/// the call returns at once and the dialog stays open. When the user presses
/// Continue, @p host gets ReportLineError for every line with too few or too
/// many values and then AcceptRecords with all records, and the dialog
/// closes. With a null @p host only the field names, the class name and the
/// "Template" file are set.
///
/// Failure: "Directory could not be created" or "File Open Failed !!!!" when
/// the template cannot be written; the dialog's own actions show their own
/// messages. Needs a display (when @p host is not null).
TARNIW_API void InvokeTemplateDlg(tarniw::CImportHost *host, tarniw::CStringArray *fields, tarniw::CString className);

/// Imports a CSV file through a saved template of @p className without the
/// Template dialog.
///
/// Rewrites the class's template "Template" from @p fields, then shows an
/// open dialog in which the user picks the data file and, through the file
/// type list, the template. Every data line becomes a record in the
/// template's field order followed by its line number; @p host gets
/// ReportLineError for every line with too few or too many values, then
/// AcceptRecords once with all records (also when there are none). Does
/// nothing when @p host is null.
///
/// Failure: "TemplateFile Open Failed !!!!" or "File Open Failed !!!!" when a
/// file cannot be opened; a line without a comma ends the load silently, and
/// the host gets nothing. Needs a display.
TARNIW_API void Load_Saved_File_and_Template(tarniw::CImportHost *host, tarniw::CStringArray *fields, tarniw::CString className);

/// Replaces the field names of the current class by a copy of @p fields.
/// The class name and the saved templates stay as they are. No display.
TARNIW_API void SetFields(tarniw::CStringArray *fields);

/// Writes @p fields as the template @p templateName of the class
/// @p className (class name first, then template name); the field names of
/// the current class stay as they are.
///
/// Failure: "Directory could not be created" or "File Open Failed !!!!" (the
/// latter also for a template name that cannot be a file name). No display
/// needed, but the messages are shown only with one.
TARNIW_API void Save_Template_From_Application(tarniw::CStringArray *fields, tarniw::CString className, tarniw::CString templateName);

/// Deletes the saved templates of every class. No display.
TARNIW_API void ClearAllSavedTemplate();

/// Deletes the saved templates of the class @p className. No display.
TARNIW_API void ClearCurrentClassTemplate(tarniw::CString className);

/// Writes @p lines, one per line, to a CSV file that the user chooses in a
/// save dialog opened in the class's saved-file folder.
///
/// Failure: "Directory could not be created" when the folder cannot be made,
/// "SavedFile Open Failed !!!!" when the file cannot be written (the old file
/// then stays as it was); a cancelled dialog writes nothing. Needs a display.
TARNIW_API void Save_File_As_CSV(tarniw::CStringArray *lines, tarniw::CString className);

/// As Save_File_As_CSV, offering a DOT file first.
TARNIW_API void Save_File_As_DOT(tarniw::CStringArray *lines, tarniw::CString className);

/// Reads a CSV file that the user chooses in an open dialog (in the class's
/// saved-file folder) and hands @p host each line's values through
/// AcceptLineValues, in file order, until the file ends, a line without a
/// comma comes, or the host answers zero. Does nothing when @p host is null.
///
/// Failure: "LoadFile Open Failed !!!!" when the file cannot be opened.
/// Needs a display.
TARNIW_API void Load_CSV_File_Directly(tarniw::CImportHost *host, tarniw::CString className);

/// Writes @p lines, one per line, to the file @p fileName (file name first,
/// then class name), replacing it whole or not at all. Fails silently. No
/// display.
TARNIW_API void Save_File_As_CSV_From_FileName(tarniw::CStringArray *lines, tarniw::CString fileName, tarniw::CString className);

/// As Load_CSV_File_Directly, for the file @p fileName (file name first,
/// then class name) without a dialog. Fails silently when the file cannot be
/// opened. No display.
TARNIW_API void Load_CSV_File_Directly_From_FileName(tarniw::CImportHost *host, tarniw::CString fileName, tarniw::CString className);

/// Deletes the saved files of every class. No display.
TARNIW_API void ClearAllSavedFileValues();

/// Deletes the saved files of the class @p className. No display.
TARNIW_API void ClearCurrentClassFileValues(tarniw::CString className);

/// Shows the Validation dialog: the records of the last conversion joined
/// with the host's verdicts, one row per converted file line marked OK or
/// Error, with the counts.
///
/// @param host gets the valid records when the user presses Continue.
/// @param records the records text the host received through AcceptRecords.
/// @param verdicts the host's error text per record number (from 1); a
///        missing or empty text marks a valid record. May be null.
///
/// The call returns once the dialog is shown. When the user presses
/// Continue, @p host gets AcceptRecord once per valid record, in order, until
/// it answers zero; then the dialog closes. Does nothing when @p host is null.
/// Needs a display.
TARNIW_API void TarnIm_ShowValidationDlg(tarniw::CImportHost *host, tarniw::CString records, tarniw::CVerdictMap *verdicts);

/// Gives the module's windows their keyboard handling. A Qt host routes every
/// event of its application through it (tarniw::CPreTranslateFilter in
/// "tarniw/PreTranslateFilter.h" does so); a host without its own Qt event
/// loop calls it with null often, from its idle time or a timer, to let the
/// module's windows handle what is pending for them.
/// @return non-zero when one of the module's windows took the event; the
///         host must then not deliver it itself. Zero for null and for every
///         event of the host's own windows.
TARNIW_API int TarnIWPreTranslateMessage(tarniw::MSG *msg);

} // extern "C"

#endif
