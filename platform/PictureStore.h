#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

#include <list>
#include <unordered_map>
#include <vector>

// The pictures of many cells, held compactly: every picture compressed, and the most
// recently drawn ones also kept decoded, ready to draw. A folder of thousands of previews
// then costs a few kilobytes per cell instead of a full bitmap each.
class PictureStore {
public:
    explicit PictureStore(int cacheSize = 40);

    void setCacheSize(int size); // decoded pictures kept; at least 1
    int cacheSize() const { return cacheSize_; }
    int cachedCount() const { return int(cache_.size()); }

    void resize(int count); // new slots hold no picture
    void clear();
    int count() const { return int(packed_.size()); }

    // Stores the picture (a null image removes it); indexed pictures are kept as RGB.
    void set(int idx, const QImage& picture);
    bool has(int idx) const;
    QSize size(int idx) const;
    // The picture, decoded; a null image for none.
    QImage get(int idx);

    // Bytes held by the compressed copies.
    qint64 packedBytes() const { return packedBytes_; }

private:
    struct Packed {
        QByteArray data;
        QSize size;
        QImage::Format format = QImage::Format_Invalid;
    };
    struct Cached {
        std::list<int>::iterator use;
        QImage picture;
    };
    bool validIndex(int idx) const { return idx >= 0 && idx < count(); }
    void remember(int idx, const QImage& picture);
    void forget(int idx);

    int cacheSize_;
    std::vector<Packed> packed_;
    qint64 packedBytes_ = 0;
    std::list<int> recent_; // most recently used first
    std::unordered_map<int, Cached> cache_;
};
