#include "worksheet_words.h"

#include "core/catalog.h"

namespace parabel {

std::string WorksheetTitle() {
    return std::string(Text(Message::kWorksheetTitle));
}

std::string WorksheetHeading(std::uint32_t seed, int variant) {
    return FormatText(Message::kWorksheetHeading,
                      {{"variant", std::to_string(variant)}, {"seed", std::to_string(seed)}});
}

std::string WorksheetKeyHeading(std::uint32_t seed, int variant) {
    return FormatText(Message::kWorksheetKeyHeading,
                      {{"variant", std::to_string(variant)}, {"seed", std::to_string(seed)}});
}

std::string PupilLine() {
    return std::string(Text(Message::kWorksheetPupilLine));
}

std::string KindTitle(EquationKind kind) {
    switch (kind) {
        case EquationKind::kWhole:
            return std::string(Text(Message::kWorksheetKindWhole));
        case EquationKind::kFractions:
            return std::string(Text(Message::kWorksheetKindFractions));
        case EquationKind::kOne:
            return std::string(Text(Message::kWorksheetKindOne));
        case EquationKind::kNone:
            return std::string(Text(Message::kWorksheetKindNone));
        case EquationKind::kDecimal:
            return std::string(Text(Message::kWorksheetKindDecimal));
        case EquationKind::kIncomplete:
            return std::string(Text(Message::kWorksheetKindIncomplete));
    }
    return {};
}

}  // namespace parabel
