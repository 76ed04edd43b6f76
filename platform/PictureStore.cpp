#include "platform/PictureStore.h"

#include <algorithm>
#include <cstring>

namespace {

// Fast zlib level: pictures are packed as they arrive, while the user scrolls.
constexpr int kCompressionLevel = 1;

QImage withoutColorTable(const QImage& picture) {
    if (picture.colorCount() == 0) {
        return picture;
    }
    return picture.convertToFormat(picture.hasAlphaChannel() ? QImage::Format_ARGB32
                                                             : QImage::Format_RGB32);
}

} // namespace

PictureStore::PictureStore(int cacheSize) : cacheSize_(std::max(1, cacheSize)) {}

void PictureStore::setCacheSize(int size) {
    cacheSize_ = std::max(1, size);
    while (int(cache_.size()) > cacheSize_) {
        forget(recent_.back());
    }
}

void PictureStore::resize(int count) {
    for (int idx = count; idx < this->count(); ++idx) {
        packedBytes_ -= packed_[idx].data.size();
        forget(idx);
    }
    packed_.resize(std::max(0, count));
}

void PictureStore::clear() {
    packed_.clear();
    packed_.shrink_to_fit();
    packedBytes_ = 0;
    recent_.clear();
    cache_.clear();
}

void PictureStore::set(int idx, const QImage& picture) {
    if (!validIndex(idx)) {
        return;
    }
    Packed& slot = packed_[idx];
    packedBytes_ -= slot.data.size();
    forget(idx);
    slot = Packed();
    if (picture.isNull()) {
        return;
    }
    const QImage plain = withoutColorTable(picture);
    slot.size = plain.size();
    slot.format = plain.format();
    slot.data = qCompress(plain.constBits(), qsizetype(plain.sizeInBytes()), kCompressionLevel);
    packedBytes_ += slot.data.size();
    remember(idx, plain);
}

bool PictureStore::has(int idx) const {
    return validIndex(idx) && !packed_[idx].data.isEmpty();
}

QSize PictureStore::size(int idx) const {
    return has(idx) ? packed_[idx].size : QSize();
}

QImage PictureStore::get(int idx) {
    if (!has(idx)) {
        return QImage();
    }
    const auto found = cache_.find(idx);
    if (found != cache_.end()) {
        recent_.splice(recent_.begin(), recent_, found->second.use);
        return found->second.picture;
    }
    const Packed& slot = packed_[idx];
    const QByteArray raw = qUncompress(slot.data);
    QImage picture(slot.size, slot.format);
    if (picture.isNull() || raw.size() != picture.sizeInBytes()) {
        return QImage();
    }
    std::memcpy(picture.bits(), raw.constData(), size_t(raw.size()));
    remember(idx, picture);
    return picture;
}

void PictureStore::remember(int idx, const QImage& picture) {
    recent_.push_front(idx);
    cache_[idx] = Cached{recent_.begin(), picture};
    while (int(cache_.size()) > cacheSize_) {
        forget(recent_.back());
    }
}

void PictureStore::forget(int idx) {
    const auto found = cache_.find(idx);
    if (found != cache_.end()) {
        recent_.erase(found->second.use);
        cache_.erase(found);
    }
}
