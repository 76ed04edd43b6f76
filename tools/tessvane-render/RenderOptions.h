#pragma once
// The command line of tessvane-render.

#include <optional>
#include <string>
#include <vector>

struct RenderOptions {
    bool stats = false; // --stats IN: print what was read as JSON
    std::string input;
    std::string output; // IN OUT: the picture to write
    int width = 1024;   // --size WxH
    int height = 768;
    std::string background = "#ffffff"; // --background COLOUR
};

// The picture format OUT's extension asks for ("png" or "jpeg"), or an empty
// string for an extension the tool does not write.
std::string pictureFormatOf(const std::string& output);

// The options of `arguments` (without the program name), or an error message.
std::optional<RenderOptions> parseRenderOptions(const std::vector<std::string>& arguments,
                                                std::string& error);

inline constexpr const char* kRenderUsage =
    "usage: tessvane-render --stats IN\n"
    "       tessvane-render IN OUT [--size WxH] [--background COLOUR]\n";
