/// @file
/// The callback object through which TarnIW hands its results to the host.
#ifndef TARNIW_IMPORTHOST_H
#define TARNIW_IMPORTHOST_H

#include "tarniw/TarnTypes.h"

namespace tarniw {

/// Implemented by the host. The module keeps only a pointer to it, calls it on
/// the thread that calls the entries (the host's user-interface thread) and
/// waits for each call to return; the host may show its own windows meanwhile.
/// The object must stay valid until the host passes another one.
///
/// The four operations keep this slot order, so the class has no virtual
/// destructor: the host deletes its own object through its own type.
///
/// Exceptions: nothing a host operation throws reaches the host's caller (it
/// may be the event loop, which cannot carry exceptions). The module catches
/// it, whatever its type, and abandons the operation that called the host:
/// AcceptRecord and AcceptLineValues count as having answered zero, so no
/// further record or line follows; after ReportLineError or AcceptRecords
/// throws, the conversion or load ends there and hands nothing more over, and
/// the Template dialog stays open. Files the module had open are closed, and
/// the module takes the next call as usual.
class CImportHost
{
public:
    /// One valid record, handed over when the user presses Continue in the
    /// Validation dialog: once per valid record, in record order.
    /// @param nLine the record's line number in the converted file.
    /// @param pRecord field name to value; belongs to the module and is
    ///        valid only during the call.
    /// @return non-zero to receive the next record, zero to receive no
    ///         further one (the Validation dialog then stays open).
    virtual BOOL AcceptRecord(int nLine, CRecordMap *pRecord) = 0;

    /// A data line whose number of values does not match, during a
    /// conversion (Template dialog Continue, or Load_Saved_File_and_Template).
    /// @param nLine the line number; the file's first line is 1.
    /// @param strLine the line's text without surrounding white space.
    /// @param strMessage "File Values are lesser than the Field Values" or
    ///        "File Values are lesser than the mapped File Columns" (the line
    ///        is skipped), or "File Values are more than the Field Values" (the
    ///        line is still converted).
    virtual void ReportLineError(int nLine, CString strLine, CString strMessage) = 0;

    /// The values of one CSV line of a direct load (Load_CSV_File_Directly,
    /// Load_CSV_File_Directly_From_FileName), in column order, once per line
    /// that has at least one value, in file order.
    /// @param pValues belongs to the module and is valid only during the call.
    /// @return non-zero to read the next line, zero to stop reading the file.
    virtual BOOL AcceptLineValues(CStringArray *pValues) = 0;

    /// Every converted record at once, when a conversion ends (Template dialog
    /// Continue, or Load_Saved_File_and_Template): per record its values in
    /// the class's field order, each followed by ",", then after Continue the
    /// line number and ",", then "\n".
    virtual void AcceptRecords(CString strRecords) = 0;

protected:
    /// Only the host deletes its object, through its own type.
    ~CImportHost() = default;
};

} // namespace tarniw

#if defined(TARNIW_GLOBAL_NAMES)
using tarniw::CImportHost;
#endif

#endif
