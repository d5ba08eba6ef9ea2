// The seating import from the real Jet file of another program (table DateTest) and from a
// seating database of ours: the field map, room, session and seat from the exam code or from
// the mapped fields, clearing or keeping the rows there, and the first failure ending it.
#include "client/proctor/seating_import.h"

#include <gtest/gtest.h>

#include "client/testing/proctor_machine.h"
#include "platform/ado/connection.h"
#include "platform/ado/testing/jet_fixture.h"

namespace {

namespace fs = std::filesystem;

// Settings that read DateTest of the Jet file: ShortTextCol is the exam code.
const std::string kJetSettings =
    "SourceTable=DateTest\r\nSourceField=ShortTextCol,LongTextCol,IDCol\r\n"
    "DestField=examcode,Name,No\r\n";

std::string Jet() {
  return win::ToWindowsPath(ado::testing::JetFixture());
}

TEST(SeatingImport, FieldMapFromTheJetFile) {
  const std::string before = ado::testing::ReadBytes(ado::testing::JetFixture());
  ProctorMachine m(kJetSettings);
  m.ui.openFiles = {Jet()};
  EXPECT_TRUE(SeatingImport(m.context).Run());
  EXPECT_EQ(m.ui.Shown(), std::vector<std::string>{"成功导入 6 条考生信息记录!"});
  EXPECT_EQ(m.ui.progress,
            (std::vector<std::string>{"show 正在导入考生库，请稍候 ...", "range 6", "at 1", "at 2",
                                      "at 3", "at 4", "at 5", "at 6", "close"}));
  const auto rows = m.session.Store().AllCandidates();
  ASSERT_TRUE(rows);
  ASSERT_EQ(rows->size(), 6u);
  // "Year 1999": session from characters 6-7, room from 8-9, seat the last two.
  const auto year = m.Row("Year 1999");
  ASSERT_TRUE(year);
  EXPECT_EQ(year->name, "Year 9999");
  EXPECT_EQ(year->no, "2");
  EXPECT_EQ(year->session, "19");
  EXPECT_EQ(year->room, "99");
  EXPECT_EQ(year->seat, "99");
  EXPECT_EQ(year->state, 0);
  // The outside file is read, never written.
  EXPECT_EQ(ado::testing::ReadBytes(ado::testing::JetFixture()), before);
}

// A seating database whose fields name the room (考场): room, session and seat come only from the
// mapped fields. A second import into a machine that holds candidates asks whether to clear them.
TEST(SeatingImport, RoomFromTheFieldsAndTheQuestionToClear) {
  ProctorMachine m(
      "SourceTable=xuesheng\r\nSourceField=准考证号,姓名,考场\r\nDestField=examcode,Name,Room\r\n");
  const fs::path file = m.Host() / "seats.mdb";
  ASSERT_TRUE(
      ado::CreateDatabase(file.string(),
                          "create table xuesheng (准考证号 TEXT, 姓名 TEXT, 考场 TEXT);"
                          "insert into xuesheng values ('26001030201', '张明', '第三考场');"
                          "insert into xuesheng values ('26001030202', '李华', '第三考场');"));
  m.Sql("insert into [Stu](examcode, Name, State) values ('26001030201', '旧名', 1)");
  m.Sql("insert into [Stu](examcode, Name, State) values ('0909', '别人', 1)");

  // Kept: the known candidate is written over in place, the new one added.
  m.ui.openFiles = {win::ToWindowsPath(file)};
  m.ui.buttons = {win::IDNO};
  EXPECT_TRUE(SeatingImport(m.context).Run());
  EXPECT_EQ(m.ui.boxes[0].text, proctor_text::ClearQuestion);
  EXPECT_EQ(m.ui.boxes[0].flags, win::MB_YESNO | win::MB_ICONQUESTION);
  EXPECT_EQ(m.ui.Last(), "成功导入 2 条考生信息记录!");
  EXPECT_EQ(m.Row("26001030201")->name, "张明");
  EXPECT_EQ(m.Row("26001030201")->state, 1);
  EXPECT_EQ(m.Row("26001030201")->room, "第三考场");
  EXPECT_EQ(m.Row("26001030202")->session, "");
  EXPECT_TRUE(m.Row("0909"));

  // Cleared first.
  m.ui.openFiles = {win::ToWindowsPath(file)};
  EXPECT_TRUE(SeatingImport(m.context).Run());
  EXPECT_FALSE(m.Row("0909"));
  EXPECT_EQ(m.Row("26001030201")->state, 0);
  EXPECT_EQ(m.ui.progress[m.ui.progress.size() - 6], "show 正在清除原有纪录,请稍候 ...");
}

// The first failure is the last message: no box per row, no completion message.
TEST(SeatingImport, StopsAtTheFirstFailure) {
  struct Case {
    const char* what;
    int button;
    std::string shown;
  } cases[] = {
      {"a row cannot be written", win::IDNO, "导入考生信息出错：Description: database is locked"},
      {"the old rows cannot be cleared", win::IDYES,
       "清除原有记录失败\nDescription: database is locked"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ProctorMachine m(kJetSettings);
    m.Sql("insert into [Stu](examcode, State) values ('0909', 1)");
    m.FailWrites();
    m.ui.openFiles = {Jet()};
    m.ui.buttons = {c.button};
    SeatingImport(m.context).Run();
    ASSERT_EQ(m.ui.Shown().size(), 2u);
    EXPECT_EQ(m.ui.Last().rfind(c.shown, 0), 0u) << m.ui.Last();
    EXPECT_EQ(m.ui.progress.back(), "close");
    EXPECT_EQ(m.session.Store().AllCandidates()->size(), 1u);
  }
}

TEST(SeatingImport, NothingWrittenFromABadSource) {
  struct Case {
    const char* what;
    std::string settings;
    std::string file;  // "" for the Jet file
    std::string shown;
  } cases[] = {
      {"not a database", kJetSettings, "notes.mdb",
       "考生数据库连接失败，请确保导入库为考场编排系统导出的考生库"},
      {"no such table", "SourceTable=xuesheng\r\nSourceField=IDCol\r\nDestField=examcode\r\n", "",
       "读取考生信息库出错："},
      {"no such field",
       "SourceTable=DateTest\r\nSourceField=IDCol,Nope\r\nDestField=examcode,Name\r\n", "",
       "读取考生信息库出错：Nope: "},
      {"field lists of different lengths",
       "SourceTable=DateTest\r\nSourceField=IDCol,ShortTextCol\r\nDestField=examcode\r\n", "",
       std::string(proctor_text::FieldListsDiffer)},
      {"no field list", "SourceTable=DateTest\r\n", "",
       std::string(proctor_text::FieldListsDiffer)},
      {"a destination [Stu] lacks",
       "SourceTable=DateTest\r\nSourceField=IDCol\r\nDestField=Nope\r\n", "", "导入考生信息出错："},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ProctorMachine m(c.settings);
    std::string file = Jet();
    if (!c.file.empty()) {
      std::ofstream(m.Host() / c.file) << "not a database";
      file = win::ToWindowsPath(m.Host() / c.file);
    }
    m.ui.openFiles = {file};
    SeatingImport(m.context).Run();
    ASSERT_EQ(m.ui.Shown().size(), 1u);
    EXPECT_EQ(m.ui.Last().rfind(c.shown, 0), 0u) << m.ui.Last();
    EXPECT_TRUE(m.session.Store().AllCandidates()->empty());
  }
}

TEST(SeatingImport, FieldsOfARow) {
  const std::vector<std::string> dest = {"examcode", "Name"};
  EXPECT_EQ(SeatingFields(dest, {"26001030201", "张明"}, true),
            (std::vector<FieldValue>{{"examcode", "26001030201"},
                                     {"Room", "02"},
                                     {"Session", "03"},
                                     {"Seat", "01"},
                                     {"Name", "张明"}}));
  EXPECT_EQ(SeatingFields(dest, {"26001030201", "张明"}, false),
            (std::vector<FieldValue>{{"examcode", "26001030201"}, {"Name", "张明"}}));
}

}  // namespace
