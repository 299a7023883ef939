#include "tolvex/protocol/fix_vocabulary.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>

namespace {

// One name of the vocabulary: within a scope (the tag a value belongs to;
// empty for tags and message types), the text that travels and its name.
struct Row {
  const char* scope;
  const char* text;
  const char* name;
};

constexpr int compareText(const char* a, const char* b) {
  for (; *a != '\0' && *a == *b; ++a, ++b) {
  }
  return static_cast<unsigned char>(*a) - static_cast<unsigned char>(*b);
}

// Rows as the table declares them.
constexpr Row kTags[] = {
#define TOLVEX_FIX_TAG(NAME, TEXT) {"", TEXT, #NAME},
#define TOLVEX_FIX_MSGTYPE(NAME, TEXT)
#define TOLVEX_FIX_TEXT_VALUE(SET, NAME, TEXT)
#define TOLVEX_FIX_INT_VALUE(SET, NAME, NUMBER)
#define TOLVEX_FIX_VALUES_OF(SET, TAG)
#include "tolvex/protocol/fix_defs_table_internal.h"
};

constexpr Row kMsgTypes[] = {
#define TOLVEX_FIX_TAG(NAME, TEXT)
#define TOLVEX_FIX_MSGTYPE(NAME, TEXT) {"", TEXT, #NAME},
#define TOLVEX_FIX_TEXT_VALUE(SET, NAME, TEXT)
#define TOLVEX_FIX_INT_VALUE(SET, NAME, NUMBER)
#define TOLVEX_FIX_VALUES_OF(SET, TAG)
#include "tolvex/protocol/fix_defs_table_internal.h"
};

// Enumerated values with their set's name in `scope`, and the sets with the
// name of the tag that carries them; integer values by their decimal text.
constexpr Row kSetValues[] = {
#define TOLVEX_FIX_TAG(NAME, TEXT)
#define TOLVEX_FIX_MSGTYPE(NAME, TEXT)
#define TOLVEX_FIX_TEXT_VALUE(SET, NAME, TEXT) {#SET, TEXT, #NAME},
#define TOLVEX_FIX_INT_VALUE(SET, NAME, NUMBER) {#SET, #NUMBER, #NAME},
#define TOLVEX_FIX_VALUES_OF(SET, TAG)
#include "tolvex/protocol/fix_defs_table_internal.h"
};

constexpr Row kSetTags[] = {
#define TOLVEX_FIX_TAG(NAME, TEXT)
#define TOLVEX_FIX_MSGTYPE(NAME, TEXT)
#define TOLVEX_FIX_TEXT_VALUE(SET, NAME, TEXT)
#define TOLVEX_FIX_INT_VALUE(SET, NAME, NUMBER)
#define TOLVEX_FIX_VALUES_OF(SET, TAG) {#SET, nullptr, #TAG},
#include "tolvex/protocol/fix_defs_table_internal.h"
};

// The tag that carries the values of `set`, or null.
constexpr const char* tagOfSet(const char* set) {
  for (const Row& setTag : kSetTags) {
    if (compareText(setTag.scope, set) != 0) continue;
    for (const Row& tag : kTags) {
      if (compareText(tag.name, setTag.name) == 0) return tag.text;
    }
  }
  return nullptr;
}

constexpr bool everySetTagExists() {
  for (const Row& setTag : kSetTags) {
    if (tagOfSet(setTag.scope) == nullptr) return false;
  }
  return true;
}
static_assert(everySetTagExists(), "a TOLVEX_FIX_VALUES_OF row names no tag");

constexpr std::size_t countValuesWithTag() {
  std::size_t count = 0;
  for (const Row& value : kSetValues) count += tagOfSet(value.scope) != nullptr;
  return count;
}

// Comparisons by scope, then by the text or the name.
struct ByText {
  const char* Row::*key = &Row::text;
};
struct ByName {
  const char* Row::*key = &Row::name;
};

template <typename Order>
constexpr bool before(const Row& a, const Row& b, Order order) {
  const int scope = compareText(a.scope, b.scope);
  if (scope != 0) return scope < 0;
  return compareText(a.*order.key, b.*order.key) < 0;
}

// A stable insertion sort, usable in constant expressions (std::sort is not
// in C++17): rows that compare equal keep the table's order, so the first of
// names sharing a tag is the one IFixDefs declares first.
template <std::size_t N, typename Order>
constexpr std::array<Row, N> sorted(std::array<Row, N> rows, Order order) {
  for (std::size_t i = 1; i < N; ++i) {
    const Row row = rows[i];
    std::size_t j = i;
    for (; j > 0 && before(row, rows[j - 1], order); --j) rows[j] = rows[j - 1];
    rows[j] = row;
  }
  return rows;
}

template <std::size_t N>
constexpr std::array<Row, N> asArray(const Row (&rows)[N]) {
  std::array<Row, N> result{};
  for (std::size_t i = 0; i < N; ++i) result[i] = rows[i];
  return result;
}

// Values scoped by the text of their tag; sets without one are left out.
constexpr std::array<Row, countValuesWithTag()> valuesByTag() {
  std::array<Row, countValuesWithTag()> result{};
  std::size_t next = 0;
  for (const Row& value : kSetValues) {
    const char* tag = tagOfSet(value.scope);
    if (tag != nullptr) result[next++] = Row{tag, value.text, value.name};
  }
  return result;
}

constexpr auto kTagsByText = sorted(asArray(kTags), ByText{});
constexpr auto kTagsByName = sorted(asArray(kTags), ByName{});
constexpr auto kMsgTypesByText = sorted(asArray(kMsgTypes), ByText{});
constexpr auto kMsgTypesByName = sorted(asArray(kMsgTypes), ByName{});
constexpr auto kValuesByText = sorted(valuesByTag(), ByText{});
constexpr auto kValuesByName = sorted(valuesByTag(), ByName{});

// The rows of `rows` whose scope and key are those given.
template <typename Rows, typename Order>
std::pair<const Row*, const Row*> equalRange(const Rows& rows,
                                             const char* scope, const char* key,
                                             Order order) {
  if (scope == nullptr || key == nullptr) return {nullptr, nullptr};
  Row probe{scope, key, key};
  auto less = [order](const Row& a, const Row& b) {
    return before(a, b, order);
  };
  auto range =
      std::equal_range(rows.data(), rows.data() + rows.size(), probe, less);
  return {range.first, range.second};
}

// The field `result` of the first row matching, or null.
template <typename Rows, typename Order>
const char* find(const Rows& rows, const char* scope, const char* key,
                 Order order, const char* Row::*result) {
  auto range = equalRange(rows, scope, key, order);
  return range.first == range.second ? nullptr : range.first->*result;
}

}  // namespace

const char* FixVocabulary::tagName(const char* tag) {
  return find(kTagsByText, "", tag, ByText{}, &Row::name);
}

int FixVocabulary::tagNames(const char* tag, const char** names, int capacity) {
  auto range = equalRange(kTagsByText, "", tag, ByText{});
  const int count = static_cast<int>(range.second - range.first);
  for (int i = 0; i < count && i < capacity; ++i)
    names[i] = range.first[i].name;
  return count;
}

const char* FixVocabulary::tagByName(const char* name) {
  return find(kTagsByName, "", name, ByName{}, &Row::text);
}

const char* FixVocabulary::msgTypeName(const char* type) {
  return find(kMsgTypesByText, "", type, ByText{}, &Row::name);
}

const char* FixVocabulary::msgTypeByName(const char* name) {
  return find(kMsgTypesByName, "", name, ByName{}, &Row::text);
}

const char* FixVocabulary::valueName(const char* tag, const char* value) {
  return find(kValuesByText, tag, value, ByText{}, &Row::name);
}

const char* FixVocabulary::valueByName(const char* tag, const char* name) {
  return find(kValuesByName, tag, name, ByName{}, &Row::text);
}
