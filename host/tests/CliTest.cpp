// tarniw-import as the team's README runs it.
#include "TempBase.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#define TARNIW_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TARNIW_ADDRESS_SANITIZER 1
#endif
#endif

namespace {
struct CRun {
    std::string out;
    int status;
};

// Runs tarniw-import in the base folder; a prefix (a shell command taking
// the program and its arguments) may run it in special conditions.
CRun Cli(const CTempBase &base, const std::string &args, const std::string &stdinText = std::string(),
         const std::string &prefix = std::string())
{
    const std::string input = base.Write("stdin.txt", stdinText);
    const std::string command = "cd '" + base.Dir() + "' && " + prefix + " '" TARNIW_IMPORT_PATH "' --base '"
        + base.Dir() + "' " + args + " <'" + input + "' 2>&1";
    CRun run{std::string(), -1};
    if (std::FILE *pipe = ::popen(command.c_str(), "r")) {
        char buf[4096];
        size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, pipe)) > 0)
            run.out.append(buf, n);
        run.status = WEXITSTATUS(::pclose(pipe));
    }
    return run;
}

bool ReadsOfProcMemFail()
{
    const int fd = ::open("/proc/self/mem", O_RDONLY);
    char byte;
    const bool bFails = fd >= 0 && ::read(fd, &byte, 1) < 0 && errno == EIO;
    if (fd >= 0)
        ::close(fd);
    return bFails;
}
}

TEST(Cli, Commands)
{
    struct Step {
        std::string args;
        std::string stdinText;
        std::string out;
        int status;
    };
    const std::string data = "1001,Ann,3,9.5\n1002,,1,2\n1003,Bob,2,4\n";
    const std::vector<Step> steps = {
        {"template Orders OrderId Customer Qty Amount", "", "", 0},
        {"import Orders Template data.csv", "",
         "line 2: File Values are lesser than the Field Values: 1002,,1,2\n"
         "1001,Ann,3,9.5,1,\n1003,Bob,2,4,3,\n", 0},
        {"template --name Web Orders OrderId NA NA Amount Channel~Web", "", "", 0},
        {"import Orders Web data.csv", "", "line 2: File Values are lesser than the Field Values: 1002,,1,2\n"
                                            "1001,9.5,Web,1,\n1003,4,Web,3,\n", 0},
        {"import Orders Weekly data.csv", "", "tarniw-import: No template chosen: pick one in the file type list\n"
                                            "tarniw-import: class Orders has no template Weekly\n", 1},
        {"template Orders A~1", "", "tarniw-import: the identity template holds fields only; give constants a --name\n", 2},
        {"load data.csv", "", "1001,Ann,3,9.5\n1002,1,2\n1003,Bob,2,4\n", 0},
        {"save-dot Orders lines", "x,y\nz\n", "", 0},
        {"write out.csv", "p,q", "", 0}, // a last line without line break is a line too
        {"clear-files --all", "", "", 0},
        {"clear-templates Orders", "", "", 0},
        {"bogus", "", "", 2},
    };
    CTempBase base;
    base.Write("data.csv", data);
    for (const Step &step : steps) {
        const std::string args = step.args;
        std::string withPaths = args; // the files named by full paths
        for (const std::string name : {"data.csv", "out.csv"})
            if (const size_t pos = withPaths.find(name); pos != std::string::npos)
                withPaths.replace(pos, name.size(), base.Path(name));
        const CRun run = Cli(base, withPaths, step.stdinText);
        if (step.status != 2) {
            EXPECT_EQ(run.out, step.out) << args;
        }
        EXPECT_EQ(run.status, step.status) << args;
        if (args.rfind("save-dot", 0) == 0) {
            EXPECT_EQ(base.Read("FileValues/Orders/lines.dot"), "x,y\nz\n");
        }
        if (args.rfind("write", 0) == 0) {
            EXPECT_EQ(base.Read("out.csv"), "p,q\n");
        }
    }
    EXPECT_FALSE(base.Exists("Templates/Orders_Template"));
    EXPECT_FALSE(base.Exists("FileValues/Orders"));
}

// Every failed operation exits 1 with its message on stderr; names never
// reach outside the stores; special files and a memory limit end the
// operation at once.
TEST(Cli, FailuresExitNonZeroWithTheirMessage)
{
    struct Case {
        const char *name;
        std::string args;
        std::string stdinText;
        std::string prefix; // a shell command the program runs under
        std::string out;
    };
    CTempBase base;
    base.Write("d.csv", "1,a\nx\n2,b\n");
    ::chmod(base.Write("ro.csv", "old\n").c_str(), 0444);
    ::mkfifo(base.Path("fifo").c_str(), 0644);
    std::vector<Case> cases = {
        {"template name leaving the store", "template --name ../evil Orders A", "", "",
         "tarniw-import: File Open Failed !!!!\n"},
        {"template name with constants leaving the store", "template --name ../../evil Orders A B~1", "", "",
         "tarniw-import: Saved TemplateFile Open Failed !!!!\n"},
        {"absolute template name", "template --name " + base.Path("evil") + " Orders A B~1", "", "",
         "tarniw-import: Saved TemplateFile Open Failed !!!!\n"},
        {"saved file name leaving the store", "save-csv Orders ../../evil", "x\n", "",
         "tarniw-import: SavedFile Open Failed !!!!\n"},
        {"class naming the host's folder", "save-dot .. evil", "x\n", "",
         "tarniw-import: Directory could not be created\n"},
        {"write to a read-only file, also as root", "write ro.csv", "new\n", "",
         "tarniw-import: cannot write ro.csv: Permission denied\n"},
        {"write to a device", "write /dev/full", "new\n", "", "tarniw-import: cannot write /dev/full: not a regular file\n"},
        {"load a FIFO without writer", "load fifo", "", "timeout 10", "tarniw-import: cannot read fifo: not a regular file\n"},
        {"load a folder", "load FileValues", "", "", "tarniw-import: cannot read FileValues: Is a directory\n"},
        {"import a data line that is not CSV", "import Orders Template d.csv", "", "",
         "tarniw-import: Invalid Format:Not a CSV Format\nline 2: Invalid Format:Not a CSV Format: x\n"},
        {"import through a template line that is not CSV", "import Orders Bad d.csv", "", "",
         "tarniw-import: Invalid Format:Not a CSV Format\n"},
    };
#ifndef TARNIW_ADDRESS_SANITIZER // its allocator ends the program instead of throwing
    {
        std::string lines;
        for (int i = 1; i <= 5000; ++i)
            lines += std::to_string(i) + ",a\n";
        ASSERT_EQ(::truncate(base.Write("huge.csv", lines).c_str(), 64LL << 30), 0);
        cases.push_back({"import a huge file under a memory limit", "import Orders Template huge.csv", "",
                         "ulimit -v 1000000;", "tarniw-import: Out of memory: the operation was abandoned\n"});
    }
#endif
    // A file whose reads fail: /proc/self/mem is a regular file, and reading
    // the program's own memory at address 0 fails with an I/O error.
    if (ReadsOfProcMemFail()) {
        const CString identity = base.Path("Templates/Broken_Template/Template.csv");
        base.Write("Templates/Broken_Template/x", "");
        ::symlink("/proc/self/mem", identity.c_str());
        cases.push_back({"load a file that fails to read", "load /proc/self/mem", "", "",
                         "tarniw-import: cannot read /proc/self/mem: Input/output error\n"});
        cases.push_back({"import through an identity template that fails to read", "import Broken Template d.csv", "",
                         "", "tarniw-import: cannot read " + identity + ": Input/output error\n"});
    } else {
        std::printf("reads of /proc/self/mem do not fail here: the read error cases are left out\n");
    }
    ASSERT_EQ(Cli(base, "template Orders A B").status, 0);
    base.Write("Templates/Orders_Template/Bad.csv", "A,B,\nno comma\n");
    for (const Case &c : cases) {
        const CRun run = Cli(base, c.args, c.stdinText, c.prefix);
        EXPECT_EQ(run.out, c.out) << c.name;
        EXPECT_EQ(run.status, 1) << c.name;
    }
    for (const auto &entry : std::filesystem::recursive_directory_iterator(std::string(base.Dir())))
        EXPECT_EQ(entry.path().filename().string().find("evil"), std::string::npos) << entry.path();
}
