#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>
#include <utility>
#include <vector>

#include "common/text_arena.h"

namespace vesmar {

// A table from names to values for the exon tables, which hold hundreds of
// thousands of names and are read once per run: the names are kept in an
// arena and the values in one vector, in the order the names came, with an
// open-addressing index of entry numbers beside them, so that a name costs no
// allocation of its own.
template <class Value>
class NameTable {
 public:
  using Entry = std::pair<std::string_view, Value>;

  // The value of `name`, made (Value{}) when the name is new.
  Value& operator[](std::string_view name) {
    if (2 * (entries_.size() + 1) > slots_.size()) grow();
    const std::uint64_t hash = hash_of(name);
    std::size_t slot = place_of(name, hash);
    if (slots_[slot] != 0) return entries_[slots_[slot] - 1].second;
    entries_.emplace_back(names_.store(name), Value{});
    slots_[slot] = static_cast<std::uint32_t>(entries_.size());
    return entries_.back().second;
  }

  const Value* find(std::string_view name) const {
    if (entries_.empty()) return nullptr;
    const std::size_t slot = place_of(name, hash_of(name));
    return slots_[slot] == 0 ? nullptr : &entries_[slots_[slot] - 1].second;
  }

  std::size_t size() const { return entries_.size(); }
  // The (name, value) entries, in the order the names came.
  auto begin() const { return entries_.begin(); }
  auto end() const { return entries_.end(); }

 private:
  static std::uint64_t hash_of(std::string_view name) {
    std::uint64_t hash = 0x9E3779B97F4A7C15ULL ^ name.size();
    std::size_t at = 0;
    for (; at + 8 <= name.size(); at += 8) {
      std::uint64_t word;
      std::memcpy(&word, name.data() + at, sizeof word);
      hash = (hash ^ word) * 0xFF51AFD7ED558CCDULL;
      hash ^= hash >> 32;
    }
    std::uint64_t tail = 0;
    if (at < name.size()) std::memcpy(&tail, name.data() + at, name.size() - at);
    hash = (hash ^ tail) * 0xC4CEB9FE1A85EC53ULL;
    return hash ^ (hash >> 29);
  }

  // The slot that holds `name`, or the empty slot where it belongs.
  std::size_t place_of(std::string_view name, std::uint64_t hash) const {
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t slot = hash & mask;; slot = (slot + 1) & mask) {
      const std::uint32_t entry = slots_[slot];
      if (entry == 0 || entries_[entry - 1].first == name) return slot;
    }
  }

  void grow() {
    slots_.assign(slots_.empty() ? 64 : 2 * slots_.size(), 0);
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t number = 0; number < entries_.size(); ++number) {
      std::size_t slot = hash_of(entries_[number].first) & mask;
      while (slots_[slot] != 0) slot = (slot + 1) & mask;
      slots_[slot] = static_cast<std::uint32_t>(number + 1);
    }
  }

  TextArena names_;
  std::vector<Entry> entries_;
  std::vector<std::uint32_t> slots_;  // entry number + 1; 0 where empty
};

}  // namespace vesmar
