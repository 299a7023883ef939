// Private header: not installed.
#pragma once

#include <cstddef>
#include <string>

class UniversalField;
class UniversalFieldGroup;

// Writes dump texts (field lines, groups with their nested lists) through a
// raw pointer into a string that grows in large zero-filled steps; the
// destructor trims the string to what was written. One writer serves a
// whole dump, so that a line costs a pointer comparison, not a string
// operation. Not thread-safe: one writer per dump, on one thread.
class DumpWriter {
 public:
  explicit DumpWriter(std::string& out);
  DumpWriter(const DumpWriter&) = delete;
  DumpWriter& operator=(const DumpWriter&) = delete;
  ~DumpWriter();

  // "field: <name> = <value>\n" for a field with a value.
  // Reads the value of the library's own field directly.
  void line(const UniversalField& field);
  // "field: <name> = <text>\n"; a null text writes nothing after " = ".
  void line(const std::string& name, const char* text);
  // "<group>\n", the lines of the group's fields in name order, each list
  // between "<list>\n" and "</list>\n", then "</group>\n".
  void group(const UniversalFieldGroup& group);
  // About the length of group()'s text, read from the top-level fields and
  // the first group of each list; moves those lists' cursors.
  static std::size_t sizeHint(const UniversalFieldGroup& group);

 private:
  // Makes room for `length` characters at p_ and returns p_.
  char* room(std::size_t length) {
    if (static_cast<std::size_t>(end_ - p_) < length) grow(length);
    return p_;
  }
  void grow(std::size_t length);
  void put(const char* text, std::size_t length);
  // Writes "field: <name> = " into room for the line with a value of at most
  // `valueLength` characters and returns where the value goes.
  char* openLine(const std::string& name, std::size_t valueLength);

  std::string& out_;
  char* p_;     // the end of what was written
  char* end_;   // the end of the string's zero-filled room
  char point_;  // the locale's single-byte decimal point, or '\0'
};
