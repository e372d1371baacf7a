#include "platform/ui/CQtPrompts.h"

#include "platform/ui/DisplayText.h"

#include <QFile>
#include <QFileDialog>
#include <QMessageBox>

QStringList CQtPrompts::NameFilters(const CString &filter)
{
    QStringList filters;
    for (const auto &[name, pattern] : ParseDialogFilter(filter)) {
        QStringList patterns;
        for (const QString &p : QString::fromLocal8Bit(pattern.c_str()).split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const QString trimmed = p.trimmed();
            if (!trimmed.isEmpty() && !patterns.contains(trimmed))
                patterns << trimmed;
        }
        // Qt reads the patterns from the last parentheses of an entry.
        filters << ToDisplay(name) + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return filters;
}

bool CQtPrompts::DoFileDialog(const CFileDialogRequest &request, CFileDialogResult &result)
{
    QFileDialog dialog;
    dialog.setAcceptMode(request.bOpen ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(request.bOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (!(request.dwFlags & OFN_OVERWRITEPROMPT))
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    CString suffix = request.strDefExt;
    if (!suffix.IsEmpty() && suffix[0] == '.')
        suffix.erase(0, 1);
    dialog.setDefaultSuffix(QFile::decodeName(suffix.c_str()));
    const QStringList filters = NameFilters(request.strFilter);
    dialog.setNameFilters(filters);
    if (!request.strInitialDir.IsEmpty())
        dialog.setDirectory(QFile::decodeName(request.strInitialDir.c_str()));
    if (!request.strFileName.IsEmpty())
        dialog.selectFile(QFile::decodeName(request.strFileName.c_str()));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    const QByteArray path = QFile::encodeName(dialog.selectedFiles().constFirst());
    result.strPathName = CString(path.constData(), size_t(path.size()));
    result.nFilterIndex = int(filters.indexOf(dialog.selectedNameFilter())) + 1;
    return true;
}

void CQtPrompts::MessageBox(const CString &text)
{
    QMessageBox box(QMessageBox::NoIcon, QString(), ToDisplay(text), QMessageBox::Ok);
    box.exec();
}
