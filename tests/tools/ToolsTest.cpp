#include "CorpusFiles.h"
#include "PreviewFileBuilder.h"
#include "drawing/PreviewReader.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

struct ToolRun {
    int status;
    QString error;
};

ToolRun run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return {-1, QStringLiteral("did not finish")};
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardError())};
}

ToolRun preview(const QStringList& arguments) {
    return run(TESSVANE_PREVIEW, arguments);
}

ToolRun thumbnail(int size, const QString& in, const QString& out) {
    return run(TESSVANE_THUMBNAILER, {"-s", QString::number(size), in, out});
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class ToolsTest : public testing::Test {
protected:
    QString write(const QString& name, const QByteArray& bytes) {
        QFile file(dir_.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }
    QString path(const QString& name) const { return dir_.filePath(name); }

    QTemporaryDir dir_;
};

TEST_F(ToolsTest, PreviewWritesTheEmbeddedPreviewOfEveryCorpusDrawing) {
    if (!HaveCorpus())
        GTEST_SKIP() << "drawing corpus not found at " << CorpusDir().toStdString();
    for (const QString& in : CorpusFiles()) {
        SCOPED_TRACE(in.toStdString());
        const CorpusPreview expected = ExpectedCorpusPreview(in);
        QByteArray reference;
        if (expected == CorpusPreview::Bitmap) {
            ASSERT_TRUE(ReadDrawingPreview(reference, in));
        }
        if (expected == CorpusPreview::Png) {
            ASSERT_TRUE(ReadDrawingPreviewPng(reference, in));
        }

        const QString out = path("preview");
        QFile::remove(out);
        const ToolRun result = preview({in, out});
        if (expected == CorpusPreview::None) {
            EXPECT_EQ(result.status, 1);
            EXPECT_EQ(result.error, "tessvane-preview: no preview in " + in + "\n");
            EXPECT_FALSE(QFile::exists(out));
        } else {
            EXPECT_EQ(result.status, 0) << result.error.toStdString();
            EXPECT_EQ(contents(out), reference);
        }
        QFile::remove(out);
        EXPECT_EQ(preview({"--bmp-only", in, out}).status,
                  expected == CorpusPreview::Bitmap ? 0 : 1);
    }
}

TEST_F(ToolsTest, ThumbnailerFitsEveryCorpusPreviewIntoTheSize) {
    if (!HaveCorpus())
        GTEST_SKIP() << "drawing corpus not found at " << CorpusDir().toStdString();
    for (const QString& in : CorpusFiles()) {
        SCOPED_TRACE(in.toStdString());
        const QString out = path("thumbnail.png");
        QFile::remove(out);
        const ToolRun result = thumbnail(128, in, out);
        if (ExpectedCorpusPreview(in) == CorpusPreview::None) {
            EXPECT_NE(result.status, 0);
            EXPECT_FALSE(QFile::exists(out));
            continue;
        }
        EXPECT_EQ(result.status, 0) << result.error.toStdString();
        QImage stored, made;
        ASSERT_TRUE(LoadDrawingPreview(stored, in));
        ASSERT_TRUE(made.load(out, "PNG"));
        EXPECT_EQ(made.size(),
                  stored.size().scaled(128, 128, Qt::KeepAspectRatio).boundedTo(stored.size()));
    }
}

TEST_F(ToolsTest, ThumbnailerKeepsProportionsAndNeverEnlarges) {
    const QString in = write("wide.dwg", SyntheticDrawing(300, 100));
    const struct Case {
        int size;
        QString in;
        QSize expected;
    } cases[] = {
        {128, in, {128, 42}},
        {512, in, {300, 100}},
        {300, QUrl::fromLocalFile(in).toString(), {300, 100}},
        {1, in, {1, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.size);
        const QString out = path("thumbnail.png");
        ASSERT_EQ(thumbnail(c.size, c.in, out).status, 0);
        EXPECT_EQ(QImage(out, "PNG").size(), c.expected);
    }
}

TEST_F(ToolsTest, BadInputsGiveTheirExitStatusAndLeaveOutAlone) {
    const QByteArray drawing = SyntheticDrawing(40, 30);
    const struct Case {
        const char* name;
        QString in;
        int status;
        QString message; // what standard error starts with after the program's name
    } cases[] = {
        {"missing file", path("missing.dwg"), 2,
         "cannot open " + path("missing.dwg") + ": No such file"},
        {"folder", dir_.path(), 2, "cannot open " + dir_.path() + ": it is a folder"},
        {"text file", write("notes.dwg", "just some text\n"), 1,
         "no preview in " + path("notes.dwg")},
        {"truncated drawing", write("cut.dwg", drawing.left(drawing.size() - 100)), 1,
         "no preview in " + path("cut.dwg")},
    };
    const QString out = write("out", "kept");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (const auto& [tool, result] :
             {std::pair{"tessvane-preview: ", preview({c.in, out})},
              std::pair{"tessvane-thumbnailer: ", thumbnail(64, c.in, out)}}) {
            EXPECT_EQ(result.status, c.status) << tool;
            EXPECT_TRUE(result.error.startsWith(tool + c.message)) << result.error.toStdString();
            EXPECT_EQ(contents(out), "kept") << tool;
        }
    }
}

TEST_F(ToolsTest, WrongCommandLinesAreRefused) {
    const QString in = write("plan.dwg", SyntheticDrawing(4, 4));
    const std::pair<const char*, ToolRun> cases[] = {
        {"preview without OUT", preview({in})},
        {"preview with three paths", preview({in, in, in})},
        {"thumbnailer without size", run(TESSVANE_THUMBNAILER, {in, path("t.png")})},
        {"thumbnailer with size 0", thumbnail(0, in, path("t.png"))},
        {"thumbnailer with size x", run(TESSVANE_THUMBNAILER, {"-s", "x", in, path("t.png")})},
    };
    for (const auto& [name, result] : cases) {
        EXPECT_EQ(result.status, 2) << name;
        EXPECT_TRUE(result.error.contains("usage:")) << name;
    }
    EXPECT_FALSE(QFile::exists(path("t.png")));
}

TEST_F(ToolsTest, UnwritableOutIsReported) {
    const QString in = write("plan.dwg", SyntheticDrawing(4, 4));
    const QString out = path("no-such-folder/out.png");
    for (const ToolRun& result : {preview({in, out}), thumbnail(64, in, out)}) {
        EXPECT_EQ(result.status, 2);
        EXPECT_TRUE(result.error.contains("cannot write " + out)) << result.error.toStdString();
    }
}

} // namespace
