#include "filevalues/core/RecordConversion.h"

#include "filevalues/core/CsvLine.h"
#include "filevalues/core/RecordsText.h"
#include "platform/core/Prompts.h"

const char *const kValuesLesser = "File Values are lesser than the Field Values";
const char *const kValuesMore = "File Values are more than the Field Values";
const char *const kValuesLesserMapped = "File Values are lesser than the mapped File Columns";
const char *const kNotSelectedFormat = "%s is not selected in Template";

namespace {
constexpr int kProgressLines = 4096;

// Where one field's value comes from; neither source means it is left out.
struct CFieldSource
{
    int nColumn = -1;
    bool bConstant = false;
    CString strConstant;
};

// The plan is the same for every line, so it is worked out once.
struct CConversionPlan
{
    std::vector<CFieldSource> sources;
    int nHighestColumn = -1;
    // The first constant row without value, when some field has no column.
    bool bMissingConstant = false;
    CString strMissingConstant;
};

CConversionPlan MakePlan(const CConversionInput &input)
{
    CConversionPlan plan;
    bool bFieldWithoutColumn = false;
    for (const CString &field : input.arrFields) {
        CFieldSource source;
        for (int c = 0; c < input.arrColumnFields.GetSize() && source.nColumn < 0; ++c) {
            if (input.arrColumnFields[size_t(c)] == field)
                source.nColumn = c;
        }
        if (source.nColumn < 0) {
            bFieldWithoutColumn = true;
            for (int r = 0; r < input.lstConstants.GetItemCount() && !source.bConstant; ++r) {
                if (input.lstConstants.GetItemText(r, 0) == field) {
                    source.bConstant = true;
                    source.strConstant = input.lstConstants.GetItemText(r, 1);
                }
            }
        }
        plan.nHighestColumn = std::max(plan.nHighestColumn, source.nColumn);
        plan.sources.push_back(std::move(source));
    }
    for (int r = 0; bFieldWithoutColumn && r < input.lstConstants.GetItemCount() && !plan.bMissingConstant; ++r) {
        if (input.lstConstants.GetItemText(r, 1).IsEmpty()) {
            plan.bMissingConstant = true;
            plan.strMissingConstant = input.lstConstants.GetItemText(r, 0);
        }
    }
    return plan;
}

}

void RememberSkippedLine(CConversionBookkeeping &keep, int nLine, std::string_view line)
{
    keep.arrErrorLines.Add(nLine);
    keep.strErrors.append(line).push_back('\n');
}

bool ConvertRecordLines(CLineReader &reader, const CConversionInput &input, CImportHost *pHost,
                        CConversionBookkeeping &keep, CString &records, const ConversionProgress &progress)
{
    const CConversionPlan plan = MakePlan(input);
    const size_t nFields = input.arrFields.size();
    records.clear();
    CCsvValues values;
    std::string_view line;
    int nLine = 0;
    for (;;) {
        const eCsvLine read = ReadCsvLine(reader, pHost, nLine, values, line);
        if (read == eCsvLine::End)
            return true;
        if (read == eCsvLine::NotCsv) {
            records.clear();
            return false;
        }
        if (progress && nLine % kProgressLines == 0)
            progress(reader.BytesRead(), reader.FileSize());
        if (nLine == kRecordsSampleLines)
            ReserveForWholeFile(records, nLine, reader.BytesRead(), reader.FileSize());
        if (read == eCsvLine::TooLong) {
            RememberSkippedLine(keep, nLine, line);
            continue;
        }
        // A later line shorter than the columns that feed fields would give
        // a record without a value; it is skipped like a short line, with
        // this one report even when it holds more values than fields.
        const char *pszShort = values.size() < nFields ? kValuesLesser
                             : plan.nHighestColumn >= int(values.size()) ? kValuesLesserMapped
                                                                         : nullptr;
        if (pszShort) {
            ReportLine(pHost, nLine, line, pszShort);
            RememberSkippedLine(keep, nLine, line);
            continue;
        }
        if (values.size() > nFields)
            ReportLine(pHost, nLine, line, kValuesMore);
        if (plan.bMissingConstant) {
            CString message;
            message.Format(kNotSelectedFormat, plan.strMissingConstant.c_str());
            AfxMessageBox(message);
            records.clear();
            return false;
        }
        for (const CFieldSource &source : plan.sources) {
            if (source.nColumn >= 0)
                records.append(values[size_t(source.nColumn)]).push_back(',');
            else if (source.bConstant)
                records.append(source.strConstant).push_back(',');
        }
        if (input.bWithLineNumbers)
            AppendLineNumber(records, nLine);
        records.push_back('\n');
        keep.nLastLine = nLine;
    }
}
