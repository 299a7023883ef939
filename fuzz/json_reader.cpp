// JSON both ways, from two sides.
//
// The bytes as JSON text: whatever the reader accepts is written back
// (secrets revealed) and read again; the second reading must succeed, show
// no difference from the first, and write the same text. Whatever it refuses
// must come with a position and a reason, and leave nothing allocated
// (LeakSanitizer reports any leak).
//
// The bytes as a recipe for a message: fields of every kind with names and
// texts of any bytes (quotes, control characters, bytes that are not UTF-8),
// doubles of any bits, and nested lists. Written and read back, it must show
// no difference.

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

#include "oracle.h"
#include "tolvex/model/universal_field_group.h"
#include "tolvex/model/universal_field_group_list.h"
#include "tolvex/model/universal_message.h"
#include "tolvex/text/differences.h"
#include "tolvex/text/json.h"

namespace {

void checkReading(std::string_view input) {
  JsonError error;
  const auto group = groupFromJson(input, &error);
  if (!group) {
    check(error.line >= 1 && error.column >= 1, "refusal has a position");
    check(!error.what.empty(), "refusal has a reason");
    return;
  }
  const std::string written = toJson(*group, Redaction::revealAll());
  const auto reread = groupFromJson(written);
  check(reread != nullptr, "what was written reads back");
  check(differences(*group, *reread, Redaction::revealAll()).empty(),
        "what reads back equals what was read");
  check(toJson(*reread, Redaction::revealAll()) == written,
        "writing is stable");
}

// Texts without NUL, which a text field cannot hold.
std::string text(FuzzedDataProvider& bytes) {
  std::string value = bytes.ConsumeRandomLengthString(12);
  value.erase(std::remove(value.begin(), value.end(), '\0'), value.end());
  return value;
}

void fill(FuzzedDataProvider& bytes, IFieldGroup& group, int depth) {
  for (int fields = bytes.ConsumeIntegralInRange(0, 6);
       fields > 0 && bytes.remaining_bytes() > 0; --fields) {
    const std::string name = text(bytes) + "n";
    switch (bytes.ConsumeIntegralInRange(0, 6)) {
      case 0:
        group.setValue(name.c_str(), text(bytes).c_str());
        break;
      case 1:
        group.setValueInt(name.c_str(), bytes.ConsumeIntegral<int>());
        break;
      case 2:
        group.setValueLong(name.c_str(), bytes.ConsumeIntegral<long long>());
        break;
      case 3: {
        // Any bits; the one NaN JSON keeps is the quiet NaN.
        const auto bits = bytes.ConsumeIntegral<std::uint64_t>();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        if (std::isnan(value)) value = std::numeric_limits<double>::quiet_NaN();
        group.setValueDouble(name.c_str(), value);
        break;
      }
      case 4: {
        const std::string data = bytes.ConsumeRandomLengthString(12);
        group.setValueBinary(name.c_str(), data.data(),
                             static_cast<int>(data.size()));
        break;
      }
      case 5:
        group.setValue(name.c_str(), static_cast<const char*>(nullptr));
        break;
      default: {
        if (depth == 4) break;
        UniversalFieldGroupList list;
        for (int entries = bytes.ConsumeIntegralInRange(0, 3); entries > 0;
             --entries) {
          UniversalFieldGroup entry;
          fill(bytes, entry, depth + 1);
          list.put(&entry);
        }
        group.setValue(name.c_str(), &list);
      }
    }
  }
}

void checkWriting(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider bytes(data, size);
  UniversalMessage message;
  fill(bytes, message, 0);
  const auto reread = messageFromJson(toJson(message, Redaction::revealAll()));
  check(reread != nullptr, "a written message reads back");
  check(differences(message, *reread, Redaction::revealAll()).empty(),
        "a written message reads back equal");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  checkReading(std::string_view(reinterpret_cast<const char*>(data), size));
  checkWriting(data, size);
  return 0;
}
