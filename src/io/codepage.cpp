#include "codepage.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace parabel {

namespace {

// An iconv conversion that replaces each character it cannot convert by '?'
// and goes on after it.
class Converter {
  public:
    Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {
        if (handle_ == reinterpret_cast<iconv_t>(-1)) {
            throw std::runtime_error(std::string("no conversion from ") + from + " to " + to);
        }
    }
    ~Converter() { iconv_close(handle_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    std::string Convert(std::string_view input, bool fromUtf8) {
        std::string output;
        output.reserve(input.size() * 2);
        char* in = const_cast<char*>(input.data());
        std::size_t inLeft = input.size();
        char buffer[4096];
        iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        while (inLeft > 0) {
            char* out = buffer;
            std::size_t outLeft = sizeof buffer;
            const std::size_t result = iconv(handle_, &in, &inLeft, &out, &outLeft);
            output.append(buffer, out - buffer);
            if (result == static_cast<std::size_t>(-1) && errno != E2BIG) {
                output += '?';
                const std::size_t skip = fromUtf8 ? InvalidSequenceLength(in, inLeft) : 1;
                in += skip;
                inLeft -= skip;
            }
        }
        return output;
    }

  private:
    // The bytes of the invalid UTF-8 sequence at `lead`: the lead byte and
    // the continuation bytes that follow it, at most as many as it announces.
    // A byte after it that is no continuation byte starts the next character.
    static std::size_t InvalidSequenceLength(const char* lead, std::size_t left) {
        const auto byte = static_cast<unsigned char>(*lead);
        std::size_t announced = 1;
        if ((byte & 0xE0) == 0xC0) {
            announced = 2;
        } else if ((byte & 0xF0) == 0xE0) {
            announced = 3;
        } else if ((byte & 0xF8) == 0xF0) {
            announced = 4;
        }
        std::size_t length = 1;
        while (length < announced && length < left &&
               (static_cast<unsigned char>(lead[length]) & 0xC0) == 0x80) {
            ++length;
        }
        return length;
    }

    iconv_t handle_;
};

}  // namespace

std::string Utf8ToWindows1251(std::string_view utf8) {
    Converter converter("WINDOWS-1251", "UTF-8");
    return converter.Convert(utf8, true);
}

std::string Windows1251ToUtf8(std::string_view bytes) {
    Converter converter("UTF-8", "WINDOWS-1251");
    return converter.Convert(bytes, false);
}

}  // namespace parabel
