// A file's content as the program hands it to a save or a download.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>

namespace parabel {

// A file's content made piece by piece while it is written, so that a large
// picture never needs to be held whole: the producer hands the bytes, in
// order, to the sink it is given. Their number is known before they are made
// (a BMP) or only once they are (a compressed picture).
class FileContent {
  public:
    using Sink = std::function<void(std::span<const std::uint8_t> piece)>;
    using Producer = std::function<void(const Sink& sink)>;

    // `size` bytes in all.
    FileContent(std::uint64_t size, Producer producer)
        : size_(size), producer_(std::move(producer)) {}
    // As many bytes as the producer hands.
    explicit FileContent(Producer producer) : producer_(std::move(producer)) {}
    explicit FileContent(std::span<const std::uint8_t> bytes)
        : size_(bytes.size()), producer_([bytes](const Sink& sink) { sink(bytes); }) {}

    // The number of bytes, when known before they are made.
    std::optional<std::uint64_t> size() const { return size_; }
    void Produce(const Sink& sink) const { producer_(sink); }

  private:
    std::optional<std::uint64_t> size_;
    Producer producer_;
};

}  // namespace parabel
