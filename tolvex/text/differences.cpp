#include "tolvex/text/differences.h"

#include <cstdint>
#include <cstring>

#include "tolvex/model/i_field.h"
#include "tolvex/model/i_field_group.h"
#include "tolvex/model/i_field_group_list.h"
#include "tolvex/text/value_text_internal.h"

namespace {

constexpr const char* kAbsent = "(absent)";

// The fields of a group, collected before the other side is walked, so that
// the two sides' cursors never interleave (they may be the same object).
std::vector<const IField*> fieldsOf(const IFieldGroup& group) {
  std::vector<const IField*> fields;
  fields.reserve(static_cast<std::size_t>(group.size()));
  for (const IField* field = group.getFirst(); field != nullptr;
       field = group.getNext()) {
    fields.push_back(field);
  }
  return fields;
}

std::vector<const IFieldGroup*> groupsOf(const IFieldGroupList& list) {
  std::vector<const IFieldGroup*> groups;
  groups.reserve(static_cast<std::size_t>(list.size()));
  for (const IFieldGroup* group = list.getFirst(); group != nullptr;
       group = list.getNext()) {
    groups.push_back(group);
  }
  return groups;
}

std::uint64_t bitsOf(double value) {
  std::uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

bool sameValue(const IField& a, const IField& b) {
  switch (a.getDataType()) {
    case IField::DT_INT:
      return a.getValueInt() == b.getValueInt();
    case IField::DT_LONG:
      return a.getValueLong() == b.getValueLong();
    case IField::DT_DOUBLE: {
      return bitsOf(a.getValueDouble()) == bitsOf(b.getValueDouble());
    }
    case IField::DT_STRING:
      return std::strcmp(a.getValueString(), b.getValueString()) == 0;
    case IField::DT_BINARY: {
      int aLength = 0;
      int bLength = 0;
      const void* aData = a.getValueBinary(aLength);
      const void* bData = b.getValueBinary(bLength);
      return aLength == bLength &&
             (aLength == 0 ||
              std::memcmp(aData, bData, static_cast<std::size_t>(aLength)) ==
                  0);
    }
    default:  // no value; lists are compared group by group
      return true;
  }
}

class Comparer {
 public:
  Comparer(std::vector<Difference>& out, const Redaction& redaction)
      : out_(out), redaction_(redaction) {}

  void groups(const IFieldGroup& a, const IFieldGroup& b,
              const std::string& prefix) {
    const std::vector<const IField*> left = fieldsOf(a);
    const std::vector<const IField*> right = fieldsOf(b);
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < left.size() || j < right.size()) {
      const int order = i == left.size()    ? 1
                        : j == right.size() ? -1
                                            : std::strcmp(left[i]->getName(),
                                                          right[j]->getName());
      if (order < 0) {
        add(prefix + left[i]->getName(), left[i], nullptr);
        ++i;
      } else if (order > 0) {
        add(prefix + right[j]->getName(), nullptr, right[j]);
        ++j;
      } else {
        fields(*left[i++], *right[j++], prefix);
      }
    }
  }

 private:
  void fields(const IField& a, const IField& b, const std::string& prefix) {
    const std::string path = prefix + a.getName();
    if (a.getDataType() != b.getDataType() || !sameValue(a, b)) {
      add(path, &a, &b);
    } else if (a.getDataType() == IField::DT_LIST) {
      lists(*a.getValueList(), *b.getValueList(), path, a, b);
    }
  }

  void lists(const IFieldGroupList& a, const IFieldGroupList& b,
             const std::string& path, const IField& fieldA,
             const IField& fieldB) {
    const std::vector<const IFieldGroup*> left = groupsOf(a);
    const std::vector<const IFieldGroup*> right = groupsOf(b);
    if (left.size() != right.size()) add(path, &fieldA, &fieldB);
    for (std::size_t i = 0; i < left.size() && i < right.size(); ++i) {
      groups(*left[i], *right[i], path + '[' + std::to_string(i + 1) + "].");
    }
  }

  void add(std::string path, const IField* a, const IField* b) {
    const bool masked = redaction_.masks((a != nullptr ? a : b)->getName());
    out_.push_back(
        Difference{std::move(path), show(a, masked), show(b, masked)});
  }

  static std::string show(const IField* field, bool masked) {
    if (field == nullptr) return kAbsent;
    if (masked) return Redaction::MASK;
    std::string text;
    text_forms::appendReadableValue(text, *field);
    return text;
  }

  std::vector<Difference>& out_;
  const Redaction& redaction_;
};

}  // namespace

std::string Difference::toString() const {
  return path + ": " + first + " != " + second;
}

std::vector<Difference> differences(const IFieldGroup& first,
                                    const IFieldGroup& second,
                                    const Redaction& redaction) {
  std::vector<Difference> out;
  Comparer(out, redaction).groups(first, second, "");
  return out;
}
