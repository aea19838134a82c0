#pragma once
// Byte counting of names in code page 936, the encoding the game stores names
// in: a name edit admits at most a fixed number of bytes of that encoding.
// The conversion is the system's iconv ("CP936"), so the count agrees with
// what the game would store. Texts here are UTF-8.

#include <cstddef>
#include <string>

// Bytes of `utf8` in code page 936, or -1 when it holds a character that code
// page 936 cannot represent (or is not valid UTF-8).
long Cp936Length(const std::string& utf8);

// The text an edit holds after the user turned `before` into `after` (typing,
// pasting, deleting, input-method commit): characters that code page 936
// cannot hold are dropped from the inserted part, and the inserted part is cut
// at a character boundary so that the whole stays within `limit` bytes. Text
// that was there before is never cut, even when it is already too long.
std::string FitCp936Edit(const std::string& before, const std::string& after, std::size_t limit);
