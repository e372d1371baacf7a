// The two per-class stores beside the host executable: "Templates" with one
// "<class>_Template" folder per class, and "FileValues" with one "<class>"
// folder per class (an empty class name means the store itself).
//
// A class name is used unchanged as (part of) a folder name. Names that
// would not name one folder of its own inside a store are refused: creating
// a folder for them fails with the usual message and clearing them deletes
// nothing. Refused are the names that cannot name a folder entry
// (CanNameFolderEntry): on POSIX those with '/' or a NUL byte; on Windows
// also those with '\', ':' and the other characters Windows does not take,
// those ending in a dot or a space, and device names such as CON or COM1.
// In the template store the class folder is "<class>_Template", so on POSIX
// "." gives the ordinary folder "._Template"; in the file-value store the
// class name is the folder name, so "." and ".." (the store itself, the
// host's folder) are refused as well.
#ifndef TARNIW_PLATFORM_STOREFOLDERS_H
#define TARNIW_PLATFORM_STOREFOLDERS_H

#include "tarniw/TarnTypes.h"

// Shown when a store folder cannot be made.
extern const char *const kDirectoryNotCreated;

// A class or template name the template store takes: it stays one folder
// entry inside "<name>_Template" and "<name>.csv".
bool IsTemplateStoreName(const CString &name);
// A class name the file-value store takes as its class folder's name.
bool IsFileValueClassName(const CString &className);

// The host executable's folder, without a separator at the end.
CString GetExeDirectory();

CString TemplatesRoot();
CString TemplateClassFolder(const CString &className);
CString FileValuesRoot();
CString FileValueClassFolder(const CString &className);

// Create the store root and then the class folder when missing, one level
// each. On failure show "Directory could not be created" and return false.
bool EnsureTemplateFolder(const CString &className, CString &folder);
bool EnsureClassFolder(const CString &className, CString &folder);

// Deletes the plain files directly inside a folder; nothing else.
void DeleteFilesInFolder(const CString &folder);

// Deletes the plain files of the class folder and removes it when empty.
void ClearTemplateClassFolder(const CString &className);
void ClearFileValueClassFolder(const CString &className);
// The same for every class folder of a store; loose files and the root stay.
void ClearAllTemplateFolders();
void ClearAllFileValueFolders();

#endif
