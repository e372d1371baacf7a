// tarniw-import: a command-line host of the import wizard. It drives the
// same entry operations as a windowed host, answers the file dialogs from
// its arguments and prints what the module hands back.
#include "filevalues/core/CsvLine.h"
#include "filevalues/core/CsvReaders.h"
#include "filevalues/core/LineWriters.h"
#include "host/cli/CCliHost.h"
#include "host/cli/CCliPrompts.h"
#include "host/core/CTarnIWEntries.h"
#include "platform/core/FileSystem.h"
#include "platform/core/StoreFolders.h"
#include "wizard/core/SavedTemplateImport.h"
#include "wizard/core/TemplateFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <functional>
#include <iostream>
#include <iterator>
#include <map>
#include <new>
#include <unistd.h>

namespace {
const char kUsage[] = R"(usage: tarniw-import [--base DIR] COMMAND ARGUMENTS...

Stores ("Templates", "FileValues") lie in the folder of this program, or in
DIR with --base.

Commands:
  load FILE [CLASS]
      Hand every CSV line's values to stdout, one comma-joined line each.
  import [--fields F1,F2,...] CLASS TEMPLATE FILE
      Convert FILE through the saved template TEMPLATE of CLASS; the records
      go to stdout, each ending with its line number. The identity template
      "Template" is rewritten from --fields, by default from its own fields.
  template [--name NAME] CLASS ENTRY...
      Save a template (default name "Template"). An ENTRY is the field of a
      CSV column ("NA" for none) or a constant field as "Field~Value";
      constants need a NAME other than "Template".
  write FILE [CLASS]
      Write the lines of stdin to FILE.
  save-csv CLASS NAME, save-dot CLASS NAME
      Write the lines of stdin through the CSV or DOT save dialog, answered
      with NAME, a file in the class's file-value folder.
  clear-templates CLASS | --all
  clear-files CLASS | --all
      Delete the saved templates or file values of a class or of all.

Template names and NAMEs stay inside the stores: one holding "/" is refused
as the module refuses a file it cannot write. Line problems go to stderr as
"line N: <message>: <line>", the module's messages as "tarniw-import:
<message>". Exit status: 0 done, 1 the operation failed (its message on
stderr), 2 usage error.
)";

struct sArgs
{
    CStringArray positional;
    std::map<std::string, CString> options; // --base, --fields, --name
    bool bAll = false;
    bool bHelp = false;
};

bool ParseArgs(int argc, char **argv, sArgs &args)
{
    for (int i = 1; i < argc; ++i) {
        const CString arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            args.bHelp = true;
        } else if (arg == "--all") {
            args.bAll = true;
        } else if (arg == "--base" || arg == "--fields" || arg == "--name") {
            if (++i >= argc)
                return false;
            args.options[arg] = argv[i];
        } else {
            args.positional.Add(arg);
        }
    }
    return true;
}

CString Absolute(const CString &path)
{
    if (path.IsEmpty() || path[0] == '/')
        return path;
    char cwd[4096];
    return ::getcwd(cwd, sizeof cwd) ? CString(CString(cwd) + "/" + path) : path;
}

CStringArray ReadStdinLines()
{
    const std::string text((std::istreambuf_iterator<char>(std::cin)), std::istreambuf_iterator<char>());
    CStringArray lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        lines.Add(CString(text.substr(start, end - start)));
        start = end + 1;
    }
    return lines;
}

CStringArray SplitFieldList(const CString &list)
{
    CStringArray fields;
    SplitCsvLine(list + ",", fields);
    return fields;
}

// The file of the class's identity template.
CString IdentityTemplatePath(const CString &className)
{
    return TemplatePath(TemplateClassFolder(className), CTarnIWEntries::kIdentityTemplate);
}

// The fields of the class's identity template, so that rewriting it changes
// nothing; none when there is none. False when it cannot be read to the
// end of its first line.
bool ReadIdentityFields(const CString &className, CStringArray &fields)
{
    CLineReader reader;
    CString line;
    if (reader.Open(IdentityTemplatePath(className)) && reader.ReadLine(line))
        SplitCsvLine(line, fields);
    return !reader.ReadFailed();
}

// A NAME of the command line answers a save dialog as if typed into it, so
// it names a file in the dialog's folder, the class folder of its store. A
// name holding "/" would name a file elsewhere: it is answered with the
// folder itself ("."), which cannot be written, so that the module refuses
// it with its own message.
CString SaveAnswer(const CString &name)
{
    return name.Find('/') < 0 ? name : CString(".");
}

class CCli
{
public:
    CCli() : m_host(stdout, stderr), m_prompts(stderr), m_entries(m_dlg) { SetPrompts(&m_prompts); }
    ~CCli() { SetPrompts(nullptr); }

    int Run(const sArgs &args);

private:
    using Command = std::function<int(const sArgs &)>;
    struct sCommand
    {
        size_t nMin;
        size_t nMax;
        Command run;
    };

    int Load(const sArgs &args);
    int Import(const sArgs &args);
    int Template(const sArgs &args);
    int Write(const sArgs &args);
    int SaveWithDialog(const sArgs &args, bool bDot);
    int Clear(const sArgs &args, bool bTemplates);

    // 1 when the module showed a message, else 0.
    int Status()
    {
        m_host.Flush();
        return m_prompts.m_messages.IsEmpty() ? 0 : 1;
    }
    // "tarniw-import: <what> <file>: <reason>" on stderr; 1.
    int Failed(const char *what, const CString &file)
    {
        const int err = errno;
        m_host.Flush();
        std::fprintf(stderr, "tarniw-import: %s %s: %s\n", what, file.c_str(),
                     err == EINVAL ? "not a regular file" : std::strerror(err));
        return 1;
    }

    CTemplateDlg m_dlg;
    CCliHost m_host;
    CCliPrompts m_prompts;
    CTarnIWEntries m_entries;
};

int CCli::Run(const sArgs &args)
{
    const std::map<std::string, sCommand> commands = {
        {"load", {2, 3, [this](const sArgs &a) { return Load(a); }}},
        {"import", {4, 4, [this](const sArgs &a) { return Import(a); }}},
        {"template", {2, size_t(-1), [this](const sArgs &a) { return Template(a); }}},
        {"write", {2, 3, [this](const sArgs &a) { return Write(a); }}},
        {"save-csv", {3, 3, [this](const sArgs &a) { return SaveWithDialog(a, false); }}},
        {"save-dot", {3, 3, [this](const sArgs &a) { return SaveWithDialog(a, true); }}},
        {"clear-templates", {1, 2, [this](const sArgs &a) { return Clear(a, true); }}},
        {"clear-files", {1, 2, [this](const sArgs &a) { return Clear(a, false); }}},
    };
    if (args.bHelp) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    const auto it = args.positional.empty() ? commands.end() : commands.find(args.positional[0]);
    if (it == commands.end() || args.positional.size() < it->second.nMin || args.positional.size() > it->second.nMax) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const auto base = args.options.find("--base");
    if (base != args.options.end())
        SetHostExecutablePath(Absolute(base->second) + "/tarniw-import");
    return it->second.run(args);
}

// What Load_CSV_File_Directly_From_FileName does, with the file opened here
// once, so that a file that cannot be read is reported (the entry is silent).
int CCli::Load(const sArgs &args)
{
    CLineReader reader;
    if (!reader.Open(Absolute(args.positional[1])) || !HandLineValuesToHost(reader, m_host))
        return Failed("cannot read", args.positional[1]);
    return Status();
}

int CCli::Import(const sArgs &args)
{
    const CString &className = args.positional[1];
    const CString &templateName = args.positional[2];
    const auto fieldsOption = args.options.find("--fields");
    CStringArray fields;
    if (fieldsOption != args.options.end())
        fields = SplitFieldList(fieldsOption->second);
    else if (!ReadIdentityFields(className, fields))
        return Failed("cannot read", IdentityTemplatePath(className));
    // The entry offers the class's templates in its open dialog: the answer
    // picks the data file and the template by its title. A name the store
    // does not offer is reported after the entry's own message.
    m_prompts.QueueAnswerWithFilter(Absolute(args.positional[3]), templateName);
    m_entries.Load_Saved_File_and_Template(&m_host, &fields, className);
    const CStringArray titles = ListTemplateTitles(className);
    if (std::find(titles.begin(), titles.end(), templateName) == titles.end()) {
        m_host.Flush();
        std::fprintf(stderr, "tarniw-import: class %s has no template %s\n", className.c_str(), templateName.c_str());
        return 1;
    }
    return Status();
}

int CCli::Template(const sArgs &args)
{
    const CString &className = args.positional[1];
    const auto nameOption = args.options.find("--name");
    const CString name = nameOption != args.options.end() ? nameOption->second : CString(CTarnIWEntries::kIdentityTemplate);
    const CStringArray entries(args.positional.begin() + 2, args.positional.end());
    bool bConstants = false;
    for (const CString &entry : entries)
        bConstants = bConstants || entry.Find('~') >= 0;
    if (!bConstants) {
        m_entries.Save_Template_From_Application(&entries, className, name);
        return Status();
    }
    if (name == CTarnIWEntries::kIdentityTemplate) {
        std::fputs("tarniw-import: the identity template holds fields only; give constants a --name\n", stderr);
        return 2;
    }
    // The Template dialog's Save, with the columns and constants as its rows.
    m_dlg.SetClassName(className);
    for (const CString &entry : entries) {
        const int tilde = entry.Find('~');
        if (tilde < 0) {
            const int row = m_dlg.m_lstFileValues.InsertItem(m_dlg.m_lstFileValues.GetItemCount(), CString());
            m_dlg.m_lstFileValues.SetItemText(row, 1, entry == kNoField ? CString(" ") : entry);
        } else {
            const int row = m_dlg.m_lstConstants.InsertItem(m_dlg.m_lstConstants.GetItemCount(), entry.Left(tilde));
            m_dlg.m_lstConstants.SetItemText(row, 1, entry.Mid(tilde + 1));
        }
    }
    if (m_dlg.m_lstFileValues.GetItemCount() == 0) {
        std::fputs("tarniw-import: a template needs at least one column entry\n", stderr);
        return 2;
    }
    m_prompts.QueueAnswer(SaveAnswer(name + ".csv"));
    m_dlg.SaveTemplate();
    return Status();
}

// What Save_File_As_CSV_From_FileName does (the class plays no part in it),
// with the outcome kept: the entry fails silently.
int CCli::Write(const sArgs &args)
{
    const CStringArray lines = ReadStdinLines();
    if (!WriteLinesFile(Absolute(args.positional[1]), lines))
        return Failed("cannot write", args.positional[1]);
    return Status();
}

int CCli::SaveWithDialog(const sArgs &args, bool bDot)
{
    const CStringArray lines = ReadStdinLines();
    m_prompts.QueueAnswer(SaveAnswer(args.positional[2]));
    if (bDot)
        m_entries.Save_File_As_DOT(&lines, args.positional[1]);
    else
        m_entries.Save_File_As_CSV(&lines, args.positional[1]);
    return Status();
}

int CCli::Clear(const sArgs &args, bool bTemplates)
{
    if (args.bAll == (args.positional.size() == 2)) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    if (bTemplates) {
        if (args.bAll)
            m_entries.ClearAllSavedTemplate();
        else
            m_entries.ClearCurrentClassTemplate(args.positional[1]);
    } else {
        if (args.bAll)
            m_entries.ClearAllSavedFileValues();
        else
            m_entries.ClearCurrentClassFileValues(args.positional[1]);
    }
    return Status();
}
}

int main(int argc, char **argv)
{
    sArgs args;
    if (!ParseArgs(argc, argv, args)) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    CCli cli;
    try {
        return cli.Run(args);
    } catch (const std::bad_alloc &) {
        ReportOutOfMemory();
    } catch (const std::exception &e) {
        std::fprintf(stderr, "tarniw-import: the operation was abandoned: %s\n", e.what());
    }
    return 1;
}
