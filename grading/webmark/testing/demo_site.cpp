// The demo's web-page task (see demo_site.h).
#include "grading/webmark/testing/demo_site.h"

#include <cstdint>
#include <fstream>
#include <string>
#include <system_error>

#include "grading/webmark/testing/web_fixture.h"
#include "platform/win/codepage.h"

namespace demo {
namespace {

namespace fs = std::filesystem;

constexpr SiteStepRule kStepRules[] = {
    {kSiteTitle, "Doc", 10},       {kSiteColour, "Doc", 10}, {kSiteKeywords, "Meta", 10},
    {kSiteHeading, "Font", 15},    {kSiteLogo, "Image", 15}, {kSiteTable, "Table", 15},
    {kSiteMarquee, "Marquee", 15}, {kSiteNews, "Doc", 10},
};

// The pages' wrong versions of the three steps the partly wrong site misses.
struct Mistakes {
  bool colour = false;
  bool heading = false;
  bool table = false;
};

base::Status WriteFile(const fs::path& file, std::string_view bytes) {
  std::error_code ec;
  fs::create_directories(file.parent_path(), ec);
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) return base::Error::Of("cannot write ", file.string());
  return base::Ok();
}

// The school's logo, 180 x 120 (the page shows it at 120 x 80): a blue field with a yellow band, as
// a GIF whose picture codes are all literals of eight bits (a clear code every 100 pixels keeps the
// code width at eight).
std::string LogoGif() {
  constexpr int kWidth = 180, kHeight = 120;
  std::string gif = "GIF89a";
  auto word = [&gif](int value) {
    gif += static_cast<char>(value & 0xFF);
    gif += static_cast<char>((value >> 8) & 0xFF);
  };
  word(kWidth);
  word(kHeight);
  gif += static_cast<char>(0xF6);  // a global table of 128 colours
  gif += '\0';
  gif += '\0';
  for (int i = 0; i < 128; ++i) {
    const bool yellow = i == 1;
    gif += static_cast<char>(yellow ? 0xFF : 0x20);
    gif += static_cast<char>(yellow ? 0xCC : 0x40);
    gif += static_cast<char>(yellow ? 0x00 : 0xA0);
  }
  gif += ',';
  word(0);
  word(0);
  word(kWidth);
  word(kHeight);
  gif += '\0';
  gif += '\x07';  // minimum code size: clear 128, end 129
  std::string codes;
  for (int i = 0; i < kWidth * kHeight; ++i) {
    if (i % 100 == 0) codes += static_cast<char>(0x80);
    const int row = i / kWidth;
    codes += static_cast<char>(row >= 45 && row < 75 ? 1 : 0);
  }
  codes += static_cast<char>(0x81);
  for (size_t at = 0; at < codes.size(); at += 255) {
    const std::string block = codes.substr(at, 255);
    gif += static_cast<char>(block.size());
    gif += block;
  }
  gif += '\0';
  gif += ';';
  return gif;
}

// index.htm with the steps `done`, in the markup the web editor writes.
std::string IndexPage(unsigned done, const Mistakes& wrong) {
  std::string page =
      "<HTML>\r\n\r\n<HEAD>\r\n"
      "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=gb2312\">\r\n";
  if (done & kSiteKeywords) page += "<META NAME=\"keywords\" CONTENT=\"学校,新闻\">\r\n";
  page += std::string("<TITLE>") + (done & kSiteTitle ? "我的学校" : "新建网页 1") +
          "</TITLE>\r\n</HEAD>\r\n\r\n";
  if (done & kSiteColour) {
    page +=
        std::string("<BODY BGCOLOR=\"") + (wrong.colour ? "#FFFFFF" : "#FFFFCC") + "\">\r\n\r\n";
  } else {
    page += "<BODY>\r\n\r\n";
  }
  if (done & kSiteHeading) {
    page += std::string("<P ALIGN=\"center\"><B><FONT FACE=\"") +
            (wrong.heading ? "宋体" : "黑体") +
            "\" SIZE=\"6\" COLOR=\"#FF0000\">欢迎访问我的学校</FONT></B></P>\r\n";
  } else {
    page += "<P ALIGN=\"center\"><B>欢迎访问我的学校</B></P>\r\n";
  }
  page += done & kSiteLogo
              ? "<P><IMG SRC=\"images/logo.gif\" WIDTH=\"120\" HEIGHT=\"80\" BORDER=\"0\" "
                "ALT=\"校徽\">本校创办于一九五二年。</P>\r\n"
              : "<P><IMG SRC=\"images/logo.gif\" BORDER=\"0\" ALT=\"校徽\">本校创办于一九五二年。"
                "</P>\r\n";
  page += done & kSiteMarquee ? "<P><MARQUEE BEHAVIOR=\"alternate\" SCROLLAMOUNT=\"5\">欢迎新同学"
                                "</MARQUEE></P>\r\n"
                              : "<P>欢迎新同学</P>\r\n";
  if (done & kSiteTable) {
    page += std::string("<TABLE ID=\"score\" BORDER=\"") + (wrong.table ? "2" : "1") +
            "\" CELLPADDING=\"4\" CELLSPACING=\"0\" WIDTH=\"60%\">\r\n";
  } else {
    page += "<TABLE ID=\"score\" BORDER=\"0\" CELLSPACING=\"0\" WIDTH=\"60%\">\r\n";
  }
  // Cells the way the editor leaves them: an unclosed TD in the last row.
  page +=
      "  <TR>\r\n    <TD><b>班级</b></TD>\r\n    <TD><b>人数</b></TD>\r\n"
      "    <TD><b>班主任</b></TD>\r\n  </TR>\r\n"
      "  <TR>\r\n    <TD>高一(1)班</TD>\r\n    <TD>45</TD>\r\n    <TD>王老师</TD>\r\n  </TR>\r\n"
      "  <TR>\r\n    <TD>高一(2)班<TD>47</TD>\r\n    <TD>李老师</TD>\r\n  </TR>\r\n"
      "</TABLE>\r\n"
      "<P><A HREF=\"news.htm\">学校新闻</A>　<A HREF=\"mailto:office@kirv.cn\">联系我们</A></P>\r\n"
      "\r\n</BODY>\r\n\r\n</HTML>\r\n";
  return page;
}

std::string NewsPage(unsigned done) {
  return std::string(
             "<HTML>\r\n\r\n<HEAD>\r\n"
             "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=gb2312\">\r\n"
             "<TITLE>") +
         (done & kSiteNews ? "学校新闻" : "新建网页 2") +
         "</TITLE>\r\n</HEAD>\r\n\r\n<BODY>\r\n\r\n"
         "<H2>学校新闻</H2>\r\n"
         "<UL>\r\n  <LI>运动会将于十月举行。\r\n  <LI>图书馆延长开放时间。\r\n</UL>\r\n"
         "<P><A HREF=\"index.htm\">返回主页</A></P>\r\n\r\n</BODY>\r\n\r\n</HTML>\r\n";
}

base::Status WriteSite(const fs::path& folder, unsigned done, const Mistakes& wrong) {
  if (auto s = WriteFile(folder / "index.htm", win::Utf8ToGbk(IndexPage(done, wrong))); !s) {
    return s;
  }
  if (auto s = WriteFile(folder / "news.htm", win::Utf8ToGbk(NewsPage(done))); !s) return s;
  return WriteFile(folder / "images" / "logo.gif", LogoGif());
}

}  // namespace

std::span<const SiteStepRule> SiteStepRules() {
  return kStepRules;
}

base::Status WriteStartingSite(const fs::path& folder) {
  return WriteSite(folder, 0, {});
}

base::Status WriteSolvedSite(const fs::path& folder, unsigned done) {
  return WriteSite(folder, done, {});
}

base::Status WritePartlyWrongSite(const fs::path& folder) {
  return WriteSite(folder, kAllSiteSteps, {.colour = true, .heading = true, .table = true});
}

base::Status WriteSiteAnswer(const fs::path& file) {
  const webmark::testing::Rows rows = {
      {"C", "网页制作：我的学校"},
      {"T", "网页制作", "100分"},
      {"F", "index.htm"},
      {"O", "Doc"},
      {"A", "1", "10", "主页标题", "title", "我的学校"},
      {"O", "Doc"},
      {"A", "2", "10", "主页背景色", "bgcolor", "#FFFFCC"},
      {"O", "Meta", "name", "keywords"},
      {"A", "3", "10", "关键字", "content", "学校,新闻"},
      {"O", "Font", "欢迎访问我的学校"},
      {"A", "4", "15", "标题的字体和颜色", "face", "黑体", "color", "#FF0000"},
      {"O", "Image", "logo.gif"},
      {"A", "5", "15", "校徽图片的大小", "width", "120", "height", "80"},
      {"O", "Table", "score"},
      {"A", "6", "15", "表格边框和边距", "border", "1", "cellpadding", "4"},
      {"O", "Marquee", "欢迎新同学"},
      {"A", "7", "15", "字幕", "behavior", "alternate", "scrollamount", "5"},
      {"O", "Page", "news.htm"},
      {"A", "999", "0", "加载新闻网页"},
      {"O", "Doc"},
      {"A", "8", "10", "新闻网页标题", "title", "学校新闻"},
      {"E"},
  };
  if (!webmark::testing::WriteAnswerBook(file, rows)) {
    return base::Error::Of("cannot write ", file.string());
  }
  return base::Ok();
}

}  // namespace demo
