// tessvane-render --stats as users run it: the JSON of a drawing, the reader's
// message and exit code 1 for a file it cannot read, usage errors.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sys/wait.h>

namespace {

struct ToolRun {
    int exitCode;
    std::string output; // standard output and standard error
};

ToolRun runTool(const std::string& arguments) {
    const std::string command = std::string(TESSVANE_RENDER) + " " + arguments + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    std::string output;
    char buffer[4096];
    while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe))
        output.append(buffer, n);
    const int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

std::string writeTemp(const std::string& name, const std::string& content) {
    const auto path = std::filesystem::temp_directory_path() / name;
    std::ofstream(path, std::ios::binary) << content;
    return path.string();
}

} // namespace

TEST(RenderTool, PrintsStatsOfADrawing) {
    const std::string path = writeTemp("tessvane-render-stats.dxf",
                                       "0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\nAC1015\n0\nENDSEC\n"
                                       "0\nSECTION\n2\nENTITIES\n"
                                       "0\nLINE\n10\n0\n20\n0\n11\n4\n21\n2\n"
                                       "0\nPOLYLINE\n66\n1\n0\nVERTEX\n10\n-1\n20\n0\n"
                                       "0\nVERTEX\n10\n1\n20\n1\n0\nSEQEND\n"
                                       "0\n3DSOLID\n0\nENDSEC\n0\nEOF\n");
    const ToolRun run = runTool("--stats " + path);
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(run.output, "{\"format\": \"dxf\", \"version\": \"AC1015\", \"entities\": "
                          "{\"LINE\": 1, \"POLYLINE\": 1}, \"skipped\": {\"3DSOLID\": 1}, "
                          "\"extents\": [[-1, 0], [4, 2]]}\n");
    std::filesystem::remove(path);
}

TEST(RenderTool, ExitsWithTheReadersMessage) {
    const std::string truncated =
        writeTemp("tessvane-render-truncated.dxf", "0\nSECTION\n2\nENTITIES\n0\nLINE\n10\n");
    struct Case {
        std::string arguments;
        int exitCode;
        std::string message;
    };
    const Case cases[] = {
        {"--stats " + truncated, 1,
         truncated + ": line 7: the file ends before the value of group code 10"},
        {"--stats /nonexistent/x.dxf", 1, "/nonexistent/x.dxf: cannot open the file"},
        {"--stats", 2, "usage: tessvane-render --stats IN"},
        {"--frobnicate a.dxf", 2, "unknown option --frobnicate"},
        {"a.dxf b.png --size 12", 2, "--size takes WIDTHxHEIGHT"},
    };
    for (const auto& c : cases) {
        const ToolRun run = runTool(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.arguments << ": " << run.output;
        EXPECT_NE(run.output.find(c.message), std::string::npos)
            << c.arguments << ": " << run.output;
    }
    std::filesystem::remove(truncated);
}
