#include "extract/regex_object.h"

#define PCRE2_CODE_UNIT_WIDTH 16
#include <pcre2.h>

#include <algorithm>

#include "text/codepage.h"

namespace {

// Bounds for what a user's pattern may cost, per match attempt: beyond them the search fails
// instead of running for hours.
constexpr std::uint32_t kMatchLimit = 10'000'000;
constexpr std::uint32_t kDepthLimit = 1'000'000;
constexpr std::uint32_t kHeapLimitKiB = 512 * 1024;
constexpr std::size_t kJitStackMax = 64 * 1024 * 1024;

const Text& QuoteMarker() {
  static const Text marker = FromUtf8("#引号");
  return marker;
}

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit < 0xDC00; }
bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit < 0xE000; }

}  // namespace

struct RegexObject::Engine {
  bool ignoreCase = true;
  bool multiline = true;
  bool global = true;
  Text pattern;
  std::unique_ptr<pcre2_code, decltype(&pcre2_code_free)> code{nullptr, &pcre2_code_free};
};

struct RegexObject::Matches {
  std::size_t groups = 0;            // capturing groups of the pattern
  std::vector<PCRE2_SIZE> offsets;   // (groups + 1) start/end pairs per match
  std::size_t Count() const { return offsets.size() / ((groups + 1) * 2); }
};

namespace {

std::unique_ptr<pcre2_code, decltype(&pcre2_code_free)> Compile(const std::u16string& pattern,
                                                                 const RegexObject::Engine& engine) {
  std::unique_ptr<pcre2_compile_context, decltype(&pcre2_compile_context_free)> context(
      pcre2_compile_context_create(nullptr), &pcre2_compile_context_free);
  pcre2_set_newline(context.get(), PCRE2_NEWLINE_ANY);
  std::uint32_t options = PCRE2_UTF | PCRE2_UCP | PCRE2_MATCH_INVALID_UTF | PCRE2_ALT_BSUX |
                          PCRE2_ALLOW_EMPTY_CLASS | PCRE2_MATCH_UNSET_BACKREF |
                          PCRE2_DOLLAR_ENDONLY;
  if (engine.ignoreCase) options |= PCRE2_CASELESS;
  if (engine.multiline) options |= PCRE2_MULTILINE;
  int error = 0;
  PCRE2_SIZE errorOffset = 0;
  std::unique_ptr<pcre2_code, decltype(&pcre2_code_free)> code(
      pcre2_compile(reinterpret_cast<PCRE2_SPTR>(pattern.data()), pattern.size(), options, &error,
                    &errorOffset, context.get()),
      &pcre2_code_free);
  if (code) pcre2_jit_compile(code.get(), PCRE2_JIT_COMPLETE);  // falls back to the interpreter
  return code;
}

// Every match from the start of the subject, or only the first; nullopt when a match attempt
// failed for another reason than finding nothing (limits, stack).
std::optional<RegexObject::Matches> Execute(const RegexObject::Engine& engine,
                                            const std::u16string& subject) {
  pcre2_code* code = engine.code.get();
  std::uint32_t groups = 0;
  pcre2_pattern_info(code, PCRE2_INFO_CAPTURECOUNT, &groups);
  std::unique_ptr<pcre2_match_data, decltype(&pcre2_match_data_free)> data(
      pcre2_match_data_create_from_pattern(code, nullptr), &pcre2_match_data_free);
  std::unique_ptr<pcre2_match_context, decltype(&pcre2_match_context_free)> context(
      pcre2_match_context_create(nullptr), &pcre2_match_context_free);
  std::unique_ptr<pcre2_jit_stack, decltype(&pcre2_jit_stack_free)> stack(
      pcre2_jit_stack_create(64 * 1024, kJitStackMax, nullptr), &pcre2_jit_stack_free);
  if (!data || !context) return std::nullopt;
  pcre2_set_match_limit(context.get(), kMatchLimit);
  pcre2_set_depth_limit(context.get(), kDepthLimit);
  pcre2_set_heap_limit(context.get(), kHeapLimitKiB);
  if (stack) pcre2_jit_stack_assign(context.get(), nullptr, stack.get());

  RegexObject::Matches matches;
  matches.groups = groups;
  const auto* units = reinterpret_cast<PCRE2_SPTR>(subject.data());
  PCRE2_SIZE offset = 0;
  while (offset <= subject.size()) {
    const int result = pcre2_match(code, units, subject.size(), offset, 0, data.get(), context.get());
    if (result == PCRE2_ERROR_NOMATCH) break;
    if (result < 0) return std::nullopt;
    const PCRE2_SIZE* vector = pcre2_get_ovector_pointer(data.get());
    matches.offsets.insert(matches.offsets.end(), vector, vector + (groups + 1) * 2);
    if (!engine.global) break;
    // The scan goes on at the end of the match, one character further after an empty one.
    PCRE2_SIZE next = vector[1];
    if (vector[1] <= vector[0] || next <= offset) {
      const PCRE2_SIZE at = std::max(vector[1], offset);
      const bool pair = at + 1 < subject.size() && IsHighSurrogate(subject[at]) &&
                        IsLowSurrogate(subject[at + 1]);
      next = at + (pair ? 2 : 1);
    }
    offset = next;
  }
  return matches;
}

}  // namespace

void RegexObject::Destroy() {
  engine_.reset();
  matches_.reset();
  subject_.reset();
}

RegexObject RegexObject::Copy() const { return RegexObject(*this); }

bool RegexObject::Create(const Text& pattern, const Text& subject, bool caseSensitive,
                         bool multiline, bool global, bool replaceQuoteMarker) {
  engine_.reset();
  matches_.reset();
  auto engine = std::make_shared<Engine>();
  engine->ignoreCase = !caseSensitive;
  engine->multiline = multiline;
  engine->global = global;
  engine->pattern = replaceQuoteMarker ? ReplaceText(pattern, QuoteMarker(), "\"") : pattern;
  engine->code = Compile(ToUtf16(engine->pattern), *engine);
  subject_ = ToUtf16(subject);
  if (engine->code) {
    if (auto found = Execute(*engine, *subject_))
      matches_ = std::make_shared<const Matches>(std::move(*found));
  }
  engine_ = std::move(engine);
  return matches_ != nullptr;
}

Text RegexObject::PatternText() const { return engine_ ? engine_->pattern : Text(); }

int RegexObject::MatchCount() const { return matches_ ? static_cast<int>(matches_->Count()) : 0; }

int RegexObject::SubmatchCount() const {
  return MatchCount() > 0 ? static_cast<int>(matches_->groups) : 0;
}

std::optional<std::pair<std::size_t, std::size_t>> RegexObject::Span(int match, int group) const {
  if (!matches_ || match < 1 || static_cast<std::size_t>(match) > matches_->Count() || group < 0 ||
      static_cast<std::size_t>(group) > matches_->groups)
    return std::nullopt;
  const std::size_t at = ((static_cast<std::size_t>(match) - 1) * (matches_->groups + 1) +
                          static_cast<std::size_t>(group)) * 2;
  const PCRE2_SIZE start = matches_->offsets[at];
  const PCRE2_SIZE end = matches_->offsets[at + 1];
  if (start == PCRE2_UNSET || end < start) return std::nullopt;
  return std::make_pair(start, end);
}

Text RegexObject::SpanText(int match, int group, int* position) const {
  const auto span = Span(match, group);
  const Text text =
      span ? FromUtf16(std::u16string_view(*subject_).substr(span->first, span->second - span->first))
           : Text();
  if (position) {
    // The byte offset of the text in the subject, searched from the match's start in
    // UTF-16 units taken as a 1-based byte position; a byte offset is never smaller.
    const auto whole = Span(match, 0);
    const int firstIndex = whole ? static_cast<int>(whole->first) : 0;
    const Text subject = subject_ ? FromUtf16(*subject_) : Text();
    const int found = FindText(subject, text, firstIndex, engine_ && engine_->ignoreCase);
    *position = found - 1 >= 0 ? found - 1 : -2;
  }
  return text;
}

Text RegexObject::MatchText(int match, int* position) const { return SpanText(match, 0, position); }

Text RegexObject::SubmatchText(int match, int submatch, int* position) const {
  return SpanText(match, submatch < 1 ? -1 : submatch, position);
}

Text RegexObject::ReplaceMatches(const Text& replacement) const {
  if (!engine_ || !matches_) return Text();
  const std::u16string& subject = *subject_;
  const std::u16string with = ToUtf16(replacement);
  const auto groups = static_cast<int>(matches_->groups);
  std::u16string result;
  std::size_t copied = 0;
  for (int m = 1; m <= MatchCount(); ++m) {
    const auto whole = *Span(m, 0);
    if (whole.first < copied) continue;  // a match reaching back into the previous one
    result.append(subject, copied, whole.first - copied);
    for (std::size_t i = 0; i < with.size(); ++i) {
      const char16_t next = i + 1 < with.size() ? with[i + 1] : u'\0';
      auto isDigit = [](char16_t c) { return c >= u'0' && c <= u'9'; };
      if (with[i] != u'$' || next == u'\0') {
        result.push_back(with[i]);
      } else if (next == u'$') {
        result.push_back(u'$');
        ++i;
      } else if (next == u'&') {
        result.append(subject, whole.first, whole.second - whole.first);
        ++i;
      } else if (next == u'`') {
        result.append(subject, 0, whole.first);
        ++i;
      } else if (next == u'\'') {
        result.append(subject, whole.second);
        ++i;
      } else if (isDigit(next)) {
        // Two digits when they name a group, else one, else the text stays as it is.
        int group = next - u'0';
        int length = 1;
        if (i + 2 < with.size() && isDigit(with[i + 2]) && group * 10 + (with[i + 2] - u'0') <= groups &&
            group * 10 + (with[i + 2] - u'0') >= 1) {
          group = group * 10 + (with[i + 2] - u'0');
          length = 2;
        }
        if (group < 1 || group > groups) {
          result.push_back(u'$');
          continue;
        }
        if (const auto span = Span(m, group)) result.append(subject, span->first, span->second - span->first);
        i += static_cast<std::size_t>(length);
      } else {
        result.push_back(u'$');
      }
    }
    copied = whole.second;
  }
  result.append(subject, copied);
  return FromUtf16(result);
}
