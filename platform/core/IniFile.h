// Private-profile INI files: "[Section]" headers followed by "KEY=value"
// lines. Names are compared without regard to case, white space around names
// and values does not count, and one pair of matching quotes around a value is
// dropped on reading. A write changes only the line it concerns and replaces
// the file atomically, so every other byte (comments, order, other sections,
// CR LF or LF line ends) stays as it was.
#ifndef TARNIW_PLATFORM_INIFILE_H
#define TARNIW_PLATFORM_INIFILE_H

#include "tarniw/TarnTypes.h"

// Reads KEY of [Section] into strOut; when the file, section or key is
// missing (or the key line has no '='), the default without its trailing
// white space. At most nSize - 1 bytes are copied; the result is the number
// of bytes copied. For a duplicated section or key the first one counts.
DWORD GetPrivateProfileString(const CString &strSection, const CString &strKey, const CString &strDefault,
                              CString &strOut, DWORD nSize, const CString &strPath);

// Sets KEY of [Section] to the value. A missing file or section is created
// (a new section goes at the end); a missing key is added after the last
// entry of the section, with the line end the file's first line uses. LF,
// CR LF and a lone CR all end a line. FALSE when the file cannot be read or
// replaced (WriteFileAtomically), and for what would not read back as
// written: a line break in the section, key or value, a key holding "=" or
// starting with ";" or "[".
BOOL WritePrivateProfileString(const CString &strSection, const CString &strKey, const CString &strValue,
                               const CString &strPath);

#endif
