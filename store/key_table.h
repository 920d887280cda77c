#pragma once

// Building blocks of the look-up index: the key of every record, packed, and
// a hash table from a key to the first record in file order that has it.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// One short key per record, in record order.
class KeyArena {
 public:
  void clear();
  void reserve(std::size_t records, std::size_t bytes);
  void push(std::string_view key);
  std::string_view at(std::uint32_t record) const {
    return {text.data() + start[record], length[record]};
  }
  std::uint32_t size() const { return static_cast<std::uint32_t>(start.size()); }
  // Record `record` gets another key; the old one stays as unused bytes.
  void replace(std::uint32_t record, std::string_view key);
  // Record `from` now stands at `to`; the records between shift by one.
  void move(std::uint32_t from, std::uint32_t to);
  std::size_t memoryUsed() const;

 private:
  std::string text;
  std::vector<std::uint32_t> start;
  std::vector<std::uint8_t> length;
};

// Open addressing over record numbers; a slot holds record + 1, 0 is empty,
// kRemoved marks a key taken out (probing goes on past it).
class FirstRecordTable {
 public:
  // Every distinct key of `keys`, each with its first record.
  void build(const KeyArena& keys);
  // The first record with `key`, or -1.
  long find(std::string_view key, const KeyArena& keys) const;
  // Records `record` for its key unless an earlier record has the key.
  void addIfAbsent(std::uint32_t record, const KeyArena& keys);
  // Points the key at `record`, whatever it held.
  void set(std::uint32_t record, const KeyArena& keys);
  // Forgets `key`.
  void remove(std::string_view key, const KeyArena& keys);
  // Renumbers every stored record through `newNumber`.
  template <typename Renumber>
  void renumber(Renumber newNumber) {
    for (std::uint32_t& slot : slots)
      if (slot != 0 && slot != kRemoved) slot = newNumber(slot - 1) + 1;
  }
  std::size_t memoryUsed() const { return slots.capacity() * sizeof(std::uint32_t); }

 private:
  std::size_t slotOf(std::string_view key, const KeyArena& keys) const;
  void grow(const KeyArena& keys);

  static constexpr std::uint32_t kRemoved = UINT32_MAX;

  std::vector<std::uint32_t> slots;
  std::size_t used = 0;
};
