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

std::vector<CString> SplitRecord(const CString &line)
{
    std::vector<CString> values;
    size_t start = 0;
    for (size_t comma = line.find(','); comma != CString::npos; comma = line.find(',', start)) {
        values.push_back(line.substr(start, comma - start));
        start = comma + 1;
    }
    return values;
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
    };
    return classes;
}

CVerdictMap JudgeRecords(const CString &records, const sDemoClass &cls)
{
    CVerdictMap verdicts;
    int nRecord = 0;
    size_t start = 0;
    while (start < records.size()) {
        size_t end = records.find('\n', start);
        if (end == CString::npos)
            end = records.size();
        const CString line = records.substr(start, end - start);
        start = end + 1;
        if (line.IsEmpty())
            continue;
        ++nRecord;
        const std::vector<CString> values = SplitRecord(line);
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
