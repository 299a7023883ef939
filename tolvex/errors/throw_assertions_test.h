#pragma once

// EXPECT_THROWS_EXCEPTION(statement, Type, text, code) checks that statement
// threw a pointer to exactly a Type with that text and code, and deletes it.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <typeinfo>

#include "tolvex/errors/generic_exception.h"

namespace throw_assertions {

template <typename Type, typename Statement>
testing::AssertionResult throwsException(Statement&& statement,
                                         const std::string& text, int code) {
  try {
    statement();
  } catch (Type* thrown) {
    std::unique_ptr<Type> owned(thrown);
    if (thrown == nullptr || typeid(*thrown) != typeid(Type)) {
      return testing::AssertionFailure() << "threw another class or null";
    }
    const Type& e = *thrown;
    if (text == e.getMessage() && code == e.getErrorCode()) {
      return testing::AssertionSuccess();
    }
    return testing::AssertionFailure()
           << "threw \"" << e.getMessage() << "\", code " << e.getErrorCode();
  } catch (...) {
    return testing::AssertionFailure() << "threw something else";
  }
  return testing::AssertionFailure() << "threw nothing";
}

}  // namespace throw_assertions

#define EXPECT_THROWS_EXCEPTION(statement, Type, text, code)                  \
  EXPECT_TRUE(::throw_assertions::throwsException<Type>([&]() { statement; }, \
                                                        text, code))
