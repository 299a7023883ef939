// Arbitrary bytes given to the JSON reader. Whatever it accepts is written
// back (secrets revealed) and read again: the second reading must succeed,
// show no difference from the first, and write the same text. Whatever it
// refuses must come with a position inside the text and a reason, and leave
// nothing allocated (LeakSanitizer reports any leak).

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "oracle.h"
#include "tolvex/model/universal_field_group.h"
#include "tolvex/text/differences.h"
#include "tolvex/text/json.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  JsonError error;
  const auto group = groupFromJson(input, &error);
  if (!group) {
    check(error.line >= 1 && error.column >= 1, "refusal has a position");
    check(!error.what.empty(), "refusal has a reason");
    return 0;
  }
  const std::string written = toJson(*group, Redaction::revealAll());
  JsonError again;
  const auto reread = groupFromJson(written, &again);
  check(reread != nullptr, "what was written reads back");
  check(differences(*group, *reread, Redaction::revealAll()).empty(),
        "what reads back equals what was read");
  check(toJson(*reread, Redaction::revealAll()) == written,
        "writing is stable");
  return 0;
}
