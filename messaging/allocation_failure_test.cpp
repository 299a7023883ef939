// Every allocation an operation makes is made to fail in turn: the operation
// must throw std::bad_alloc (or give its documented neutral result), leak
// nothing, and leave its object destructible and usable, unchanged where it
// promises the strong guarantee.

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <new>
#include <sstream>
#include <string>
#include <typeinfo>
#include <vector>

#include "allocation_failure_test_hooks.h"
#include "tolvex/tolvex.h"

namespace {

using allocation_failure::disarm;
using allocation_failure::failAt;
using allocation_failure::liveBlocks;
using allocation_failure::mallocFails;

enum class Guarantee {
  kStrong,  // a failed operation leaves the object as it was
  kBasic,   // a failed operation leaves the object valid and destructible
};

// For n = 1, 2, ...: makes a subject, runs `operation` on it with the n-th
// allocation failing, and checks the outcome, until a run in which no
// allocation failed. A failed run must have thrown std::bad_alloc and leaked
// nothing; under the strong guarantee it left describe(subject) as it was,
// and running the operation again gives what a clean run gives.
template <typename Subject>
void expectEveryFailureHandled(Guarantee guarantee,
                               std::function<std::unique_ptr<Subject>()> make,
                               std::function<void(Subject&)> operation,
                               std::function<std::string(Subject&)> describe) {
  // A clean run: the expected state, and lazily made statics made.
  std::string expected;
  {
    std::unique_ptr<Subject> subject = make();
    operation(*subject);
    expected = describe(*subject);
  }
  for (long n = 1;; ++n) {
    const long live = liveBlocks();
    bool failed;
    {
      std::unique_ptr<Subject> subject = make();
      const std::string before = describe(*subject);
      bool threw = false;
      failAt(n);
      try {
        operation(*subject);
      } catch (const std::bad_alloc&) {
        threw = true;
      }
      failed = disarm();
      if (!failed) {
        EXPECT_EQ(describe(*subject), expected);
      } else {
        ASSERT_TRUE(threw) << "allocation " << n << " failed unreported";
        const std::string after = describe(*subject);
        if (guarantee == Guarantee::kStrong) {
          EXPECT_EQ(after, before) << "after failing allocation " << n;
          operation(*subject);
          EXPECT_EQ(describe(*subject), expected) << "retry after " << n;
        }
      }
    }
    EXPECT_EQ(liveBlocks(), live) << "leak after failing allocation " << n;
    if (!failed) return;
  }
}

// Runs `operation` with the n-th allocation failing; returns whether an
// allocation failed.
bool failingAllocation(long n, const std::function<void()>& operation) {
  failAt(n);
  operation();
  return disarm();
}

// ---- fields ----------------------------------------------------------------

const char kLongText[] =
    "a text of more than sixty-three characters, kept in an array of its own";

std::string describeField(UniversalField& field) {
  std::string state = std::to_string(field.getDataType()) + field.toString();
  int length = 0;
  if (const void* data = field.getValueBinary(length)) {
    state.append(static_cast<const char*>(data), length);
  }
  if (IFieldGroupList* list = field.getValueList()) {
    for (IFieldGroup* group = list->getFirst(); group != nullptr;
         group = list->getNext()) {
      state += static_cast<UniversalFieldGroup*>(group)->toString();
    }
  }
  return state;
}

UniversalFieldGroupList twoGroupList() {
  UniversalFieldGroup first;
  first.setValue("a", kLongText);
  first.setValueDouble("d", 1e300);
  UniversalFieldGroup second;
  second.setValueLong("b", 5);
  UniversalFieldGroupList inner;
  inner.put(&first);
  second.setValue("nested", &inner);
  UniversalFieldGroupList list;
  list.put(&first);
  list.put(&second);
  return list;
}

// Fields holding each kind of value that owns storage.
std::vector<std::function<std::unique_ptr<UniversalField>()>> fieldMakers() {
  return {
      [] { return std::make_unique<UniversalField>("short", "abc"); },
      [] { return std::make_unique<UniversalField>("long", kLongText); },
      [] { return std::make_unique<UniversalField>("huge double", 1e300); },
      [] {
        const UniversalFieldGroupList list = twoGroupList();
        return std::make_unique<UniversalField>("list", &list);
      },
      [] {
        auto field = std::make_unique<UniversalField>("binary");
        field->setValueBinary("\0\1\2", 3);
        return field;
      },
  };
}

// The replaced operator new serves the library too, not only this file.
TEST(UniversalFieldAllocationFailure, FailureReachesTheLibrary) {
  UniversalField field("f");
  bool threw = false;
  EXPECT_TRUE(failingAllocation(1, [&] {
    try {
      field.setValue(kLongText);
    } catch (const std::bad_alloc&) {
      threw = true;
    }
  }));
  EXPECT_TRUE(threw);
  EXPECT_TRUE(field.isNullValue());
}

TEST(UniversalFieldAllocationFailure, SettersKeepTheOldValue) {
  const UniversalFieldGroupList list = twoGroupList();
  std::vector<std::function<void(UniversalField&)>> setters = {
      [](UniversalField& f) { f.setValue(kLongText); },
      [&](UniversalField& f) { f.setValue(&list); },
      [](UniversalField& f) { f.setName(kLongText); },
  };
  if (mallocFails()) {
    setters.push_back([](UniversalField& f) { f.setValueBinary("xyz", 3); });
  }
  for (const auto& make : fieldMakers()) {
    for (const auto& setter : setters) {
      expectEveryFailureHandled<UniversalField>(Guarantee::kStrong, make,
                                                setter, describeField);
    }
  }
}

TEST(UniversalFieldAllocationFailure, CopiesKeepTheTargetAsItWas) {
  for (const auto& makeSource : fieldMakers()) {
    const std::unique_ptr<UniversalField> source = makeSource();
    for (const auto& makeTarget : fieldMakers()) {
      expectEveryFailureHandled<UniversalField>(
          Guarantee::kStrong, makeTarget,
          [&](UniversalField& f) { f = *source; }, describeField);
    }
    expectEveryFailureHandled<UniversalField>(
        Guarantee::kStrong, [] { return std::make_unique<UniversalField>(); },
        [&](UniversalField& f) {
          UniversalField copy(*source);
          f = copy;
        },
        describeField);
  }
}

TEST(UniversalFieldAllocationFailure, TextOfAHugeDoubleThrowsAndStaysValid) {
  expectEveryFailureHandled<UniversalField>(
      Guarantee::kStrong,
      [] { return std::make_unique<UniversalField>("d", -1e300); },
      [](UniversalField& f) { f.getValueString(); },
      // Not the text: that would make it ahead of the operation.
      [](UniversalField& f) { return std::to_string(f.getValueDouble()); });
}

// ---- groups ----------------------------------------------------------------

std::unique_ptr<UniversalFieldGroup> filledGroup() {
  auto group = std::make_unique<UniversalFieldGroup>();
  group->setValue("text", kLongText);
  group->setValueInt("int", 7);
  group->setValueDouble("double", 1e300);
  const UniversalFieldGroupList list = twoGroupList();
  group->setValue("list", &list);
  group->setValueBinary("binary", "\0\1", 2);
  return group;
}

std::string describeGroup(UniversalFieldGroup& group) {
  std::string state = group.toString();
  int length = 0;
  if (const void* data = group.getValueBinary("binary", length)) {
    state.append(static_cast<const char*>(data), length);
  }
  return state + std::to_string(group.size());
}

TEST(UniversalFieldGroupAllocationFailure, SettersAddNothingOnFailure) {
  const UniversalFieldGroupList list = twoGroupList();
  const UniversalField field("put", kLongText);
  const std::vector<std::function<void(UniversalFieldGroup&)>> operations = {
      [](UniversalFieldGroup& g) { g.setValue("new", kLongText); },
      [](UniversalFieldGroup& g) { g.setValue("text", kLongText + 1); },
      [](UniversalFieldGroup& g) { g.setValueInt("new int", 1); },
      [](UniversalFieldGroup& g) { g.setValueLong("new long", 1); },
      [](UniversalFieldGroup& g) { g.setValueDouble("new double", 1e300); },
      [](UniversalFieldGroup& g) { g.setValueBinary("new binary", "ab", 2); },
      [&](UniversalFieldGroup& g) { g.setValue("new list", &list); },
      [&](UniversalFieldGroup& g) { g.putField(&field); },
  };
  for (const auto& operation : operations) {
    expectEveryFailureHandled<UniversalFieldGroup>(
        Guarantee::kStrong, filledGroup, operation, describeGroup);
  }
}

TEST(UniversalFieldGroupAllocationFailure, CopiesAreAllOrNothing) {
  const std::unique_ptr<UniversalFieldGroup> source = filledGroup();
  source->setValue("extra", "x");
  expectEveryFailureHandled<UniversalFieldGroup>(
      Guarantee::kStrong, filledGroup,
      [&](UniversalFieldGroup& g) {
        g = *source;
        // The cursor must stand on a live field after the assignment.
        for (IField* f = g.getFirst(); f != nullptr; f = g.getNext()) {
        }
      },
      describeGroup);
  expectEveryFailureHandled<UniversalFieldGroup>(
      Guarantee::kStrong,
      [] { return std::make_unique<UniversalFieldGroup>(); },
      [&](UniversalFieldGroup& g) {
        UniversalFieldGroup copy(*source);
        g = copy;
      },
      describeGroup);
}

TEST(UniversalFieldGroupAllocationFailure, DumpThrowsAndChangesNothing) {
  expectEveryFailureHandled<UniversalFieldGroup>(
      Guarantee::kStrong, filledGroup,
      [](UniversalFieldGroup& g) { g.toString(); }, describeGroup);
}

// ---- lists -----------------------------------------------------------------

std::string describeList(UniversalFieldGroupList& list) {
  std::string state = std::to_string(list.size());
  for (IFieldGroup* group = list.getFirst(); group != nullptr;
       group = list.getNext()) {
    state += static_cast<UniversalFieldGroup*>(group)->toString();
  }
  return state;
}

std::unique_ptr<UniversalFieldGroupList> filledList() {
  return std::make_unique<UniversalFieldGroupList>(twoGroupList());
}

TEST(UniversalFieldGroupListAllocationFailure, PutAppendsNothingOnFailure) {
  const std::unique_ptr<UniversalFieldGroup> group = filledGroup();
  const UniversalMessage message("S1", "V");
  expectEveryFailureHandled<UniversalFieldGroupList>(
      Guarantee::kStrong, filledList,
      [&](UniversalFieldGroupList& l) { l.put(group.get()); }, describeList);
  expectEveryFailureHandled<UniversalFieldGroupList>(
      Guarantee::kStrong, filledList,
      [&](UniversalFieldGroupList& l) { l.put(&message); }, describeList);
}

TEST(UniversalFieldGroupListAllocationFailure, CopiesAreAllOrNothing) {
  UniversalFieldGroupList source = twoGroupList();
  const std::unique_ptr<UniversalFieldGroup> group = filledGroup();
  source.put(group.get());
  expectEveryFailureHandled<UniversalFieldGroupList>(
      Guarantee::kStrong, filledList,
      [&](UniversalFieldGroupList& l) { l = source; }, describeList);
  expectEveryFailureHandled<UniversalFieldGroupList>(
      Guarantee::kStrong,
      [] { return std::make_unique<UniversalFieldGroupList>(); },
      [&](UniversalFieldGroupList& l) {
        UniversalFieldGroupList copy(source);
        l = copy;
      },
      describeList);
}

// ---- messages --------------------------------------------------------------

std::unique_ptr<UniversalMessage> filledMessage() {
  auto message = std::make_unique<UniversalMessage>(*filledGroup());
  message->setSessionId("S1");
  message->setMsgType("W");
  return message;
}

std::string describeMessage(UniversalMessage& message) {
  return message.toString();
}

TEST(UniversalMessageAllocationFailure, SettersAndCopiesKeepTheMessage) {
  const std::unique_ptr<UniversalMessage> source = filledMessage();
  source->setValue("extra", kLongText);
  const UniversalFieldGroupList list = twoGroupList();
  const std::vector<std::function<void(UniversalMessage&)>> operations = {
      [](UniversalMessage& m) { m.setValue("new", kLongText); },
      [&](UniversalMessage& m) { m.setValue("new list", &list); },
      [](UniversalMessage& m) { m.setValueBinary("new binary", "ab", 2); },
      [](UniversalMessage& m) { m.setSessionId(kLongText); },
      [](UniversalMessage& m) { m.setMsgType(kLongText); },
      [&](UniversalMessage& m) { m = *source; },
      [&](UniversalMessage& m) {
        UniversalMessage copy(*source);
        m = copy;
      },
      [](UniversalMessage& m) { m.toString(); },
  };
  for (const auto& operation : operations) {
    expectEveryFailureHandled<UniversalMessage>(
        Guarantee::kStrong, filledMessage, operation, describeMessage);
  }
}

// ---- exceptions ------------------------------------------------------------

std::vector<std::function<GenericException*()>> exceptionMakers() {
  return {
      [] { return new GenericException(kLongText, 3); },
      [] { return new AuthenticationException(kLongText, 4); },
      [] { return new CCertificateAuthenticationException(kLongText, 5); },
      [] { return new SSLCommunicationException(kLongText, 6, nullptr); },
      [] {
        return new SSLHostException(SSLHostException::SECURE_FLAG_REVOKED,
                                    kLongText);
      },
      [] { return new SessionInactiveException2(7, kLongText); },
  };
}

// clone() either throws std::bad_alloc or returns a copy of the right class
// and code; its text is dropped only when the text's own copy fails.
TEST(GenericExceptionAllocationFailure, CloneThrowsOrCopies) {
  for (const auto& make : exceptionMakers()) {
    const std::unique_ptr<GenericException> original(make());
    const long live = liveBlocks();
    for (long n = 1;; ++n) {
      GenericException* copy = nullptr;
      bool threw = false;
      const bool failed = failingAllocation(n, [&] {
        try {
          copy = original->clone();
        } catch (const std::bad_alloc&) {
          threw = true;
        }
      });
      if (failed && !threw) {
        ASSERT_NE(copy, nullptr);
        EXPECT_STREQ(copy->getMessage(), "") << n;
      }
      if (copy != nullptr) {
        EXPECT_EQ(typeid(*copy), typeid(*original));
        EXPECT_EQ(copy->getErrorCode(), original->getErrorCode());
        if (!failed) {
          EXPECT_STREQ(copy->getMessage(), original->getMessage());
        }
      }
      delete copy;
      EXPECT_EQ(liveBlocks(), live) << n;
      if (!failed) break;
    }
  }
}

// The library's texts come from strdup inside libtolvex.so: making malloc
// fail reaches them, which proves the hooks stand between the library and
// the C library.
TEST(GenericExceptionAllocationFailure, FailedTextCopyLeavesNoText) {
  if (!mallocFails()) GTEST_SKIP() << "malloc belongs to the sanitizer here";
  GenericException exception("kept", 1);
  EXPECT_TRUE(failingAllocation(1, [&] { exception.setMessage("new"); }));
  EXPECT_STREQ(exception.getMessage(), "");
  exception.setMessage("again");
  EXPECT_STREQ(exception.getMessage(), "again");
}

// ---- session status
// ----------------------------------------------------------

std::unique_ptr<GenericSessionStatus> filledStatus() {
  auto status = std::make_unique<GenericSessionStatus>();
  status->setConnectionName("connection");
  status->setProtocolName("protocol");
  status->setSecureProtocolString("secure");
  status->setStatusName("name");
  status->setStatusMessage(kLongText);
  status->setStatusCode(ISessionStatus::STATUSCODE_CRITICAL_ERROR);
  GenericException error(kLongText, 9);
  status->setErrorException(&error);
  return status;
}

std::string describeStatus(GenericSessionStatus& status) {
  std::string state;
  for (const char* text : {status.getConnectionName(), status.getProtocolName(),
                           status.getSecureProtocolString(),
                           status.getStatusName(), status.getStatusMessage()}) {
    state += text != nullptr ? text : "(null)";
    state += '|';
  }
  if (GenericException* e = status.getErrorException()) {
    state += e->getMessage() + std::to_string(e->getErrorCode());
  }
  return state;
}

TEST(GenericSessionStatusAllocationFailure, SettersKeepTheOldText) {
  if (!mallocFails()) GTEST_SKIP() << "malloc belongs to the sanitizer here";
  GenericException error("other", 2);
  const std::vector<std::function<void(GenericSessionStatus&)>> setters = {
      [](GenericSessionStatus& s) { s.setConnectionName("c2"); },
      [](GenericSessionStatus& s) { s.setProtocolName("p2"); },
      [](GenericSessionStatus& s) { s.setSecureProtocolString("s2"); },
      [](GenericSessionStatus& s) { s.setStatusName("n2"); },
      [](GenericSessionStatus& s) { s.setStatusMessage("m2"); },
  };
  for (const auto& setter : setters) {
    expectEveryFailureHandled<GenericSessionStatus>(
        Guarantee::kStrong, filledStatus, setter, describeStatus);
  }
}

TEST(GenericSessionStatusAllocationFailure, CopyThrowsAndLeaksNothing) {
  const std::unique_ptr<GenericSessionStatus> source = filledStatus();
  const long live = liveBlocks();
  for (long n = 1;; ++n) {
    std::unique_ptr<GenericSessionStatus> copy;
    bool threw = false;
    const bool failed = failingAllocation(n, [&] {
      try {
        copy.reset(new GenericSessionStatus(*source));
      } catch (const std::bad_alloc&) {
        threw = true;
      }
    });
    // The exception's own text may be dropped; every other text is copied.
    if (failed && !threw) {
      ASSERT_STREQ(copy->getErrorException()->getMessage(), "");
    }
    if (!failed) {
      EXPECT_EQ(describeStatus(*copy), describeStatus(*source));
    }
    copy.reset();
    EXPECT_EQ(liveBlocks(), live) << n;
    if (!failed) break;
  }
}

// ---- foundation
// --------------------------------------------------------------

TEST(CUTCTimestampAllocationFailure, FormatGivesNullAndToStringEmpty) {
  if (!mallocFails()) GTEST_SKIP() << "malloc belongs to the sanitizer here";
  CUTCTimestamp timestamp("20240131-23:59:59.123");
  char* text = reinterpret_cast<char*>(1);
  EXPECT_TRUE(failingAllocation(
      1, [&] { text = timestamp.format(timestamp.toVariantTime()); }));
  EXPECT_EQ(text, nullptr);
  if (text != reinterpret_cast<char*>(1)) std::free(text);
  char buffer[64] = "unchanged";
  EXPECT_TRUE(
      failingAllocation(1, [&] { timestamp.toString(buffer, sizeof buffer); }));
  EXPECT_STREQ(buffer, "");
  timestamp.toString(buffer, sizeof buffer);
  EXPECT_STREQ(buffer, "20240131-23:59:59.123");
}

TEST(IMDEngineAllocationFailure, DigestThrowsAndTheEngineStaysUsable) {
  CMD2 engine;
  const unsigned char data[] = "abc";
  bool threw = false;
  EXPECT_TRUE(failingAllocation(1, [&] {
    try {
      engine.getDigest(data, 3);
    } catch (const std::bad_alloc&) {
      threw = true;
    }
  }));
  EXPECT_TRUE(threw);
  EXPECT_STREQ(engine.getDigest(data, 3), "da853b0d3f88d99b30283a69e6ded6bb");
}

}  // namespace
