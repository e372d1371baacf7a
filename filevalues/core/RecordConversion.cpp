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

char *Copy(char *p, std::string_view text)
{
    std::memcpy(p, text.data(), text.size());
    return p + text.size();
}

// The line's record, written at p; returns its end. The room before it
// holds the line's text, the plan's fixed text and kLineNumberRoom more.
char *WriteRecord(char *p, const CRecordPlan &plan, const CCsvLine &line)
{
    for (const CRecordPlan::CPiece &piece : plan.pieces) {
        if (piece.nColumn >= 0) {
            p = Copy(p, line.values[size_t(piece.nColumn)]);
            *p++ = ',';
        }
        p = Copy(p, piece.strAfter);
    }
    if (plan.bLineNumbers)
        p = WriteLineNumber(p, line.nLine);
    *p++ = '\n';
    return p;
}

// What a record holds beside the values of its line.
size_t FixedRoom(const CRecordPlan &plan)
{
    size_t nRoom = kLineNumberRoom + 1;
    for (const CRecordPlan::CPiece &piece : plan.pieces)
        nRoom += piece.strAfter.size() + 1;
    return nRoom;
}

// How often the most used column is taken (two fields of one name take the
// same column), so that its line's text bounds the values of a record.
size_t MostUsesOfAColumn(const CRecordPlan &plan)
{
    std::vector<int> columns;
    for (const CRecordPlan::CPiece &piece : plan.pieces) {
        if (piece.nColumn >= 0)
            columns.push_back(piece.nColumn);
    }
    std::sort(columns.begin(), columns.end());
    size_t nMost = columns.empty() ? 0 : 1;
    for (size_t i = 1, nRun = 1; i < columns.size(); ++i) {
        nRun = columns[i] == columns[i - 1] ? nRun + 1 : 1;
        nMost = std::max(nMost, nRun);
    }
    return nMost;
}

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
    const size_t nFixedRoom = FixedRoom(plan);
    const size_t nLineCopies = MostUsesOfAColumn(plan);
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
        writer.Commit(WriteRecord(writer.Room(line.text.size() * nLineCopies + nFixedRoom), plan, line));
        keep.nLastLine = line.nLine;
    }
}
