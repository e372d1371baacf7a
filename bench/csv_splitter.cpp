// The comparison splitter of CsvSplitter.h as a program, for bench/run.sh:
//
//   csv_splitter [--in-memory] --values N FILE PIECE...
//
// A PIECE is a column number (1 for the first) or =TEXT for a constant; the
// records go to standard output, each piece followed by ",", then the line
// number and ",". N is the number of values a line should hold. With
// --in-memory the whole records text is built first and written in one go,
// as the module hands it to its host; otherwise it is written as it grows.
#include "CsvSplitter.h"

#include <cstdio>
#include <cstring>
#include <string>

int main(int argc, char **argv)
{
    bool bInMemory = false;
    int i = 1;
    if (i < argc && std::strcmp(argv[i], "--in-memory") == 0) {
        bInMemory = true;
        ++i;
    }
    splitter::Plan plan;
    if (i + 2 >= argc || std::strcmp(argv[i], "--values") != 0) {
        std::fputs("usage: csv_splitter [--in-memory] --values N FILE PIECE...\n", stderr);
        return 2;
    }
    plan.nExpected = size_t(std::atoi(argv[i + 1]));
    const char *path = argv[i + 2];
    for (i += 3; i < argc; ++i) {
        if (argv[i][0] == '=') {
            if (plan.columns.empty()) {
                plan.columns.push_back(-1);
                plan.after.emplace_back();
            }
            plan.after.back() += std::string(argv[i] + 1) + ",";
        } else {
            plan.columns.push_back(std::atoi(argv[i]) - 1);
            plan.after.emplace_back();
            plan.nHighest = std::max(plan.nHighest, plan.columns.back());
        }
    }
    std::FILE *pFile = std::fopen(path, "rb");
    if (!pFile) {
        std::perror(path);
        return 1;
    }
    splitter::Output out(bInMemory ? nullptr : stdout);
    splitter::Splitter split(plan, out);
    const bool bRead = split.Run(pFile);
    std::fclose(pFile);
    if (bInMemory)
        std::fwrite(out.Text().data(), 1, out.Text().size(), stdout);
    else
        out.Flush();
    if (!bRead) {
        std::perror(path);
        return 1;
    }
    if (split.ShortLines())
        std::fprintf(stderr, "%zu short lines skipped\n", split.ShortLines());
    return 0;
}
