// Date detection by number format.
#include "platform/office/excel/styles.h"

#include "platform/office/excel/number_format.h"

#include <gtest/gtest.h>

namespace excel {
namespace {

TEST(Styles, DateFormatCodes) {
  struct Case {
    const char* code;
    bool date;
  } cases[] = {
      {"yyyy/m/d", true},  {"h:mm:ss", true},
      {"[h]:mm", true},    {"[$-804]yyyy\"年\"m\"月\"d\"日\"", true},
      {"mmm-yy", true},    {"General", false},
      {"0.00", false},     {"[Red]0.00", false},
      {"0.00E+00", false}, {"#,##0 \"days\"", false},
      {"0\\h", false},     {"0_s", false},
      {"@", false},        {"0;[Red]-0", false},
      {"0;d", true},       {"\"unclosed", false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsDateFormatCode(c.code), c.date) << c.code;
}

TEST(Styles, BuiltinDateIdsAndCellFormats) {
  for (int id = 0; id < 200; ++id) {
    const bool expected = (id >= 14 && id <= 22) || (id >= 27 && id <= 36) ||
                          (id >= 45 && id <= 47) || (id >= 50 && id <= 58);
    EXPECT_EQ(IsBuiltinDateFormat(id), expected) << id;
  }
  pugi::xml_document doc;
  ASSERT_TRUE(doc.load_string(
      "<styleSheet><numFmts><numFmt numFmtId='164' formatCode='yyyy-mm-dd'/>"
      "<numFmt numFmtId='165' formatCode='0.000'/><numFmt numFmtId='14' formatCode='0.0'/>"
      "</numFmts><cellXfs><xf numFmtId='0'/><xf numFmtId='164'/><xf numFmtId='165'/>"
      "<xf numFmtId='22'/><xf numFmtId='14'/></cellXfs></styleSheet>"));
  Styles styles(doc.document_element(), {});
  const bool expected[] = {false, true, false, true, false};
  for (uint32_t xf = 0; xf < 5; ++xf) EXPECT_EQ(styles.IsDateStyle(xf), expected[xf]) << xf;
  EXPECT_FALSE(styles.IsDateStyle(99));
  EXPECT_EQ(styles.Format(1).numberFormat, 164);
  EXPECT_EQ(styles.NumberFormatCode(165), "0.000");
  EXPECT_FALSE(Styles().IsDateStyle(0));
}

}  // namespace
}  // namespace excel
