// The window of the Template dialog: the controls of dialog 130 laid out in
// dialog units of the dialog's font. It holds no state of its own; the two
// lists show the rows of the template model and the buttons report their
// control ids.
#ifndef TARNIW_WIZARD_CTEMPLATEDIALOG_H
#define TARNIW_WIZARD_CTEMPLATEDIALOG_H

#include <QDialog>

#include <map>

class CComboListCtrl;
class CReportRows;
class CTemplateDlg;
class ICellEditOwner;
class QCheckBox;
class QPushButton;

class CTemplateDialog : public QDialog
{
    Q_OBJECT

public:
    // A hidden dialog without parent whose lists show dlg's rows and ask
    // pOwner about cell edits.
    CTemplateDialog(CTemplateDlg &dlg, ICellEditOwner *pOwner);

    CComboListCtrl *FileValuesList() const { return m_pFileValues; }
    CComboListCtrl *ConstantsList() const { return m_pConstants; }
    // The push button with the control id, null for none.
    QPushButton *Button(int nId) const;
    // The check boxes of the file format switches (IDC_QUOTED_VALUES,
    // IDC_HEADER_LINE), null for another id.
    QCheckBox *CheckBox(int nId) const;
    // Shows the model's switches in the check boxes.
    void ShowFileFormat();

Q_SIGNALS:
    // One of the command buttons Browse, SaveFile, Load, Save, Continue.
    void commandClicked(int nId);

protected:
    void keyPressEvent(QKeyEvent *pEvent) override;

private:
    CComboListCtrl *CreateList(CReportRows &rows, int nId, const char *pszFirst, const char *pszSecond, int nWidth,
                               ICellEditOwner *pOwner);
    void CreateGroupBox(const char *pszTitle);
    QPushButton *CreateButton(int nId, const char *pszText);
    void CreateCommandButton(int nId, const char *pszText);
    QCheckBox *CreateCheckBox(int nId, const char *pszText);

    CComboListCtrl *m_pFileValues = nullptr;
    CComboListCtrl *m_pConstants = nullptr;
    std::map<int, QPushButton *> m_buttons;
    CTemplateDlg &m_dlg;
    QCheckBox *m_pQuotedValues = nullptr;
    QCheckBox *m_pHeaderLine = nullptr;
};

#endif
