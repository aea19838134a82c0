#pragma once
// Byte counting of names in code page 936, the encoding the game stores names
// in: a name edit admits at most a fixed number of bytes of that encoding.
// The conversion is the system's iconv ("CP936"), so the count agrees with
// what the game would store. Texts here are UTF-8.
//
// Should the system lack the converter, the count falls back to an estimate
// (one byte for ASCII, two for any other character) rather than refusing every
// character; Exact() tells the caller so that it can say so.

#include <cstddef>
#include <string>

class Cp936Counter {
public:
    // `encoding` is an iconv name; only tests ask for another than CP936.
    explicit Cp936Counter(const char* encoding = "CP936");
    ~Cp936Counter();
    Cp936Counter(const Cp936Counter&) = delete;
    Cp936Counter& operator=(const Cp936Counter&) = delete;

    // Whether the converter could be opened; when not, counts are estimates.
    bool Exact() const;

    // Bytes of `utf8`, or -1 when it holds a character that code page 936
    // cannot represent (or is not valid UTF-8). Linear in the length.
    long Length(const std::string& utf8);

    // The text an edit holds after the user turned `before` into `after`
    // (typing, pasting, deleting, input-method commit): characters that code
    // page 936 cannot hold are dropped from the inserted part, and the
    // inserted part is cut at a character boundary so that the whole stays
    // within `limit` bytes. Text that was there before is never cut, even when
    // it is already too long.
    std::string Fit(const std::string& before, const std::string& after, std::size_t limit);

private:
    void* cd_;  // iconv_t, kept out of this header
};

// Cp936Counter().Fit; and whether the system has the converter.
std::string FitCp936Edit(const std::string& before, const std::string& after, std::size_t limit);
bool Cp936Available();
