// tarniw-import as the team's README runs it.
#include "TempBase.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sys/wait.h>

namespace {
struct CRun {
    std::string out;
    int status;
};

CRun Cli(const CTempBase &base, const std::string &args, const std::string &stdinText = std::string())
{
    const std::string input = base.Write("stdin.txt", stdinText);
    const std::string command =
        "'" TARNIW_IMPORT_PATH "' --base '" + base.Dir() + "' " + args + " <'" + input + "' 2>&1";
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
        {"write out.csv", "p,q\n", "", 0},
        {"template a/b A", "", "tarniw-import: Directory could not be created\n", 1},
        {"clear-files --all", "", "", 0},
        {"clear-templates Orders", "", "", 0},
        {"bogus", "", "", 2},
    };
    CTempBase base;
    base.Write("data.csv", data);
    for (const Step &step : steps) {
        const std::string args = step.args;
        std::string withPaths = args;
        const size_t pos = withPaths.find("data.csv");
        if (pos != std::string::npos)
            withPaths.replace(pos, 8, base.Path("data.csv"));
        const size_t outPos = withPaths.find("out.csv");
        if (outPos != std::string::npos)
            withPaths.replace(outPos, 7, base.Path("out.csv"));
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
