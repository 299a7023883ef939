// Every allocation an operation makes fails in turn: it must throw bad_alloc
// (or give its neutral result), leak nothing and leave its object usable.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <new>
#include <string>
#include <thread>
#include <typeinfo>
#include <vector>

#include "allocation_failure_test_hooks.h"
#include "tolvex/tolvex.h"

namespace {

using allocation_failure::disarm;
using allocation_failure::failAt;
using allocation_failure::liveBlocks;
using allocation_failure::mallocFails;

template <typename T>
using Maker = std::function<std::unique_ptr<T>()>;
template <typename T>
using Operation = std::function<void(T&)>;
template <typename T>
using Describe = std::function<std::string(T&)>;

// What a failed operation leaves: the object as it was, or a valid one.
enum class Guarantee { kStrong, kBasic };

const char kMallocOwned[] = "malloc belongs to the sanitizer here";
const char kLongText[] =
    "a text of more than sixty-three characters, kept in an array of its own";
const char kLongName[] = "a name long enough to live outside the string";

// For each maker and operation, runs the operation with allocation n = 1, 2,
// ... failing until none fails: it must throw and leak nothing, a rerun gives
// a clean run's result, and the strong guarantee keeps describe() unchanged.
template <typename T>
void expectEveryFailureHandled(const std::vector<Maker<T>>& makers,
                               const std::vector<Operation<T>>& operations,
                               const Describe<T>& describe,
                               Guarantee guarantee = Guarantee::kStrong) {
  for (const Maker<T>& make : makers) {
    for (const Operation<T>& operation : operations) {
      std::string expected;  // a clean run's, which makes lazy statics too
      {
        const std::unique_ptr<T> clean = make();
        operation(*clean);
        expected = describe(*clean);
      }
      bool failed = true;
      for (long n = 1; failed; ++n) {
        const long live = liveBlocks();
        {
          const std::unique_ptr<T> subject = make();
          const std::string before = describe(*subject);
          bool threw = false;
          failAt(n);
          try {
            operation(*subject);
          } catch (const std::bad_alloc&) {
            threw = true;
          }
          failed = disarm();
          if (failed) {
            ASSERT_TRUE(threw) << "allocation " << n << " failed unreported";
            if (guarantee == Guarantee::kStrong) {
              EXPECT_EQ(describe(*subject), before) << "failing " << n;
            }
            operation(*subject);
          }
          EXPECT_EQ(describe(*subject), expected) << "after failing " << n;
        }
        EXPECT_EQ(liveBlocks(), live) << "leak after failing " << n;
      }
    }
  }
}

// Construction as an operation on an empty holder.
template <typename T>
void expectEveryConstructionFailureHandled(
    const std::vector<Maker<T>>& constructors, const Describe<T>& describe) {
  using Holder = std::unique_ptr<T>;
  std::vector<Operation<Holder>> operations;
  for (const Maker<T>& construct : constructors) {
    operations.push_back([&](Holder& holder) { holder = construct(); });
  }
  expectEveryFailureHandled<Holder>(
      {[] { return std::make_unique<Holder>(); }}, operations,
      [&](Holder& holder) {
        return holder != nullptr ? describe(*holder) : std::string("(none)");
      });
}

// Each subject, changed, is copied and assigned over each subject.
template <typename T>
void expectCopiesAllOrNothing(const std::vector<Maker<T>>& makers,
                              const Operation<T>& change,
                              const Describe<T>& describe) {
  for (const Maker<T>& make : makers) {
    const std::unique_ptr<T> source = make();
    change(*source);
    expectEveryConstructionFailureHandled<T>(
        {[&] { return std::make_unique<T>(*source); }}, describe);
    expectEveryFailureHandled<T>(makers, {[&](T& target) { target = *source; }},
                                 describe);
  }
}

// Calls visit(table) with the cursor of `table` on each entry in turn.
template <typename Visit>
void forEachEntry(IHashTable& table, Visit visit) {
  for (bool more = table.firstElement() != nullptr; more;
       more = table.nextElement() != nullptr) {
    visit(table);
  }
}

// The texts, each followed by '|'; null ones shown as such.
std::string describeTexts(std::initializer_list<const char*> texts) {
  std::string state;
  for (const char* text : texts) {
    state += text != nullptr ? text : "(null)";
    state += '|';
  }
  return state;
}

std::string describeGroups(IFieldGroupList& list);

std::string describeField(UniversalField& field) {
  std::string state = std::to_string(field.getDataType()) + field.toString();
  int length = 0;
  if (const void* data = field.getValueBinary(length)) {
    state.append(static_cast<const char*>(data), length);
  }
  IFieldGroupList* list = field.getValueList();
  return list != nullptr ? state + describeGroups(*list) : state;
}

// Walks the group's own cursor, which must stand on live fields.
template <typename Group>
std::string describeFields(Group& group) {
  std::string state = std::to_string(group.size());
  for (IField* f = group.getFirst(); f != nullptr; f = group.getNext()) {
    state += "|" + describeField(*static_cast<UniversalField*>(f));
  }
  return state;
}

std::string describeGroups(IFieldGroupList& list) {
  std::string state = std::to_string(list.size());
  for (IFieldGroup* group = list.getFirst(); group != nullptr;
       group = list.getNext()) {
    state += "{" + describeFields(*static_cast<UniversalFieldGroup*>(group));
  }
  return state;
}

// Two groups, the second holding a list of the first.
UniversalFieldGroupList twoGroupList() {
  UniversalFieldGroup group;
  group.setValue("a", kLongText);
  group.setValueDouble("d", 1e300);
  UniversalFieldGroupList list;
  list.put(&group);
  group.setValue("nested", &list);
  list.put(&group);
  return list;
}

// Every owning kind of value set and copied over every other; a lazy text.
TEST(UniversalFieldAllocationFailure, SettersAndCopiesKeepTheOldValue) {
  const UniversalFieldGroupList list = twoGroupList();
  const std::vector<Maker<UniversalField>> makers = {
      [] { return std::make_unique<UniversalField>("short", "abc"); },
      [] { return std::make_unique<UniversalField>("long", kLongText); },
      [] { return std::make_unique<UniversalField>("huge double", 1e300); },
      [&] { return std::make_unique<UniversalField>("list", &list); },
      [] {
        auto field = std::make_unique<UniversalField>("binary");
        field->setValueBinary("\0\1\2", 3);
        return field;
      },
  };
  expectEveryFailureHandled<UniversalField>(
      makers,
      {[](UniversalField& f) { f.setValue(kLongText); },
       [&](UniversalField& f) { f.setValue(&list); },
       [](UniversalField& f) { f.setName(kLongText); },
       [](UniversalField& f) { f.setValueBinary("xyz", 3); }},
      describeField);
  expectCopiesAllOrNothing<UniversalField>(
      makers, [](UniversalField& f) { f.setName(kLongName); }, describeField);
  expectEveryFailureHandled<UniversalField>(
      {makers[2]}, {[](UniversalField& f) { f.getValueString(); }},
      [](UniversalField& f) { return std::to_string(f.getValueDouble()); });
}

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

// A group's and a message's operations: new fields of each storage, a text
// replaced, a field put, the dump, and copies.
template <typename Group>
void expectGroupOperationsAllOrNothing(const Maker<Group>& make,
                                       std::vector<Operation<Group>> more) {
  const UniversalFieldGroupList list = twoGroupList();
  const UniversalField field("put", kLongText);
  more.insert(more.end(),
              {
                  [](Group& g) { g.setValue("new", kLongText); },
                  [](Group& g) { g.setValue("text", kLongText + 1); },
                  [](Group& g) { g.setValueInt("new int", 1); },
                  [](Group& g) { g.setValueBinary("new binary", "ab", 2); },
                  [&](Group& g) { g.setValue("new list", &list); },
                  [&](Group& g) { g.putField(&field); },
                  [](Group& g) { g.toString(); },
              });
  expectEveryFailureHandled<Group>({make}, more, describeFields<Group>);
  expectCopiesAllOrNothing<Group>(
      {make}, [](Group& g) { g.setValue("extra", kLongText); },
      describeFields<Group>);
}

TEST(UniversalFieldGroupAllocationFailure, OperationsAndCopiesAllOrNothing) {
  expectGroupOperationsAllOrNothing<UniversalFieldGroup>(filledGroup, {});
}

TEST(UniversalMessageAllocationFailure, OperationsAndCopiesKeepTheMessage) {
  expectGroupOperationsAllOrNothing<UniversalMessage>(
      [] {
        auto message = std::make_unique<UniversalMessage>(*filledGroup());
        message->setSessionId("S1");
        message->setMsgType("W");
        return message;
      },
      {[](UniversalMessage& m) { m.setSessionId(kLongText); }});
}

TEST(UniversalFieldGroupListAllocationFailure, PutsAndCopiesAllOrNothing) {
  const std::unique_ptr<UniversalFieldGroup> group = filledGroup();
  const UniversalMessage message("S1", "V");
  const Maker<UniversalFieldGroupList> filledList = [] {
    return std::make_unique<UniversalFieldGroupList>(twoGroupList());
  };
  expectEveryFailureHandled<UniversalFieldGroupList>(
      {filledList},
      {[&](UniversalFieldGroupList& l) { l.put(group.get()); },
       [&](UniversalFieldGroupList& l) { l.put(&message); }},
      describeGroups);
  expectCopiesAllOrNothing<UniversalFieldGroupList>(
      {filledList}, [&](UniversalFieldGroupList& l) { l.put(group.get()); },
      describeGroups);
}

// A thread's cache of freed nodes (at most 512 bytes, at least a field each)
// keeps at most 1 MiB, and gives it back when its thread ends.
TEST(UniversalFieldGroupNodeCache, HoldsAtMostOneMebibyteUntilItsThreadEnds) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "nothing is cached under AddressSanitizer";
#endif
  const long live = liveBlocks();
  long cached = 0;
  std::thread([&] {
    const long before = liveBlocks();
    {
      UniversalFieldGroup group;  // a few MiB of nodes
      for (int i = 0; i < 40000; ++i) {
        group.setValueInt(std::to_string(i).c_str(), i);
      }
    }
    cached = liveBlocks() - before;
  }).join();
  EXPECT_GE(cached, long{1 << 20} / 512 - 1);
  EXPECT_LE(cached, long{1 << 20} / long{sizeof(UniversalField)});
  EXPECT_EQ(live, liveBlocks());
}

// clone() throws or copies all; a dropped text counts as a throw here.
TEST(GenericExceptionAllocationFailure, CloneThrowsOrCopies) {
  const std::vector<std::function<GenericException*()>> makers = {
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
  const auto describe = [](GenericException& e) {
    return typeid(e).name() + describeTexts({e.getMessage()}) +
           std::to_string(e.getErrorCode());
  };
  for (const auto& make : makers) {
    const std::unique_ptr<GenericException> original(make());
    expectEveryConstructionFailureHandled<GenericException>(
        {[&] {
          std::unique_ptr<GenericException> copy(original->clone());
          if (*copy->getMessage() != '\0') return copy;
          copy->setMessage(original->getMessage());
          EXPECT_EQ(describe(*copy), describe(*original));
          throw std::bad_alloc();
        }},
        describe);
  }
}

// The library's strdup fails too: the hooks stand before the C library.
TEST(GenericExceptionAllocationFailure, FailedTextCopyLeavesNoText) {
  if (!mallocFails()) GTEST_SKIP() << kMallocOwned;
  GenericException exception("kept", 1);
  failAt(1);
  exception.setMessage("new");
  EXPECT_TRUE(disarm());
  EXPECT_STREQ(exception.getMessage(), "");
  exception.setMessage("again");
  EXPECT_STREQ(exception.getMessage(), "again");
}

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

std::string describeStatus(GenericSessionStatus& s) {
  GenericException* e = s.getErrorException();
  return describeTexts({s.getConnectionName(), s.getProtocolName(),
                        s.getSecureProtocolString(), s.getStatusName(),
                        s.getStatusMessage(), e->getMessage()}) +
         std::to_string(e->getErrorCode());
}

// The text setters share one way of copying; a dropped text counts as a throw.
TEST(GenericSessionStatusAllocationFailure, SetterAndCopyKeepTheTexts) {
  if (!mallocFails()) GTEST_SKIP() << kMallocOwned;
  expectEveryFailureHandled<GenericSessionStatus>(
      {filledStatus},
      {[](GenericSessionStatus& s) { s.setStatusMessage("m2"); }},
      describeStatus);
  const std::unique_ptr<GenericSessionStatus> source = filledStatus();
  expectEveryConstructionFailureHandled<GenericSessionStatus>(
      {[&] {
        auto copy = std::make_unique<GenericSessionStatus>(*source);
        if (*copy->getErrorException()->getMessage() != '\0') return copy;
        copy->getErrorException()->setMessage(kLongText);
        EXPECT_EQ(describeStatus(*copy), describeStatus(*source));
        throw std::bad_alloc();
      }},
      describeStatus);
}

TEST(CUTCTimestampAllocationFailure, FormatGivesNullAndToStringEmpty) {
  if (!mallocFails()) GTEST_SKIP() << kMallocOwned;
  CUTCTimestamp timestamp("20240131-23:59:59.123");
  const double time = timestamp.toVariantTime();
  failAt(1);
  EXPECT_EQ(timestamp.format(time), nullptr);
  char buffer[64] = "unchanged";
  failAt(1);
  timestamp.toString(buffer, sizeof buffer);
  EXPECT_TRUE(disarm());
  EXPECT_STREQ(buffer, "");
  timestamp.toString(buffer, sizeof buffer);
  EXPECT_STREQ(buffer, "20240131-23:59:59.123");
}

TEST(IMDEngineAllocationFailure, DigestThrowsAndTheEngineStaysUsable) {
  CMD2 engine;
  const unsigned char data[] = "abc";
  failAt(1);
  EXPECT_THROW(engine.getDigest(data, 3), std::bad_alloc);
  EXPECT_TRUE(disarm());
  EXPECT_STREQ(engine.getDigest(data, 3), "da853b0d3f88d99b30283a69e6ded6bb");
}

std::string describeTable(StdHashTable& table) {
  std::string state = std::to_string(table.size());
  forEachEntry(table, [&](IHashTable& t) {
    state += std::string(t.getName()) + ":" + std::to_string(t.getType());
    if (t.getType() == DATATYPE_STRING) state += describeTexts({t.getString()});
    if (t.getType() == DATATYPE_INT) state += std::to_string(t.getInt());
  });
  return state;
}

// New texts and names, a text over a number; a copy of another table.
TEST(StdHashTableAllocationFailure, PutsAddNothingAndCopiesFinish) {
  const Maker<StdHashTable> filledTable = [] {
    auto table = std::make_unique<StdHashTable>();
    table->put("text", kLongText);
    table->put(kLongName, 7);
    table->put("null", static_cast<const char*>(nullptr));
    return table;
  };
  expectEveryFailureHandled<StdHashTable>(
      {filledTable},
      {[](StdHashTable& t) { t.put("new text", kLongText); },
       [](StdHashTable& t) { t.put(kLongName, kLongText); },
       [](StdHashTable& t) { t.put(kLongText, 1.5); }},
      describeTable);
  const std::unique_ptr<StdHashTable> source = filledTable();
  source->put("other", kLongText);
  expectEveryFailureHandled<StdHashTable>(
      {filledTable}, {[&](StdHashTable& t) { t.copy(*source); }}, describeTable,
      Guarantee::kBasic);
}

// The elements, all of them suffixes of kLongText.
std::string describeVector(IVector& vector) {
  std::string state;
  for (int i = 0; i < vector.size(); ++i) {
    state += static_cast<char*>(vector.elementAt(i)) + std::string("|");
  }
  return state;
}

TEST(StdVectorAllocationFailure, AppendsAreAllOrNothing) {
  StdVector other;
  for (int i = 0; i < 40; ++i) other.addElement(const_cast<char*>(kLongText));
  expectEveryFailureHandled<StdVector>(
      {[] {
        auto vector = std::make_unique<StdVector>();
        for (int i = 0; i < 4; ++i) {
          vector->addElement(const_cast<char*>(kLongText + i));
        }
        return vector;
      }},
      {[](StdVector& v) { v.addElement(const_cast<char*>(kLongText + 9)); },
       [&](StdVector& v) { v.append(&other); }},
      describeVector);
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
  forEachEntry(*element.getAttributes(), [&](IHashTable& t) {
    const AttrW* attribute = static_cast<AttrW*>(t.getPointer());
    state += describeTexts({attribute->name, attribute->value});
  });
  for (void* child = element.getElements()->firstElement(); child != nullptr;
       child = element.getElements()->nextElement()) {
    state += describeTexts({static_cast<ConfigElement*>(child)->getType()});
  }
  return state;
}

TEST(ConfigElementAllocationFailure, BuildingAndQueriesLeakNothing) {
  expectEveryConstructionFailureHandled<ConfigElement>({filledElement},
                                                       describeElement);
  expectEveryFailureHandled<ConfigElement>(
      {filledElement},
      {[](ConfigElement& e) { e.addAttribute(kLongName, kLongText); },
       [](ConfigElement& e) { e.addAttribute("HOST", "replaced"); },
       [](ConfigElement& e) {
         auto child = std::make_unique<UrlElement>();
         if (e.addElement(child.get())) child.release();
       },
       [](ConfigElement& e) { e.getAttribute(kLongName); },
       [](ConfigElement& e) {
         std::unique_ptr<IVector>(e.getElements("url", "NAME", "URL"));
       }},
      describeElement);
}

// The pairs of a parameter table.
std::string describeParams(StdHashTable* params) {
  std::string state;
  forEachEntry(*params, [&](IHashTable& t) {
    state += describeTexts({t.getName(), static_cast<char*>(t.getPointer())});
  });
  return state;
}

std::unique_ptr<UrlElement> filledUrl() {
  auto url = std::make_unique<UrlElement>();
  url->addAttribute("urlString", "HTTP:https://host.example.com:8443/app");
  url->addAttribute("secure", "true");
  url->addAttribute(
      "params",
      "CHECK_SSL_ERROR=Y; a parameter named at length = with a long value;k=v");
  return url;
}

std::unique_ptr<ConParams> filledParams() {
  auto params = std::make_unique<ConParams>();
  params->setName(kLongText);  // the first text a copy makes
  params->setHost(kLongText);
  params->setClientAddress(kLongText);  // and the last
  params->setPort(9000);
  params->setOptionalParameter(kLongName, kLongText);
  params->setOptionalParameter("k", "v");
  return params;
}

// The members that the setters and setUrl() under test write.
std::string describeConParams(ConParams& p) {
  return std::to_string(p.port) + std::to_string(p.useHttp) +
         std::to_string(p.secure) +
         describeTexts(
             {p.transportProvider, p.host, p.script, p.app, p.fullUrl}) +
         describeParams(p.getOptionalParameters());
}

TEST(ConParamsAllocationFailure, SettersCopiesAndUrlsLeakNothing) {
  expectEveryFailureHandled<ConParams>(
      {filledParams},
      {[](ConParams& p) { p.setHost("other host"); },
       [](ConParams& p) { p.setOptionalParameter("new", kLongText); },
       [](ConParams& p) { p.setOptionalParameter(kLongName, "replaced"); }},
      describeConParams);
  const std::unique_ptr<ConParams> source = filledParams();
  expectEveryConstructionFailureHandled<ConParams>(
      {[&] { return std::make_unique<ConParams>(*source); }},
      describeConParams);
  const std::unique_ptr<UrlElement> url = filledUrl();
  expectEveryFailureHandled<ConParams>(
      {filledParams}, {[&](ConParams& p) { p.setUrl(url.get()); }},
      describeConParams, Guarantee::kBasic);
}

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
  return describeTexts({line, desc.getErrorMessage()}) +
         std::to_string(desc.getErrorCode());
}

// Copies of a descriptor with an error text and of one without.
TEST(TradingSessionDescAllocationFailure, OperationsAndCopiesKeepTheTarget) {
  const Maker<TradingSessionDesc> plainDesc = [] {
    return std::make_unique<TradingSessionDesc>();
  };
  expectEveryConstructionFailureHandled<TradingSessionDesc>(
      {plainDesc, filledDesc,
       [] {
         return std::make_unique<TradingSessionDesc>(
             "S1;a trading session ID of some length;N1;D1;P=1");
       }},
      describeDesc);
  expectCopiesAllOrNothing<TradingSessionDesc>(
      {filledDesc, plainDesc},
      [](TradingSessionDesc& d) {
        d.setSubID("a sub-ID long enough to be allocated");
      },
      describeDesc);
  expectEveryFailureHandled<TradingSessionDesc>(
      {filledDesc},
      {[](TradingSessionDesc& d) { d.setID(kLongName); },
       [](TradingSessionDesc& d) { d.setProperty("new", kLongText); },
       [](TradingSessionDesc& d) {
         char line[512];
         d.toString(line, sizeof line);
       }},
      describeDesc);
  expectEveryFailureHandled<TradingSessionDesc>(
      {filledDesc},
      {[](TradingSessionDesc& d) { d.parse("S9;an ID of some length;N9"); }},
      describeDesc, Guarantee::kBasic);
}

}  // namespace
