#include "key_table.h"

#include <algorithm>

namespace {

std::uint64_t hashKey(std::string_view key) {
  std::uint64_t hash = 14695981039346656037ULL;
  for (char c : key) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 1099511628211ULL;
  }
  return hash ^ (hash >> 29);
}

}  // namespace

void KeyArena::clear() {
  text.clear();
  start.clear();
  length.clear();
}

void KeyArena::reserve(std::size_t records, std::size_t bytes) {
  start.reserve(records);
  length.reserve(records);
  text.reserve(bytes);
}

void KeyArena::push(std::string_view key) {
  start.push_back(static_cast<std::uint32_t>(text.size()));
  length.push_back(static_cast<std::uint8_t>(key.size()));
  text.append(key);
}

void KeyArena::replace(std::uint32_t record, std::string_view key) {
  start[record] = static_cast<std::uint32_t>(text.size());
  length[record] = static_cast<std::uint8_t>(key.size());
  text.append(key);
}

void KeyArena::move(std::uint32_t from, std::uint32_t to) {
  auto shift = [&](auto& column) {
    if (from > to)
      std::rotate(column.begin() + to, column.begin() + from, column.begin() + from + 1);
    else
      std::rotate(column.begin() + from, column.begin() + from + 1, column.begin() + to + 1);
  };
  shift(start);
  shift(length);
}

std::size_t KeyArena::memoryUsed() const {
  return text.capacity() + start.capacity() * sizeof(std::uint32_t) + length.capacity();
}

std::size_t FirstRecordTable::slotOf(std::string_view key, const KeyArena& keys) const {
  std::size_t mask = slots.size() - 1;
  std::size_t slot = hashKey(key) & mask;
  while (slots[slot] != 0 && (slots[slot] == kRemoved || keys.at(slots[slot] - 1) != key))
    slot = (slot + 1) & mask;
  return slot;
}

void FirstRecordTable::build(const KeyArena& keys) {
  std::size_t capacity = 16;
  while (capacity < 2 * static_cast<std::size_t>(keys.size())) capacity *= 2;
  slots.assign(capacity, 0);
  used = 0;
  for (std::uint32_t record = 0; record < keys.size(); ++record) addIfAbsent(record, keys);
}

long FirstRecordTable::find(std::string_view key, const KeyArena& keys) const {
  if (slots.empty()) return -1;
  std::uint32_t slot = slots[slotOf(key, keys)];
  return slot == 0 ? -1 : static_cast<long>(slot) - 1;
}

void FirstRecordTable::addIfAbsent(std::uint32_t record, const KeyArena& keys) {
  if (2 * (used + 1) > slots.size()) grow(keys);
  std::size_t slot = slotOf(keys.at(record), keys);
  if (slots[slot] != 0) return;
  slots[slot] = record + 1;
  ++used;
}

void FirstRecordTable::set(std::uint32_t record, const KeyArena& keys) {
  if (2 * (used + 1) > slots.size()) grow(keys);
  std::size_t slot = slotOf(keys.at(record), keys);
  if (slots[slot] == 0) ++used;
  slots[slot] = record + 1;
}

void FirstRecordTable::remove(std::string_view key, const KeyArena& keys) {
  if (slots.empty()) return;
  std::size_t slot = slotOf(key, keys);
  // Still counted as used: the probe chains through it must not break.
  if (slots[slot] != 0) slots[slot] = kRemoved;
}

void FirstRecordTable::grow(const KeyArena& keys) {
  std::vector<std::uint32_t> old = std::move(slots);
  slots.assign(std::max<std::size_t>(16, old.size() * 2), 0);
  used = 0;
  for (std::uint32_t slot : old)
    if (slot != 0 && slot != kRemoved) {
      slots[slotOf(keys.at(slot - 1), keys)] = slot;
      ++used;
    }
}
