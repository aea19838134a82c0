#include "ui/model/Cp936Text.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <vector>

namespace {

const iconv_t NoConverter = reinterpret_cast<iconv_t>(-1);

// Input is fed in windows no larger than the output buffer: code page 936
// never takes more bytes than UTF-8 for the same character, so no call runs
// out of room, and each input byte is converted once.
constexpr std::size_t Window = 4096;

// Splits valid UTF-8 into its characters; a stray byte is a character of its
// own (the converter refuses it later).
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

long EstimatedLength(const std::string& utf8)
{
    long total = 0;
    for (const std::string& c : Characters(utf8)) {
        const auto lead = static_cast<unsigned char>(c[0]);
        if (lead >= 0x80 && (c.size() < 2 || lead < 0xC0))
            return -1;  // broken UTF-8
        total += lead < 0x80 ? 1 : 2;
    }
    return total;
}

std::string Join(const std::vector<std::string>& chars, std::size_t from, std::size_t to)
{
    std::string text;
    for (std::size_t i = from; i < to; ++i)
        text += chars[i];
    return text;
}

}  // namespace

Cp936Counter::Cp936Counter(const char* encoding) : cd_(iconv_open(encoding, "UTF-8")) {}

Cp936Counter::~Cp936Counter()
{
    if (Exact())
        iconv_close(static_cast<iconv_t>(cd_));
}

bool Cp936Counter::Exact() const
{
    return static_cast<iconv_t>(cd_) != NoConverter;
}

long Cp936Counter::Length(const std::string& utf8)
{
    if (!Exact())
        return EstimatedLength(utf8);
    const auto cd = static_cast<iconv_t>(cd_);
    iconv(cd, nullptr, nullptr, nullptr, nullptr);  // no shift state from an earlier text
    std::string input = utf8;
    char* in = input.data();
    const char* const end = in + input.size();
    long total = 0;
    std::vector<char> buffer(Window);
    while (in < end) {
        std::size_t inLeft = std::min<std::size_t>(static_cast<std::size_t>(end - in), Window);
        const bool last = in + inLeft == end;
        char* out = buffer.data();
        std::size_t outLeft = buffer.size();
        const std::size_t rc = iconv(cd, &in, &inLeft, &out, &outLeft);
        total += static_cast<long>(buffer.size() - outLeft);
        // A character cut by the window's end is read again in the next one.
        if (rc == static_cast<std::size_t>(-1) && !(errno == E2BIG || (errno == EINVAL && !last)))
            return -1;  // EILSEQ, or EINVAL at the very end: not representable or broken UTF-8
    }
    return total;
}

std::string Cp936Counter::Fit(const std::string& before, const std::string& after, std::size_t limit)
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
    const long kept = Length(prefix + suffix);
    long room = static_cast<long>(limit) - (kept < 0 ? 0 : kept);

    std::string inserted;
    for (std::size_t i = head; i < now.size() - tail; ++i) {
        const long bytes = Length(now[i]);
        if (bytes < 0)
            continue;
        if (bytes > room)
            break;
        inserted += now[i];
        room -= bytes;
    }
    return prefix + inserted + suffix;
}

std::string FitCp936Edit(const std::string& before, const std::string& after, std::size_t limit)
{
    return Cp936Counter().Fit(before, after, limit);
}

bool Cp936Available()
{
    static const bool available = Cp936Counter().Exact();
    return available;
}
