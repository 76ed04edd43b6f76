// Folder reading, list filling and grid painting for folders of thousands of drawings.
// Run: build/<dir>/bench/platform/tessvane_platform_bench (Qt on its offscreen platform).

#include "platform/FolderModel.h"
#include "platform/NaturalOrder.h"
#include "platform/ShellList.h"
#include "platform/ThumbGrid.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <map>
#include <memory>

namespace {

// A folder of `count` small drawings and a few sub-folders, made once per size.
class DrawingFolder {
public:
    explicit DrawingFolder(int count) {
        for (int i = 0; i < count; ++i) {
            QFile file(dir_.filePath(QStringLiteral("Sheet %1 rev%2.%3")
                                         .arg(i)
                                         .arg(i % 7)
                                         .arg(i % 3 == 0 ? "dxf" : "DWG")));
            if (file.open(QIODevice::WriteOnly)) {
                file.write("0\nEOF\n");
            }
            if (i % 100 == 0) {
                QDir(dir_.path()).mkdir(QStringLiteral("Folder %1").arg(i));
            }
        }
    }
    QString path() const { return dir_.path() + u'/'; }

private:
    QTemporaryDir dir_;
};

const DrawingFolder& folderOf(int count) {
    static std::map<int, std::unique_ptr<DrawingFolder>> folders;
    auto& folder = folders[count];
    if (!folder) {
        folder = std::make_unique<DrawingFolder>(count);
    }
    return *folder;
}

void BM_FolderModelReload(benchmark::State& state) {
    const DrawingFolder& folder = folderOf(int(state.range(0)));
    FolderModel model;
    model.setFolder(folder.path());
    model.setFilter(QStringLiteral("*.dwg;*.dxf"));
    for (auto _ : state) {
        model.reload();
        benchmark::DoNotOptimize(model.items().size());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_FolderModelReload)->Arg(1000)->Arg(5000)->Unit(benchmark::kMillisecond);

void BM_ShellListSetFolder(benchmark::State& state) {
    const DrawingFolder& folder = folderOf(int(state.range(0)));
    ShellList list;
    list.resize(600, 800);
    list.show();
    for (auto _ : state) {
        list.setFolder(folder.path());
        QApplication::processEvents(); // the views lay out and paint what is visible
        benchmark::DoNotOptimize(list.itemCount());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ShellListSetFolder)->Arg(1000)->Arg(5000)->Unit(benchmark::kMillisecond);

void BM_NaturalSort(benchmark::State& state) {
    QStringList names;
    for (int i = 0; i < state.range(0); ++i) {
        names.append(QStringLiteral("Plan-%1 Level %2.dwg").arg((i * 7919) % 10007).arg(i % 13));
    }
    for (auto _ : state) {
        QStringList sorted = names;
        std::sort(sorted.begin(), sorted.end(),
                  [](const QString& a, const QString& b) { return naturalCompare(a, b) < 0; });
        benchmark::DoNotOptimize(sorted.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_NaturalSort)->Arg(5000)->Unit(benchmark::kMillisecond);

// Pictures as drawing previews come: lines on a plain background.
QImage previewPicture(int n) {
    QImage image(80, 60, QImage::Format_RGB888);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(Qt::black);
    for (int i = 0; i < 20; ++i) {
        painter.drawLine((n * 3 + i * 7) % 80, (i * 5) % 60, (i * 13) % 80, 59 - (n + i) % 60);
    }
    return image;
}

// Painting the visible part of a grid costs the same whatever the number of cells.
void BM_ThumbGridPaint(benchmark::State& state) {
    ThumbGrid grid;
    grid.resize(800, 600);
    grid.lockUpdate();
    for (int i = 0; i < state.range(0); ++i) {
        grid.setCellPicture(grid.appendCell(), previewPicture(i % 64));
    }
    grid.unlockUpdate();
    grid.setBeforeImageDraw([](int, int left, int top, ThumbSurface& dest, QRect& thumbRect) {
        dest.painter.drawRect(left - 3, top - 3, thumbRect.width() + 6, thumbRect.height() - 14);
        thumbRect.setBottom(thumbRect.bottom() - 38);
    });
    grid.setViewPosition(0, grid.verticalScrollBar()->maximum() / 2);
    QImage surface(grid.viewport()->size(), QImage::Format_RGB32);
    for (auto _ : state) {
        grid.viewport()->render(&surface);
        benchmark::DoNotOptimize(surface.bits());
    }
}
BENCHMARK(BM_ThumbGridPaint)->Arg(100)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

// Storing a folder's previews: time per picture and the memory each one keeps.
void BM_ThumbGridStorePictures(benchmark::State& state) {
    const int count = int(state.range(0));
    std::vector<QImage> pictures;
    for (int i = 0; i < 64; ++i) {
        pictures.push_back(previewPicture(i));
    }
    qint64 bytes = 0;
    for (auto _ : state) {
        ThumbGrid grid;
        grid.resize(800, 600);
        grid.lockUpdate();
        for (int i = 0; i < count; ++i) {
            grid.setCellPicture(grid.appendCell(), pictures[i % pictures.size()]);
        }
        bytes = grid.pictureBytes();
        grid.unlockUpdate();
    }
    state.SetItemsProcessed(state.iterations() * count);
    state.counters["bytes_per_picture"] = double(bytes) / count;
    state.counters["bitmap_bytes"] = double(pictures[0].sizeInBytes());
}
BENCHMARK(BM_ThumbGridStorePictures)->Arg(10000)->Unit(benchmark::kMillisecond);

// Filling a grid under the paint lock, as a rebuild does.
void BM_ThumbGridFill(benchmark::State& state) {
    ThumbGrid grid;
    grid.resize(800, 600);
    for (auto _ : state) {
        grid.lockUpdate();
        grid.clear();
        for (int i = 0; i < state.range(0); ++i) {
            const int idx = grid.appendCell();
            grid.setCellText(idx, 0, QStringLiteral("2"));
            grid.setCellText(idx, 1, QStringLiteral("Sheet.dwg"));
        }
        grid.unlockUpdate();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ThumbGridFill)->Arg(5000)->Unit(benchmark::kMillisecond);

} // namespace
