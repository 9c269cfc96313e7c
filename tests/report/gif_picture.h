// A GIF file read back for pixel checks, and the messages the charts show.
#pragma once

#include <gd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "user_interface.h"

namespace test {

class GifPicture {
  public:
    // An empty picture (valid() false) when the file is missing or no GIF.
    explicit GifPicture(const std::filesystem::path& path) {
        if (FILE* file = std::fopen(path.c_str(), "rb")) {
            image_.reset(gdImageCreateFromGif(file));
            std::fclose(file);
        }
    }

    bool valid() const { return image_ != nullptr; }
    int width() const { return gdImageSX(image_.get()); }
    int height() const { return gdImageSY(image_.get()); }
    bool transparent(int x, int y) const {
        return gdImageGetPixel(image_.get(), x, y) == gdImageGetTransparent(image_.get());
    }
    // The colour at (x, y) as 0xRRGGBB.
    std::uint32_t at(int x, int y) const {
        const int index = gdImageGetPixel(image_.get(), x, y);
        return static_cast<std::uint32_t>(gdImageRed(image_.get(), index) << 16 |
                                          gdImageGreen(image_.get(), index) << 8 |
                                          gdImageBlue(image_.get(), index));
    }
    // The columns (or rows) from `first` to `last` in which `colour` appears along the column
    // (row) range given.
    std::vector<int> ColumnsWith(std::uint32_t colour, int top, int bottom) const {
        std::vector<int> columns;
        for (int x = 0; x < width(); ++x) {
            for (int y = top; y <= bottom; ++y) {
                if (at(x, y) == colour) {
                    columns.push_back(x);
                    break;
                }
            }
        }
        return columns;
    }
    // The highest row holding `colour` in column x; -1 when none.
    int TopOf(std::uint32_t colour, int x) const {
        for (int y = 0; y < height(); ++y) {
            if (at(x, y) == colour) return y;
        }
        return -1;
    }
    bool Holds(std::uint32_t colour) const { return !ColumnsWith(colour, 0, height() - 1).empty(); }

  private:
    struct Deleter {
        void operator()(gdImagePtr image) const { gdImageDestroy(image); }
    };
    std::unique_ptr<gdImage, Deleter> image_;
};

class ShownMessages : public MessageSink {
  public:
    ShownMessages() { previous_ = SetMessageSink(this); }
    ~ShownMessages() override { SetMessageSink(previous_); }
    ShownMessages(const ShownMessages&) = delete;
    ShownMessages& operator=(const ShownMessages&) = delete;

    void Show(std::string_view text, MessageKind) override { shown.emplace_back(text); }

    std::vector<std::string> shown;

  private:
    MessageSink* previous_ = nullptr;
};

}  // namespace test
