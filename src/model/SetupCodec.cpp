#include "model/SetupCodec.h"

#include "model/FieldCodec.h"
#include "model/SetupFields.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

namespace tq58 {

namespace {

// The offset time's byte holds up to 31 half hours either way; new data keeps to the editor's
// list.
constexpr int MaxStoredOffsetTime = 31;
constexpr int MaxNewOffsetTime = 24;

int DecodedOffsetTime(std::uint8_t byte) {
    const int magnitude = byte & 0x1F;
    return (byte & 0x20) != 0 ? magnitude : -magnitude;
}

// The selected byte's offset, when the selector picks one.
std::optional<int> SelectedOffset(const SetupField& field, int index,
                                  const SettingsRecord& settings) {
    const long selector = field.Selector.Get(settings, index).Number;
    return selector == 0 || selector == 1 ? std::optional<int>(selector) : std::nullopt;
}

// The value the image holds for the setting; none for a selected byte no selector picks.
std::optional<FieldValue> ReadField(const Image& image, const SetupField& field, int index,
                                    const SettingsRecord& settings) {
    const int a = FieldAddress(field, index);
    const auto number = [](long value) { return FieldValue{value, {}}; };
    switch (field.Form) {
    case FieldForm::FlagByte:
        return number(image[a] != 0 ? 1 : 0);
    case FieldForm::Bits:
        return number(GetBits(image[a], field.Width, FieldTop(field, index)));
    case FieldForm::Byte:
        return number(image[a]);
    case FieldForm::Word:
        return number(ReadWord(image, a));
    case FieldForm::Word15:
        return number(256 * (image[a] & 0x7F) + image[a + 1]);
    case FieldForm::OffsetTime:
        return number(DecodedOffsetTime(image[a]));
    case FieldForm::Mmsi:
    case FieldForm::Code:
        return FieldValue{0, ReadDigits(image, a)};
    case FieldForm::Text:
        return FieldValue{0, ReadText(image, a, field.Width)};
    case FieldForm::CallSign:
        return FieldValue{0, ReadCallSignText(image, a, 3)};
    case FieldForm::SelectedByte:
        if (const auto offset = SelectedOffset(field, index, settings)) {
            return number(image[a + *offset]);
        }
        return std::nullopt;
    case FieldForm::NotStored:
        return std::nullopt;
    }
    return std::nullopt;
}

void WriteField(Image& image, int a, const SetupField& field, int index, const FieldValue& value,
                const SettingsRecord& settings) {
    const auto byte = [](long number) { return static_cast<std::uint8_t>(number); };
    switch (field.Form) {
    case FieldForm::FlagByte:
        image[a] = value.Number != 0 ? 1 : 0;
        break;
    case FieldForm::Bits:
        SetBits(image[a], field.Width, FieldTop(field, index), static_cast<int>(value.Number));
        break;
    case FieldForm::Byte:
        image[a] = byte(value.Number);
        break;
    case FieldForm::Word:
        WriteWord(image, a, value.Number);
        break;
    case FieldForm::Word15:
        image[a] = byte((value.Number & 0x7F00) / 256);
        image[a + 1] = byte(value.Number & 0xFF);
        break;
    case FieldForm::OffsetTime: {
        const int sign = value.Number >= 0 ? 0x20 : 0;
        image[a] = byte(std::abs(value.Number) + sign + (image[a] & 0x80));
        break;
    }
    case FieldForm::Mmsi:
        WriteTypedMmsi(image, a, value.Text);
        break;
    case FieldForm::Code:
        WriteDigits(image, a, value.Text, false);
        break;
    case FieldForm::Text:
        WriteText(image, a, value.Text, field.Width);
        break;
    case FieldForm::CallSign:
        WriteCallSignText(image, a, value.Text);
        break;
    case FieldForm::SelectedByte:
        if (const auto offset = SelectedOffset(field, index, settings)) {
            image[a + *offset] = byte(value.Number);
        }
        break;
    case FieldForm::NotStored:
        break;
    }
}

bool Fits(const SetupField& field, int index, const SettingsRecord& settings) {
    const long value = field.Member.Get(settings, index).Number;
    switch (field.Form) {
    case FieldForm::Byte:
        return value >= 0 && value <= 255;
    case FieldForm::SelectedByte:
        return !SelectedOffset(field, index, settings) || (value >= 0 && value <= 255);
    case FieldForm::Word:
        return value <= 65535;
    default:
        return true;
    }
}

} // namespace

void DecodeSetupFields(const Image& image, SettingsRecord& settings, bool knownModel) {
    for (const SetupField& field : SetupFields()) {
        if (field.KnownModelsOnly && !knownModel) {
            continue;
        }
        for (int i = 0; i < field.Times; ++i) {
            if (const auto value = ReadField(image, field, i, settings)) {
                field.Member.Set(settings, i, *value);
            }
        }
    }
}

void EncodeSetupFields(Image& image, SettingsRecord& settings, bool keepHeld) {
    for (const SetupField& field : SetupFields()) {
        for (int i = 0; i < field.Times; ++i) {
            FieldValue value = field.Member.Get(settings, i);
            if (field.Form == FieldForm::OffsetTime) {
                const long limit = keepHeld ? MaxStoredOffsetTime : MaxNewOffsetTime;
                value.Number = std::clamp(value.Number, -limit, limit);
                field.Member.Set(settings, i, value);
            }
            if (keepHeld && ReadField(image, field, i, settings) == value) {
                continue;
            }
            for (int copy = 0; copy < field.Copies; ++copy) {
                WriteField(image, FieldAddress(field, i) + field.CopyStride * copy, field, i, value,
                           settings);
            }
        }
    }
}

std::string FindUnstorableSetupField(const SettingsRecord& settings) {
    for (const SetupField& field : SetupFields()) {
        for (int i = 0; i < field.Times; ++i) {
            if (!Fits(field, i, settings)) {
                return FieldName(field, i);
            }
        }
    }
    return "";
}

void SetFactoryValues(SettingsRecord& settings) {
    for (const SetupField& field : SetupFields()) {
        for (int i = 0; i < field.Times; ++i) {
            field.Member.Set(settings, i, FieldValue{field.Factory, {}});
        }
    }
}

} // namespace tq58
