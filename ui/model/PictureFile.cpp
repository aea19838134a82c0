#include "ui/model/PictureFile.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace {
std::string Kilobytes(uint64_t bytes)
{
    return std::to_string((bytes + 1023) / 1024) + " KB";
}
}  // namespace

std::string PictureFile::DefaultName(const std::string& beast, const std::string& grade, const std::string& stamp)
{
    std::string name = beast + "-" + grade + "-" + stamp;
    for (char& c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos)
            c = '_';
    }
    return name + ".png";
}

std::string PictureFile::WithPngSuffix(const std::string& path)
{
    if (path.size() >= 4) {
        std::string tail = path.substr(path.size() - 4);
        std::transform(tail.begin(), tail.end(), tail.begin(), [](unsigned char c) { return std::tolower(c); });
        if (tail == ".png")
            return path;
    }
    return path + ".png";
}

std::string PictureFile::Failure(uint64_t needed, uint64_t available, const std::string& systemError)
{
    if (available < needed)
        return "磁盘空间不足：图片需要 " + Kilobytes(needed) + "，这里只剩 " + Kilobytes(available) + "。";
    return systemError.empty() ? std::string("无法写入图片文件。") : systemError;
}
