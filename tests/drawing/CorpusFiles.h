#pragma once

#include <QString>
#include <QStringList>

// The real drawings of ../shared/corpus and what preview each one carries.
enum class CorpusPreview { Bitmap, Png, None };

QString CorpusDir();
bool HaveCorpus();

// Every .dwg and .dxf file of the corpus, sorted.
QStringList CorpusFiles();

// Bitmaps up to release 2010, PNG in 2013, no picture in 2018 (a header entry
// or an empty table). DXF files have no preview area, and
// 2000/PolyLine2D.dwg was saved with an empty table.
CorpusPreview ExpectedCorpusPreview(const QString& path);
