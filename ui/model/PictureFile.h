#pragma once
// The names and messages of saving the share card as a PNG file.

#include <cstdint>
#include <string>

class PictureFile {
public:
    // "芙蓉仙子-优秀-20261210-071530.png": the beast, its grade (or
    // "不评级") and the time, so that saves never meet one another's names.
    // Characters a file name cannot hold ('/', '\\', ':', '*', '?', '"',
    // '<', '>', '|' and control characters) become '_'.
    static std::string DefaultName(const std::string& beast, const std::string& grade, const std::string& stamp);
    // `path` with ".png" added unless it ends in ".png" (any case already).
    static std::string WithPngSuffix(const std::string& path);
    // Why a write failed: a full disk named as such when the folder had
    // less room than the file needs, else the system's own words.
    static std::string Failure(uint64_t needed, uint64_t available, const std::string& systemError);
};
