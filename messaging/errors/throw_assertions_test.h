#pragma once

// Test assertions for exceptions thrown by pointer. Each helper runs a
// statement, checks what it threw and deletes the thrown object, so that a
// failing or passing check leaks nothing.
//
//   EXPECT_THROWS_EXCEPTION(table.getName(), GenericException,
//                           "Data not found", -1);
//   EXPECT_THROWS_POINTER(list.getGroup(), AssertExceptionFM);

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <typeinfo>

#include "tolvex/errors/generic_exception.h"

namespace throw_assertions {

// Runs `statement`; succeeds when it throws a `Type*` whose object is exactly
// of `Type` (not a subclass), and then passes it to `check`.
template <typename Type, typename Statement, typename Check>
testing::AssertionResult throwsPointer(Statement&& statement, Check&& check) {
  try {
    statement();
  } catch (Type* thrown) {
    std::unique_ptr<Type> owned(thrown);
    if (thrown == nullptr) {
      return testing::AssertionFailure() << "threw a null pointer";
    }
    if (typeid(*thrown) != typeid(Type)) {
      return testing::AssertionFailure()
             << "threw a pointer to " << typeid(*thrown).name()
             << " rather than to " << typeid(Type).name();
    }
    return check(*thrown);
  } catch (...) {
    return testing::AssertionFailure()
           << "threw something else than a pointer to " << typeid(Type).name();
  }
  return testing::AssertionFailure() << "threw nothing";
}

// Checks the text and error code of an exception of the family.
inline testing::AssertionResult hasTextAndCode(const GenericException& e,
                                               const std::string& text,
                                               int code) {
  if (text != e.getMessage() || code != e.getErrorCode()) {
    return testing::AssertionFailure()
           << "threw \"" << e.getMessage() << "\" with code "
           << e.getErrorCode() << ", expected \"" << text << "\" with code "
           << code;
  }
  return testing::AssertionSuccess();
}

}  // namespace throw_assertions

// Expects `statement` to throw a pointer to an object of exactly `Type`.
#define EXPECT_THROWS_POINTER(statement, Type)         \
  EXPECT_TRUE(::throw_assertions::throwsPointer<Type>( \
      [&]() { statement; },                            \
      [](const Type&) { return ::testing::AssertionSuccess(); }))

// Expects `statement` to throw a pointer to an object of exactly `Type`, a
// GenericException or one of its subclasses, with this text and error code.
#define EXPECT_THROWS_EXCEPTION(statement, Type, text, code)      \
  EXPECT_TRUE(::throw_assertions::throwsPointer<Type>(            \
      [&]() { statement; },                                       \
      [&](const Type& e) {                                        \
        return ::throw_assertions::hasTextAndCode(e, text, code); \
      }))
