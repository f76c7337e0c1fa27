// A table browser for tests: records how it was shown and what the table looked like, then
// runs the test's action on the open table (pick a record, edit, ...) and closes with OK
// or, when the action says so, with Abbrechen.
//
//   test::ScriptedBrowser browser(t.p);
//   browser.action = [](tables::TableSession& p, tables::DbfTable& table) {
//     table.GoRecord(5);
//     return true;  // OK
//   };
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "tables/table_session.h"

namespace kv40::test {

class ScriptedBrowser final : public tables::TableBrowser {
 public:
  struct Shown {
    tables::BrowseView view;
    std::string file;         // the table file open
    int record = 0;           // the current record when shown
    std::size_t prompts = 0;  // prompts the Ui had seen before the browser came up
  };

  explicit ScriptedBrowser(tables::TableSession& p) : p_(p) { tables::State(p).browser = this; }
  ~ScriptedBrowser() override { tables::State(p_).browser = nullptr; }

  bool Show(tables::TableSession& p, const tables::BrowseView& view) override {
    tables::TableState& s = tables::State(p);
    shown.push_back({view, s.file.string(), s.table ? s.table->RecordNumber() : 0, promptCount()});
    if (!action) return true;
    return action(p, *s.table);
  }

  std::function<bool(tables::TableSession&, tables::DbfTable&)> action;
  std::function<std::size_t()> promptCount = [] { return std::size_t{0}; };
  std::vector<Shown> shown;

 private:
  tables::TableSession& p_;
};

}  // namespace kv40::test
