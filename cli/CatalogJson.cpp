#include "CatalogJson.h"

#include "CliContext.h"
#include "CliError.h"
#include "NameText.h"

#include <algorithm>

namespace {

const char* const kFormat = "orvane-catalogue";
const int kVersion = 1;

std::string BytesText(const ChipSettings& s)
{
    return HexEncode(std::string(s.bytes.begin(), s.bytes.end()), true);
}

// Equality that ignores the order of object members, so a document whose keys a tool
// has sorted still compares equal.
bool SameJson(const Json& a, const Json& b)
{
    if (a.is_object() && b.is_object()) {
        if (a.size() != b.size())
            return false;
        for (auto it = a.begin(); it != a.end(); ++it) {
            auto other = b.find(it.key());
            if (other == b.end() || !SameJson(it.value(), *other))
                return false;
        }
        return true;
    }
    if (a.is_array() && b.is_array())
        return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), SameJson);
    return a == b;
}

// A value as a message shows it: short scalars as they are written, anything else by
// what it is.
std::string Describe(const Json& value)
{
    if (value.is_null() || value.is_boolean() || value.is_number_integer())
        return value.dump();
    if (value.is_number())
        return "the number " + value.dump();
    if (value.is_string()) {
        const std::string& str = value.get_ref<const std::string&>();
        return str.size() <= 20 ? "\"" + str + "\"" : "a string of " + std::to_string(str.size()) + " bytes";
    }
    return value.is_array() ? "an array" : "an object";
}

// Reads JSON into a catalogue, naming the place of every complaint.
class JsonReader {
public:
    explicit JsonReader(const std::string& strSource) : m_strSource(strSource) {}

    [[noreturn]] void Fail(const std::string& strWhere, const std::string& strWhat) const
    {
        throw CCliError(m_strSource, (strWhere.empty() ? "" : strWhere + ": ") + strWhat, exitUsage);
    }

    const Json& Member(const Json& object, const char* pszKey, const std::string& strWhere) const
    {
        auto it = object.find(pszKey);
        if (it == object.end())
            Fail(strWhere, std::string("\"") + pszKey + "\" is missing");
        return *it;
    }

    void ReadHeader(const Json& doc)
    {
        if (!doc.is_object())
            Fail("", "not a catalogue: the document is not a JSON object");
        if (!doc.contains("format") || doc["format"] != kFormat)
            Fail("", std::string("not a catalogue: \"format\" is not \"") + kFormat + "\"");
        const Json& version = Member(doc, "version", "");
        if (!version.is_number_integer() || version != kVersion)
            Fail("version", Describe(version) + " is not a version this tool reads (" + std::to_string(kVersion) + ")");
        const Json& page = Member(doc, "codepage", "");
        if (!page.is_number_unsigned() || page.get<unsigned long long>() > 65535)
            Fail("codepage", Describe(page) + " is not a code page number");
        if (!CodePageFromNumber(page.get<int>(), m_cp))
            Fail("codepage", CodePageRefusal(page.get<int>()));
    }

    std::string ReadName(const Json& item, const std::string& strWhere) const
    {
        if (item.is_string())
            return EncodeName(item.get<std::string>(), strWhere);
        if (!item.is_object())
            Fail(strWhere, "expected a name or an object with \"name\"");
        std::string strName;
        if (item.contains("name_hex")) {
            const Json& hex = item["name_hex"];
            if (!hex.is_string() || !HexDecode(hex.get<std::string>(), strName))
                Fail(strWhere, "\"name_hex\" is not a string of hex bytes");
            if (item.contains("name") && item["name"] != AnsiToUtf8(strName, m_cp))
                Fail(strWhere, "\"name\" and \"name_hex\" disagree; change or remove one of them");
            return strName;
        }
        const Json& name = Member(item, "name", strWhere);
        if (!name.is_string())
            Fail(strWhere, "\"name\" is not a string");
        return EncodeName(name.get<std::string>(), strWhere);
    }

    ChipSettings ReadSettings(const Json& item, const std::string& strWhere) const
    {
        const Json& bytes = Member(item, "bytes", strWhere);
        std::string strBytes;
        if (!bytes.is_string() || !HexDecode(bytes.get<std::string>(), strBytes) ||
            strBytes.size() != ChipSettings::Size)
            Fail(strWhere, "\"bytes\" must hold 12 hex bytes");
        ChipSettings s;
        std::copy(strBytes.begin(), strBytes.end(), s.bytes.begin());
        // The decoded values are there to be read; a changed one would be ignored, so
        // it is refused instead.
        if (item.contains("kind") && item["kind"] != s[ChipSettings::Kind])
            Fail(strWhere, "\"kind\" does not match byte 11 of \"bytes\"");
        if (item.contains("values") && !SameJson(item["values"], ChipValuesJson(s)))
            Fail(strWhere, "\"values\" do not match \"bytes\" (which is what is stored); change the bytes "
                           "or remove \"values\", or use the edit command");
        return s;
    }

    const Json& Array(const Json& doc, const char* pszKey) const
    {
        const Json& list = Member(doc, pszKey, "");
        if (!list.is_array())
            Fail(pszKey, "is not an array");
        return list;
    }

private:
    std::string EncodeName(const std::string& strUtf8, const std::string& strWhere) const
    {
        std::string strName, strWhy;
        if (!Utf8ToAnsi(strUtf8, m_cp, strName, strWhy))
            Fail(strWhere, "the name " + strWhy + "; give its bytes as \"name_hex\"");
        return strName;
    }

    std::string m_strSource;
    CodePage m_cp = CodePage::Windows1252;
};

std::string Where(const char* pszList, std::size_t i)
{
    return std::string(pszList) + "[" + std::to_string(i) + "]";
}

void FillCatalog(const Json& document, const std::string& strSource, CChipCatalog& catalog)
{
    JsonReader reader(strSource);
    reader.ReadHeader(document);
    const Json& types = reader.Array(document, "types");
    for (std::size_t i = 0; i < types.size(); ++i)
        catalog.AddTypeName(reader.ReadName(types[i], Where("types", i)));
    const Json& entries = reader.Array(document, "entries");
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::string strWhere = Where("entries", i);
        if (!entries[i].is_object())
            reader.Fail(strWhere, "is not an object");
        const std::string strName = reader.ReadName(entries[i], strWhere);
        const ChipSettings s = reader.ReadSettings(entries[i], strWhere);
        catalog.AddEmptyEntry();
        catalog.SetEntry(catalog.GetEntryCount() - 1, strName, s.data());
    }
}

}  // namespace

Json CatalogToJson(const CChipCatalog& catalog, CodePage cp)
{
    Json doc = {{"format", kFormat}, {"version", kVersion}, {"codepage", static_cast<int>(cp)}};
    Json types = Json::array();
    for (int i = 0; i < catalog.GetTypeCount(); ++i) {
        Json type = Json::object();
        AddNameJson(type, catalog.GetTypeName(i).Str(), cp);
        types.push_back(std::move(type));
    }
    doc["types"] = std::move(types);
    Json entries = Json::array();
    const CChipEntryArray& list = catalog.Entries();
    for (int i = 0; i < list.GetSize(); ++i) {
        const ChipSettings& s = list[i].settings;
        Json entry = Json::object();
        AddNameJson(entry, list[i].name.Str(), cp);
        entry["bytes"] = BytesText(s);
        entry["kind"] = s[ChipSettings::Kind];
        entry["family"] = FamilyName(FamilyOfKind(s[ChipSettings::Kind]));
        entry["values"] = ChipValuesJson(s);
        entries.push_back(std::move(entry));
    }
    doc["entries"] = std::move(entries);
    return doc;
}

void CatalogFromJson(const Json& document, const std::string& strSource, CChipCatalog& catalog)
{
    try {
        FillCatalog(document, strSource, catalog);
    } catch (const Json::exception&) {
        // Every access above checks the type first; this is the backstop for one that does not.
        throw CCliError(strSource, "a value in it does not have the type a catalogue needs", exitUsage);
    }
}
