#include "filterlist/ui/CInPlaceEdit.h"

#include "platform/ui/DisplayText.h"

#include <QLineEdit>
#include <QValidator>

namespace
{
// A field that does not scroll its text: typing and pasting stop once the
// text fills the field's width. A text that was already wider may still get
// narrower.
class CFitWidthValidator : public QValidator
{
public:
    explicit CFitWidthValidator(QLineEdit *pEdit)
        : QValidator(pEdit)
        , m_pEdit(pEdit)
    {
        connect(pEdit, &QLineEdit::textChanged, this, [this](const QString &strText) {
            m_strLast = strText;
        });
    }

    State validate(QString &input, int &) const override
    {
        // The line edit keeps a small margin on each side and a caret.
        constexpr int nMargins = 2 * 2 + 1;
        const QFontMetrics metrics(m_pEdit->font());
        const int nWidth = metrics.horizontalAdvance(input);
        const bool bFits = nWidth <= m_pEdit->contentsRect().width() - nMargins;
        return bFits || nWidth <= metrics.horizontalAdvance(m_strLast) ? Acceptable : Invalid;
    }

private:
    QLineEdit *m_pEdit;
    QString m_strLast; // the text before the change being validated
};
}

CInPlaceEdit &CInPlaceEdit::Instance()
{
    static auto *pInstance = new CInPlaceEdit;
    return *pInstance;
}

void CInPlaceEdit::Open(const QRect &rect, QWidget *pParent, int nItem, int nSubItem, const CString &strText)
{
    BeginEdit(nItem, nSubItem, strText);
    if (!Edit())
        CreateEditWindow(rect, pParent);
}

CString CInPlaceEdit::GetWindowText() const
{
    return FromDisplay(Edit()->text(), m_strStartText);
}

QLineEdit *CInPlaceEdit::Edit() const
{
    return static_cast<QLineEdit *>(GetWindow());
}

void CInPlaceEdit::CreateEditWindow(const QRect &rect, QWidget *pParent)
{
    auto *pEdit = new QLineEdit(pParent);
    AttachWindow(pEdit);
    pEdit->setFrame(false);
    pEdit->setGeometry(rect);
    pEdit->setValidator(new CFitWidthValidator(pEdit));
    pEdit->show();
    pEdit->setText(ToDisplay(m_strStartText));
    pEdit->selectAll();
    pEdit->setFocus(Qt::OtherFocusReason);
}
