#include "worksheet_words.h"

namespace parabel {

namespace {

std::string VariantAndSeed(std::uint32_t seed, int variant) {
    return "Вариант " + std::to_string(variant) + ". Лист № " + std::to_string(seed);
}

}  // namespace

const char* const kWorksheetTitle = "Квадратные уравнения";

const char* const kPupilLine = "Фамилия, имя: __________________   Дата: ________";

std::string WorksheetHeading(std::uint32_t seed, int variant) {
    return std::string(kWorksheetTitle) + ". " + VariantAndSeed(seed, variant);
}

std::string WorksheetKeyHeading(std::uint32_t seed, int variant) {
    return "Ответы. " + VariantAndSeed(seed, variant);
}

const char* KindTitle(EquationKind kind) {
    switch (kind) {
        case EquationKind::kWhole:
            return "Два целых корня";
        case EquationKind::kFractions:
            return "Корни — простые дроби";
        case EquationKind::kOne:
            return "Один корень (D = 0)";
        case EquationKind::kNone:
            return "Корней нет (D < 0)";
        case EquationKind::kDecimal:
            return "Десятичные коэффициенты";
        case EquationKind::kIncomplete:
            return "Неполные уравнения (b = 0 или c = 0)";
    }
    return "";
}

}  // namespace parabel
