// Pages opened for the evaluator's tests (see page_under_test.h).
#include "grading/webmark/testing/page_under_test.h"

#include <fstream>
#include <iterator>

#include "grading/webmark/testing/web_fixture.h"

namespace webmark::testing {

bool OpenPageBytes(WebState& state, std::string_view bytes, std::string_view name) {
  state.Editor = std::make_unique<frontpage::Application>();
  base::Result<frontpage::PageWindow*> window =
      state.Editor->LocatePageBytes("C:\\exam\\Fropkt\\" + std::string(name), bytes);
  if (!window) return false;
  state.PageWindow = *window;
  return true;
}

bool OpenTestPage(WebState& state, std::string_view page) {
  std::ifstream in(TestPage(page), std::ios::binary);
  const std::string bytes(std::istreambuf_iterator<char>(in), {});
  return in.good() || in.eof() ? OpenPageBytes(state, bytes, page) : false;
}

const frontpage::Element* ElementById(const WebState& state, std::string_view id) {
  if (!state.PageWindow || !state.PageWindow->document()) return nullptr;
  for (const frontpage::Element* e : state.PageWindow->document()->all()) {
    if (e->id() == id) return e;
  }
  return nullptr;
}

const frontpage::Element* FirstTagged(const WebState& state, std::string_view tag, int nth) {
  if (!state.PageWindow || !state.PageWindow->document()) return nullptr;
  for (const frontpage::Element* e : state.PageWindow->document()->all()) {
    if (e->Is(tag) && nth-- == 0) return e;
  }
  return nullptr;
}

}  // namespace webmark::testing
