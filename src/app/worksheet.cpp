#include "worksheet.h"

#include <algorithm>
#include <random>
#include <set>
#include <stdexcept>

#include "core/solver.h"

namespace parabel {

namespace {

// Draws for one equation before giving up. Each kind has some hundred
// different equations or more, so a variant of 40 needs a few draws each.
constexpr int kMaxDraws = 1000;

constexpr const char* kKindNames[kEquationKindCount] = {"whole", "fractions", "one",
                                                        "none",  "decimal",   "incomplete"};

double RootValue(const ExactRoot& root) {
    return (Extended(root.numerator) / Extended(root.denominator)).ToDouble();
}

// Whether the solver answers the equation with the roots it was built from.
bool SolverAgrees(const EquationCandidate& candidate, const SolveOutcome& outcome) {
    if (outcome.failure != SolveFailure::kNone) {
        return false;
    }
    const std::vector<ExactRoot>& roots = candidate.roots;
    switch (roots.size()) {
        case 0:
            return outcome.root1 == kNoRoot && outcome.root2 == kNoRoot;
        case 1:
            return outcome.root1 == RootValue(roots[0]) && outcome.root2 == kNoRoot;
        default: {
            const double first = RootValue(roots[0]);
            const double second = RootValue(roots[1]);
            return (outcome.root1 == first && outcome.root2 == second) ||
                   (outcome.root1 == second && outcome.root2 == first);
        }
    }
}

WorksheetEquation DrawEquation(EquationKind kind, WorksheetRandom& random,
                               std::set<std::string>& taken) {
    for (int draw = 0; draw < kMaxDraws; ++draw) {
        const EquationCandidate candidate = DrawCandidate(kind, random);
        if (!IsOfKind(candidate, kind)) {
            continue;
        }
        std::string text = EquationText(candidate);
        if (taken.contains(text)) {
            continue;
        }
        SolveOutcome outcome = Solve(text);
        if (SolverAgrees(candidate, outcome)) {
            taken.insert(text);
            return {std::move(text), kind, std::move(outcome.saved)};
        }
    }
    throw std::logic_error(std::string("worksheet: no further equation of the kind ") +
                           KindName(kind));
}

std::vector<EquationKind> MixedKinds(std::vector<EquationKind> kinds) {
    if (kinds.empty()) {
        return AllKinds();
    }
    std::sort(kinds.begin(), kinds.end());
    kinds.erase(std::unique(kinds.begin(), kinds.end()), kinds.end());
    return kinds;
}

WorksheetVariant MakeVariant(const WorksheetRequest& request,
                             const std::vector<EquationKind>& kinds, int number) {
    WorksheetRandom random = VariantRandom(request.seed, number);
    std::set<std::string> taken;
    WorksheetVariant variant;
    variant.number = number;
    const auto kindCount = static_cast<int>(kinds.size());
    for (int i = 0; i < request.count; ++i) {
        const EquationKind kind = kinds[static_cast<std::size_t>(i * kindCount / request.count)];
        variant.equations.push_back(DrawEquation(kind, random, taken));
    }
    return variant;
}

}  // namespace

Worksheet MakeWorksheet(const WorksheetRequest& request) {
    if (request.count < kMinWorksheetCount || request.count > kMaxWorksheetCount) {
        throw std::invalid_argument("worksheet: the count of equations is 1 to 40");
    }
    if (request.variants < kMinWorksheetVariants || request.variants > kMaxWorksheetVariants) {
        throw std::invalid_argument("worksheet: the number of variants is 1 to 4");
    }
    Worksheet worksheet;
    worksheet.seed = request.seed;
    worksheet.kinds = MixedKinds(request.kinds);
    for (int number = 1; number <= request.variants; ++number) {
        worksheet.variants.push_back(MakeVariant(request, worksheet.kinds, number));
    }
    return worksheet;
}

const std::string& AnswerLine(const WorksheetEquation& equation) {
    return equation.solution.back();
}

const char* KindName(EquationKind kind) {
    return kKindNames[static_cast<int>(kind)];
}

std::optional<EquationKind> KindNamed(std::string_view name) {
    for (int i = 0; i < kEquationKindCount; ++i) {
        if (name == kKindNames[i]) {
            return static_cast<EquationKind>(i);
        }
    }
    return std::nullopt;
}

std::vector<EquationKind> AllKinds() {
    std::vector<EquationKind> kinds;
    kinds.reserve(kEquationKindCount);
    for (int i = 0; i < kEquationKindCount; ++i) {
        kinds.push_back(static_cast<EquationKind>(i));
    }
    return kinds;
}

std::uint32_t NewWorksheetSeed() {
    std::random_device source;
    return static_cast<std::uint32_t>(source());
}

std::optional<std::uint32_t> WorksheetWholeNumber(std::string_view text, std::uint32_t least,
                                                  std::uint32_t most) {
    if (text.empty() || text.size() > 10) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (const char digit : text) {
        if (digit < '0' || digit > '9') {
            return std::nullopt;
        }
        value = value * 10 + static_cast<std::uint64_t>(digit - '0');
    }
    if (value < least || value > most) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(value);
}

}  // namespace parabel
