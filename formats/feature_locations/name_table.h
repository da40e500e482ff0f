#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/text_arena.h"

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
    const std::size_t slot = place_of(name, hash);
    if (slots_[slot] != 0) return entries_[number_in(slots_[slot])].second;
    entries_.emplace_back(names_.store(name), Value{});
    slots_[slot] = slot_value(hash, entries_.size() - 1);
    return entries_.back().second;
  }

  const Value* find(std::string_view name) const {
    if (entries_.empty()) return nullptr;
    const std::size_t slot = place_of(name, hash_of(name));
    return slots_[slot] == 0 ? nullptr : &entries_[number_in(slots_[slot])].second;
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

  // A slot holds the entry's number + 1 in its low half and the top half of
  // the name's hash in its high half, so that a probe seldom has to look at
  // a name that is not the one sought; 0 where it is empty.
  static std::uint64_t slot_value(std::uint64_t hash, std::size_t number) {
    return (hash & 0xFFFFFFFF00000000ULL) | (number + 1);
  }
  static std::size_t number_in(std::uint64_t slot) { return (slot & 0xFFFFFFFFULL) - 1; }

  // The slot that holds `name`, or the empty slot where it belongs.
  std::size_t place_of(std::string_view name, std::uint64_t hash) const {
    const std::size_t mask = slots_.size() - 1;
    const std::uint64_t tag = hash & 0xFFFFFFFF00000000ULL;
    for (std::size_t slot = hash & mask;; slot = (slot + 1) & mask) {
      const std::uint64_t held = slots_[slot];
      if (held == 0) return slot;
      if ((held & 0xFFFFFFFF00000000ULL) == tag && entries_[number_in(held)].first == name) return slot;
    }
  }

  void grow() { grow_to(slots_.empty() ? 64 : 2 * slots_.size()); }

  void grow_to(std::size_t slots) {
    slots_.assign(slots, 0);
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t number = 0; number < entries_.size(); ++number) {
      const std::uint64_t hash = hash_of(entries_[number].first);
      std::size_t slot = hash & mask;
      while (slots_[slot] != 0) slot = (slot + 1) & mask;
      slots_[slot] = slot_value(hash, number);
    }
  }

  TextArena names_;
  std::vector<Entry> entries_;
  std::vector<std::uint64_t> slots_;
};

}  // namespace vesmar
