// Preset files of the measuring stand (JSON), as the preset dialog opens them, and the numbers the user
// types into its table.
#include "fuzzsupport.h"

#include "modules/stand/standpreset.h"

#include <cmath>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    FuzzSupport::silenceQt();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray json(reinterpret_cast<const char *>(data), qsizetype(size));
    const StandPreset::Parsed parsed = StandPreset::parse(json);
    if (parsed.error != StandPreset::ParseError::None) {
        // A refused file gives nothing to apply.
        FUZZ_ASSERT(parsed.targets.isEmpty() && !parsed.deviation.has_value());
    } else {
        FUZZ_ASSERT(parsed.targets.size() <= StandPreset::kMaxTargets);
        if (parsed.deviation)
            FUZZ_ASSERT(std::isfinite(*parsed.deviation) && *parsed.deviation >= 0.0);

        // What loads can be saved and loads again the same.
        PresetData_t preset;
        preset.count = qint32(parsed.targets.size());
        preset.targets = parsed.targets;
        preset.deviation = parsed.deviation.value_or(StandPreset::kDefaultTolerance);
        const StandPreset::Parsed again = StandPreset::parse(StandPreset::write(preset));
        FUZZ_ASSERT(again.error == StandPreset::ParseError::None);
        FUZZ_ASSERT(again.targets == parsed.targets);
        FUZZ_ASSERT(again.deviation == preset.deviation);
    }

    const std::optional<double> number = StandPreset::parseNumber(QString::fromUtf8(json.left(64)));
    if (number)
        FUZZ_ASSERT(std::isfinite(*number));
    return 0;
}
