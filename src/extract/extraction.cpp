#include "extract/extraction.h"

#include <array>
#include <chrono>
#include <vector>

#include "platform/worker.h"
#include "text/codepage.h"

namespace {

struct Literals {
  Text recordTail = FromUtf8(R"(\s*+(.*?)\s*+访客(.*?)\s*$)");
  Text visitorNumber = FromUtf8(R"(访客编号\s*(.*?)\s*$)");
  Text totalPrefix = FromUtf8("共计");
  Text totalSuffix = FromUtf8("个");
};

const Literals& Words() {
  static const Literals words;
  return words;
}

// Rows are handed to the window in batches, so that a long fetch costs the window's thread
// one wait per batch instead of six per row; the label still counts up between batches.
constexpr auto kBatchTime = std::chrono::milliseconds(20);
constexpr std::size_t kBatchRows = 4096;  // what the window's thread adds in a few milliseconds

// False once the window is gone.
bool AddRows(WindowControls& window, const std::vector<std::array<Text, 3>>& rows) {
  return window.RunAsOneOperation([&] {
    for (const auto& cells : rows) {
      const int row = window.AppendRow(control::超级列表框1);
      window.SetCellText(control::超级列表框1, row, 0,
                         IntegerToText(window.RowCount(control::超级列表框1)));
      for (int column = 1; column <= 3; ++column)
        window.SetCellText(control::超级列表框1, row, column, cells[static_cast<std::size_t>(column - 1)]);
    }
    window.SetLabelText(control::透明标签1,
                        Concat(Words().totalPrefix, IntegerToText(window.RowCount(control::超级列表框1)),
                               Words().totalSuffix));
  });
}

Text ComposedPattern(WindowControls& window) {
  const Text lineStart = window.EditText(control::宝贝标题1);
  const Text itemTitle = window.EditText(control::宝贝标题);
  return ExtractionPattern(lineStart, itemTitle);
}

void ManualFetchWorker(const FetchServices& services, FetchQueue::Ticket ticket) {
  FetchQueue::Turn turn(*services.queue, ticket);
  WindowControls& window = *services.window;
  // Emptied when this fetch's turn comes, so an earlier fetch's rows never mix in.
  window.DeleteAllRows(control::超级列表框1);
  RegexObject regex;
  const Text subject = window.EditText(control::编辑框5);
  regex.Create(ComposedPattern(window), subject);
  FillRecordList(window, regex);
}

void AutomaticFetchWorker(const FetchServices& services, FetchQueue::Ticket ticket) {
  FetchQueue::Turn turn(*services.queue, ticket);
  WindowControls& window = *services.window;
  RegexObject regex;
  const Text subject = services.clipboard->ReadText();
  regex.Create(ComposedPattern(window), subject);
  FillRecordList(window, regex);
  window.AppendEditText(control::编辑框5, services.clipboard->ReadText());
}

template <class Worker>
void StartFetch(const FetchServices& services, Worker worker) {
  const FetchQueue::Ticket ticket = services.queue->Enqueue();
  if (!StartWorker([services, ticket, worker] { worker(services, ticket); })) services.queue->Abandon(ticket);
}

}  // namespace

Text ExtractionPattern(const Text& lineStart, const Text& itemTitle) {
  // A single "\s*" where the blanks between the pieces may run long: a doubled one matches
  // exactly the same but costs time quadratic in the run's length; before "访客", which is
  // not a blank, a possessive one gives up nothing a match could use.
  return Concat("^", lineStart, R"((.*?)\s*)", itemTitle, Words().recordTail);
}

const Text& VisitorNumberPattern() { return Words().visitorNumber; }

void FillRecordList(WindowControls& window, const RegexObject& regex) {
  const int count = regex.MatchCount();
  std::vector<std::array<Text, 3>> rows;
  auto batchStart = std::chrono::steady_clock::now();
  for (int match = 1; match <= count; ++match) {
    rows.push_back({regex.SubmatchText(match, 1), regex.SubmatchText(match, 2),
                    regex.SubmatchText(match, 3)});
    if (match == count || rows.size() >= kBatchRows ||
        std::chrono::steady_clock::now() - batchStart >= kBatchTime) {
      if (!AddRows(window, rows)) return;
      rows.clear();
      batchStart = std::chrono::steady_clock::now();
    }
  }
}

void ManualFetch(const FetchServices& services) { StartFetch(services, ManualFetchWorker); }

void AutomaticFetch(const FetchServices& services) {
  RegexObject regex;
  StartFetch(services, AutomaticFetchWorker);
  const Text clipboardText = services.clipboard->ReadText();
  regex.Create(VisitorNumberPattern(), clipboardText);
  services.window->SetEditText(control::宝贝标题2, regex.SubmatchText(1, 1));
}
