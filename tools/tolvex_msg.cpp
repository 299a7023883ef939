// tolvex-msg: messages in JSON read, described, dumped, normalised and
// compared from the command line, and the protocol's vocabulary both ways.
//
//   tolvex-msg describe FILE [--reveal]  the description, secrets masked
//   tolvex-msg dump FILE                 the library's dump (toString())
//   tolvex-msg json FILE [--redact]      the library's own JSON, normalised
//   tolvex-msg diff A B [--reveal]       one line per difference
//   tolvex-msg tag 262|MDREQID           a tag's names, or a name's tag
//   tolvex-msg type V|MARKETDATAREQUEST  a message type's name, or back
//   tolvex-msg value 269 0|BID           a value's name, or back
//
// FILE is a file name or "-" for standard input. Exit status: 0 done (diff:
// equal), 1 a negative answer (diff: different; tag, type, value: no match),
// 2 bad input or usage, with one line on standard error (file:line:column:
// what for JSON) and nothing on standard output.
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "tolvex/tolvex.h"

namespace {

constexpr int kDone = 0;
constexpr int kNegative = 1;
constexpr int kBadInput = 2;

constexpr const char* kUsage =
    "usage: tolvex-msg describe FILE [--reveal] | dump FILE | json FILE "
    "[--redact] | diff A B [--reveal] | tag TAG|NAME | type TYPE|NAME | "
    "value TAG VALUE|NAME";

// Thrown to end the program with a line on standard error.
struct Failure {
  int status;
  std::string line;
};

std::string readAll(const std::string& file) {
  if (file == "-") {
    return {std::istreambuf_iterator<char>(std::cin),
            std::istreambuf_iterator<char>()};
  }
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  if (!in) {
    throw Failure{kBadInput, file + ": cannot read: " + std::strerror(errno)};
  }
  return text.str();
}

std::unique_ptr<UniversalMessage> load(const std::string& file) {
  JsonError error;
  auto message = messageFromJson(readAll(file), &error);
  if (!message) {
    const std::string name = file == "-" ? "<stdin>" : file;
    throw Failure{kBadInput, name + ":" + std::to_string(error.line) + ":" +
                                 std::to_string(error.column) + ": " +
                                 error.what};
  }
  return message;
}

// A JSON text with a session id or a message type is a message; without
// either it is shown as a plain group.
bool isMessage(const UniversalMessage& message) {
  return message.getField(IMessage::TAG_SID) != nullptr ||
         message.getField(IFixDefs::FLDTAG_MSGTYPE) != nullptr;
}

// The arguments after the command: `files` operands and at most the one
// option `flag`, in any order. Returns whether the option was given.
bool operands(const std::vector<std::string>& args, std::size_t files,
              const char* flag, std::vector<std::string>& out) {
  bool flagged = false;
  for (std::size_t i = 1; i < args.size(); ++i) {
    if (flag != nullptr && args[i] == flag && !flagged) {
      flagged = true;
    } else {
      out.push_back(args[i]);
    }
  }
  if (out.size() != files)
    throw Failure{kBadInput, std::string("tolvex-msg: ") + kUsage};
  return flagged;
}

int lookup(const char* found, const std::string& what, std::string& out) {
  if (found == nullptr) {
    throw Failure{kNegative, "tolvex-msg: no " + what};
  }
  out = std::string(found) + "\n";
  return kDone;
}

int run(const std::vector<std::string>& args, std::string& out) {
  if (args.empty())
    throw Failure{kBadInput, std::string("tolvex-msg: ") + kUsage};
  const std::string& command = args[0];
  std::vector<std::string> rest;
  if (command == "describe") {
    const bool reveal = operands(args, 1, "--reveal", rest);
    const auto message = load(rest[0]);
    const Redaction redaction = reveal ? Redaction::revealAll() : Redaction();
    out = isMessage(*message) ? describe(*message, redaction)
                              : describe(message->getGroup(), redaction);
    return kDone;
  }
  if (command == "dump") {
    operands(args, 1, nullptr, rest);
    const auto message = load(rest[0]);
    out = isMessage(*message) ? message->toString()
                              : message->getGroup().toString();
    return kDone;
  }
  if (command == "json") {
    const bool redact = operands(args, 1, "--redact", rest);
    out =
        toJson(*load(rest[0]), redact ? Redaction() : Redaction::revealAll()) +
        "\n";
    return kDone;
  }
  if (command == "diff") {
    const bool reveal = operands(args, 2, "--reveal", rest);
    const auto first = load(rest[0]);
    const auto second = load(rest[1]);
    const auto found = differences(
        *first, *second, reveal ? Redaction::revealAll() : Redaction());
    for (const Difference& difference : found)
      out += difference.toString() + "\n";
    return found.empty() ? kDone : kNegative;
  }
  if (command == "tag") {
    operands(args, 1, nullptr, rest);
    const char* names[4];
    const int count = FixVocabulary::tagNames(rest[0].c_str(), names, 4);
    for (int i = 0; i < count && i < 4; ++i)
      out += std::string(names[i]) + "\n";
    if (count > 0) return kDone;
    return lookup(FixVocabulary::tagByName(rest[0].c_str()),
                  "tag numbered or named \"" + rest[0] + "\"", out);
  }
  if (command == "type") {
    operands(args, 1, nullptr, rest);
    const char* name = FixVocabulary::msgTypeName(rest[0].c_str());
    return lookup(
        name != nullptr ? name : FixVocabulary::msgTypeByName(rest[0].c_str()),
        "message type \"" + rest[0] + "\" or of that name", out);
  }
  if (command == "value") {
    operands(args, 2, nullptr, rest);
    const char* tag = FixVocabulary::tagName(rest[0].c_str()) != nullptr
                          ? rest[0].c_str()
                          : FixVocabulary::tagByName(rest[0].c_str());
    const char* name = FixVocabulary::valueName(tag, rest[1].c_str());
    return lookup(name != nullptr
                      ? name
                      : FixVocabulary::valueByName(tag, rest[1].c_str()),
                  "value \"" + rest[1] + "\" of tag \"" + rest[0] + "\"", out);
  }
  throw Failure{kBadInput, std::string("tolvex-msg: ") + kUsage};
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  std::string out;
  try {
    const int status = run(args, out);
    std::cout << out << std::flush;
    return status;
  } catch (const Failure& failure) {
    std::cerr << failure.line << '\n';
    return failure.status;
  }
}
