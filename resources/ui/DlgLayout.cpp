#include "resources/ui/DlgLayout.h"

#include "resources/ui/DlgCtrlId.h"

#include <QDialog>
#include <QFontMetrics>
#include <QPushButton>
#include <QVariant>

namespace {

// The template control a widget stands for: by id, and among controls that
// share the id by the widget's text.
const sDlgControl *MatchControl(const sDlgTemplate &tmpl, int nId, const QWidget *pWidget)
{
    for (const char *pszProperty : {"text", "title"}) {
        const QVariant text = pWidget->property(pszProperty);
        if (text.isValid()) {
            if (const sDlgControl *pCtrl = tmpl.FindControl(nId, text.toString().toUtf8().constData()))
                return pCtrl;
        }
    }
    return tmpl.FindControl(nId);
}

void PlaceControl(QWidget *pWidget, const sDlgControl &ctrl, const sDlgBaseUnits &base)
{
    pWidget->setGeometry(DlgRectToPixels(ctrl.rc, base));
    if (ctrl.Has(DLGS_HIDDEN))
        pWidget->hide();
    if (ctrl.Has(DLGS_DEFAULT)) {
        if (auto *pButton = qobject_cast<QPushButton *>(pWidget))
            pButton->setDefault(true);
    }
}

void PlaceMatching(const sDlgTemplate &tmpl, int nId, QWidget *pWidget, const sDlgBaseUnits &base)
{
    if (const sDlgControl *pCtrl = MatchControl(tmpl, nId, pWidget))
        PlaceControl(pWidget, *pCtrl, base);
}

} // namespace

sDlgBaseUnits DlgBaseUnits(const QFont &font)
{
    static const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const QFontMetrics metrics(font);
    return {(metrics.horizontalAdvance(alphabet) + 26) / 52, metrics.height()};
}

QRect DlgRectToPixels(const sRect &rcDlu, const sDlgBaseUnits &base)
{
    const sRect rc = MapDialogRect(rcDlu, base);
    return QRect(rc.x, rc.y, rc.cx, rc.cy);
}

QFont DlgFont(const sDlgTemplate &tmpl)
{
    QFont font(QString::fromLatin1(tmpl.pszFont), tmpl.nPointSize);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

Qt::WindowFlags DlgWindowFlags(const sDlgTemplate &tmpl)
{
    if (!tmpl.Has(DLGW_CAPTION))
        return Qt::Popup | Qt::FramelessWindowHint;
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (tmpl.Has(DLGW_SYSMENU))
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (tmpl.Has(DLGW_MINMAXBOX))
        flags |= Qt::WindowMinMaxButtonsHint;
    // A dialog of fixed size offers no maximise button, whatever the window
    // system would add for a dialog frame.
    if (!tmpl.Has(DLGW_RESIZABLE))
        flags = (flags | Qt::MSWindowsFixedSizeDialogHint) & ~Qt::WindowMaximizeButtonHint;
    return flags;
}

void ApplyDlgTemplate(QDialog *pDlg, const sDlgTemplate &tmpl)
{
    pDlg->setFont(DlgFont(tmpl));
    pDlg->setWindowTitle(QString::fromLatin1(tmpl.pszCaption));
    // Changing the flags of a shown window hides it; a second call for a new
    // font must not do that.
    const Qt::WindowFlags flags = DlgWindowFlags(tmpl);
    if (pDlg->windowFlags() != flags)
        pDlg->setWindowFlags(flags);

    const QSize size = DlgRectToPixels({0, 0, tmpl.cx, tmpl.cy}, DlgBaseUnits(pDlg->font())).size();
    if (tmpl.Has(DLGW_RESIZABLE))
        pDlg->resize(size);
    else
        pDlg->setFixedSize(size);
    PlaceDlgControls(pDlg, tmpl);
}

void PlaceDlgControls(QWidget *pDlg, const sDlgTemplate &tmpl)
{
    const sDlgBaseUnits base = DlgBaseUnits(pDlg->font());
    for (QWidget *pChild : pDlg->findChildren<QWidget *>()) {
        const QVariant id = pChild->property(kDlgIdProperty);
        if (id.isValid())
            PlaceMatching(tmpl, id.toInt(), pChild, base);
    }
}
