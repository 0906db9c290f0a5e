#pragma once

#include "model/SettingsRecord.h"
#include "model/ValueLists.h"

#include <span>
#include <string>
#include <type_traits>

namespace tq58 {

// How a setting of the setup block is held in the memory image.
enum class FieldForm {
    FlagByte,     // a byte: anything but 0 reads as on; written as 1 or 0
    Bits,         // Width bits ending at bit Top (bit 0 the least significant)
    Byte,         // a number 0-255
    Word,         // a number 0-65535, high byte first; below zero stored as 0xFF 0xFF
    Word15,       // a number 0-32767, high byte first; the top bit is not read, written as 0
    OffsetTime,   // half hours as sign and magnitude: bits 4-0 the magnitude, bit 5 set for
                  // zero or positive, bit 7 not the setting's, bit 6 written as 0
    Mmsi,         // ten digits, one per nibble; nine typed digits get 0 as the tenth
    Code,         // ten digits, one per nibble, all kept
    Text,         // Width name characters
    CallSign,     // three call-sign characters, right-aligned
    SelectedByte, // a number 0-255 in the byte at Address + the Selector's value, stored only
                  // while the Selector is 0 or 1
    NotStored,    // not held in the image: the codec neither reads nor writes it
};

// The setting groups whose settings the settings file and the report take from this
// description; the settings of the other groups are laid out there by hand.
enum class SettingGroup { Other, Common };

// How the settings file writes a described setting.
enum class FileForm {
    Flag,      // "1" or "0"
    Number,    // the number as held
    Magnitude, // the number without its sign
};

// How the settings file and the report show a setting of a described group. A described
// setting is a single flag or number; the file and the report show the group's settings in
// the order of the description.
struct SettingWords {
    SettingGroup Group = SettingGroup::Other;
    const char* FileKey = "";
    FileForm File = FileForm::Flag;
    const char* Label = "";            // the name the report prints and the listing compares
    const char* Heading = "";          // the report heading it is printed under
    ValueList List = ValueList::OffOn; // On/Off for a flag; else the list that words the value
};

// A setting's value on its way between the record and the image: flags and numbers as Number
// (flag arrays packed first element highest), texts as Text.
struct FieldValue {
    long Number = 0;
    std::string Text;

    bool operator==(const FieldValue&) const = default;
};

// Reads and sets the record member a setting fills; index is the repetition's.
struct MemberAccess {
    FieldValue (*Get)(const SettingsRecord&, int index) = nullptr;
    void (*Set)(SettingsRecord&, int index, const FieldValue&) = nullptr;
};

// One setting of the setup block. A repeated setting (Times > 1) is Times settings: the
// repetition i lives Stride bytes and BitStride bits on from the first and fills the member's
// element i. A setting with Copies > 1 is held Copies times, CopyStride bytes apart: it is read
// from the first copy and, once changed, written into all of them.
struct SetupField {
    const char* Name; // a number with limits: as "cannot store" names it, "[]" taking the index
    int Address;
    FieldForm Form;
    MemberAccess Member;
    long Factory = 0; // the value of new data; texts are empty
    int Top = 7;
    int Width = 1;
    int Times = 1;
    int Stride = 0;
    int BitStride = 0;
    int Copies = 1;
    int CopyStride = 0;
    MemberAccess Selector = {};   // SelectedByte only
    bool KnownModelsOnly = false; // read from the image for known models only
    SettingWords Shown = {};
};

// Every setting of the setup block, in the order the codec treats them: a selector before the
// setting it selects for.
std::span<const SetupField> SetupFields();

// The setting's repetition i: its address, top bit and name.
int FieldAddress(const SetupField& field, int index);
int FieldTop(const SetupField& field, int index);
std::string FieldName(const SetupField& field, int index);

// Member paths: a chain of data members and element indices from the settings record; Each
// stands for the repetition's index.
struct EachIndex {};
inline constexpr EachIndex Each{};

namespace fields_detail {

template <auto Step, typename T> decltype(auto) Follow(T& from, int index) {
    using S = std::remove_cv_t<decltype(Step)>;
    if constexpr (std::is_same_v<S, EachIndex>) {
        return (from[index]);
    } else if constexpr (std::is_member_object_pointer_v<S>) {
        return (from.*Step);
    } else {
        return (from[Step]);
    }
}

template <auto First, auto... Rest, typename T> decltype(auto) Reach(T& from, int index) {
    if constexpr (sizeof...(Rest) == 0) {
        return Follow<First>(from, index);
    } else {
        return Reach<Rest...>(Follow<First>(from, index), index);
    }
}

inline FieldValue ToValue(bool flag) {
    return {flag ? 1 : 0, {}};
}
inline FieldValue ToValue(long number) {
    return {number, {}};
}
inline FieldValue ToValue(int number) {
    return {number, {}};
}
inline FieldValue ToValue(const std::string& text) {
    return {0, text};
}
template <std::size_t N> FieldValue ToValue(const std::array<bool, N>& flags) {
    long packed = 0;
    for (const bool flag : flags) {
        packed = 2 * packed + (flag ? 1 : 0);
    }
    return {packed, {}};
}

inline void FromValue(const FieldValue& value, bool& flag) {
    flag = value.Number != 0;
}
inline void FromValue(const FieldValue& value, long& number) {
    number = value.Number;
}
inline void FromValue(const FieldValue& value, int& number) {
    number = static_cast<int>(value.Number);
}
inline void FromValue(const FieldValue& value, std::string& text) {
    text = value.Text;
}
template <std::size_t N> void FromValue(const FieldValue& value, std::array<bool, N>& flags) {
    for (std::size_t i = 0; i < N; ++i) {
        flags[i] = ((value.Number >> (N - 1 - i)) & 1) != 0;
    }
}

} // namespace fields_detail

template <auto... Steps> constexpr MemberAccess Member() {
    return {[](const SettingsRecord& record, int index) {
                return fields_detail::ToValue(fields_detail::Reach<Steps...>(record, index));
            },
            [](SettingsRecord& record, int index, const FieldValue& value) {
                fields_detail::FromValue(value, fields_detail::Reach<Steps...>(record, index));
            }};
}

} // namespace tq58
