// Browse of a file whose first line has 5,000 columns, into the shown
// Template dialog: reading the line, filling both lists with a row per
// column and letting the window lay out and paint them.
#include "platform/core/FileSystem.h"
#include "platform/core/Prompts.h"
#include "wizard/core/CTemplateDlg.h"
#include "wizard/ui/CTemplateDialog.h"
#include "wizard/ui/CTemplateDlgWindow.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>

#include <fstream>
#include <string>

namespace
{
QApplication &App()
{
    static int argc = 1;
    static char name[] = "templatedlg_bench";
    static char *argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    return app;
}

void BM_BrowseWideFirstLine(benchmark::State &state)
{
    App();
    QTemporaryDir base;
    SetHostExecutablePath(CString(base.filePath("host").toStdString()));
    const std::string path = base.filePath("wide.csv").toStdString();
    {
        std::ofstream out(path, std::ios::binary);
        for (int c = 0; c < state.range(0); ++c)
            out << "column" << c << ',';
        out << "\n1,2,3\n";
    }
    CScriptedPrompts prompts;
    SetPrompts(&prompts);
    CTemplateDlg dlg;
    CTemplateDlgWindow window(dlg);
    dlg.SetClassName("Bench");
    dlg.SetFields({"OrderNo", "Customer", "Amount", "Currency"});
    dlg.ShowDialog(nullptr);
    QCoreApplication::processEvents();

    for (auto _ : state) {
        prompts.QueueAnswer(CString(path));
        window.OnCommand(1004); // Browse
        window.Dialog()->repaint();
        QCoreApplication::processEvents();
    }
    state.counters["rows"] = dlg.m_lstFileValues.GetItemCount();
    SetPrompts(nullptr);
    SetHostExecutablePath(CString());
}
}

BENCHMARK(BM_BrowseWideFirstLine)->Arg(5000)->Unit(benchmark::kMillisecond);
