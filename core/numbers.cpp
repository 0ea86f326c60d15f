#include "core/numbers.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace tessaly {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The text after a field's grammar has been checked, in the form std::from_chars reads:
// no '+', no grouping, '.' as the decimal point. It also keeps what is needed to tell an
// overflow from an underflow when from_chars reports a result out of range.
class Normalised {
public:
    void push(char c) {
        if (size_ < small_.size())
            small_[size_] = c;
        else {
            if (large_.empty())
                large_.assign(small_.data(), small_.size());
            large_.push_back(c);
        }
        ++size_;
    }
    const char* begin() const { return large_.empty() ? small_.data() : large_.data(); }
    const char* end() const { return begin() + size_; }

    // Decimal exponent of the first significant digit before the exponent part is applied:
    // 1 for "5", 3 for "123.4", -2 for "0.005".
    long leadingExponent = 0;
    long exponent = 0;
    bool sawSignificant = false;

private:
    std::array<char, 64> small_{};
    std::string large_;
    std::size_t size_ = 0;
};

bool StartsWith(std::string_view text, std::size_t pos, std::string_view what) {
    return !what.empty() && text.substr(pos, what.size()) == what;
}

}  // namespace

NumberResult FieldToNumber(std::string_view text, const Separators& separators) {
    const NumberResult notANumber{0, CalcFailure::NotANumber};

    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return notANumber;
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);

    Normalised out;
    std::size_t pos = 0;
    bool negative = false;
    if (text[pos] == '+' || text[pos] == '-') {
        negative = text[pos] == '-';
        if (negative)
            out.push('-');
        ++pos;
    }

    // Integer part: any run of digits, or groups of three after a first group of one to three.
    std::size_t digits = 0;
    std::size_t groupLength = 0;
    bool grouped = false;
    long significantIntegerDigits = 0;
    while (pos < text.size()) {
        if (IsDigit(text[pos])) {
            if (text[pos] != '0' || out.sawSignificant) {
                out.sawSignificant = true;
                ++significantIntegerDigits;
            }
            out.push(text[pos++]);
            ++digits;
            ++groupLength;
        } else if (StartsWith(text, pos, separators.thousands) && groupLength > 0 &&
                   (grouped ? groupLength == 3 : groupLength <= 3)) {
            pos += separators.thousands.size();
            grouped = true;
            groupLength = 0;
            if (pos >= text.size() || !IsDigit(text[pos]))
                return notANumber;
        } else {
            break;
        }
    }
    if (grouped && groupLength != 3)
        return notANumber;
    out.leadingExponent = significantIntegerDigits;

    if (StartsWith(text, pos, separators.decimal)) {
        pos += separators.decimal.size();
        out.push('.');
        long leadingZeros = 0;
        while (pos < text.size() && IsDigit(text[pos])) {
            if (!out.sawSignificant) {
                if (text[pos] == '0')
                    ++leadingZeros;
                else {
                    out.sawSignificant = true;
                    out.leadingExponent = -leadingZeros;
                }
            }
            out.push(text[pos++]);
            ++digits;
        }
    }
    if (digits == 0)
        return notANumber;

    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        out.push('e');
        ++pos;
        bool negativeExponent = false;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
            negativeExponent = text[pos] == '-';
            if (negativeExponent)
                out.push('-');
            ++pos;
        }
        std::size_t exponentDigits = 0;
        constexpr long kClamp = 1'000'000'000;
        while (pos < text.size() && IsDigit(text[pos])) {
            out.exponent = std::min(kClamp, out.exponent * 10 + (text[pos] - '0'));
            out.push(text[pos++]);
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            return notANumber;
        if (negativeExponent)
            out.exponent = -out.exponent;
    }
    if (pos != text.size())
        return notANumber;

    double value = 0;
    const auto [end, ec] = std::from_chars(out.begin(), out.end(), value);
    if (ec == std::errc::result_out_of_range) {
        // from_chars leaves the value alone; decide by magnitude between too large and too small.
        if (out.sawSignificant && out.leadingExponent + out.exponent > 0)
            return {0, CalcFailure::Overflow};
        return {negative ? -0.0 : 0.0, std::nullopt};
    }
    if (ec != std::errc() || end != out.end())
        return notANumber;
    return {value, std::nullopt};
}

double RoundHalfEven(double x, int places) {
    const double scale = std::pow(10.0, places);
    const double scaled = x * scale;
    if (!std::isfinite(scaled))
        return x;  // so large that it has no decimals to round
    // nearbyint rounds in the current mode, which is to nearest with ties to even.
    return std::nearbyint(scaled) / scale;
}

std::string NumberToText(double x, std::string_view decimal) {
    if (x == 0)
        return "0";  // negative zero included
    if (!std::isfinite(x))
        return std::isnan(x) ? "NaN" : (x < 0 ? "-Infinity" : "Infinity");

    // 15 significant digits of the exact value, rounded to nearest with ties to even.
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), x,
                                      std::chars_format::scientific, 14);
    std::string_view scientific(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));

    std::string text;
    if (scientific.front() == '-') {
        text.push_back('-');
        scientific.remove_prefix(1);
    }
    const auto e = scientific.find('e');
    std::string digits;
    digits.push_back(scientific[0]);
    digits.append(scientific.substr(2, e - 2));
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    int exponent = 0;
    const auto exponentText = scientific.substr(e + 2);
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);
    if (scientific[e + 1] == '-')
        exponent = -exponent;

    if (exponent < -4 || exponent >= 15) {
        text.push_back(digits[0]);
        if (digits.size() > 1) {
            text.append(decimal);
            text.append(digits, 1);
        }
        text.append(exponent < 0 ? "E-" : "E+");
        const int magnitude = std::abs(exponent);
        if (magnitude < 10)
            text.push_back('0');
        text.append(std::to_string(magnitude));
    } else if (exponent < 0) {
        text.push_back('0');
        text.append(decimal);
        text.append(static_cast<std::size_t>(-exponent - 1), '0');
        text.append(digits);
    } else {
        const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= integerDigits) {
            text.append(digits);
            text.append(integerDigits - digits.size(), '0');
        } else {
            text.append(digits, 0, integerDigits);
            text.append(decimal);
            text.append(digits, integerDigits);
        }
    }
    return text;
}

double Steps::number(std::string_view text) {
    if (failed())
        return 0;
    const auto result = FieldToNumber(text, separators_);
    return result.ok() ? result.value : fail(*result.failure);
}

double Steps::checked(double result) {
    if (failed())
        return 0;
    return std::isfinite(result) ? result : fail(CalcFailure::Overflow);
}

double Steps::add(double a, double b) { return checked(a + b); }
double Steps::sub(double a, double b) { return checked(a - b); }
double Steps::mul(double a, double b) { return checked(a * b); }

double Steps::div(double a, double b) {
    if (failed())
        return 0;
    if (b == 0)
        return fail(a == 0 ? CalcFailure::Overflow : CalcFailure::DivisionByZero);
    return checked(a / b);
}

double Steps::round(double x, int places) { return failed() ? 0 : RoundHalfEven(x, places); }

double Steps::fail(CalcFailure failure) {
    if (!failed())
        failure_ = failure;
    return 0;
}

}  // namespace tessaly
