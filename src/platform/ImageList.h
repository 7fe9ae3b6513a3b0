#pragma once
// An image list: images numbered from 1, each optionally with a key, as the
// toolbar and the tab control take them. The images themselves are named
// resources that the user-interface implementation draws.

#include <string>
#include <vector>

namespace tagrota {

struct ImageListEntry {
    std::string Key;    // may be empty
    std::string Image;  // resource name, for example "stop"
};

class ImageList {
public:
    ImageList() = default;
    ImageList(int width, int height, std::vector<ImageListEntry> entries)
        : width_(width), height_(height), entries_(std::move(entries)) {}

    int Width() const { return width_; }
    int Height() const { return height_; }
    int Count() const { return static_cast<int>(entries_.size()); }

    // The image numbered `number`, from 1; nullptr outside 1 to Count().
    const ImageListEntry* Item(int number) const {
        return number >= 1 && number <= Count() ? &entries_[number - 1] : nullptr;
    }
    // The number of the image with the key (exact match), 0 when none has it.
    int IndexOf(const std::string& key) const {
        if (key.empty()) return 0;
        for (int i = 0; i < Count(); ++i)
            if (entries_[i].Key == key) return i + 1;
        return 0;
    }

private:
    int width_ = 0, height_ = 0;
    std::vector<ImageListEntry> entries_;
};

}  // namespace tagrota
