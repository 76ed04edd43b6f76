// tessvane-render as users run it: the JSON of a drawing, pictures of it, the
// reader's message and exit code 1 for a file it cannot read, usage errors.

#include <QColor>
#include <QImage>
#include <QImageReader>

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
        {"a.dxf b.gif", 2, "OUT must name a .png, .jpg or .jpeg picture"},
        {"a.dxf b.png --background nocolour", 2, "--background takes a colour"},
    };
    for (const auto& c : cases) {
        const ToolRun run = runTool(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.arguments << ": " << run.output;
        EXPECT_NE(run.output.find(c.message), std::string::npos)
            << c.arguments << ": " << run.output;
    }
    std::filesystem::remove(truncated);
}

namespace {

namespace fs = std::filesystem;

// A line from (0, 0) to (100, 50) in colour index 7: at 212 x 106 pixels the
// view's scale is 2 and world (x, y) lies at pixel (106 + 2 (x - 50), 53 - 2 (y - 25)).
const char* const kDiagonal = "0\nSECTION\n2\nENTITIES\n"
                              "0\nLINE\n8\n0\n10\n0\n20\n0\n11\n100\n21\n50\n0\nENDSEC\n0\nEOF\n";

int brightness(QRgb rgb) {
    return qRed(rgb) + qGreen(rgb) + qBlue(rgb);
}

// How far the pixel within one pixel of (x, y) that stands out most differs
// in brightness from the background.
int contrastNear(const QImage& picture, int x, int y, int background) {
    int best = 0;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            best = std::max(best, std::abs(brightness(picture.pixel(x + dx, y + dy)) - background));
    return best;
}

} // namespace

TEST(RenderTool, DrawsTheDrawingZoomedToItsExtents) {
    const std::string in = writeTemp("tessvane-render-diagonal.dxf", kDiagonal);
    const struct {
        const char* out;
        const char* background;
        const char* format;
        bool lineBright;
    } cases[] = {
        {"tessvane-render-black.png", "black", "png", true},
        {"tessvane-render-white.PNG", "#ffffff", "png", false},
        {"tessvane-render-black.jpg", "#000", "jpeg", true},
        {"tessvane-render-white.jpeg", "white", "jpeg", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.out);
        const fs::path out = fs::temp_directory_path() / c.out;
        const ToolRun run = runTool(in + " " + out.string() + " --size 212x106 --background '" +
                                    c.background + "'");
        ASSERT_EQ(run.exitCode, 0) << run.output;
        QImageReader reader(QString::fromStdString(out.string()));
        EXPECT_EQ(reader.format(), c.format);
        const QImage picture = reader.read();
        ASSERT_EQ(picture.size(), QSize(212, 106));
        const int background = brightness(picture.pixel(3, 3));
        EXPECT_EQ(background > 384, !c.lineBright);
        for (const double x : {10.0, 50.0, 90.0}) {
            const int px = int(106 + 2 * (x - 50)), py = int(53 - 2 * (x / 2 - 25));
            EXPECT_GT(contrastNear(picture, px, py, background), 500) << "no line at world x " << x;
        }
        // Off the line: the background.
        EXPECT_NEAR(brightness(picture.pixel(106, 80)), background, 30);
        fs::remove(out);
    }
    fs::remove(in);
}

TEST(RenderTool, WritesNothingWhenTheDrawingCannotBeRead) {
    const std::string broken =
        writeTemp("tessvane-render-broken.dxf", "0\nSECTION\n2\nENTITIES\n0\nLINE\n10\n");
    const std::string dwg = writeTemp("tessvane-render-plan.dwg", std::string("AC1032\0\0\1", 9));
    const std::string kept = writeTemp("tessvane-render-kept.png", "earlier picture");
    const fs::path fresh = fs::temp_directory_path() / "tessvane-render-fresh.png";
    fs::remove(fresh);
    const struct {
        std::string in, out, message;
    } cases[] = {
        {broken, fresh.string(), "line 7"},
        {dwg, fresh.string(), "DWG"},
        {broken, kept, "line 7"},
        {kDiagonal, fresh.string(), "cannot open"}, // not a file name at all
    };
    for (const auto& c : cases) {
        const ToolRun run = runTool("'" + c.in + "' " + c.out);
        EXPECT_EQ(run.exitCode, 1) << c.in << ": " << run.output;
        EXPECT_NE(run.output.find(c.message), std::string::npos) << run.output;
    }
    EXPECT_FALSE(fs::exists(fresh));
    std::ifstream keptFile(kept);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(keptFile), {}), "earlier picture");

    const std::string in = writeTemp("tessvane-render-diagonal.dxf", kDiagonal);
    const ToolRun unwritable = runTool(in + " /nonexistent/folder/out.png");
    EXPECT_EQ(unwritable.exitCode, 1);
    EXPECT_NE(unwritable.output.find("cannot write /nonexistent/folder/out.png"), std::string::npos)
        << unwritable.output;
    for (const std::string& path : {broken, dwg, kept, in})
        fs::remove(path);
}

TEST(RenderTool, EveryCorpusDrawingGivesAPictureWithSomethingOnIt) {
    const fs::path root = fs::path(TESSVANE_SOURCE_DIR) / ".." / "shared" / "corpus";
    if (!fs::is_directory(root))
        GTEST_SKIP() << "../shared/corpus is absent: no corpus drawings to render";
    const fs::path out = fs::temp_directory_path() / "tessvane-render-corpus.png";
    int rendered = 0;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (entry.path().extension() != ".dxf")
            continue;
        SCOPED_TRACE(entry.path().string());
        // Some drawings hold nothing in model space: their pictures stay blank.
        const bool empty =
            runTool("--stats " + entry.path().string()).output.find("\"entities\": {}") !=
            std::string::npos;
        const ToolRun run = runTool(entry.path().string() + " " + out.string() +
                                    " --size 320x240 --background black");
        ASSERT_EQ(run.exitCode, 0) << run.output;
        const QImage picture(QString::fromStdString(out.string()));
        ASSERT_EQ(picture.size(), QSize(320, 240));
        int lit = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                lit += brightness(picture.pixel(x, y)) > 60;
        if (empty)
            EXPECT_EQ(lit, 0) << "an empty model space drew something";
        else
            EXPECT_GT(lit, 20) << "the picture is blank";
        ++rendered;
    }
    EXPECT_GT(rendered, 0);
    fs::remove(out);
}
