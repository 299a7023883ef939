#pragma once

// Assertions for exceptions thrown by pointer. They run a statement, check
// that it threw a pointer to an object of exactly the given class (and, for
// the GenericException family, its text and code), and always delete what
// was thrown.
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

template <typename Type, typename Statement, typename Check>
testing::AssertionResult throwsPointer(Statement&& statement, Check&& check) {
  try {
    statement();
  } catch (Type* thrown) {
    std::unique_ptr<Type> owned(thrown);
    if (thrown == nullptr || typeid(*thrown) != typeid(Type)) {
      return testing::AssertionFailure() << "threw another class or null";
    }
    return check(*thrown);
  } catch (...) {
    return testing::AssertionFailure() << "threw something else";
  }
  return testing::AssertionFailure() << "threw nothing";
}

inline testing::AssertionResult hasTextAndCode(const GenericException& e,
                                               const std::string& text,
                                               int code) {
  if (text == e.getMessage() && code == e.getErrorCode()) {
    return testing::AssertionSuccess();
  }
  return testing::AssertionFailure()
         << "threw \"" << e.getMessage() << "\", code " << e.getErrorCode();
}

}  // namespace throw_assertions

#define EXPECT_THROWS_POINTER(statement, Type)         \
  EXPECT_TRUE(::throw_assertions::throwsPointer<Type>( \
      [&]() { statement; },                            \
      [](const Type&) { return ::testing::AssertionSuccess(); }))

#define EXPECT_THROWS_EXCEPTION(statement, Type, text, code)      \
  EXPECT_TRUE(::throw_assertions::throwsPointer<Type>(            \
      [&]() { statement; },                                       \
      [&](const Type& e) {                                        \
        return ::throw_assertions::hasTextAndCode(e, text, code); \
      }))
