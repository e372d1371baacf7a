#include "filevalues/core/RecordConversion.h"

#include "filevalues/core/RecordsText.h"
#include "platform/core/Prompts.h"

#include <algorithm>
#include <cstring>

const char *const kValuesLesser = "File Values are lesser than the Field Values";
const char *const kValuesMore = "File Values are more than the Field Values";
const char *const kValuesLesserMapped = "File Values are lesser than the mapped File Columns";
const char *const kNotSelectedFormat = "%s is not selected in Template";

namespace {
constexpr int kProgressLines = 4096;

// Copies are 16 bytes at a time where the text is short: the bytes after a
// value are the reader's (CLineReader::kPadding), those after a fixed text
// are padding of the maker's own, and the room has 16 bytes to spare.
constexpr size_t kWideCopy = 16;
static_assert(CLineReader::kPadding >= kWideCopy, "a value's copy may read 16 bytes past it");

char *Copy(char *p, const char *pText, size_t nLength)
{
    if (nLength <= kWideCopy)
        std::memcpy(p, pText, kWideCopy); // one load and one store
    else
        std::memcpy(p, pText, nLength);
    return p + nLength;
}

// Writes the records of a plan straight into the records text.
class CRecordMaker
{
public:
    explicit CRecordMaker(const CRecordPlan &plan)
        : m_bLineNumbers(plan.bLineNumbers)
    {
        std::vector<int> columns;
        for (const CRecordPlan::CPiece &piece : plan.pieces) {
            m_steps.push_back({piece.nColumn, m_fixed.size(), piece.strAfter.size()});
            m_fixed += piece.strAfter;
            if (piece.nColumn >= 0)
                columns.push_back(piece.nColumn);
        }
        m_nFixedRoom = m_fixed.size() + columns.size() + CLineNumberText::kRoom + 1 + kWideCopy;
        m_fixed.append(kWideCopy, '\0');
        // Two fields of one name take the same column: the line's text
        // bounds the values of a record that many times.
        std::sort(columns.begin(), columns.end());
        for (size_t i = 0, nRun = 1; i < columns.size(); ++i) {
            nRun = i > 0 && columns[i] == columns[i - 1] ? nRun + 1 : 1;
            m_nLineCopies = std::max(m_nLineCopies, nRun);
        }
    }

    // The line's record, written into the writer's room.
    void Write(CRecordsWriter &writer, const CCsvLine &line)
    {
        char *p = writer.Room(line.text.size() * m_nLineCopies + m_nFixedRoom);
        for (const CStep &step : m_steps) {
            if (step.nColumn >= 0) {
                const std::string_view value = line[size_t(step.nColumn)];
                p = Copy(p, value.data(), value.size());
                *p++ = ',';
            }
            if (step.nAfterLength)
                p = Copy(p, m_fixed.data() + step.nAfter, step.nAfterLength);
        }
        if (m_bLineNumbers) {
            m_number.Set(line.nLine);
            p = m_number.Write(p);
        }
        *p++ = '\n';
        writer.Commit(p);
    }

private:
    struct CStep
    {
        int nColumn;
        size_t nAfter;
        size_t nAfterLength;
    };
    std::vector<CStep> m_steps;
    std::string m_fixed; // the constants of every step, then padding
    size_t m_nFixedRoom = 0;
    size_t m_nLineCopies = 1;
    bool m_bLineNumbers;
    CLineNumberText m_number;
};

// A line short of the values a record needs has its report; else null.
const char *ShortLineReport(const CRecordPlan &plan, size_t nValues)
{
    if (nValues < plan.nExpected)
        return kValuesLesser;
    // A later line shorter than the columns that feed fields would give a
    // record without a value; it is skipped like a short line, with this
    // one report even when it holds more values than fields.
    return plan.nHighestColumn >= int(nValues) ? kValuesLesserMapped : nullptr;
}
}

void CRecordPlan::AddColumn(int nColumn)
{
    pieces.push_back({nColumn, CString()});
    nHighestColumn = std::max(nHighestColumn, nColumn);
}

void CRecordPlan::AddConstant(const CString &value)
{
    if (pieces.empty())
        pieces.emplace_back();
    pieces.back().strAfter.append(value).push_back(',');
}

CRecordPlan PlanFieldRecords(const CConversionInput &input)
{
    CRecordPlan plan;
    plan.nExpected = input.arrFields.size();
    plan.bLineNumbers = input.bWithLineNumbers;
    const CReportRows &constants = input.lstConstants;
    bool bFieldWithoutColumn = false;
    for (const CString &field : input.arrFields) {
        const auto column = std::find(input.arrColumnFields.begin(), input.arrColumnFields.end(), field);
        if (column != input.arrColumnFields.end()) {
            plan.AddColumn(int(column - input.arrColumnFields.begin()));
            continue;
        }
        bFieldWithoutColumn = true;
        for (int r = 0; r < constants.GetItemCount(); ++r) {
            if (constants.GetItemText(r, 0) == field) {
                plan.AddConstant(constants.GetItemText(r, 1));
                break;
            }
        }
    }
    for (int r = 0; bFieldWithoutColumn && r < constants.GetItemCount() && !plan.bMissingConstant; ++r) {
        if (constants.GetItemText(r, 1).IsEmpty()) {
            plan.bMissingConstant = true;
            plan.strMissingConstant = constants.GetItemText(r, 0);
        }
    }
    return plan;
}

void RememberSkippedLine(CConversionBookkeeping &keep, int nLine, std::string_view line)
{
    keep.arrErrorLines.Add(nLine);
    keep.strErrors.append(line).push_back('\n');
}

eConversion ConvertRecordLines(CLineReader &reader, const CRecordPlan &plan, CImportHost *pHost,
                               CConversionBookkeeping &keep, CString &records, const ConversionProgress &progress)
{
    CRecordsWriter writer(records);
    CRecordMaker maker(plan);
    CCsvLine line;
    line.nKeep = size_t(plan.nHighestColumn + 1);
    for (;;) {
        const eCsvLine read = ReadCsvLine(reader, pHost, line);
        if (read == eCsvLine::End)
            return eConversion::Converted;
        if (read == eCsvLine::NotCsv || read == eCsvLine::ReadFailed) {
            writer.Discard();
            return read == eCsvLine::NotCsv ? eConversion::Abandoned : eConversion::ReadFailed;
        }
        if (line.nLine % kProgressLines == 0) {
            if (progress)
                progress(reader.BytesRead(), reader.FileSize());
            if (line.nLine == CRecordsWriter::kSampleLines)
                writer.ReserveForWholeFile(line.nLine, reader.BytesRead(), reader.FileSize());
        }
        if (read == eCsvLine::TooLong) {
            RememberSkippedLine(keep, line.nLine, line.text);
            continue;
        }
        if (const char *pszShort = ShortLineReport(plan, line.nValues)) {
            ReportLine(pHost, line.nLine, line.text, pszShort);
            RememberSkippedLine(keep, line.nLine, line.text);
            continue;
        }
        if (line.nValues > plan.nExpected)
            ReportLine(pHost, line.nLine, line.text, kValuesMore);
        if (plan.bMissingConstant) {
            CString message;
            message.Format(kNotSelectedFormat, plan.strMissingConstant.c_str());
            AfxMessageBox(message);
            writer.Discard();
            return eConversion::Abandoned;
        }
        maker.Write(writer, line);
        keep.nLastLine = line.nLine;
    }
}
