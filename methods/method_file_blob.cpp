#include "methods/method_file_blob.h"

#include <cstdint>
#include <cstring>
#include <type_traits>

namespace vantry::methods {

static_assert(std::is_trivially_copyable_v<engine::MethodRules>);

namespace {

constexpr std::uint32_t kMagic = 0x564d4631;  // "VMF1"

void put(std::string& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) out += static_cast<char>((value >> shift) & 0xFF);
}

void putText(std::string& out, std::string_view text) {
    put(out, static_cast<std::uint32_t>(text.size()));
    out += text;
}

class Reader {
public:
    explicit Reader(std::string_view bytes) : rest_(bytes) {}

    bool take(std::uint32_t& value) {
        if (rest_.size() < 4) return false;
        value = 0;
        for (int i = 3; i >= 0; --i)
            value = (value << 8) | static_cast<unsigned char>(rest_[static_cast<std::size_t>(i)]);
        rest_.remove_prefix(4);
        return true;
    }
    bool takeBytes(std::size_t count, std::string_view& bytes) {
        if (rest_.size() < count) return false;
        bytes = rest_.substr(0, count);
        rest_.remove_prefix(count);
        return true;
    }
    bool takeText(std::string& text) {
        std::uint32_t size = 0;
        std::string_view bytes;
        if (!take(size) || !takeBytes(size, bytes)) return false;
        text.assign(bytes);
        return true;
    }
    bool atEnd() const { return rest_.empty(); }

private:
    std::string_view rest_;
};

}  // namespace

std::string EncodeMethodFile(const MethodFile& file) {
    std::string out;
    put(out, kMagic);
    put(out, static_cast<std::uint32_t>(sizeof file.rules));
    out.append(reinterpret_cast<const char*>(&file.rules), sizeof file.rules);
    putText(out, file.note);
    put(out, static_cast<std::uint32_t>(file.problems.size()));
    for (const MethodProblem& problem : file.problems) {
        put(out, problem.line);
        put(out, problem.column);
        putText(out, problem.what);
    }
    return out;
}

bool DecodeMethodFile(std::string_view bytes, MethodFile& file) {
    Reader in(bytes);
    std::uint32_t magic = 0, rulesSize = 0, problems = 0;
    std::string_view rules;
    if (!in.take(magic) || magic != kMagic || !in.take(rulesSize) || rulesSize != sizeof file.rules ||
        !in.takeBytes(rulesSize, rules) || !in.takeText(file.note) || !in.take(problems))
        return false;
    std::memcpy(&file.rules, rules.data(), sizeof file.rules);
    // What must hold of any method, whoever made the bytes: a name that ends, and choices that
    // are choices.
    const engine::MethodRules& r = file.rules;
    if (r.name[engine::kMethodNameMax] != '\0' ||
        (r.money != engine::MoneyShown::Cents && r.money != engine::MoneyShown::WholeDollars) ||
        (r.addedMoney != engine::AddedMoneyRule::WithThePool && r.addedMoney != engine::AddedMoneyRule::Evenly) ||
        (r.automaticPlaces != engine::AutomaticPlaces::EntryFeeBack &&
         r.automaticPlaces != engine::AutomaticPlaces::None))
        return false;
    file.problems.clear();
    for (std::uint32_t i = 0; i < problems; ++i) {
        MethodProblem problem{};
        if (!in.take(problem.line) || !in.take(problem.column) || !in.takeText(problem.what)) return false;
        file.problems.push_back(std::move(problem));
    }
    return in.atEnd();
}

}  // namespace vantry::methods
