#include "EntryCheck.h"

#include "CatalogFile.h"
#include "ChipView.h"
#include "NameText.h"
#include "PinConversions.h"

#include <algorithm>
#include <functional>

namespace {

void Add(std::vector<Finding>& findings, Severity severity, int nEntry, std::string strText)
{
    findings.push_back({severity, nEntry, std::move(strText)});
}

// What a form refuses to store: a value read from the bytes outside the range of its box.
void CheckRanges(const ChipSettings& s, const std::vector<ChipField>& fields, int nEntry,
                 std::vector<Finding>& findings)
{
    for (const ChipField& field : fields) {
        const ChipValueInfo& info = ChipValueInfoOf(field.value);
        const int n = field.Read(s);
        if (info.IsTyped() && !info.Accepts(n))
            Add(findings, Severity::error, nEntry,
                ValueWords(field.value) + " " + std::to_string(n) + " is outside " + info.RangeText() + "; the form refuses to store it");
    }
}

bool IsSetPin(const ChipField& field)
{
    return field.coding == FieldCoding::pin && !field.bWorkedOut;
}

// A pin as "CLK" for its box "Pin CLK".
std::string PinName(const ChipField& field)
{
    return ChipValueInfoOf(field.value).pszLabel + 4;
}

// The pins a form sets. Runs for every chip, so words are made only for a finding.
void CheckPins(const ChipSettings& s, const std::vector<ChipField>& fields, int nEntry,
               std::vector<Finding>& findings)
{
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const ChipField& field = fields[i];
        if (!IsSetPin(field))
            continue;
        const BYTE nMask = s[field.nByte];
        if (nMask == 0) {
            Add(findings, Severity::warning, nEntry, PinName(field) + " mask is 0: no pin is set");
            continue;
        }
        if (MaskToPin(nMask) == 0) {
            ChipField number = field;  // the mask as a number
            number.coding = FieldCoding::number;
            Add(findings, Severity::warning, nEntry,
                PinName(field) + " mask " + FieldText(number, s) +
                    " has several bits set; the form opens it as pin 0 and stores 0");
            continue;
        }
        for (std::size_t j = 0; j < i; ++j)
            if (IsSetPin(fields[j]) && s[fields[j].nByte] == nMask)
                Add(findings, Severity::warning, nEntry,
                    PinName(fields[j]) + " and " + PinName(field) + " are both on pin " +
                        std::to_string(MaskToPin(nMask)));
    }
}

// The bytes a form works out from its other values rather than reading them back.
void CheckWorkedOut(const ChipSettings& s, const std::vector<ChipField>& fields, int nEntry,
                    std::vector<Finding>& findings)
{
    const ChipSettings expected = FormStoredSettings(s);
    for (const ChipField& field : fields) {
        if (field.bWorkedOut && field.Raw(s) != field.Raw(expected))
            Add(findings, Severity::warning, nEntry,
                std::string(field.pszName) + " holds " + FieldText(field, s) + "; the form stores " +
                    FieldText(field, expected));
    }
}

}  // namespace

void CheckEntry(const ChipSettings& s, int nEntry, std::vector<Finding>& findings)
{
    const BYTE nKind = s[ChipSettings::Kind];
    const ChipFamily family = FamilyOfKind(nKind);
    if (family == ChipFamily::other) {
        Add(findings, Severity::error, nEntry, "kind " + std::to_string(nKind) + " is above 3: no form opens it");
        return;
    }
    const std::vector<ChipField>& fields = ChipFieldsByByte(family);
    CheckRanges(s, fields, nEntry, findings);
    CheckPins(s, fields, nEntry, findings);
    CheckWorkedOut(s, fields, nEntry, findings);
}

void CheckDuplicateNames(const CChipCatalog& catalog, std::vector<Finding>& findings)
{
    // Sorting (hash, index) pairs finds equal names without a node per name, which
    // matters on catalogues of a million chips; equal hashes are confirmed byte for byte.
    const CChipEntryArray& entries = catalog.Entries();
    std::vector<std::pair<std::size_t, int>> keys(static_cast<std::size_t>(entries.GetSize()));
    for (int i = 0; i < entries.GetSize(); ++i)
        keys[static_cast<std::size_t>(i)] = {std::hash<std::string>()(entries[i].name.Str()), i};
    std::sort(keys.begin(), keys.end());
    std::vector<std::pair<int, int>> duplicates;  // (later entry, first entry of its name)
    for (std::size_t nRun = 0; nRun < keys.size();) {
        std::size_t nEnd = nRun + 1;
        while (nEnd < keys.size() && keys[nEnd].first == keys[nRun].first)
            ++nEnd;
        for (std::size_t k = nRun + 1; k < nEnd; ++k) {
            const std::string& strName = entries[keys[k].second].name.Str();
            for (std::size_t m = nRun; m < k; ++m) {
                if (entries[keys[m].second].name.Str() == strName) {
                    duplicates.push_back({keys[k].second, keys[m].second});
                    break;
                }
            }
        }
        nRun = nEnd;
    }
    std::sort(duplicates.begin(), duplicates.end());
    for (auto [nLater, nFirst] : duplicates)
        Add(findings, Severity::warning, nLater,
            "same name as #" + std::to_string(nFirst) + ": Edit chip and rm reach only #" + std::to_string(nFirst));
}

namespace {

std::size_t StringPrefixSize(std::size_t nLength)
{
    return nLength < 0xFF ? 1 : nLength < 0xFFFE ? 3 : 7;
}

// Where, in what a save writes, byte offset nCut falls: inside the entry count or inside
// the settings bytes of an entry (a cut inside a name fails the load instead).
std::string DescribeCut(const CChipCatalog& catalog, std::size_t nCut)
{
    const CStringArray& types = catalog.Types();
    std::size_t nPos = types.GetSize() < 0xFFFF ? 2 : 6;
    for (int i = 0; i < types.GetSize(); ++i)
        nPos += StringPrefixSize(types[i].Str().size()) + types[i].Str().size();
    std::string strAt = "the file ends at byte offset " + std::to_string(nCut);
    if (nCut < nPos + 4)
        return strAt + " inside the entry count (" + std::to_string(nCut - nPos) + " of 4 bytes)";
    nPos += 4;
    const CChipEntryArray& entries = catalog.Entries();
    for (int i = 0; i < entries.GetSize(); ++i) {
        nPos += StringPrefixSize(entries[i].name.Str().size()) + entries[i].name.Str().size();
        if (nCut < nPos + ChipSettings::Size)
            return strAt + " inside the settings of #" + std::to_string(i) + " (" + std::to_string(nCut - nPos) +
                   " of 12 bytes); the missing bytes load as 0";
        nPos += ChipSettings::Size;
    }
    return strAt;
}

}  // namespace

void CheckFileLayout(const std::vector<BYTE>& file, const CChipCatalog& catalog, std::vector<Finding>& findings)
{
    const std::vector<BYTE> stored = CCatalogFile::StoreToBytes(catalog);
    if (file == stored)
        return;
    auto mismatch = std::mismatch(file.begin(), file.end(), stored.begin(), stored.end());
    const std::size_t nAt = static_cast<std::size_t>(mismatch.first - file.begin());
    const std::string strAt = std::to_string(nAt);
    if (nAt == file.size())
        Add(findings, Severity::error, -1, DescribeCut(catalog, nAt));
    else if (nAt == stored.size())
        Add(findings, Severity::warning, -1,
            std::to_string(file.size() - nAt) + " bytes follow the catalogue from byte offset " + strAt +
                "; a load ignores them and a save drops them");
    else
        Add(findings, Severity::warning, -1,
            "from byte offset " + strAt +
                " the file differs from what a save writes (a count or name not in its shortest form, "
                "or a wide name); a save rewrites it");
}
