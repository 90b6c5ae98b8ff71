// The driver's commands for the network: the answer to the request the program waits for, and
// the address it asked for last.
#include <fstream>
#include <sstream>

#include "runner.h"

namespace qvs {

namespace {

std::string WordAt(const Command& c, size_t i) {
  if (i >= c.words.size()) throw ScriptError(c.line, "missing argument for " + c.Verb());
  return c.words[i].text;
}

}  // namespace

// network reply [PATH]: the oldest waiting request gets the bytes of the file PATH, or the
// block; network fail "REASON": it fails with that reason.
bool Runner::RunNetworkCommand(const Command& c) {
  if (c.Verb() != "network") return false;
  const std::string what = WordAt(c, 1);
  qv::WebReply reply;
  if (what == "reply" && c.words.size() > 2) {
    std::ifstream in(ResolvePath(WordAt(c, 2)), std::ios::binary);
    if (!in) throw ScriptError(c.line, "cannot read " + WordAt(c, 2));
    std::stringstream bytes;
    bytes << in.rdbuf();
    reply.body = bytes.str();
  } else if (what == "reply") {
    for (const std::string& line : c.block) reply.body += line + "\n";
  } else if (what == "fail") {
    reply.failure = WordAt(c, 2);
  } else {
    throw ScriptError(c.line, "unknown network command " + what);
  }
  if (network_.waiting.empty()) throw ScriptError(c.line, "no request waits for an answer");
  const FakeNetwork::Waiting waiting = std::move(network_.waiting.front());
  network_.waiting.pop_front();
  Event([&] { waiting.done(reply); });
  return true;
}

// expect fetched "URL": the address the program asked for last ("nothing" before the first).
bool Runner::ExpectNetwork(const Command& c) {
  if (WordAt(c, 1) != "fetched") return false;
  const std::string got = network_.fetched.empty() ? "nothing" : network_.fetched.back();
  Check(c, got == WordAt(c, 2), "\"" + WordAt(c, 2) + "\"", "\"" + got + "\"");
  return true;
}

}  // namespace qvs
