#pragma once

// std::bit_cast, which not every standard library this builds with has (Emscripten's libc++
// lacks it); the compilers' own builtin is what it is made of.

namespace vantry::engine {

template <typename To, typename From>
constexpr To BitCast(const From& from) noexcept {
    static_assert(sizeof(To) == sizeof(From));
    return __builtin_bit_cast(To, from);
}

}  // namespace vantry::engine
