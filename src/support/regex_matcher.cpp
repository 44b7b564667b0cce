#include "support/regex_matcher.h"

#ifndef PCRE2_CODE_UNIT_WIDTH
#define PCRE2_CODE_UNIT_WIDTH 8
#endif
#include <pcre2.h>

#include <algorithm>
#include <utility>

#include "support/gbk_codec.h"

namespace ec {
namespace {

// Backtracking steps one match attempt may take before it gives up. Ordinary
// patterns over names and remarks need a few thousand.
constexpr uint32_t kMatchLimit = 2'000'000;
constexpr uint32_t kDepthLimit = 10'000;
constexpr size_t kJitStackStart = 32 * 1024, kJitStackMax = 1024 * 1024;

// ECMAScript-like behaviour: ASCII classes (no PCRE2_UCP), "$" at the very
// end only, \uHHHH escapes, a back reference to an unset group matches the
// empty string, "[]" matches nothing and "[^]" anything. \C could split a
// UTF-8 sequence and is refused.
constexpr uint32_t kBaseOptions = PCRE2_UTF | PCRE2_MATCH_INVALID_UTF | PCRE2_DOLLAR_ENDONLY |
                                  PCRE2_ALT_BSUX | PCRE2_MATCH_UNSET_BACKREF |
                                  PCRE2_ALLOW_EMPTY_CLASS | PCRE2_NEVER_BACKSLASH_C;

std::string EngineMessage(int code) {
  PCRE2_UCHAR buffer[256];
  const int length = pcre2_get_error_message(code, buffer, sizeof buffer);
  if (length < 0) return "regular expression error " + std::to_string(code);
  return std::string(reinterpret_cast<const char*>(buffer), static_cast<size_t>(length));
}

}  // namespace

struct RegexMatcher::Engine {
  pcre2_code* code = nullptr;
  pcre2_match_data* match_data = nullptr;
  pcre2_match_context* context = nullptr;
  pcre2_jit_stack* jit_stack = nullptr;

  ~Engine() {
    pcre2_jit_stack_free(jit_stack);
    pcre2_match_context_free(context);
    pcre2_match_data_free(match_data);
    pcre2_code_free(code);
  }
};

RegexMatcher::RegexMatcher() = default;

RegexMatcher::~RegexMatcher() { Release(); }

RegexMatcher::RegexMatcher(RegexMatcher&& other) noexcept
    : code_(std::exchange(other.code_, nullptr)),
      global_(other.global_),
      error_(std::move(other.error_)) {}

RegexMatcher& RegexMatcher::operator=(RegexMatcher&& other) noexcept {
  if (this != &other) {
    Release();
    code_ = std::exchange(other.code_, nullptr);
    global_ = other.global_;
    error_ = std::move(other.error_);
  }
  return *this;
}

void RegexMatcher::Release() {
  delete code_;
  code_ = nullptr;
}

bool RegexMatcher::CreateMatcher(std::string_view pattern, bool ignore_case, bool multi_line,
                                 bool global) {
  Release();
  global_ = global;
  error_.clear();

  uint32_t options = kBaseOptions;
  if (ignore_case) options |= PCRE2_CASELESS;
  if (multi_line) options |= PCRE2_MULTILINE;

  pcre2_compile_context* compile_context = pcre2_compile_context_create(nullptr);
  if (!compile_context) {
    error_ = "out of memory";
    return false;
  }
  pcre2_set_newline(compile_context, PCRE2_NEWLINE_ANYCRLF);
  int error_code = 0;
  PCRE2_SIZE error_offset = 0;
  pcre2_code* code = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(pattern.data()), pattern.size(),
                                   options, &error_code, &error_offset, compile_context);
  pcre2_compile_context_free(compile_context);
  if (!code) {
    error_ = EngineMessage(error_code) + " at offset " + std::to_string(error_offset);
    return false;
  }

  auto engine = new Engine;
  engine->code = code;
  // Without the JIT (not built in, or the pattern too large) the interpreter
  // runs the same pattern, only slower.
  if (pcre2_jit_compile(code, PCRE2_JIT_COMPLETE) == 0)
    engine->jit_stack = pcre2_jit_stack_create(kJitStackStart, kJitStackMax, nullptr);
  engine->match_data = pcre2_match_data_create_from_pattern(code, nullptr);
  engine->context = pcre2_match_context_create(nullptr);
  if (!engine->match_data || !engine->context) {
    delete engine;
    error_ = "out of memory";
    return false;
  }
  pcre2_set_match_limit(engine->context, kMatchLimit);
  pcre2_set_depth_limit(engine->context, kDepthLimit);
  if (engine->jit_stack) pcre2_jit_stack_assign(engine->context, nullptr, engine->jit_stack);
  code_ = engine;
  return true;
}

void RegexMatcher::SetEngineError(int code) {
  error_ = code == PCRE2_ERROR_MATCHLIMIT || code == PCRE2_ERROR_DEPTHLIMIT ||
                   code == PCRE2_ERROR_HEAPLIMIT || code == PCRE2_ERROR_JIT_STACKLIMIT
               ? "the match gave up: " + EngineMessage(code)
               : EngineMessage(code);
}

// Calls on_match(start, end) for each match, left to right. After an empty
// match the search resumes one character further on, as ECMAScript's global
// matching does. False when the engine gave up; matches already reported
// then do not count.
template <typename OnMatch>
bool RegexMatcher::ForEachMatch(std::string_view text, OnMatch&& on_match) {
  if (!code_) {
    if (error_.empty()) error_ = "no pattern";
    return false;
  }
  const auto subject = reinterpret_cast<PCRE2_SPTR>(text.data());
  size_t pos = 0;
  while (pos <= text.size()) {
    const int rc = pcre2_match(code_->code, subject, text.size(), pos, 0, code_->match_data,
                               code_->context);
    if (rc == PCRE2_ERROR_NOMATCH) break;
    if (rc < 0) {
      SetEngineError(rc);
      return false;
    }
    const PCRE2_SIZE* ovector = pcre2_get_ovector_pointer(code_->match_data);
    const size_t start = ovector[0];
    const size_t end = std::max(ovector[0], ovector[1]);  // \K may put the end first
    on_match(start, end, ovector, static_cast<size_t>(pcre2_get_ovector_count(code_->match_data)));
    if (!global_) break;
    if (end > start) {
      pos = end;
    } else if (end < text.size()) {
      pos = end;
      NextUtf8(text, pos);
    } else {
      break;
    }
  }
  error_.clear();
  return true;
}

int RegexMatcher::MatchCount(std::string_view text) {
  int count = 0;
  const bool done = ForEachMatch(text, [&](size_t, size_t, const PCRE2_SIZE*, size_t) { ++count; });
  return done ? count : 0;
}

namespace {

// Appends the replacement with its $ references expanded.
void AppendReplacement(std::string& out, std::string_view text, std::string_view replacement,
                       size_t start, size_t end, const PCRE2_SIZE* ovector, size_t groups) {
  for (size_t i = 0; i < replacement.size(); ++i) {
    const char c = replacement[i];
    if (c != '$' || i + 1 == replacement.size()) {
      out += c;
      continue;
    }
    const char next = replacement[i + 1];
    if (next == '$') {
      out += '$';
    } else if (next == '&') {
      out.append(text.substr(start, end - start));
    } else if (next == '`') {
      out.append(text.substr(0, start));
    } else if (next == '\'') {
      out.append(text.substr(end));
    } else if (next >= '0' && next <= '9') {
      // Two digits when they name a group, else one; "$0" is literal.
      size_t group = static_cast<size_t>(next - '0');
      size_t used = 1;
      if (i + 2 < replacement.size() && replacement[i + 2] >= '0' && replacement[i + 2] <= '9') {
        const size_t two = group * 10 + static_cast<size_t>(replacement[i + 2] - '0');
        if (two >= 1 && two < groups) group = two, used = 2;
      }
      if (group == 0 || group >= groups) {
        out += c;
        continue;
      }
      if (ovector[2 * group] != PCRE2_UNSET)
        out.append(text.substr(ovector[2 * group], ovector[2 * group + 1] - ovector[2 * group]));
      i += used;
      continue;
    } else {
      out += c;
      continue;
    }
    ++i;
  }
}

}  // namespace

std::string RegexMatcher::ReplaceAll(std::string_view text, std::string_view replacement) {
  std::string out;
  size_t copied = 0;
  const bool done = ForEachMatch(text, [&](size_t start, size_t end, const PCRE2_SIZE* ovector, size_t groups) {
    if (start > copied) out.append(text.substr(copied, start - copied));
    AppendReplacement(out, text, replacement, start, end, ovector, groups);
    copied = end;
  });
  if (!done) return std::string(text);
  out.append(text.substr(copied));
  return out;
}

std::string WildcardToPattern(std::string_view text) {
  std::string pattern;
  pattern.reserve(text.size() * 2);
  for (const char c : text) {
    switch (c) {
      case '\\': case '^': case '$': case '+': case '.': case '{': case '}':
      case '[': case ']': case '=': case '(': case ')': case '"':
        pattern += '\\';
        pattern += c;
        break;
      case '*':
        pattern += ".*";
        break;
      case '?':
        pattern += ".?";
        break;
      default:
        pattern += c;
    }
  }
  return pattern;
}

}  // namespace ec
