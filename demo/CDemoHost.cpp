#include "CDemoHost.h"

#include <QStringDecoder>
#include <QStringList>

QString CDemoHost::Show(const CString &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
    return utf8.hasError() ? QString::fromLatin1(bytes.data(), qsizetype(bytes.size())) : text;
}

BOOL CDemoHost::AcceptRecord(int nLine, CRecordMap *pRecord)
{
    QStringList values;
    for (const auto &[field, value] : *pRecord)
        values << Show(field) + "=" + Show(value);
    m_log(QStringLiteral("AcceptRecord(line %1): %2").arg(nLine).arg(values.join(", ")));
    return TRUE;
}

void CDemoHost::ReportLineError(int nLine, CString strLine, CString strMessage)
{
    m_log(QStringLiteral("ReportLineError(line %1, \"%2\"): %3").arg(nLine).arg(Show(strLine), Show(strMessage)));
}

BOOL CDemoHost::AcceptLineValues(CStringArray *pValues)
{
    QStringList values;
    for (const CString &value : *pValues)
        values << "[" + Show(value) + "]";
    m_log(QStringLiteral("AcceptLineValues: %1").arg(values.join(' ')));
    return TRUE;
}

void CDemoHost::AcceptRecords(CString strRecords)
{
    m_strLastRecords = strRecords;
    m_verdicts = m_pClass ? JudgeRecords(strRecords, *m_pClass) : CVerdictMap();
    // Quoted values may hold commas and line breaks: each is shown in brackets.
    const bool bQuoted = m_pClass && m_pClass->bQuotedRecords;
    const auto records = ReadRecords(strRecords, bQuoted);
    m_log(QStringLiteral("AcceptRecords: %1 records, %2 judged wrong").arg(records.size()).arg(m_verdicts.GetCount()));
    for (size_t i = 0; i < records.size(); ++i) {
        QString line;
        for (const CString &value : records[i])
            line += bQuoted ? "[" + Show(value) + "]" : Show(value) + ",";
        CString verdict;
        m_verdicts.Lookup(int(i) + 1, verdict);
        m_log(QStringLiteral("    %1  %2").arg(line, verdict.IsEmpty() ? QStringLiteral("ok") : Show(verdict)));
    }
}
