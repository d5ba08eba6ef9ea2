// The dispatch-table pattern in process: conversions, write-back, change announcements, hooks,
// errors at the boundary and property-bag persistence.
#include "platform/com/dispatch_table.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>
#include <string>
#include <vector>

namespace com {
namespace {

class Recorder : public ControlSite {
 public:
  void OnPropertyChanged(DispId id, std::string_view name) override {
    events.push_back(std::to_string(id) + ":" + std::string(name));
  }
  std::vector<std::string> events;
};

class Grader : public ControlBase<Grader> {
 public:
  static constexpr ClassInfo kClass{Clsid::Of("{00000000-0000-0000-0000-0000000000A1}"), "Grader"};
  static const DispatchTable<Grader>& Table();

  std::string pathofans;
  std::string ansname;
  int16_t grade = 0;
  bool debug = true;
  double score = 0;
  int32_t clamped = 0;
  std::vector<std::string>* log = nullptr;

  void Grade() {
    if (log) log->push_back("graded " + ansname);
    grade = static_cast<int16_t>(ansname.size());
  }
  base::Status SetClamped(int32_t v) {
    if (v < 0) return base::Error{"negative", 5};
    clamped = v > 100 ? 100 : v;
    return base::Ok();
  }
  double Run(std::string& path, const std::string& file, bool& debugMode) {
    path += "\\";
    debugMode = !debugMode;
    return static_cast<double>(file.size());
  }
  base::Result<int16_t> Checked(int32_t v) {
    if (v > 10) return base::Error{"too big", kErrInvalidArg};
    return static_cast<int16_t>(v * 2);
  }
  void Throw() { throw std::runtime_error("boom"); }
  double Exhausted() { throw std::bad_alloc(); }
};

const DispatchTable<Grader>& Grader::Table() {
  using T = DispatchTable<Grader>;
  static const T table{
      T::Property(0x68030005, "Pathofans", &Grader::pathofans).Persist("pathofans", ""),
      T::Property(0x68030003, "ansname", &Grader::ansname)
          .AfterPut(&Grader::Grade)
          .Persist("ansname", ""),
      T::Property(0x68030002, "ExcelGrade", &Grader::grade).Persist("ExcelGrade", 0),
      T::Property(0x68030008, "EDebug", &Grader::debug).Persist("EDebug", true),
      T::Property(0x68030009, "Score", &Grader::score).ReadOnly(),
      T::Property(0x6803000A, "Clamped", &Grader::clamped).Put(&Grader::SetClamped),
      T::Method(0x6003000E, "Run", &Grader::Run),
      T::Method(0x6003000F, "Checked", &Grader::Checked),
      T::Method(0x60030010, "Throw", &Grader::Throw),
      T::Method(0x60030011, "Exhausted", &Grader::Exhausted).OnFailure(Variant::R8(0.001)),
  };
  return table;
}

class DispatchTableTest : public ::testing::Test {
 protected:
  void SetUp() override {
    grader.SetSite(&site);
    grader.log = &log;
  }
  Grader grader;
  Recorder site;
  std::vector<std::string> log;
};

TEST_F(DispatchTableTest, PutConvertsStoresAnnouncesUnderTheBagKeyThenRunsItsHook) {
  ASSERT_TRUE(grader.Put(0x68030005, Variant::String("C:\\ans\\")));
  ASSERT_TRUE(grader.Put(0x68030002, Variant::R8(2.5)));  // halves to even
  ASSERT_TRUE(grader.Put(0x68030003, Variant::String("a.xlsx")));
  EXPECT_EQ(grader.pathofans, "C:\\ans\\");
  EXPECT_EQ(log, std::vector<std::string>{"graded a.xlsx"});
  EXPECT_EQ(grader.Get(0x68030002)->IntValue(), 6);  // the hook saw the stored name
  EXPECT_EQ(grader.Get(0x68030002)->Type(), VT_I2);
  EXPECT_EQ(site.events, (std::vector<std::string>{"1745027077:pathofans", "1745027074:ExcelGrade",
                                                   "1745027075:ansname"}));
  // A setter of its own decides what is stored and announces nothing unless it says so.
  ASSERT_TRUE(grader.Put(0x6803000A, Variant::I2(250)));
  EXPECT_EQ(grader.clamped, 100);
  EXPECT_EQ(site.events.size(), 3u);
}

TEST_F(DispatchTableTest, MethodsWriteBackByReferenceArgumentsOnly) {
  std::string path = "C:\\wordkt";
  std::string file = "w.xls";
  VariantBool debug = kVariantTrue;
  const Variant args[] = {Variant::RefString(&path), Variant::RefString(&file),
                          Variant::RefBool(&debug)};
  auto r = grader.Invoke(0x6003000E, InvokeKind::Method, args);
  ASSERT_TRUE(r) << r.error().message;
  EXPECT_EQ(*r, Variant::R8(5));
  EXPECT_EQ(path, "C:\\wordkt\\");
  EXPECT_EQ(file, "w.xls");  // a const parameter is never written back
  EXPECT_EQ(debug, kVariantFalse);

  // By-value arguments to in-out parameters are taken as values.
  auto byValue =
      grader.Call(0x6003000E, {Variant::String("x"), Variant::String("ab"), Variant::Bool(false)});
  ASSERT_TRUE(byValue) << byValue.error().message;
  EXPECT_EQ(byValue->RealValue(), 2);
  EXPECT_EQ(*grader.Call(0x6003000F, {Variant::I2(4)}), Variant::I2(8));
}

TEST_F(DispatchTableTest, EveryFailureComesBackAsADispatchError) {
  std::string path;
  const struct {
    const char* name;
    DispId id;
    InvokeKind kind;
    std::vector<Variant> args;
    HResult code;
    const char* says;
  } cases[] = {
      {"unknown id", 0x7000, InvokeKind::PropertyGet, {}, kErrMemberNotFound, "Grader has no"},
      {"method as property", 0x6003000E, InvokeKind::PropertyGet, {}, kErrMemberNotFound, ""},
      {"property as method", 0x68030002, InvokeKind::Method, {}, kErrMemberNotFound, ""},
      {"put on read-only",
       0x68030009,
       InvokeKind::PropertyPut,
       {Variant::R8(1)},
       kErrMemberNotFound,
       ""},
      {"put without value", 0x68030002, InvokeKind::PropertyPut, {}, kErrBadParamCount, ""},
      {"get with argument",
       0x68030002,
       InvokeKind::PropertyGet,
       {Variant::I2(1)},
       kErrBadParamCount,
       ""},
      {"too few arguments",
       0x6003000E,
       InvokeKind::Method,
       {Variant::RefString(&path)},
       kErrBadParamCount,
       "takes 3 arguments, not 1"},
      {"argument of a wrong kind",
       0x6003000E,
       InvokeKind::Method,
       {Variant::RefString(&path), Variant::I4(3), Variant::Bool(true)},
       kErrTypeMismatch,
       "argument 2 of Run"},
      {"overflowing put",
       0x68030002,
       InvokeKind::PropertyPut,
       {Variant::I4(40000)},
       kErrOverflow,
       "putting ExcelGrade"},
      {"run-time error of a setter",
       0x6803000A,
       InvokeKind::PropertyPut,
       {Variant::I4(-1)},
       RuntimeErrorCode(5),
       "negative"},
      {"error result",
       0x6003000F,
       InvokeKind::Method,
       {Variant::I4(11)},
       kErrInvalidArg,
       "too big"},
      {"thrown", 0x60030010, InvokeKind::Method, {}, kErrException, "boom"},
  };
  for (const auto& c : cases) {
    auto r = grader.Invoke(c.id, c.kind, c.args);
    ASSERT_FALSE(r) << c.name;
    EXPECT_EQ(r.error().code, c.code) << c.name << ": " << r.error().message;
    EXPECT_NE(r.error().message.find(c.says), std::string::npos)
        << c.name << ": " << r.error().message;
  }
  EXPECT_EQ(grader.grade, 0);  // the overflowing put stored nothing
  EXPECT_TRUE(path.empty());   // a call that failed on its arguments wrote nothing back
}

TEST_F(DispatchTableTest, AMethodThatEndsByAnExceptionAnswersItsFailureAnswer) {
  auto r = grader.Invoke(0x60030011, InvokeKind::Method, {});
  ASSERT_TRUE(r) << r.error().message;
  EXPECT_EQ(r->Type(), VT_R8);
  EXPECT_DOUBLE_EQ(*VariantTraits<double>::From(*r), 0.001);
  // Reached as a property it is no method: the answer is only a method's.
  EXPECT_FALSE(grader.Invoke(0x60030011, InvokeKind::PropertyGet, {}));
}

TEST_F(DispatchTableTest, NamesResolveWithoutCase) {
  EXPECT_EQ(*grader.GetIdOfName("PATHOFANS"), 0x68030005);
  EXPECT_EQ(grader.GetIdOfName("Nope").error().code, kErrUnknownName);
}

TEST_F(DispatchTableTest, PersistenceUsesTheKeysDefaultsAndOrderOfTheTable) {
  grader.pathofans = "x";
  grader.debug = false;
  grader.InitProperties();
  EXPECT_EQ(grader.pathofans, "");
  EXPECT_TRUE(grader.debug);

  grader.ansname = "a.xls";
  grader.grade = 7;
  PropertyBag bag;
  ASSERT_TRUE(grader.WriteProperties(bag));
  EXPECT_EQ(
      bag.ToText(),
      "pathofans = BSTR \"\"\nansname = BSTR \"a.xls\"\nExcelGrade = I2 7\nEDebug = BOOL -1\n");

  Grader other;
  other.grade = 3;
  PropertyBag partial;
  ASSERT_TRUE(partial.Write("ANSNAME", Variant::String("b.xls")));
  ASSERT_TRUE(other.ReadProperties(partial));
  EXPECT_EQ(other.ansname, "b.xls");
  EXPECT_EQ(other.grade, 0);  // missing: its default
  EXPECT_TRUE(log.empty());   // loading runs no hook

  PropertyBag bad;
  ASSERT_TRUE(bad.Write("ansname", Variant::String("c.xls")));
  ASSERT_TRUE(bad.Write("ExcelGrade", Variant::String("many")));
  const auto failed = other.ReadProperties(bad);
  ASSERT_FALSE(failed);
  EXPECT_NE(failed.error().message.find("ExcelGrade"), std::string::npos);
  EXPECT_EQ(other.ansname, "b.xls");  // all or nothing
}

}  // namespace
}  // namespace com
