#include "worksheet_request.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "core/catalog.h"

namespace parabel::web {

namespace {

constexpr std::string_view kAddressStart = "#worksheet=";

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> pieces;
    while (true) {
        const std::size_t end = text.find(separator);
        pieces.push_back(text.substr(0, end));
        if (end == std::string_view::npos) {
            return pieces;
        }
        text.remove_prefix(end + 1);
    }
}

WorksheetReading Refused(const WorksheetFields& fields, Message message, std::string_view value) {
    return {fields, std::nullopt, FormatText(message, {{"value", std::string(value)}})};
}

}  // namespace

WorksheetReading ReadWorksheetFields(const WorksheetFields& fields) {
    WorksheetRequest request;
    const auto seed = WorksheetWholeNumber(fields.seed, 0, UINT32_MAX);
    if (!seed) {
        return Refused(fields, Message::kWorksheetDialogBadSeed, fields.seed);
    }
    request.seed = *seed;
    const auto count = WorksheetWholeNumber(fields.count, kMinWorksheetCount, kMaxWorksheetCount);
    if (!count) {
        return Refused(fields, Message::kWorksheetDialogBadCount, fields.count);
    }
    request.count = static_cast<int>(*count);
    const auto variants =
        WorksheetWholeNumber(fields.variants, kMinWorksheetVariants, kMaxWorksheetVariants);
    if (!variants) {
        return Refused(fields, Message::kWorksheetDialogBadVariants, fields.variants);
    }
    request.variants = static_cast<int>(*variants);
    if (fields.kinds.empty()) {
        return {fields, std::nullopt, std::string(Text(Message::kWorksheetDialogNoKinds))};
    }
    for (const std::string_view name : Split(fields.kinds, ',')) {
        const std::optional<EquationKind> kind = KindNamed(name);
        if (!kind) {
            return Refused(fields, Message::kWorksheetDialogBadKind, name);
        }
        request.kinds.push_back(*kind);
    }
    return {fields, request, {}};
}

std::optional<WorksheetReading> ReadWorksheetAddress(std::string_view fragment) {
    if (!fragment.starts_with(kAddressStart)) {
        return std::nullopt;
    }
    WorksheetFields fields;
    // Every kind unless the address names some.
    for (const EquationKind kind : AllKinds()) {
        if (!fields.kinds.empty()) {
            fields.kinds += ',';
        }
        fields.kinds += KindName(kind);
    }
    std::vector<std::string_view> seen;
    fragment.remove_prefix(1);
    for (const std::string_view part : Split(fragment, '&')) {
        const std::size_t equals = part.find('=');
        const std::string_view name = part.substr(0, equals);
        std::string* field = name == "worksheet"  ? &fields.seed
                             : name == "count"    ? &fields.count
                             : name == "variants" ? &fields.variants
                             : name == "kinds"    ? &fields.kinds
                                                  : nullptr;
        const bool repeated = std::find(seen.begin(), seen.end(), name) != seen.end();
        if (!field || equals == std::string_view::npos || repeated) {
            return Refused(fields, Message::kWorksheetDialogBadAddress, part);
        }
        seen.push_back(name);
        *field = std::string(part.substr(equals + 1));
    }
    return ReadWorksheetFields(fields);
}

}  // namespace parabel::web
