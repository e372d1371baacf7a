#include "platform/ui/CQtPrompts.h"

#include "platform/ui/DisplayText.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>

QStringList CQtPrompts::NameFilters(const CString &filter)
{
    QStringList filters;
    QStringList names;
    for (const auto &[name, pattern] : ParseDialogFilter(filter)) {
        QStringList patterns;
        for (const QString &p : QString::fromLocal8Bit(pattern.c_str()).split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const QString trimmed = p.trimmed();
            if (!trimmed.isEmpty() && !patterns.contains(trimmed))
                patterns << trimmed;
        }
        const QString shown = ToDisplay(name).simplified();
        QString unique = shown;
        for (int n = 2; names.contains(unique); ++n)
            unique = shown + QStringLiteral(" (%1)").arg(n);
        names << unique;
        // Qt reads the patterns from the last parentheses of an entry.
        filters << unique + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return filters;
}

int CQtPrompts::FilterIndex(const QStringList &filters, const QString &selected)
{
    for (int i = 0; i < filters.size(); ++i) {
        if (filters[i].simplified() == selected.simplified())
            return i + 1;
    }
    return 0;
}

bool CQtPrompts::DoFileDialog(const sFileDialogRequest &request, sFileDialogResult &result)
{
    QFileDialog dialog(QApplication::activeWindow());
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
    result.nFilterIndex = FilterIndex(filters, dialog.selectedNameFilter());
    return true;
}

void CQtPrompts::MessageBox(const CString &text)
{
    QMessageBox box(QMessageBox::NoIcon, QString(), ToDisplay(text), QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}
