#include "filevalues/core/QuotedCsv.h"

const char *const kUnterminatedQuote = "Unterminated quoted value: the file ends inside quotes";

namespace {
// Where a scan of records stands after a byte.
enum class eQuote { FieldStart, Unquoted, Quoted, QuoteInQuoted };

eQuote Step(eQuote state, char c)
{
    if (state == eQuote::Quoted)
        return c == '"' ? eQuote::QuoteInQuoted : eQuote::Quoted;
    if (state == eQuote::QuoteInQuoted && c == '"')
        return eQuote::Quoted; // a doubled quote
    if (c == ',' || c == '\n')
        return eQuote::FieldStart;
    return state == eQuote::FieldStart && c == '"' ? eQuote::Quoted : eQuote::Unquoted;
}

eQuote Scan(eQuote state, std::string_view text)
{
    for (const char c : text)
        state = Step(state, c);
    return state;
}

std::string_view WithoutLineEnd(std::string_view line)
{
    if (!line.empty() && line.back() == '\n')
        line.remove_suffix(1);
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    return line;
}
} // namespace

bool TakeQuotedValue(std::string_view &rest, std::string &value)
{
    size_t i = 0;
    if (!rest.empty() && rest[0] == '"') {
        for (i = 1;;) {
            const size_t quote = rest.find('"', i);
            if (quote == std::string_view::npos) { // no closing quote: the rest is the value
                value.append(rest.substr(i));
                rest = {};
                return false;
            }
            value.append(rest.substr(i, quote - i));
            i = quote + 1;
            if (i == rest.size() || rest[i] != '"')
                break;
            value.push_back('"');
            ++i;
        }
    }
    const size_t comma = rest.find(',', i);
    value.append(rest.substr(i, comma == std::string_view::npos ? std::string_view::npos : comma - i));
    rest.remove_prefix(comma == std::string_view::npos ? rest.size() : comma + 1);
    return comma != std::string_view::npos;
}

size_t QuotedRecordLength(std::string_view text)
{
    eQuote state = eQuote::FieldStart;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && state != eQuote::Quoted)
            return i;
        state = Step(state, text[i]);
    }
    return text.size();
}

size_t QuotedRecordLength(const char *pText)
{
    eQuote state = eQuote::FieldStart;
    const char *p = pText;
    for (; *p && (*p != '\n' || state == eQuote::Quoted); ++p)
        state = Step(state, *p);
    return size_t(p - pText);
}

bool NextQuotedRecord(std::string_view &rest, std::string_view &record)
{
    while (!rest.empty()) {
        const size_t nLength = QuotedRecordLength(rest);
        record = WithoutLineEnd(rest.substr(0, nLength));
        rest.remove_prefix(nLength < rest.size() ? nLength + 1 : rest.size());
        if (!record.empty())
            return true;
    }
    return false;
}

void AppendQuotedValue(std::string &text, std::string_view value)
{
    if (value.find_first_of(",\"\r\n") == std::string_view::npos) {
        text.append(value);
        return;
    }
    text.push_back('"');
    for (const char c : value) {
        if (c == '"')
            text.push_back('"');
        text.push_back(c);
    }
    text.push_back('"');
}

void CQuotedRecord::Cut(std::string_view record)
{
    text = record;
    values.clear();
    m_values.clear();
    // Values are never longer than the record: the room does not move, and
    // the views into it stay.
    m_values.reserve(record.size());
    bool bMore;
    do {
        const size_t nStart = m_values.size();
        bMore = TakeQuotedValue(record, m_values);
        values.emplace_back(m_values.data() + nStart, m_values.size() - nStart);
    } while (bMore);
}

eCsvLine ReadQuotedRecord(CLineReader &reader, CImportHost *pHost, CQuotedRecord &record)
{
    std::string_view raw;
    do {
        if (!reader.ReadLine(raw))
            return reader.ReadFailed() ? eCsvLine::ReadFailed : eCsvLine::End;
        record.nLine = ++record.m_nLinesRead;
    } while (!reader.LineTooLong() && TrimCsvLine(raw).empty());

    const char *pszSkipped = reader.LineTooLong() ? kLineTooLong : nullptr;
    eQuote state = Scan(eQuote::FieldStart, raw);
    std::string_view text = raw;
    if (state == eQuote::Quoted && !pszSkipped) {
        // A line break inside quotes: the record goes on. It is kept up to
        // the length of the longest line, then only read to its end.
        record.m_text.assign(raw);
        while (state == eQuote::Quoted) {
            if (!reader.ReadLine(raw)) {
                if (reader.ReadFailed())
                    return eCsvLine::ReadFailed;
                pszSkipped = pszSkipped ? pszSkipped : kUnterminatedQuote;
                break;
            }
            ++record.m_nLinesRead;
            if (reader.LineTooLong()) { // read past its end: the record ends with it
                pszSkipped = kLineTooLong;
                break;
            }
            state = Scan(state, raw);
            if (!pszSkipped && record.m_text.size() + raw.size() > CLineReader::kMaxLineLength)
                pszSkipped = kLineTooLong;
            if (!pszSkipped)
                record.m_text.append(raw);
        }
        text = record.m_text;
    }
    record.pszSkipped = pszSkipped;
    if (pszSkipped) {
        record.text = WithoutLineEnd(text.substr(0, kLongLineShown));
        record.values.clear();
        ReportLine(pHost, record.nLine, record.text, pszSkipped);
        return eCsvLine::TooLong;
    }
    record.Cut(WithoutLineEnd(text));
    return eCsvLine::Values;
}

bool CResultTokens::Next(std::string &token)
{
    token.clear();
    if (!m_bQuoted) {
        std::string_view piece;
        if (!NextPiece(m_rest, ',', piece))
            return false;
        token.append(piece);
        return true;
    }
    if (m_rest.empty())
        return false;
    TakeQuotedValue(m_rest, token);
    return true;
}

bool CResultTokens::More() const
{
    return m_bQuoted ? !m_rest.empty() : m_rest.find_first_not_of(',') != std::string_view::npos;
}
