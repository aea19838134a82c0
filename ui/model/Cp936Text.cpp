#include "Cp936Text.h"

#include <iconv.h>

#include <cerrno>

#include <vector>

namespace {

// One iconv descriptor per call: the dialogs convert a few short names at a
// time, and a fresh descriptor has no shift state left over.
class Cp936Converter {
public:
    Cp936Converter() : cd_(iconv_open("CP936", "UTF-8")) {}
    ~Cp936Converter()
    {
        if (cd_ != reinterpret_cast<iconv_t>(-1))
            iconv_close(cd_);
    }
    Cp936Converter(const Cp936Converter&) = delete;
    Cp936Converter& operator=(const Cp936Converter&) = delete;

    long Length(const std::string& utf8)
    {
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            return -1;
        std::string input = utf8;
        char* in = input.data();
        std::size_t inLeft = input.size();
        long total = 0;
        char buffer[64];
        while (inLeft > 0) {
            char* out = buffer;
            std::size_t outLeft = sizeof buffer;
            const std::size_t rc = iconv(cd_, &in, &inLeft, &out, &outLeft);
            total += static_cast<long>(sizeof buffer - outLeft);
            if (rc == static_cast<std::size_t>(-1) && errno != E2BIG)
                return -1;  // EILSEQ / EINVAL: not representable or broken UTF-8
        }
        return total;
    }

private:
    iconv_t cd_;
};

// Splits valid UTF-8 into its characters; a stray byte is a character of its
// own (iconv refuses it later).
std::vector<std::string> Characters(const std::string& utf8)
{
    std::vector<std::string> result;
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        std::size_t j = i + 1;
        while (j < utf8.size() && j < i + length && (static_cast<unsigned char>(utf8[j]) & 0xC0) == 0x80)
            ++j;
        result.push_back(utf8.substr(i, j - i));
        i = j;
    }
    return result;
}

std::string Join(const std::vector<std::string>& chars, std::size_t from, std::size_t to)
{
    std::string text;
    for (std::size_t i = from; i < to; ++i)
        text += chars[i];
    return text;
}

}  // namespace

long Cp936Length(const std::string& utf8)
{
    return Cp936Converter().Length(utf8);
}

std::string FitCp936Edit(const std::string& before, const std::string& after, std::size_t limit)
{
    const auto old = Characters(before);
    const auto now = Characters(after);
    // The unchanged head and tail; what lies between in `after` is new.
    std::size_t head = 0;
    while (head < old.size() && head < now.size() && old[head] == now[head])
        ++head;
    std::size_t tail = 0;
    while (tail < old.size() - head && tail < now.size() - head
           && old[old.size() - 1 - tail] == now[now.size() - 1 - tail])
        ++tail;

    const std::string prefix = Join(now, 0, head);
    const std::string suffix = Join(now, now.size() - tail, now.size());
    Cp936Converter converter;
    const long kept = converter.Length(prefix + suffix);
    long room = static_cast<long>(limit) - (kept < 0 ? 0 : kept);

    std::string inserted;
    for (std::size_t i = head; i < now.size() - tail; ++i) {
        const long bytes = converter.Length(now[i]);
        if (bytes < 0)
            continue;
        if (bytes > room)
            break;
        inserted += now[i];
        room -= bytes;
    }
    return prefix + inserted + suffix;
}
