#include "worksheet_equation.h"

#include <cstdlib>
#include <numeric>

#include "core/decimal_separator.h"

namespace parabel {

namespace {

constexpr std::int64_t kHundred = 100;

ExactRoot Root(std::int64_t numerator, std::int64_t denominator) {
    const std::int64_t divisor = std::gcd(numerator, denominator);
    const std::int64_t sign = denominator < 0 ? -1 : 1;
    return {sign * numerator / divisor, sign * denominator / divisor};
}

// k (p1 x - q1)(p2 x - q2), whose roots are q1/p1 and q2/p2.
EquationCandidate FromRoots(std::int64_t k, ExactRoot first, ExactRoot second) {
    EquationCandidate candidate;
    candidate.a = k * first.denominator * second.denominator;
    candidate.b =
        -k * (first.denominator * second.numerator + second.denominator * first.numerator);
    candidate.c = k * first.numerator * second.numerator;
    candidate.roots = {first, second};
    return candidate;
}

// The candidate divided by the greatest common divisor of its coefficients.
EquationCandidate Reduced(EquationCandidate candidate) {
    const std::int64_t divisor = std::gcd(std::gcd(candidate.a, candidate.b), candidate.c);
    candidate.a /= divisor;
    candidate.b /= divisor;
    candidate.c /= divisor;
    return candidate;
}

EquationCandidate DrawWhole(WorksheetRandom& random) {
    constexpr int kLeading[] = {1, 1, 1, 1, -1, -1, 2, -2, 3};
    const int a = random.OneOf(kLeading);
    const int limit = std::abs(a) == 1 ? 9 : 5;
    const int first = random.Between(-limit, limit);
    const int second = random.Between(-limit, limit);
    return FromRoots(a, Root(first, 1), Root(second, 1));
}

EquationCandidate DrawFractions(WorksheetRandom& random) {
    constexpr int kSigns[] = {1, 1, 1, -1};
    const int sign = random.OneOf(kSigns);
    const int firstNumerator = random.Between(-9, 9);
    const int firstDenominator = random.Between(2, 5);
    const int secondNumerator = random.Between(-6, 6);
    const int secondDenominator = random.Between(1, 3);
    const ExactRoot first = Root(firstNumerator, firstDenominator);
    const ExactRoot second = Root(secondNumerator, secondDenominator);
    EquationCandidate candidate = Reduced(FromRoots(1, first, second));
    candidate.a *= sign;
    candidate.b *= sign;
    candidate.c *= sign;
    return candidate;
}

EquationCandidate DrawOneRoot(WorksheetRandom& random) {
    constexpr int kDenominators[] = {1, 1, 1, 2, 3};
    constexpr int kWholeFactors[] = {1, 1, -1, 2, 3, -2};
    constexpr int kFractionFactors[] = {1, -1};
    const int denominator = random.OneOf(kDenominators);
    const int k = random.OneOf(denominator == 1 ? std::span<const int>(kWholeFactors)
                                                : std::span<const int>(kFractionFactors));
    const int limit = denominator == 1 && std::abs(k) == 1 ? 9 : 5;
    const ExactRoot root = Root(random.Between(-limit, limit), denominator);
    EquationCandidate candidate = FromRoots(k, root, root);
    candidate.roots = {root};
    return candidate;
}

EquationCandidate DrawNoRoot(WorksheetRandom& random) {
    constexpr int kLeading[] = {1, 1, 1, 2, 3, -1, -2};
    EquationCandidate candidate;
    candidate.a = random.OneOf(kLeading);
    candidate.b = random.Between(-9, 9);
    // The least |c| with b^2 < 4|a||c|, and a little more.
    const std::int64_t least = candidate.b * candidate.b / (4 * std::abs(candidate.a)) + 1;
    candidate.c = (candidate.a < 0 ? -1 : 1) * (least + random.Between(0, 6));
    return candidate;
}

EquationCandidate DrawDecimal(WorksheetRandom& random) {
    constexpr int kSigns[] = {1, 1, -1};
    const int sign = random.OneOf(kSigns);
    if (random.Between(0, 1) == 0) {
        // ±(x - t1/10)(x - t2/10): b with one decimal place, c with two.
        const int first = random.Between(-30, 30);
        const int second = random.Between(-30, 30);
        EquationCandidate candidate;
        candidate.a = sign * kHundred;
        candidate.b = std::int64_t{-10} * sign * (first + second);
        candidate.c = sign * std::int64_t{first} * second;
        candidate.inHundredths = true;
        candidate.roots = {Root(first, 10), Root(second, 10)};
        return candidate;
    }
    // m/100 (x - r1)(x - r2): whole roots under decimal coefficients.
    constexpr int kFactors[] = {10, 20, 25, 50, 150, 250};
    const int factor = random.OneOf(kFactors);
    const int first = random.Between(-6, 6);
    const int second = random.Between(-6, 6);
    EquationCandidate candidate =
        FromRoots(std::int64_t{sign} * factor, Root(first, 1), Root(second, 1));
    candidate.inHundredths = true;
    return candidate;
}

EquationCandidate DrawIncomplete(WorksheetRandom& random) {
    const int form = random.Between(0, 4);
    if (form <= 1) {  // a x^2 + b x: the roots 0 and -b/a
        constexpr int kLeading[] = {1, 1, 2, 3, 4, 5, -1, -2};
        const int a = random.OneOf(kLeading);
        return FromRoots(a, Root(0, 1), Root(-random.Between(-12, 12), a));
    }
    if (form <= 3) {  // k (p^2 x^2 - q^2): the roots q/p and -q/p
        constexpr int kDenominators[] = {1, 1, 1, 2, 3};
        constexpr int kWholeFactors[] = {1, 1, -1, 2, 3};
        constexpr int kFractionFactors[] = {1, -1};
        const int denominator = random.OneOf(kDenominators);
        const int k = random.OneOf(denominator == 1 ? std::span<const int>(kWholeFactors)
                                                    : std::span<const int>(kFractionFactors));
        const int numerator = random.Between(1, std::abs(k) == 1 ? 9 : 4);
        return FromRoots(k, Root(numerator, denominator), Root(-numerator, denominator));
    }
    // a x^2 + c with a and c of one sign: no root.
    constexpr int kLeading[] = {1, 1, 2, 3, -1};
    EquationCandidate candidate;
    candidate.a = random.OneOf(kLeading);
    candidate.c = std::int64_t{candidate.a < 0 ? -1 : 1} * random.Between(1, 25);
    return candidate;
}

bool SameRoot(const ExactRoot& left, const ExactRoot& right) {
    return left.numerator * right.denominator == right.numerator * left.denominator;
}

bool HasTwoDifferentRoots(const EquationCandidate& candidate) {
    return candidate.roots.size() == 2 && !SameRoot(candidate.roots[0], candidate.roots[1]);
}

// A coefficient as text: "3", "-12", and in hundredths "0.5", "-1.25".
std::string NumberText(std::int64_t value, bool inHundredths) {
    if (!inHundredths) {
        return std::to_string(value);
    }
    const std::int64_t magnitude = std::abs(value);
    std::string text(value < 0 ? "-" : "");
    text += std::to_string(magnitude / kHundred);
    const std::int64_t hundredths = magnitude % kHundred;
    if (hundredths != 0) {
        text += DecimalSeparator();
        text += static_cast<char>('0' + hundredths / 10);
        if (hundredths % 10 != 0) {
            text += static_cast<char>('0' + hundredths % 10);
        }
    }
    return text;
}

}  // namespace

EquationCandidate DrawCandidate(EquationKind kind, WorksheetRandom& random) {
    switch (kind) {
        case EquationKind::kWhole:
            return DrawWhole(random);
        case EquationKind::kFractions:
            return DrawFractions(random);
        case EquationKind::kOne:
            return DrawOneRoot(random);
        case EquationKind::kNone:
            return DrawNoRoot(random);
        case EquationKind::kDecimal:
            return DrawDecimal(random);
        case EquationKind::kIncomplete:
            return DrawIncomplete(random);
    }
    return {};
}

bool IsOfKind(const EquationCandidate& candidate, EquationKind kind) {
    const bool complete = candidate.b != 0 && candidate.c != 0;
    switch (kind) {
        case EquationKind::kWhole:
            return complete && HasTwoDifferentRoots(candidate);
        case EquationKind::kFractions:
            return complete && HasTwoDifferentRoots(candidate) && std::abs(candidate.a) != 1;
        case EquationKind::kOne:
            return complete && candidate.roots.size() == 1;
        case EquationKind::kNone:
            return complete && candidate.roots.empty();
        case EquationKind::kDecimal:
            return complete && HasTwoDifferentRoots(candidate) &&
                   (candidate.a % kHundred != 0 || candidate.b % kHundred != 0 ||
                    candidate.c % kHundred != 0);
        case EquationKind::kIncomplete:
            return (candidate.b == 0) != (candidate.c == 0);
    }
    return false;
}

std::string EquationText(const EquationCandidate& candidate) {
    const std::int64_t unit = candidate.inHundredths ? kHundred : 1;
    std::string text;
    if (candidate.a == -unit) {
        text.push_back('-');
    } else if (candidate.a != unit) {
        text = NumberText(candidate.a, candidate.inHundredths);
    }
    text += "x^2";
    if (candidate.b != 0) {
        text += candidate.b > 0 ? "+" : "-";
        if (std::abs(candidate.b) != unit) {
            text += NumberText(std::abs(candidate.b), candidate.inHundredths);
        }
        text += "x";
    }
    if (candidate.c != 0) {
        text += candidate.c > 0 ? "+" : "";
        text += NumberText(candidate.c, candidate.inHundredths);
    }
    return text;
}

}  // namespace parabel
