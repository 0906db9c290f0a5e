#include "files/IniReader.h"
#include "files/MissingSections.h"
#include "files/NativePath.h"
#include "files/SettingsFile.h"
#include "files/SettingsFileLayout.h"
#include "files/ValueText.h"
#include "files/WholeFile.h"
#include "model/ImageHeader.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <type_traits>

namespace tq58 {

namespace {

// Integer fields of the record are 16-bit numbers, long fields 32-bit; a value outside
// cannot be converted and leaves the field alone.
template <typename T> constexpr std::pair<long long, long long> FieldRange() {
    using Stored = std::conditional_t<std::is_same_v<T, long>, std::int32_t, std::int16_t>;
    return {std::numeric_limits<Stored>::min(), std::numeric_limits<Stored>::max()};
}

class RecordReader {
public:
    explicit RecordReader(const DataSections& sections) : sections_(sections) {}

    void Section(const std::string& name) { section_ = name; }

    void Flag(const std::string& key, bool& field) { Assign(field, ParseBooleanText(Value(key))); }
    void WordFlag(const std::string& key, bool& field) { Flag(key, field); }
    template <typename T> void Number(const std::string& key, T& field) {
        const auto [lowest, highest] = FieldRange<T>();
        const auto number = ParseNumberInRange(Value(key), lowest, highest);
        if (number) {
            field = static_cast<T>(*number);
        }
    }
    template <typename T> void Magnitude(const std::string& key, T& field) { Number(key, field); }
    void PriorityChannel(const std::string& key, long& field) { Number(key, field); }
    // Texts are copied whether the key is there or not: a missing one becomes empty.
    void PlainText(const std::string& key, std::string& field) { field = Value(key); }
    void MarkedText(const std::string& key, std::string& field) { field = Value(key); }
    void Frequency(const std::string& key, double& field) {
        Assign(field, ParseDecimal(Value(key)));
    }

    const std::string* Find(const std::string& key) const { return sections_.Find(section_, key); }

private:
    template <typename T> static void Assign(T& field, const std::optional<T>& value) {
        if (value) {
            field = *value;
        }
    }
    std::string Value(const std::string& key) const {
        const std::string* value = Find(key);
        return value ? *value : std::string();
    }

    const DataSections& sections_;
    std::string section_;
};

// Sections are numbered from 0 until the first without a "Position"; each names the record
// it fills, and a position outside the list skips the section.
void ReadPlanList(RecordReader& reader, const char* name, std::vector<ChannelRecord>& list) {
    for (std::size_t n = 0;; ++n) {
        reader.Section(Numbered(name, n));
        const std::string* position = reader.Find("Position");
        if (!position || position->empty()) {
            return;
        }
        const auto p = ParseNumberInRange(*position, 0, static_cast<long long>(list.size()) - 1);
        if (!p) {
            continue;
        }
        ChannelRecord& record = list[static_cast<std::size_t>(*p)];
        record.Position = static_cast<int>(*p);
        VisitPlanChannel(record, reader);
    }
}

template <std::size_t N>
void ReadDirectory(RecordReader& reader, const char* name,
                   std::array<DirectoryRecord, N>& directory) {
    for (std::size_t k = 1; k <= N; ++k) {
        reader.Section(Numbered(name, k));
        VisitDirectoryEntry(directory[k - 1], reader);
    }
}

Outcome ModelTypeError() {
    return Outcome::Failure(ModelTypeErrorMessage, MessageIcon::Critical);
}

} // namespace

void FillSettingsRecord(const DataSections& sections, SettingsRecord& settings) {
    RecordReader reader(sections);
    VisitSettingGroups(settings, reader);
    for (const auto& [name, list] : PlanLists(settings)) {
        ReadPlanList(reader, name, *list);
    }
    for (std::size_t i = 0; i < settings.CHWX.size(); ++i) {
        reader.Section(Numbered("CHWX", i));
        VisitWxChannel(settings.CHWX[i], reader);
    }
    ReadDirectory(reader, "CHMMSID", settings.CHMMSID);
    ReadDirectory(reader, "CHGRPID", settings.CHGRPID);
    for (std::size_t k = 1; k <= settings.CHEXP.size(); ++k) {
        reader.Section(Numbered("CHEXP", k));
        VisitExpChannel(settings.CHEXP[k - 1], reader);
    }
}

std::optional<int> DataFileModelType(std::string_view text) {
    const auto code = ParseDecimal(ReadIniValueFromText(text, "MAIN", "MODELTYPE"));
    if (!code || *code != std::trunc(*code) || std::fabs(*code) > 32767) {
        return std::nullopt;
    }
    return static_cast<int>(*code);
}

Outcome ReadSettingsText(const std::string& path, std::string& text,
                         const std::string& logProcedure) {
    const Outcome read = ReadWholeFile(path, text);
    // A missing file is told as what it is, with the system's reason, like any other that
    // cannot be read.
    return read.Reported(FileReadErrorMessage, MessageIcon::Exclamation, logProcedure);
}

Outcome ReadSettingsFile(const std::string& path, RadioData& data, const ModelState& model,
                         const std::string& logProcedure,
                         const DefaultImageLoader& loadModelDefaults,
                         std::vector<std::string>* missingSections) {
    std::string text;
    if (const Outcome read = ReadSettingsText(path, text, logProcedure); !read.Ok) {
        return read;
    }
    if (DataFileModelType(text) != model.ModelType) {
        return ModelTypeError();
    }
    RadioData fresh = data;
    if (const Outcome made = NewData(fresh, model, loadModelDefaults); !made.Ok) {
        return made.Reported(FileReadErrorMessage, MessageIcon::Exclamation, logProcedure);
    }
    const DataSections sections = ParseDataText(text);
    if (missingSections) {
        *missingSections = MissingSections(sections, fresh.Settings, model);
    }
    FillSettingsRecord(sections, fresh.Settings);
    // The file holds no MMSI-entered count: the data gets the count its image and the radio
    // will get, so that its report and its comparison with its own image tell no other.
    fresh.MemoryImage[MmsiEnteredCountAddress] = MmsiEnteredCount(fresh.Settings);
    data = std::move(fresh);
    return Outcome::Success();
}

} // namespace tq58
