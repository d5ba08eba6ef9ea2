// CAdoRecordSet on an exam database made from the schema: the reading rules, counts and
// positions, adding rows, and values that must stay data.
#include "client/store/db/ado_record_set.h"

#include <gtest/gtest.h>

#include "client/store/db/exam_database.h"
#include "client/testing/temp_folder.h"
#include "platform/win/message_box.h"

namespace {

class RecordSetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const base::Status created = CreateExamDatabase(tmp_.Windows("kirv.mdb"));
    ASSERT_TRUE(created) << created.error().message;
    ASSERT_TRUE(db_.OpenJet(tmp_.Windows("kirv.mdb"), "kestrelqu"));
    const char* rows[] = {
        ("insert into [Stu](examcode,Name,State,timeleft,scoreok) values "
         "('0101020301','Ann',1,600,1)"),
        "insert into [Stu](examcode,Name,State,timeleft) values ('0101020302','Bob',0,0)",
        "insert into [Stu](examcode,Name,State,timeleft,Score) values ('AbC','Cy',10,30,'1-80')",
        "insert into [Module](ModuleID,Name,Enabled) values (0,'单选',true),(2,'Word',false)",
    };
    for (const char* sql : rows) ASSERT_NE(db_.Execute(sql), nullptr) << db_.GetLastError();
    rs_.SetConnection(&db_);
  }
  TempFolder tmp_;
  CAdoConnection db_;
  CAdoRecordSet rs_;
};

TEST_F(RecordSetTest, ExamCodesCompareWithoutCase) {
  for (const char* code : {"abc", "ABC", "AbC"}) {
    ASSERT_TRUE(rs_.Open("select * from [Stu] where examcode=?", {SqlText(code)}));
    EXPECT_EQ(rs_.GetRecordCount(), 1) << code;
    std::string name;
    EXPECT_TRUE(rs_.GetString("NAME", name));
    EXPECT_EQ(name, "Cy");
  }
}

TEST_F(RecordSetTest, QuoteInAnExamCodeIsData) {
  ASSERT_NE(db_.Execute("insert into [Stu](examcode,Name,State,timeleft,papers) values (?,?,1,?,?)",
                        {SqlText("O'Neil"), SqlText("未知"), SqlInt(2700), SqlText("1-3|2-5")}),
            nullptr)
      << db_.GetLastError();
  ASSERT_NE(db_.Execute("update [stu] set State=1,timeleft=?,papers=? where examcode = ?",
                        {SqlInt(60), SqlText("x' or '1'='1"), SqlText("o'neil")}),
            nullptr);
  ASSERT_TRUE(rs_.Open("Select * from [Stu] where State<>0 And examcode=?", {SqlText("O'NEIL")}));
  ASSERT_EQ(rs_.GetRecordCount(), 1);
  std::string papers;
  int timeleft = -1;
  EXPECT_TRUE(rs_.GetString("Papers", papers));
  EXPECT_TRUE(rs_.GetInt("timeleft", timeleft));
  EXPECT_EQ(papers, "x' or '1'='1");
  EXPECT_EQ(timeleft, 60);
  ASSERT_TRUE(rs_.Open("select * from stu"));
  EXPECT_EQ(rs_.GetRecordCount(), 4);
}

TEST_F(RecordSetTest, GetBoolOnYesNoVersusIntegerColumns) {
  ASSERT_TRUE(rs_.Open("select * from [Stu] where examcode=?", {SqlText("0101020301")}));
  struct Case {
    const char* field;
    bool ok;
    bool value;
  } cases[] = {{"scoreok", true, true},
               {"sendok", true, false},
               {"State", true, false},
               {"timeleft", true, false},
               {"nosuch", false, false}};
  for (const auto& c : cases) {
    bool value = !c.value;
    EXPECT_EQ(rs_.GetBool(c.field, value), c.ok) << c.field;
    EXPECT_EQ(value, c.value) << c.field;
  }
  ASSERT_TRUE(rs_.Open("select * from [Module] where Enabled order by ModuleID"));
  EXPECT_EQ(rs_.GetRecordCount(), 1);
}

TEST_F(RecordSetTest, GetIntOfAFieldNotSelected) {
  ASSERT_TRUE(rs_.Open("select Name from [Stu] where examcode='AbC'"));
  int value = 99;
  EXPECT_FALSE(rs_.GetInt("State", value));
  EXPECT_EQ(value, 0);
  ASSERT_TRUE(rs_.Open("select State from [Stu] where examcode='AbC'"));
  EXPECT_TRUE(rs_.GetInt("state", value));
  EXPECT_EQ(value, 10);
}

TEST_F(RecordSetTest, GetStringPastTheEndLeavesTheText) {
  ASSERT_TRUE(rs_.Open("select * from [Stu] where examcode='AbC'"));
  std::string text;
  ASSERT_TRUE(rs_.GetString("Score", text));
  EXPECT_EQ(text, "1-80");
  ASSERT_TRUE(rs_.MoveNext());
  ASSERT_TRUE(rs_.IsEOF());
  text = "kept";
  EXPECT_FALSE(rs_.GetString("Score", text));
  EXPECT_EQ(text, "kept");
  EXPECT_FALSE(rs_.MoveNext());

  // Null text reads as "".
  ASSERT_TRUE(rs_.Open("select * from [Stu] where examcode='0101020302'"));
  EXPECT_TRUE(rs_.GetString("Papers", text));
  EXPECT_EQ(text, "");
}

TEST_F(RecordSetTest, ClosedRecordsetSaysTheDatabaseMayBeGone) {
  win::MessageCapture capture;
  std::string text = "kept";
  EXPECT_FALSE(rs_.GetString("Name", text));
  EXPECT_EQ(text, "kept");
  ASSERT_EQ(capture.Shown().size(), 1u);
  EXPECT_EQ(capture.Shown()[0].text, "数据库可能已经断开,\r\n请重新连接、然后重试.");
  EXPECT_EQ(capture.Shown()[0].flags & win::MB_ICONMASK, win::MB_ICONINFORMATION);

  // Not open: at end, no count, nothing to move, closing is no failure; no further boxes.
  EXPECT_TRUE(rs_.IsEOF());
  EXPECT_TRUE(rs_.Close());
  EXPECT_EQ(rs_.GetRecordCount(), -1);
  EXPECT_FALSE(rs_.MoveFirst());
  bool b = true;
  int i = 5;
  EXPECT_FALSE(rs_.GetBool("scoreok", b));
  EXPECT_FALSE(rs_.GetInt("State", i));
  EXPECT_FALSE(b);
  EXPECT_EQ(i, 0);
  EXPECT_EQ(capture.Shown().size(), 1u);
}

TEST_F(RecordSetTest, OpenNeedsAConnectionAndAStatement) {
  CAdoRecordSet unbound;
  EXPECT_FALSE(unbound.Open("select * from Stu"));
  EXPECT_FALSE(rs_.Open(""));
  ASSERT_TRUE(rs_.Open("select * from Stu where State=?", {SqlInt(1)}));
  EXPECT_EQ(rs_.GetRecordCount(), 1);
  ASSERT_TRUE(rs_.Open());  // the stored statement with its parameters
  EXPECT_EQ(rs_.GetRecordCount(), 1);
  EXPECT_FALSE(rs_.Open("select * from NoTable"));
  EXPECT_FALSE(rs_.IsOpen());
  EXPECT_NE(db_.GetLastError(), "");
}

TEST_F(RecordSetTest, CountAndPositionOfAForwardCursorByWalking) {
  ASSERT_TRUE(rs_.Open("select * from [Stu] order by examcode", 1, 0, 1));
  ASSERT_TRUE(rs_.MoveNext());
  EXPECT_EQ(rs_.GetAbsolutePosition(), 2);
  EXPECT_EQ(rs_.GetRecordCount(), 3);
  EXPECT_EQ(rs_.GetAbsolutePosition(), 2);  // back where it was
  ASSERT_TRUE(rs_.Open("select * from [Stu] order by examcode"));
  EXPECT_EQ(rs_.GetRecordCount(), 3);
  ASSERT_TRUE(rs_.SetAbsolutePosition(3));
  std::string code;
  rs_.GetString("examcode", code);
  EXPECT_EQ(code, "AbC");
  EXPECT_FALSE(rs_.SetAbsolutePosition(0));
}

TEST_F(RecordSetTest, AddNewUpdateRoundTrip) {
  ASSERT_TRUE(rs_.Open("select * from [stu] where examcode = ?", {SqlText("0202")}));
  ASSERT_TRUE(rs_.IsEOF());
  ASSERT_TRUE(rs_.AddNew());
  EXPECT_EQ(rs_.GetEditMode(), ado::adEditAdd);
  ASSERT_TRUE(rs_.SetString("examcode", "0202"));
  ASSERT_TRUE(rs_.SetString("Name", "张三"));
  ASSERT_TRUE(rs_.SetString("Room", ""));
  ASSERT_TRUE(rs_.SetValue("State", SqlText("100")));
  ASSERT_TRUE(rs_.SetValue("sendok", SqlInt(1)));
  ASSERT_TRUE(rs_.Update());
  EXPECT_EQ(rs_.GetEditMode(), ado::adEditNone);

  CAdoRecordSet check;
  check.SetConnection(&db_);
  ASSERT_TRUE(check.Open("select * from [Stu] where examcode='0202'"));
  std::string name, room = "x";
  int state = 0;
  bool sendok = false;
  EXPECT_TRUE(check.GetString("name", name));
  EXPECT_TRUE(check.GetString("room", room));
  EXPECT_TRUE(check.GetInt("state", state));
  EXPECT_TRUE(check.GetBool("sendok", sendok));
  EXPECT_EQ(name, "张三");
  EXPECT_EQ(room, "");
  EXPECT_EQ(state, 100);
  EXPECT_TRUE(sendok);

  // A failing update (duplicate key) is cancelled and reported.
  ASSERT_TRUE(rs_.AddNew());
  ASSERT_TRUE(rs_.SetString("examcode", "abc"));
  EXPECT_FALSE(rs_.Update());
  EXPECT_EQ(rs_.GetEditMode(), ado::adEditNone);
  EXPECT_NE(db_.GetLastError(), "");
}

}  // namespace
