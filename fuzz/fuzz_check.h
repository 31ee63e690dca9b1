#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

// What every fuzz target shares: a failed check prints what went wrong and aborts, which both
// libFuzzer and the corpus replay in CTest report as a failure with the input that caused it.
inline void Check(bool holds, std::string_view what, std::string_view detail = {}) {
    if (holds) return;
    const std::string report = "fuzz check failed: " + std::string(what) + "\n" + std::string(detail) + "\n";
    std::fwrite(report.data(), 1, report.size(), stderr);
    std::abort();
}

// Reads the input from the front, a field at a time; past the end every read gives zeros.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::uint8_t byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    template <typename T>
    T value() {
        T result{};
        auto* bytes = reinterpret_cast<std::uint8_t*>(&result);
        for (std::size_t i = 0; i < sizeof(T); ++i) bytes[i] = byte();
        return result;
    }
    std::string text(std::size_t length) {
        std::string result;
        while (length-- > 0 && pos_ < size_) result += static_cast<char>(data_[pos_++]);
        return result;
    }
    std::string rest() { return text(size_ - pos_); }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};
