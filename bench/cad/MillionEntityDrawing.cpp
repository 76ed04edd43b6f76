#include "MillionEntityDrawing.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <stdexcept>

namespace {

// A small deterministic generator, so that every run reads the same file.
class Random {
public:
    double next(double range) {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return double(state_ >> 11) / double(1ULL << 53) * range;
    }

private:
    std::uint64_t state_ = 42;
};

class Writer {
public:
    explicit Writer(std::FILE* file) : file_(file) {}
    void group(int code, const char* value) { std::fprintf(file_, "%3d\n%s\n", code, value); }
    void group(int code, double value) { std::fprintf(file_, "%3d\n%.6f\n", code, value); }
    void group(int code, long value) { std::fprintf(file_, "%3d\n%6ld\n", code, value); }
    void point(int code, double x, double y) {
        group(code, x);
        group(code + 10, y);
        group(code + 20, 0.0);
    }
    void entity(const char* type, const char* subclass, int layer) {
        char buffer[32];
        group(0, type);
        std::snprintf(buffer, sizeof buffer, "%lX", handle_++);
        group(5, buffer);
        group(330, "1F");
        group(100, "AcDbEntity");
        std::snprintf(buffer, sizeof buffer, "LAYER%d", layer);
        group(8, buffer);
        group(6, "ByLayer");
        group(100, subclass);
    }

private:
    std::FILE* file_;
    long handle_ = 0x100;
};

void writeDrawing(std::FILE* file) {
    Writer w(file);
    Random random;
    w.group(0, "SECTION");
    w.group(2, "HEADER");
    w.group(9, "$ACADVER");
    w.group(1, "AC1015");
    w.group(9, "$DWGCODEPAGE");
    w.group(3, "ANSI_1252");
    w.group(0, "ENDSEC");
    w.group(0, "SECTION");
    w.group(2, "TABLES");
    w.group(0, "TABLE");
    w.group(2, "LAYER");
    for (int i = 0; i < 10; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "LAYER%d", i);
        w.group(0, "LAYER");
        w.group(2, name);
        w.group(70, 0L);
        w.group(62, long(i + 1));
        w.group(6, "CONTINUOUS");
    }
    w.group(0, "ENDTAB");
    w.group(0, "ENDSEC");
    w.group(0, "SECTION");
    w.group(2, "ENTITIES");
    constexpr double kSize = 10000;
    for (std::size_t i = 0; i < kBenchmarkEntityCount; ++i) {
        const int layer = int(i % 10);
        const double x = random.next(kSize), y = random.next(kSize);
        switch (i % 20) {
        case 0:
        case 1:
        case 2:
        case 3:
        case 4:
        case 5:
        case 6:
        case 7:
            w.entity("LINE", "AcDbLine", layer);
            w.point(10, x, y);
            w.point(11, x + random.next(50), y + random.next(50));
            break;
        case 8:
        case 9:
        case 10:
        case 11:
            w.entity("CIRCLE", "AcDbCircle", layer);
            w.point(10, x, y);
            w.group(40, random.next(20));
            break;
        case 12:
        case 13:
        case 14:
            w.entity("ARC", "AcDbCircle", layer);
            w.point(10, x, y);
            w.group(40, random.next(20));
            w.group(100, "AcDbArc");
            w.group(50, random.next(360));
            w.group(51, random.next(360));
            break;
        case 15:
        case 16:
        case 17: {
            w.entity("LWPOLYLINE", "AcDbPolyline", layer);
            w.group(90, 5L);
            w.group(70, long(i % 2));
            w.group(43, 0.0);
            for (int k = 0; k < 5; ++k) {
                w.group(10, x + random.next(40));
                w.group(20, y + random.next(40));
                if (k == 2)
                    w.group(42, 0.5);
            }
            break;
        }
        default:
            w.entity("TEXT", "AcDbText", layer);
            w.point(10, x, y);
            w.group(40, 2.5);
            w.group(1, i % 2 ? "Room 101" : "Door D-12");
            w.group(100, "AcDbText");
            break;
        }
    }
    w.group(0, "ENDSEC");
    w.group(0, "EOF");
}

} // namespace

void ensureMillionEntityDrawing(const std::string& path) {
    if (std::filesystem::exists(path))
        return;
    const std::string partial = path + ".part";
    std::FILE* file = std::fopen(partial.c_str(), "w");
    if (!file)
        throw std::runtime_error("cannot write " + partial);
    writeDrawing(file);
    if (std::fclose(file) != 0)
        throw std::runtime_error("cannot write " + partial);
    std::filesystem::rename(partial, path);
}
