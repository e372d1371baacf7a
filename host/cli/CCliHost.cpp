#include "host/cli/CCliHost.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr size_t kFlushSize = 1 << 20;
}

BOOL CCliHost::AcceptRecord(int nLine, CRecordMap *pRecord)
{
    m_outBuffer += std::to_string(nLine) + ":";
    for (const auto &[field, value] : *pRecord)
        m_outBuffer.append(" ").append(field).append("=").append(value);
    m_outBuffer.push_back('\n');
    if (m_outBuffer.size() >= kFlushSize)
        Write(m_out, m_outBuffer);
    return TRUE;
}

void CCliHost::ReportLineError(int nLine, CString strLine, CString strMessage)
{
    m_errBuffer.append("line ").append(std::to_string(nLine)).append(": ").append(strMessage).append(": ")
        .append(strLine).push_back('\n');
    if (m_errBuffer.size() >= kFlushSize)
        Write(m_err, m_errBuffer);
}

BOOL CCliHost::AcceptLineValues(CStringArray *pValues)
{
    // The line in one piece: its length first, then the bytes.
    size_t nLength = pValues->size();
    for (const CString &value : *pValues)
        nLength += value.size();
    size_t nAt = m_outBuffer.size();
    m_outBuffer.resize(nAt + std::max<size_t>(nLength, 1));
    for (size_t i = 0; i < pValues->size(); ++i) {
        if (i)
            m_outBuffer[nAt++] = ',';
        std::memcpy(&m_outBuffer[nAt], (*pValues)[i].data(), (*pValues)[i].size());
        nAt += (*pValues)[i].size();
    }
    m_outBuffer[nAt] = '\n';
    if (m_outBuffer.size() >= kFlushSize)
        Write(m_out, m_outBuffer);
    return TRUE;
}

void CCliHost::AcceptRecords(CString strRecords)
{
    // Problems reported while converting come first; the text in one write.
    Flush();
    std::fwrite(strRecords.data(), 1, strRecords.size(), m_out);
    std::fflush(m_out);
}

void CCliHost::Flush()
{
    Write(m_err, m_errBuffer);
    Write(m_out, m_outBuffer);
}

void CCliHost::Write(std::FILE *file, std::string &buffer)
{
    if (!buffer.empty())
        std::fwrite(buffer.data(), 1, buffer.size(), file);
    std::fflush(file);
    buffer.clear();
}
