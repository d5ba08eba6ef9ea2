// The demo-sized web-page task (see web_task.h).
#include "grading/webmark/testing/web_task.h"

#include <system_error>

#include "grading/webmark/testing/web_fixture.h"

namespace webmark::testing {

namespace fs = std::filesystem;

bool WriteWebAnswer(const fs::path& file) {
  // The main page's rules are worth 50 (ten of them, items 101 and 102 counted as one), the
  // frames page 20, the second page 15 and the UTF-8 page 15.
  const Rows rows = {
      {"C", "网页制作：主页、框架网页、第二页、UTF-8 网页"},
      {"T", "网页制作", "100分"},
      {"F", "index.htm"},
      {"O", "Doc"},
      {"A", "1", "5", "网页标题", "title", "我的主页"},
      {"O", "Doc"},
      {"A", "2", "5", "背景色和文字颜色", "bgcolor", "#ffffcc", "fgcolor", "#000080"},
      {"O", "Doc"},
      {"A", "3", "5", "超链接颜色", "linkcolor", "#0000FF", "vlinkcolor", "#800080", "alinkcolor",
       "#FF0000"},
      {"O", "Doc"},
      {"A", "4", "5", "背景图片", "background", "images/bg.gif"},
      {"O", "Doc", "b1"},
      {"A", "5", "5", "默认目标框架", "BASETARGET", "main"},
      {"O", "Meta", "name", "keywords"},
      {"A", "6", "5", "关键字", "content", "网页,考试"},
      {"O", "Meta", "httpEquiv", "Content-Type"},
      {"A", "7", "5", "字符集", "content", "text/html; charset=gb2312"},
      {"O", "IFrame", "side"},
      {"A", "8", "5", "内嵌框架", "src", "b.htm", "scrolling", "no", "width", "300", "frameborder",
       "0"},
      {"O", "IFrame", "side"},
      {"A", "101", "5", "内嵌框架的位置", "MARKOBJ", "iframe", "height", ""},
      {"O", "IFrame", "side"},
      {"A", "102", "5", "内嵌框架不在表格中", "AFTEROBJ", "iframe", "BEFOREOBJ", "iframe"},
      {"L", "9", "5", "内嵌框架", "AND", "101", "102"},
      {"O", "Doc"},
      {"A", "10", "5", "网页颜色", "bgcolor", "#FFFFCC"},
      {"O", "Page", "frames.htm"},
      {"A", "999", "0", "加载框架网页"},
      {"O", "FrameSet"},
      {"A", "11", "10", "框架网页的标题和左框架宽度", "title", "框架网页", "cols", "LEFT_SMALL",
       "cols", "30"},
      {"O", "Frame", "main"},
      {"A", "112", "5", "主框架", "src", "main.htm"},
      {"O", "Frame", "side"},
      {"A", "113", "5", "侧框架", "scrolling", "no", "src", "side.htm"},
      {"L", "12", "10", "两个框架", "ADD", "112", "113"},
      {"O", "Page", "b.htm"},
      {"A", "999", "0", "加载第二页"},
      {"O", "Doc"},
      {"A", "13", "15", "第二页的标题和背景", "title", "第二页", "bgcolor", "#ffffff"},
      {"O", "Page", "utf8.htm"},
      {"A", "999", "0", "加载 UTF-8 网页"},
      {"O", "Doc"},
      {"A", "14", "10", "UTF-8 网页的标题", "title", "my page"},
      {"O", "Meta", "name", "author"},
      {"A", "15", "5", "作者", "content", "考生"},
      {"E"},
  };
  return WriteAnswerBook(file, rows);
}

bool WriteWebPages(const fs::path& checkFolder, bool solved) {
  std::error_code ec;
  for (const char* page : {"frames.htm", "b.htm", "utf8.htm"}) {
    fs::copy_file(TestPage(page), checkFolder / page, fs::copy_options::overwrite_existing, ec);
    if (ec) return false;
  }
  fs::copy_file(TestPage(solved ? "index.htm" : "b.htm"), checkFolder / "index.htm",
                fs::copy_options::overwrite_existing, ec);
  return !ec;
}

}  // namespace webmark::testing
