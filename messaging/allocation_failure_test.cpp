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
// nothing, and running the operation again gives what a clean run gives;
// under the strong guarantee the failed run left describe(subject) as it was.
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
        if (guarantee == Guarantee::kStrong) {
          EXPECT_EQ(describe(*subject), before)
              << "after failing allocation " << n;
        }
        operation(*subject);
        EXPECT_EQ(describe(*subject), expected) << "retry after " << n;
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

// Construction as an operation on an empty holder: every failure must throw
// std::bad_alloc and leave nothing behind.
template <typename T>
void expectEveryConstructionFailureHandled(
    std::function<std::unique_ptr<T>()> construct,
    std::function<std::string(T&)> describe) {
  using Holder = std::unique_ptr<T>;
  expectEveryFailureHandled<Holder>(
      Guarantee::kStrong, [] { return std::make_unique<Holder>(); },
      [&](Holder& holder) { holder = construct(); },
      [&](Holder& holder) {
        return holder != nullptr ? describe(*holder) : std::string("(none)");
      });
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

// ---- containers ------------------------------------------------------------

const char kLongName[] = "a name long enough to live outside the string";

std::string describeTable(StdHashTable& table) {
  std::string state = std::to_string(table.size());
  for (bool more = table.firstElement() != nullptr; more;
       more = table.nextElement() != nullptr) {
    state += std::string("|") + table.getName() + ":" +
             std::to_string(table.getType()) + "=";
    if (table.getType() == DATATYPE_STRING) {
      const char* text = table.getString();
      state += text != nullptr ? text : "(null)";
    } else if (table.getType() == DATATYPE_INT) {
      state += std::to_string(table.getInt());
    }
  }
  return state;
}

std::unique_ptr<StdHashTable> filledTable() {
  auto table = std::make_unique<StdHashTable>();
  table->put("text", kLongText);
  table->put(kLongName, 7);
  table->put("null", static_cast<const char*>(nullptr));
  return table;
}

TEST(StdHashTableAllocationFailure, PutsAddNothingAndCopiesFinish) {
  int object = 0;
  const std::vector<std::function<void(StdHashTable&)>> puts = {
      [](StdHashTable& t) { t.put("new text", kLongText); },
      [](StdHashTable& t) { t.put(kLongName, kLongText); },
      [](StdHashTable& t) { t.put("long", 5LL); },
      [](StdHashTable& t) { t.put(kLongText, 1.5); },
      [&](StdHashTable& t) { t.put("pointer", static_cast<void*>(&object)); },
  };
  for (const auto& put : puts) {
    expectEveryFailureHandled<StdHashTable>(Guarantee::kStrong, filledTable,
                                            put, describeTable);
  }
  const std::unique_ptr<StdHashTable> source = filledTable();
  source->put("other", kLongText);
  expectEveryFailureHandled<StdHashTable>(
      Guarantee::kBasic, filledTable, [&](StdHashTable& t) { t.copy(*source); },
      describeTable);
}

std::string describeVector(IVector& vector) {
  std::string state;
  for (int i = 0; i < vector.size(); ++i) {
    state +=
        std::to_string(static_cast<char*>(vector.elementAt(i)) - kLongText) +
        ",";
  }
  return state;
}

std::unique_ptr<StdVector> filledVector() {
  auto vector = std::make_unique<StdVector>();
  for (int i = 0; i < 4; ++i) {
    vector->addElement(const_cast<char*>(kLongText + i));
  }
  return vector;
}

TEST(StdVectorAllocationFailure, AppendsAreAllOrNothing) {
  // Long enough to make the target grow several times.
  StdVector other;
  for (int i = 0; i < 40; ++i) other.addElement(const_cast<char*>(kLongText));
  const std::vector<std::function<void(StdVector&)>> operations = {
      [](StdVector& v) { v.addElement(const_cast<char*>(kLongText + 9)); },
      [&](StdVector& v) { v.append(&other); },
      [](StdVector& v) { v.append(&v); },
  };
  for (const auto& operation : operations) {
    expectEveryFailureHandled<StdVector>(Guarantee::kStrong, filledVector,
                                         operation, describeVector);
  }
}

TEST(StorageFactoryAllocationFailure, CreateThrowsAndLeaksNothing) {
  expectEveryConstructionFailureHandled<IVector>(
      [] { return std::unique_ptr<IVector>(StorageFactory::createVector("")); },
      describeVector);
  expectEveryConstructionFailureHandled<IHashTable>(
      [] {
        return std::unique_ptr<IHashTable>(StorageFactory::createHashTable(""));
      },
      [](IHashTable& t) { return std::to_string(t.size()); });
}

// ---- configuration elements ------------------------------------------------

TEST(AttrWAllocationFailure, ConstructorThrowsAndLeaksNothing) {
  expectEveryConstructionFailureHandled<AttrW>(
      [] { return std::make_unique<AttrW>(kLongName, kLongText); },
      [](AttrW& a) { return std::string(a.name) + "=" + a.value; });
}

std::unique_ptr<ConfigElement> filledElement() {
  auto element = std::make_unique<ConfigElement>();
  element->init("servers");
  element->addAttribute("Host", kLongText);
  for (const char* type : {"url", "client", "URL"}) {
    auto child = std::make_unique<ConfigElement>();
    child->init(type);
    child->addAttribute("name", type);
    if (element->addElement(child.get())) child.release();
  }
  return element;
}

std::string describeElement(ConfigElement& element) {
  std::string state = element.getType();
  IHashTable* attributes = element.getAttributes();
  for (bool more = attributes->firstElement() != nullptr; more;
       more = attributes->nextElement() != nullptr) {
    const AttrW* attribute = static_cast<AttrW*>(attributes->getPointer());
    state += std::string("|") + attribute->name + "=" + attribute->value;
  }
  for (void* child = element.getElements()->firstElement(); child != nullptr;
       child = element.getElements()->nextElement()) {
    state +=
        std::string("|child ") + static_cast<ConfigElement*>(child)->getType();
  }
  return state;
}

TEST(ConfigElementAllocationFailure, BuildingAndQueriesLeakNothing) {
  expectEveryConstructionFailureHandled<ConfigElement>(filledElement,
                                                       describeElement);
  const std::vector<std::function<void(ConfigElement&)>> operations = {
      [](ConfigElement& e) { e.addAttribute(kLongName, kLongText); },
      [](ConfigElement& e) { e.addAttribute("HOST", "replaced"); },
      [](ConfigElement& e) {
        auto child = std::make_unique<UrlElement>();
        if (e.addElement(child.get())) child.release();
      },
      [](ConfigElement& e) { e.getAttribute(kLongName); },
      [](ConfigElement& e) { std::unique_ptr<IVector>(e.getElements("url")); },
      [](ConfigElement& e) {
        std::unique_ptr<IVector>(e.getElements("url", "NAME", "URL"));
      },
  };
  for (const auto& operation : operations) {
    expectEveryFailureHandled<ConfigElement>(Guarantee::kStrong, filledElement,
                                             operation, describeElement);
  }
}

// Frees a parameter table as its receiver must: the values, then the table.
struct ParamsDeleter {
  void operator()(StdHashTable* params) const {
    for (bool more = params->firstElement() != nullptr; more;
         more = params->nextElement() != nullptr) {
      std::free(params->getPointer());
    }
    delete params;
  }
};

// The pairs of a parameter table, which it then frees.
std::string takeParams(StdHashTable* table) {
  const std::unique_ptr<StdHashTable, ParamsDeleter> params(table);
  if (params == nullptr) return "(none)";
  std::string state;
  for (bool more = params->firstElement() != nullptr; more;
       more = params->nextElement() != nullptr) {
    state += std::string(params->getName()) + "=" +
             static_cast<char*>(params->getPointer()) + ";";
  }
  return state;
}

const char kParams[] =
    "CHECK_SSL_ERROR=Y; a parameter named at length = with a long value;k=v";

std::unique_ptr<UrlElement> filledUrl() {
  auto url = std::make_unique<UrlElement>();
  url->addAttribute("urlString", "HTTP:https://host.example.com:8443/app");
  url->addAttribute("secure", "true");
  url->addAttribute("params", kParams);
  return url;
}

TEST(UrlElementAllocationFailure, ParamsThrowAndLeakNothing) {
  expectEveryConstructionFailureHandled<UrlElement>(filledUrl, describeElement);
  std::string params;
  expectEveryFailureHandled<UrlElement>(
      Guarantee::kStrong, filledUrl,
      [&](UrlElement& url) { params = takeParams(url.getParams()); },
      describeElement);
  EXPECT_EQ(params,
            "CHECK_SSL_ERROR=Y;a parameter named at length=with a long value;"
            "k=v;");
}

// ---- connection parameters -------------------------------------------------

std::unique_ptr<ConParams> filledParams() {
  auto params = std::make_unique<ConParams>();
  params->setName("connection");
  params->setHost(kLongText);
  params->setPort(9000);
  params->setUid("user");
  params->setProxyHost("proxy");
  params->setAgent("agent");
  params->setClientAddress(kLongText);
  params->setOptionalParameter(kLongName, kLongText);
  params->setOptionalParameter("k", "v");
  return params;
}

std::string describeParams(ConParams& p) {
  std::string state = std::to_string(p.port) + "," +
                      std::to_string(p.proxyPort) + "," +
                      std::to_string(p.useHttp) + std::to_string(p.secure);
  for (const char* text : {p.name,
                           p.transportProvider,
                           p.host,
                           p.script,
                           p.app,
                           p.uid,
                           p.upwd,
                           p.proxyHost,
                           p.proxyUid,
                           p.proxyPwd,
                           p.httpUid,
                           p.httpPwd,
                           p.fullUrl,
                           p.proxyType,
                           p.CAInfoFilePath,
                           p.proxyAuthenticationRealm,
                           p.agent,
                           p.appInfo,
                           p.PACUrl,
                           p.clientAddress}) {
    state += "|";
    state += text != nullptr ? text : "(null)";
  }
  if (StdHashTable* table = p.getOptionalParameters()) {
    for (bool more = table->firstElement() != nullptr; more;
         more = table->nextElement() != nullptr) {
      state += std::string("|") + table->getName() + "=" +
               static_cast<char*>(table->getPointer());
    }
  }
  return state;
}

TEST(ConParamsAllocationFailure, SettersKeepTheRecord) {
  const std::vector<std::function<void(ConParams&)>> setters = {
      [](ConParams& p) { p.setHost("other host"); },
      [](ConParams& p) { p.setAgent("other agent"); },
      [](ConParams& p) { p.setOptionalParameter("new", kLongText); },
      [](ConParams& p) { p.setOptionalParameter(kLongName, "replaced"); },
      [](ConParams& p) {
        takeParams(p.cloneOptionalParameters(p.getOptionalParameters()));
      },
  };
  for (const auto& setter : setters) {
    expectEveryFailureHandled<ConParams>(Guarantee::kStrong, filledParams,
                                         setter, describeParams);
  }
}

TEST(ConParamsAllocationFailure, CopiesAndUrlsLeakNothing) {
  const std::unique_ptr<ConParams> source = filledParams();
  expectEveryConstructionFailureHandled<ConParams>(
      [&] { return std::make_unique<ConParams>(*source); }, describeParams);
  const std::unique_ptr<UrlElement> url = filledUrl();
  expectEveryFailureHandled<ConParams>(
      Guarantee::kBasic, filledParams,
      [&](ConParams& p) { p.setUrl(url.get()); }, describeParams);
}

// ---- trading-session descriptors -------------------------------------------

std::unique_ptr<TradingSessionDesc> filledDesc() {
  auto desc =
      std::make_unique<TradingSessionDesc>("S1", kLongText, "name", nullptr);
  desc->setProperty(TradingSessionDesc::PIN_REQUIRED, "Y");
  desc->setProperty(kLongName, kLongText);
  desc->setErrorCode(4);
  desc->setErrorMessage(kLongText);
  return desc;
}

std::string describeDesc(TradingSessionDesc& desc) {
  char line[512];
  desc.toString(line, sizeof line);
  return std::string(line) + "|" + std::to_string(desc.getErrorCode()) + "|" +
         desc.getErrorMessage();
}

TEST(TradingSessionDescAllocationFailure, ConstructorsLeaveNothingBehind) {
  const std::unique_ptr<TradingSessionDesc> source = filledDesc();
  const std::vector<std::function<std::unique_ptr<TradingSessionDesc>()>>
      constructors = {
          [] { return std::make_unique<TradingSessionDesc>(); },
          filledDesc,
          [] {
            return std::make_unique<TradingSessionDesc>(
                "S1;a trading session ID of some length;N1;D1;P=1");
          },
          [&] { return std::make_unique<TradingSessionDesc>(*source); },
      };
  for (const auto& construct : constructors) {
    expectEveryConstructionFailureHandled<TradingSessionDesc>(construct,
                                                              describeDesc);
  }
}

TEST(TradingSessionDescAllocationFailure, SettersAndAssignmentKeepTheTarget) {
  const auto source = std::make_unique<TradingSessionDesc>(
      "a sub-ID long enough to be allocated", "I2", nullptr, "desc");
  source->setProperty("other", kLongText);
  source->setErrorMessage("another error text, long enough to be allocated");
  const TradingSessionDesc quiet("S3", "I3", "N3", "D3");
  const std::vector<std::function<void(TradingSessionDesc&)>> operations = {
      [](TradingSessionDesc& d) { d.setID(kLongName); },
      [](TradingSessionDesc& d) { d.setProperty("new", kLongText); },
      [](TradingSessionDesc& d) { d.setProperty(kLongName, "replaced"); },
      [](TradingSessionDesc& d) { d.setErrorMessage(kLongName); },
      [&](TradingSessionDesc& d) { d = *source; },
      [&](TradingSessionDesc& d) { d = quiet; },
      [](TradingSessionDesc& d) {
        char line[512];
        d.toString(line, sizeof line);
      },
  };
  for (const auto& operation : operations) {
    expectEveryFailureHandled<TradingSessionDesc>(
        Guarantee::kStrong, filledDesc, operation, describeDesc);
  }
  expectEveryFailureHandled<TradingSessionDesc>(
      Guarantee::kBasic, filledDesc,
      [](TradingSessionDesc& d) { d.parse("S9;an ID of some length, too;N9"); },
      describeDesc);
}

}  // namespace
