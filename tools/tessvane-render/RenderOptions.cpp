#include "RenderOptions.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <filesystem>

namespace {

bool parseSize(const std::string& text, int& width, int& height) {
    const auto x = text.find('x');
    if (x == std::string::npos)
        return false;
    auto number = [](std::string_view s, int& value) {
        auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
        return ec == std::errc() && ptr == s.data() + s.size() && value > 0 && value <= 16384;
    };
    const std::string_view all(text);
    return number(all.substr(0, x), width) && number(all.substr(x + 1), height);
}

} // namespace

std::string pictureFormatOf(const std::string& output) {
    std::string ext = std::filesystem::path(output).extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    if (ext == ".png")
        return "png";
    if (ext == ".jpg" || ext == ".jpeg")
        return "jpeg";
    return {};
}

std::optional<RenderOptions> parseRenderOptions(const std::vector<std::string>& arguments,
                                                std::string& error) {
    RenderOptions options;
    std::vector<std::string> files;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& arg = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (arg == "--stats") {
            options.stats = true;
        } else if (arg == "--size" && hasValue) {
            if (!parseSize(arguments[++i], options.width, options.height)) {
                error = "--size takes WIDTHxHEIGHT in pixels, such as 1920x1080";
                return std::nullopt;
            }
        } else if (arg == "--background" && hasValue) {
            options.background = arguments[++i];
        } else if (arg.size() > 1 && arg[0] == '-') {
            error = "unknown option " + arg;
            return std::nullopt;
        } else {
            files.push_back(arg);
        }
    }
    if (options.stats && files.size() == 1) {
        options.input = files[0];
        return options;
    }
    if (!options.stats && files.size() == 2) {
        options.input = files[0];
        options.output = files[1];
        if (pictureFormatOf(options.output).empty()) {
            error = "OUT must name a .png, .jpg or .jpeg picture";
            return std::nullopt;
        }
        return options;
    }
    error = "wrong number of files";
    return std::nullopt;
}
