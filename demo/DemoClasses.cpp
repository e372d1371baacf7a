#include "DemoClasses.h"

#include <cstdlib>

namespace
{
bool IsNumber(const CString &value)
{
    if (value.IsEmpty())
        return false;
    char *pszEnd = nullptr;
    std::strtod(value.c_str(), &pszEnd);
    return *pszEnd == '\0';
}

// The host's error text for a value, empty when the value is fine.
CString Judge(const sDemoField &field, const CString &value)
{
    switch (field.rule) {
    case eFieldRule::Number:
        return IsNumber(value) ? CString() : CString(field.pszName) + " is not a number";
    case eFieldRule::Email:
        return value.Find('@') >= 0 ? CString() : CString(field.pszName) + " has no @";
    case eFieldRule::Any:
        break;
    }
    return CString();
}

}

CStringArray sDemoClass::FieldNames() const
{
    CStringArray names;
    for (const sDemoField &field : fields)
        names.Add(field.pszName);
    return names;
}

const std::vector<sDemoClass> &DemoClasses()
{
    static const std::vector<sDemoClass> classes{
        {"Orders",
         {{"OrderNo", eFieldRule::Number},
          {"Customer", eFieldRule::Any},
          {"Amount", eFieldRule::Number},
          {"Currency", eFieldRule::Any}}},
        {"Contacts",
         {{"Name", eFieldRule::Any}, {"Email", eFieldRule::Email}, {"Phone", eFieldRule::Any}, {"City", eFieldRule::Any}}},
        {"Customers",
         {{"Name", eFieldRule::Any},
          {"Street", eFieldRule::Any},
          {"ZipCode", eFieldRule::Any},
          {"City", eFieldRule::Any},
          {"Country", eFieldRule::Any},
          {"Credit", eFieldRule::Number},
          {"Note", eFieldRule::Any},
          {"Source", eFieldRule::Any}},
         true},
    };
    return classes;
}

std::vector<std::vector<CString>> ReadRecords(const CString &records, bool bQuoted)
{
    // Every value is followed by a comma; a record ends at a line break.
    std::vector<std::vector<CString>> out;
    std::vector<CString> record;
    CString value;
    bool bInQuotes = false;
    for (size_t i = 0; i < records.size(); ++i) {
        const char c = records[i];
        if (bQuoted && c == '"') {
            if (bInQuotes && i + 1 < records.size() && records[i + 1] == '"')
                value.push_back(records[++i]);
            else
                bInQuotes = !bInQuotes;
        } else if (c == ',' && !bInQuotes) {
            record.push_back(value);
            value.clear();
        } else if (c == '\n' && !bInQuotes) {
            if (!record.empty())
                out.push_back(record);
            record.clear();
            value.clear();
        } else {
            value.push_back(c);
        }
    }
    return out;
}

CVerdictMap JudgeRecords(const CString &records, const sDemoClass &cls)
{
    CVerdictMap verdicts;
    int nRecord = 0;
    for (const std::vector<CString> &values : ReadRecords(records, cls.bQuotedRecords)) {
        ++nRecord;
        for (size_t i = 0; i < cls.fields.size() && i < values.size(); ++i) {
            const CString error = Judge(cls.fields[i], values[i]);
            if (!error.IsEmpty()) {
                verdicts.SetAt(nRecord, error);
                break;
            }
        }
    }
    return verdicts;
}
