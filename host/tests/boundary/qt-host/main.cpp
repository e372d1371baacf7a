// A Qt host built against an installed TarnIW: it shows the Template dialog
// for its class "Orders" and closes it again, as the user would.
#include <tarniw/PreTranslateFilter.h>
#include <tarniw/TarnIW.h>

#include <QApplication>
#include <QWidget>

#include <cstdio>

namespace {
// This host takes no records: the dialog is closed before any conversion.
class CNoRecordsHost : public tarniw::CImportHost
{
public:
    tarniw::BOOL AcceptRecord(int, tarniw::CRecordMap *) override { return 0; }
    void ReportLineError(int, tarniw::CString, tarniw::CString) override {}
    tarniw::BOOL AcceptLineValues(tarniw::CStringArray *) override { return 0; }
    void AcceptRecords(tarniw::CString) override {}
};

QWidget *ShownTemplateDialog()
{
    for (QWidget *pWindow : QApplication::topLevelWidgets()) {
        if (pWindow->isVisible() && pWindow->windowTitle() == QLatin1String("Template"))
            return pWindow;
    }
    return nullptr;
}
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    tarniw::CPreTranslateFilter filter;
    app.installEventFilter(&filter);

    CNoRecordsHost host;
    tarniw::CStringArray fields{"OrderNo", "Customer", "Amount"};
    InvokeTemplateDlg(&host, &fields, "Orders");
    QWidget *pDialog = ShownTemplateDialog();
    if (!pDialog) {
        std::fprintf(stderr, "qt-host: the Template dialog is not shown\n");
        return 1;
    }
    pDialog->close();
    QApplication::processEvents();
    if (ShownTemplateDialog()) {
        std::fprintf(stderr, "qt-host: the Template dialog did not close\n");
        return 1;
    }
    std::printf("qt-host: Template dialog opened and closed\n");
    return 0;
}
