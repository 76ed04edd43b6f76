// Preview extraction over a folder of 1,000 drawings, against plain reads of
// exactly the byte ranges the extraction reads. The folder is made of copies of
// the corpus's DWG files, or of synthetic drawings when the corpus is absent.
#include "CorpusFiles.h"
#include "PreviewFileBuilder.h"
#include "drawing/PreviewReader.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

namespace {

constexpr int FolderSize = 1000;

struct Drawing {
    QString path;
    std::vector<RecordingFileAccess::Range> ranges; // what extraction reads of it
};

bool extract(QByteArray& preview, FileAccess& file) {
    return ReadDrawingPreview(preview, file) || ReadDrawingPreviewPng(preview, file);
}

QList<QByteArray> sourceDrawings() {
    QList<QByteArray> sources;
    for (const QString& path : CorpusFiles()) {
        QFile file(path);
        if (path.endsWith(QLatin1String(".dwg")) && file.open(QIODevice::ReadOnly))
            sources << file.readAll();
    }
    if (sources.isEmpty()) {
        std::fprintf(stderr, "corpus not found at %s: using synthetic drawings\n",
                     qPrintable(CorpusDir()));
        sources << SyntheticDrawing(256, 102, 60000);
    }
    return sources;
}

class DrawingFolder {
public:
    DrawingFolder() {
        const QList<QByteArray> sources = sourceDrawings();
        for (int i = 0; i < FolderSize; ++i) {
            const QString path = folder_.filePath(QStringLiteral("drawing-%1.dwg").arg(i));
            QFile file(path);
            if (!file.open(QIODevice::WriteOnly))
                continue;
            file.write(sources[i % sources.size()]);
            file.close();
            LocalFileAccess stored(path);
            RecordingFileAccess recorder(stored);
            QByteArray preview;
            extract(preview, recorder);
            drawings_.push_back({path, recorder.ranges()});
        }
    }

    const std::vector<Drawing>& drawings() const { return drawings_; }

private:
    QTemporaryDir folder_;
    std::vector<Drawing> drawings_;
};

const DrawingFolder& folder() {
    static const DrawingFolder instance;
    return instance;
}

void BM_ExtractPreviews(benchmark::State& state) {
    const auto& drawings = folder().drawings();
    for (auto _ : state) {
        for (const Drawing& drawing : drawings) {
            QByteArray preview;
            LocalFileAccess file(drawing.path);
            benchmark::DoNotOptimize(extract(preview, file));
        }
    }
    state.SetItemsProcessed(state.iterations() * std::int64_t(drawings.size()));
}
BENCHMARK(BM_ExtractPreviews)->Unit(benchmark::kMillisecond);

void BM_PlainReadsOfTheSameRanges(benchmark::State& state) {
    const auto& drawings = folder().drawings();
    std::vector<QByteArray> paths;
    for (const Drawing& drawing : drawings)
        paths.push_back(QFile::encodeName(drawing.path));
    for (auto _ : state) {
        for (std::size_t i = 0; i < drawings.size(); ++i) {
            const int fd = ::open(paths[i].constData(), O_RDONLY | O_CLOEXEC);
            for (const auto& range : drawings[i].ranges) {
                std::vector<char> buffer(std::size_t(range.length));
                benchmark::DoNotOptimize(::pread(fd, buffer.data(), buffer.size(), range.offset));
            }
            ::close(fd);
        }
    }
    state.SetItemsProcessed(state.iterations() * std::int64_t(drawings.size()));
}
BENCHMARK(BM_PlainReadsOfTheSameRanges)->Unit(benchmark::kMillisecond);

// The loader's whole step: extraction and decoding into a picture.
void BM_LoadPreviews(benchmark::State& state) {
    const auto& drawings = folder().drawings();
    for (auto _ : state) {
        for (const Drawing& drawing : drawings) {
            QImage picture;
            benchmark::DoNotOptimize(LoadDrawingPreview(picture, drawing.path));
        }
    }
    state.SetItemsProcessed(state.iterations() * std::int64_t(drawings.size()));
}
BENCHMARK(BM_LoadPreviews)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
