// tarniw-screenshots: renders the pictures of docs/screenshots offscreen.
//
// Each picture is one function below and one line in Shots(); a new dialog
// gets its picture by adding both. The Template dialog pictures drive the
// window on a template model of their own, with scripted file dialogs, in a
// temporary base folder; the demo window loads the module like the demo.
#include "CDemoWindow.h"
#include "filevalues/core/ValidationRun.h"
#include "filevalues/ui/CValidationDlg.h"
#include "filterlist/ui/CFilterHeader.h"
#include "filterlist/ui/CFilterText.h"
#include "filterlist/ui/CComboListCtrl.h"
#include "filterlist/ui/CInPlaceCombo.h"
#include "listctrl/ui/CCommonListCtrl.h"
#include "filterlist/ui/CReposition.h"
#include "platform/core/FileSystem.h"
#include "platform/core/Prompts.h"
#include "tarniw/TarnIW.h"
#include "resources/core/Resource.h"
#include "wizard/core/CTemplateDlg.h"
#include "wizard/ui/CTemplateDialog.h"
#include "wizard/ui/CTemplateDlgWindow.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>
#include <vector>

namespace
{
const QString kSamples = QStringLiteral(TARNIW_SAMPLES_DIR);

// What the shots share: a base folder, file dialog answers, a template
// model with its window, and the demo host's window.
struct CShotContext
{
    CShotContext()
        : demo(kSamples)
    {
        SetHostExecutablePath(CString(base.filePath("host").toStdString()));
        SetPrompts(&prompts);
        dlg.SetClassName("Orders");
        dlg.SetFields(DemoClasses().front().FieldNames());
        dlg.SetHost(&demo.Host());
        demo.Host().SetClass(DemoClasses().front());
    }
    ~CShotContext() { SetPrompts(nullptr); }

    CTemplateDialog *ShowTemplate()
    {
        dlg.ShowDialog(&demo.Host());
        return window.Dialog();
    }
    void Browse(const char *pszSample)
    {
        prompts.QueueAnswer(CString((kSamples + "/" + pszSample).toStdString()));
        window.Dialog()->Button(IDC_BROWSE)->click();
    }
    void MapFirstColumns(int nCount)
    {
        for (int c = 0; c < nCount; ++c)
            dlg.AssignFieldToColumn(c, 1, dlg.m_arrFields[size_t(c)]);
    }

    QTemporaryDir base;
    CScriptedPrompts prompts;
    CTemplateDlg dlg;
    CTemplateDlgWindow window{dlg};
    CDemoWindow demo;
};

void Settle()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

// The window with the popups that lie over it (a combo's drop-down list).
QImage Grab(QWidget *pWindow)
{
    Settle();
    QPixmap pixmap = pWindow->grab();
    QPainter painter(&pixmap);
    for (QWidget *pPopup : QApplication::topLevelWidgets()) {
        if (pPopup != pWindow && pPopup->isVisible() && pPopup->windowType() == Qt::Popup)
            painter.drawPixmap(pWindow->mapFromGlobal(pPopup->mapToGlobal(QPoint(0, 0))), pPopup->grab());
    }
    painter.end();
    return pixmap.toImage();
}

void ClickCell(QAbstractItemView *pList, int nRow, int nColumn)
{
    const QRect cell = pList->visualRect(pList->model()->index(nRow, nColumn));
    const QPointF pt = cell.center();
    const QPointF global = pList->viewport()->mapToGlobal(pt);
    QMouseEvent press(QEvent::MouseButtonPress, pt, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(pList->viewport(), &press);
    QMouseEvent release(QEvent::MouseButtonRelease, pt, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(pList->viewport(), &release);
}

QImage TemplateEmpty(CShotContext &ctx)
{
    return Grab(ctx.ShowTemplate());
}

QImage TemplateAfterBrowse(CShotContext &ctx)
{
    CTemplateDialog *pDlg = ctx.ShowTemplate();
    ctx.Browse("demo-orders.csv");
    ctx.MapFirstColumns(2);
    return Grab(pDlg);
}

QImage TemplateComboOpen(CShotContext &ctx)
{
    CTemplateDialog *pDlg = ctx.ShowTemplate();
    ctx.Browse("demo-orders.csv");
    ctx.MapFirstColumns(2);
    ClickCell(pDlg->FileValuesList(), 2, 1);
    if (auto *pCombo = qobject_cast<QComboBox *>(CInPlaceCombo::Instance().GetWindow()))
        pCombo->showPopup();
    const QImage image = Grab(pDlg);
    pDlg->FileValuesList()->setFocus();
    return image;
}

QImage TemplateHeaderLine(CShotContext &ctx)
{
    // A spreadsheet export read with both file format switches: the names
    // of its first line map the columns to the Customers fields.
    const sDemoClass &customers = DemoClasses().at(2);
    ctx.dlg.SetClassName(customers.pszName);
    ctx.dlg.SetFields(customers.FieldNames());
    ctx.demo.Host().SetClass(customers);
    CTemplateDialog *pDlg = ctx.ShowTemplate();
    pDlg->CheckBox(IDC_QUOTED_VALUES)->click();
    pDlg->CheckBox(IDC_HEADER_LINE)->click();
    ctx.Browse("customers-export.csv");
    return Grab(pDlg);
}

QImage DemoWindow(CShotContext &ctx)
{
    // The whole road into the demo host's log: a direct load of Latin-1
    // values, then a conversion of the orders with one bad amount.
    ctx.demo.show();
    ctx.demo.Log(QStringLiteral("> Load_CSV_File_Directly_From_FileName"));
    Load_CSV_File_Directly_From_FileName(&ctx.demo.Host(), (kSamples + "/latin1-contacts.csv").toStdString(),
                                         "Contacts");
    ctx.demo.Log(QStringLiteral("> InvokeTemplateDlg, Browse, map, Continue"));
    ctx.ShowTemplate();
    ctx.Browse("demo-orders.csv");
    ctx.MapFirstColumns(4);
    ctx.window.Dialog()->Button(IDC_CONTINUE)->click();
    return Grab(&ctx.demo);
}

QImage RepositionColumns(CShotContext &)
{
    // An order list with two columns hidden and Customer dragged to the
    // front, as its header menu's "Reposition Columns" shows it.
    QDialog owner;
    auto *pList = new CCommonListCtrl;
    pList->Create(&owner, IDC_RESULT_LIST);
    pList->m_strProfileName = "Orders List";
    const char *names[] = {"Line", "Status", "OrderNo", "Customer", "Amount", "Currency", "Error"};
    const int positions[] = {-1, 0, 1, 2, 3, 4, -1};
    for (int d = 0; d < 7; ++d) {
        pList->m_mapColIndex[names[d]] = d;
        pList->m_aColInfo.Add(MakeColInfo(names[d], 90));
        pList->m_aDefaultColPos.Add(positions[d]);
    }
    pList->m_aFixedCols.Add("OrderNo");
    pList->BuildColumns();
    pList->GetHeaderCtrl()->moveSection(2, 0);
    CReposition reposition;
    pList->OnCommand(IDM_REPOSITION_COLUMNS);
    return Grab(reposition.GetDialog());
}

// Continue, and the records handed over as the host's verdicts show them in
// the Validation dialog.
CFilterListCtrl *ContinueAndValidate(CShotContext &ctx, CValidationDlg &dlg)
{
    ctx.window.Dialog()->Button(IDC_CONTINUE)->click();
    const sConversionState state{ctx.dlg.m_nLastLine, ctx.dlg.m_arrErrorLines, ctx.dlg.m_strErrors,
                                 ctx.dlg.m_arrFields};
    CDemoHost &host = ctx.demo.Host();
    dlg.ShowResult(ValidateRecords(host.LastRecords(), &host.Verdicts(), state), &host);
    return dlg.ResultList();
}

// The orders converted with one bad amount.
CFilterListCtrl *ShowValidation(CShotContext &ctx, CValidationDlg &dlg)
{
    ctx.ShowTemplate();
    ctx.Browse("demo-orders.csv");
    ctx.MapFirstColumns(4);
    return ContinueAndValidate(ctx, dlg);
}

QImage ValidationDialog(CShotContext &ctx)
{
    CValidationDlg dlg;
    ShowValidation(ctx, dlg);
    return Grab(dlg.GetWindow());
}

QImage ValidationShortLine(CShotContext &ctx)
{
    // orders.csv, whose line 4 lacks its quantity: the line is skipped and
    // shown as an error row, and every other row keeps its own record.
    ctx.ShowTemplate();
    ctx.Browse("orders.csv");
    ctx.dlg.AssignFieldToColumn(0, 1, "OrderNo");
    ctx.dlg.AssignFieldToColumn(1, 1, "Customer");
    ctx.dlg.AssignFieldToColumn(4, 1, "Amount");
    ctx.dlg.OnCellEditDone(CTemplateDlg::IDC_CONSTANTS, 0, 1, "EUR");
    CValidationDlg dlg;
    ContinueAndValidate(ctx, dlg);
    return Grab(dlg.GetWindow());
}

QImage ValidationFilterPopup(CShotContext &ctx)
{
    // Ctrl+F shows the filter bar; the button of the customer column offers
    // the column's values.
    CValidationDlg dlg;
    CFilterListCtrl *pList = ShowValidation(ctx, dlg);
    pList->ToggleFilterBar();
    CFilterText popup;
    popup.Open(pList, 3);
    QHeaderView *pHeader = pList->GetHeaderCtrl();
    const QPoint at(pHeader->sectionViewportPosition(3), pHeader->height());
    popup.GetWindow()->move(pHeader->mapToGlobal(at));
    popup.ValueList()->item(1)->setSelected(true);
    return Grab(dlg.GetWindow());
}

QImage ValidationFiltered(CShotContext &ctx)
{
    CValidationDlg dlg;
    CFilterListCtrl *pList = ShowValidation(ctx, dlg);
    pList->ToggleFilterBar();
    pList->SetFilterText(0, "Error");
    pList->ApplyFilters();
    pList->setFocus();
    return Grab(dlg.GetWindow());
}

struct sShot
{
    const char *pszFile;
    std::function<QImage(CShotContext &)> take;
};

std::vector<sShot> Shots()
{
    return {
        {"template-empty.png", TemplateEmpty},
        {"template-browse.png", TemplateAfterBrowse},
        {"template-combo.png", TemplateComboOpen},
        {"template-header-line.png", TemplateHeaderLine},
        {"demo-window.png", DemoWindow},
        {"reposition-columns.png", RepositionColumns},
        {"validation-dialog.png", ValidationDialog},
        {"validation-short-line.png", ValidationShortLine},
        {"validation-filter-popup.png", ValidationFilterPopup},
        {"validation-filtered.png", ValidationFiltered},
    };
}
}

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const QString outDir = args.value(0, QStringLiteral("docs/screenshots"));
    QDir().mkpath(outDir);
    int nFailed = 0;
    for (const sShot &shot : Shots()) {
        if (args.size() > 1 && !args.mid(1).contains(QString::fromLatin1(shot.pszFile)))
            continue;
        // Each shot starts from nothing: its own folder, model and windows.
        CShotContext ctx;
        const QString path = outDir + "/" + QString::fromLatin1(shot.pszFile);
        const bool bSaved = shot.take(ctx).save(path);
        std::printf("%s %s\n", bSaved ? "wrote" : "FAILED", qPrintable(path));
        nFailed += bSaved ? 0 : 1;
    }
    return nFailed ? 1 : 0;
}
