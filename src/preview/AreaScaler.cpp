// Area averaging with premultiplied sums.
#include "preview/AreaScaler.h"

#include <algorithm>

namespace restallow {

fileaccess::Error TooLarge(const char* what) {
    return fileaccess::FormatError(std::string(what) + " is too large to be previewed (it would need more than " +
                                       std::to_string(kPreviewMemoryCeiling >> 20) + " MB of memory)",
                                   fileaccess::ErrorKind::TooLarge);
}

AreaScaler::AreaScaler(int sourceWidth, int sourceHeight, int targetWidth, int targetHeight)
    : sourceWidth_(sourceWidth),
      sourceHeight_(sourceHeight),
      width_(std::clamp(targetWidth, 1, sourceWidth)),
      height_(std::clamp(targetHeight, 1, sourceHeight)),
      column_(static_cast<std::size_t>(sourceWidth)),
      sums_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_)) {
    spans_.assign(static_cast<std::size_t>(width_), 0);
    for (int x = 0; x < sourceWidth; ++x) {
        column_[static_cast<std::size_t>(x)] = static_cast<int>(std::int64_t{x} * width_ / sourceWidth);
        ++spans_[static_cast<std::size_t>(column_[static_cast<std::size_t>(x)])];
    }
}

void AreaScaler::AddUniformRows(int first, int last, std::uint32_t pixel) {
    first = std::max(first, 0);
    last = std::min(last, sourceHeight_);
    const std::uint64_t alpha = pixel >> 24;
    for (int y = first; y < last;) {
        const int target = static_cast<int>(std::int64_t{y} * height_ / sourceHeight_);
        int end = y + 1;  // the source rows that fall into this target row
        while (end < last && std::int64_t{end} * height_ / sourceHeight_ == target) ++end;
        const std::uint64_t rows = static_cast<std::uint64_t>(end - y);
        Sum* line = sums_.data() + static_cast<std::size_t>(target) * static_cast<std::size_t>(width_);
        for (std::size_t c = 0; c < spans_.size(); ++c) {
            const std::uint64_t n = rows * spans_[c];
            line[c].a += alpha * n;
            line[c].r += ((pixel >> 16) & 0xFF) * alpha * n;
            line[c].g += ((pixel >> 8) & 0xFF) * alpha * n;
            line[c].b += (pixel & 0xFF) * alpha * n;
            line[c].count += static_cast<std::uint32_t>(n);
        }
        y = end;
    }
}

std::size_t AreaScaler::MemoryFor(int sourceWidth, int targetWidth, int targetHeight) {
    return static_cast<std::size_t>(sourceWidth) * sizeof(int) +
           static_cast<std::size_t>(targetWidth) * static_cast<std::size_t>(targetHeight) * (sizeof(Sum) + 4);
}

void AreaScaler::AddRow(int y, const std::uint32_t* row) {
    if (y < 0 || y >= sourceHeight_) return;
    Sum* line = sums_.data() +
                static_cast<std::size_t>(std::int64_t{y} * height_ / sourceHeight_) * static_cast<std::size_t>(width_);
    for (int x = 0; x < sourceWidth_; ++x) {
        const std::uint32_t pixel = row[x];
        const std::uint32_t alpha = pixel >> 24;
        Sum& sum = line[column_[static_cast<std::size_t>(x)]];
        sum.a += alpha;
        sum.r += ((pixel >> 16) & 0xFF) * alpha;
        sum.g += ((pixel >> 8) & 0xFF) * alpha;
        sum.b += (pixel & 0xFF) * alpha;
        ++sum.count;
    }
}

Picture AreaScaler::Take() {
    Picture picture{width_, height_, std::vector<std::uint32_t>(sums_.size())};
    for (std::size_t i = 0; i < sums_.size(); ++i) {
        const Sum& sum = sums_[i];
        if (sum.count == 0 || sum.a == 0) continue;  // transparent
        const auto channel = [&](std::uint64_t weighted) {
            return static_cast<std::uint32_t>((weighted + sum.a / 2) / sum.a);
        };
        const auto alpha = static_cast<std::uint32_t>((sum.a + sum.count / 2) / sum.count);
        picture.argb[i] = (alpha << 24) | (channel(sum.r) << 16) | (channel(sum.g) << 8) | channel(sum.b);
    }
    sums_ = {};
    return picture;
}

Picture ScaleNearest(const Picture& picture, int width, int height) {
    if (picture.width == width && picture.height == height) return picture;
    Picture scaled{width, height,
                   std::vector<std::uint32_t>(static_cast<std::size_t>(width) * static_cast<std::size_t>(height))};
    for (int y = 0; y < height; ++y) {
        const std::size_t from = static_cast<std::size_t>(std::int64_t{y} * picture.height / height) *
                                 static_cast<std::size_t>(picture.width);
        for (int x = 0; x < width; ++x) {
            scaled.argb[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)] =
                picture.argb[from + static_cast<std::size_t>(std::int64_t{x} * picture.width / width)];
        }
    }
    return scaled;
}

}  // namespace restallow
