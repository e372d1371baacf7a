#include "platform/core/StoreFolders.h"

#include "platform/core/FileSystem.h"
#include "platform/core/Paths.h"
#include "platform/core/Prompts.h"

const char *const kDirectoryNotCreated = "Directory could not be created";

namespace {
const char *const kTemplatesRoot = "Templates";
const char *const kFileValuesRoot = "FileValues";
const char *const kTemplateSuffix = "_Template";

bool EnsureFolder(const CString &path)
{
    return IsDirectory(path) || MakeDirectory(path);
}

bool EnsureStoreFolder(const CString &root, const CString &folder, bool bNameFits)
{
    if (!bNameFits || !EnsureFolder(root) || !EnsureFolder(folder)) {
        AfxMessageBox(kDirectoryNotCreated);
        return false;
    }
    return true;
}

// Only a class folder reached through a real store root is touched, so a
// link in place of the root or of the class folder leads nowhere.
void ClearClassFolder(const CString &root, const CString &folder, bool bNameFits)
{
    if (!bNameFits || !IsDirectory(root) || !IsDirectory(folder))
        return;
    DeleteFilesInDirectory(folder);
    RemoveEmptyDirectory(folder);
}

void ClearAllClassFolders(const CString &root)
{
    if (IsDirectory(root))
        ClearSubdirectories(root);
}
}

bool IsTemplateStoreName(const CString &name)
{
    return name.IsEmpty() || CanNameFolderEntry(name);
}

bool IsFileValueClassName(const CString &className)
{
    return IsTemplateStoreName(className) && className != "." && className != "..";
}

CString GetExeDirectory()
{
    return DirectoryOf(GetHostExecutablePath());
}

CString TemplatesRoot()
{
    return GetExeDirectory() + "/" + kTemplatesRoot;
}

CString TemplateClassFolder(const CString &className)
{
    return TemplatesRoot() + "/" + className + kTemplateSuffix;
}

CString FileValuesRoot()
{
    return GetExeDirectory() + "/" + kFileValuesRoot;
}

CString FileValueClassFolder(const CString &className)
{
    return className.IsEmpty() ? FileValuesRoot() : CString(FileValuesRoot() + "/" + className);
}

bool EnsureTemplateFolder(const CString &className, CString &folder)
{
    folder = TemplateClassFolder(className);
    return EnsureStoreFolder(TemplatesRoot(), folder, IsTemplateStoreName(className));
}

bool EnsureClassFolder(const CString &className, CString &folder)
{
    folder = FileValueClassFolder(className);
    return EnsureStoreFolder(FileValuesRoot(), folder, IsFileValueClassName(className));
}

void DeleteFilesInFolder(const CString &folder)
{
    DeleteFilesInDirectory(folder);
}

void ClearTemplateClassFolder(const CString &className)
{
    ClearClassFolder(TemplatesRoot(), TemplateClassFolder(className), IsTemplateStoreName(className));
}

void ClearFileValueClassFolder(const CString &className)
{
    ClearClassFolder(FileValuesRoot(), FileValueClassFolder(className), IsFileValueClassName(className));
}

void ClearAllTemplateFolders()
{
    ClearAllClassFolders(TemplatesRoot());
}

void ClearAllFileValueFolders()
{
    ClearAllClassFolders(FileValuesRoot());
}
