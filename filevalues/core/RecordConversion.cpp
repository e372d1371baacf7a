#include "filevalues/core/RecordConversion.h"

#include "filevalues/core/QuotedCsv.h"
#include "filevalues/core/RecordsText.h"
#include "platform/core/Prompts.h"

#include <algorithm>
#include <cstring>
#include <utility>

const char *const kValuesLesser = "File Values are lesser than the Field Values";
const char *const kValuesMore = "File Values are more than the Field Values";
const char *const kValuesLesserMapped = "File Values are lesser than the mapped File Columns";
const char *const kNotSelectedFormat = "%s is not selected in Template";

namespace {
constexpr int kProgressLines = 4096;

// A line as the conversion takes it.
struct sLineValues
{
    int nLine;
    std::string_view text;             // trimmed
    size_t nValues;
    const std::string_view *pValues;   // the first of them, at least up to the plan's highest column
};

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
        : m_bLineNumbers(plan.bLineNumbers), m_bQuoted(plan.bQuoted)
    {
        std::vector<int> columns;
        for (const CRecordPlan::sPiece &piece : plan.pieces) {
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
    void Write(CRecordsWriter &writer, const sLineValues &line)
    {
        if (m_bQuoted) {
            WriteQuoted(writer, line);
            return;
        }
        char *p = writer.Room(line.text.size() * m_nLineCopies + m_nFixedRoom);
        for (const sStep &step : m_steps) {
            if (step.nColumn >= 0) {
                const std::string_view value = line.pValues[step.nColumn];
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
    struct sStep
    {
        int nColumn;
        size_t nAfter;
        size_t nAfterLength;
    };

    // The same, each value quoted as it needs: a plain loop, since values
    // of this format may hold anything.
    void WriteQuoted(CRecordsWriter &writer, const sLineValues &line)
    {
        m_record.clear();
        for (const sStep &step : m_steps) {
            if (step.nColumn >= 0) {
                AppendQuotedValue(m_record, line.pValues[step.nColumn]);
                m_record.push_back(',');
            }
            m_record.append(m_fixed, step.nAfter, step.nAfterLength);
        }
        char *p = writer.Room(m_record.size() + CLineNumberText::kRoom + 1);
        std::memcpy(p, m_record.data(), m_record.size());
        p += m_record.size();
        if (m_bLineNumbers) {
            m_number.Set(line.nLine);
            p = m_number.Write(p);
        }
        *p++ = '\n';
        writer.Commit(p);
    }

    std::vector<sStep> m_steps;
    std::string m_fixed; // the constants of every step, then padding
    size_t m_nFixedRoom = 0;
    size_t m_nLineCopies = 1;
    bool m_bLineNumbers;
    bool m_bQuoted;
    std::string m_record; // a quoted record's values and constants
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
    CString &after = pieces.back().strAfter;
    if (bQuoted)
        AppendQuotedValue(after, value);
    else
        after.append(value);
    after.push_back(',');
}

CRecordPlan PlanFieldRecords(const sConversionInput &input)
{
    CRecordPlan plan;
    plan.nExpected = input.arrFields.size();
    plan.bLineNumbers = input.bWithLineNumbers;
    plan.bQuoted = input.bQuoted;
    plan.bHeaderLine = input.bHeaderLine;
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

void RememberSkippedLine(sConversionBookkeeping &keep, int nLine, std::string_view line)
{
    keep.arrErrorLines.Add(nLine);
    keep.strErrors.append(line).push_back('\n');
}

namespace {
// Converts the lines of a file one by one, as they come.
class CLineConverter
{
public:
    CLineConverter(const CRecordPlan &plan, CLineReader &reader, CImportHost *pHost, sConversionBookkeeping &keep,
                   CString &records, const ConversionProgress &progress)
        : m_plan(plan), m_reader(reader), m_pHost(pHost), m_keep(keep), m_writer(records), m_maker(plan),
          m_progress(progress)
    {
    }

    // Any line read: the progress, and room for the records of the whole
    // file once a sample of lines has been read.
    void Read(int nLine)
    {
        if (nLine % kProgressLines != 0)
            return;
        if (m_progress)
            m_progress(m_reader.BytesRead(), m_reader.FileSize());
        if (nLine == CRecordsWriter::kSampleLines)
            m_writer.ReserveForWholeFile(nLine, m_reader.BytesRead(), m_reader.FileSize());
    }
    // A line too long to read (a quoted record: or without its closing
    // quote), kept whole as one value.
    void Skip(int nLine, std::string_view text)
    {
        RememberSkippedLine(m_keep, nLine, SkippedText(text, &text, 1));
    }
    // A CSV line; false when the conversion is abandoned, the user told why.
    bool Take(const sLineValues &line)
    {
        if (const char *pszShort = ShortLineReport(m_plan, line.nValues)) {
            ReportLine(m_pHost, line.nLine, line.text, pszShort);
            RememberSkippedLine(m_keep, line.nLine, SkippedText(line.text, line.pValues, line.nValues));
            return true;
        }
        if (line.nValues > m_plan.nExpected)
            ReportLine(m_pHost, line.nLine, line.text, kValuesMore);
        if (m_plan.bMissingConstant) {
            CString message;
            message.Format(kNotSelectedFormat, m_plan.strMissingConstant.c_str());
            AfxMessageBox(message);
            return false;
        }
        m_maker.Write(m_writer, line);
        m_keep.nLastLine = line.nLine;
        if (m_keep.pRecordLines)
            m_keep.pRecordLines->Add(line.nLine);
        return true;
    }
    // Nothing converted stays.
    void Discard() { m_writer.Discard(); }

private:
    // What the validation run shows of a skipped line: its text; in the
    // quoted format its values as the records text writes them, so that
    // the skipped lines' texts stay one per line.
    std::string_view SkippedText(std::string_view text, const std::string_view *pValues, size_t nValues)
    {
        if (!m_plan.bQuoted)
            return text;
        m_skipped.clear();
        for (size_t i = 0; i < nValues; ++i) {
            AppendQuotedValue(m_skipped, pValues[i]);
            m_skipped.push_back(',');
        }
        return m_skipped;
    }

    const CRecordPlan &m_plan;
    CLineReader &m_reader;
    CImportHost *m_pHost;
    sConversionBookkeeping &m_keep;
    CRecordsWriter m_writer;
    CRecordMaker m_maker;
    const ConversionProgress &m_progress;
    std::string m_skipped;
};

// How many views the lines of one batch keep at most.
constexpr size_t kBatchValues = 4096;

// The quoted format, record by record.
eConversion ConvertQuotedRecords(CLineReader &reader, const CRecordPlan &plan, CImportHost *pHost,
                                 CLineConverter &converter)
{
    CQuotedRecord record;
    bool bHeader = plan.bHeaderLine;
    for (int nRecords = 1;; ++nRecords) {
        const eCsvLine read = ReadQuotedRecord(reader, pHost, record);
        if (read == eCsvLine::End)
            return eConversion::Converted;
        if (read == eCsvLine::ReadFailed) {
            converter.Discard();
            return eConversion::ReadFailed;
        }
        converter.Read(nRecords);
        if (std::exchange(bHeader, false))
            continue;
        if (read == eCsvLine::TooLong) {
            converter.Skip(record.nLine, record.text);
        } else if (!converter.Take({record.nLine, record.text, record.values.size(), record.values.data()})) {
            converter.Discard();
            return eConversion::Abandoned;
        }
    }
}
}

eConversion ConvertRecordLines(CLineReader &reader, const CRecordPlan &plan, CImportHost *pHost,
                               sConversionBookkeeping &keep, CString &records, const ConversionProgress &progress)
{
    CLineConverter converter(plan, reader, pHost, keep, records, progress);
    if (plan.bQuoted)
        return ConvertQuotedRecords(reader, plan, pHost, converter);
    CCsvLine line;
    line.nKeep = size_t(plan.nHighestColumn + 1);
    if (plan.bHeaderLine) {
        // The column names give no record; a header that is not CSV ends
        // the conversion as any such line does.
        const eCsvLine read = ReadCsvLine(reader, pHost, line);
        if (read == eCsvLine::NotCsv || read == eCsvLine::ReadFailed)
            return read == eCsvLine::NotCsv ? eConversion::Abandoned : eConversion::ReadFailed;
        if (read == eCsvLine::End)
            return eConversion::Converted;
    }
    // The whole lines in the reader's buffer are cut many at a time; what
    // they do not take (the buffer's last, partial line, a line too long,
    // the end of the file, a read error) is read line by line.
    const size_t nBatch = std::max<size_t>(1, kBatchValues / std::max<size_t>(1, line.nKeep));
    std::vector<sCsvLineCut> cuts(nBatch);
    std::vector<std::string_view> kept(nBatch * line.nKeep);
    for (;;) {
        const std::string_view pending = reader.Pending();
        const size_t nCut = CutCsvLines(pending.data(), pending.data() + pending.size(), line.nKeep,
                                        CLineReader::kMaxLineLength, cuts.data(), kept.data(), nBatch);
        const char *p = pending.data();
        for (size_t i = 0; i < nCut; ++i) {
            const sCsvLineCut &cut = cuts[i];
            reader.Consume(size_t(cut.pEnd - p) + 1);
            p = cut.pEnd + 1;
            converter.Read(++line.nLine);
            if (cut.nValues == kNoComma) {
                ReportNotCsv(pHost, line.nLine, cut.text);
                converter.Discard();
                return eConversion::Abandoned;
            }
            if (!converter.Take({line.nLine, cut.text, cut.nValues, kept.data() + i * line.nKeep})) {
                converter.Discard();
                return eConversion::Abandoned;
            }
        }
        if (nCut > 0)
            continue;
        const eCsvLine read = ReadCsvLine(reader, pHost, line);
        if (read == eCsvLine::End)
            return eConversion::Converted;
        if (read == eCsvLine::NotCsv || read == eCsvLine::ReadFailed) {
            converter.Discard();
            return read == eCsvLine::NotCsv ? eConversion::Abandoned : eConversion::ReadFailed;
        }
        converter.Read(line.nLine);
        if (read == eCsvLine::TooLong) {
            converter.Skip(line.nLine, line.text);
        } else if (!converter.Take({line.nLine, line.text, line.nValues, line.begin()})) {
            converter.Discard();
            return eConversion::Abandoned;
        }
    }
}
