// Tests only: a control library that stands in for the six grading controls under their class
// ids. Each fake accepts exactly the members the client's wrappers may call, with exactly the
// argument kinds, and appends every event to the file named by KIRV_FAKE_CONTROL_LOG:
//
//   113 create name="" style=0 parent=0x7ffd...    113 put 0x68030003 BSTR "e1.xls"
//   112 method 0x6003000E BYREF BSTR "C:\x\" BYREF BSTR "..." BYREF BOOL -1 -> R8 12.5
//   113 destroy
//
// What they answer: ansname grades the spreadsheet (ExcelGrade += 8, ExcelAllGrade = 10),
// Answername the desktop (wingrade = 77), Go the network part (Score = 66.5); each Run returns
// 12.5 and adds a missing "\" to its first text, as the web-page control does with its folder.
// With KIRV_FAKE_CONTROL_FAIL set, every Run fails with run-time error 5.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "platform/com/library_macros.h"

namespace {

using com::DispId;
using com::InvokeKind;
using com::Variant;

struct Member {
  DispId id;
  InvokeKind kind;
  std::vector<uint16_t> args;
};

constexpr uint16_t kRefText = com::VT_BYREF | com::VT_BSTR;
constexpr uint16_t kRefBool = com::VT_BYREF | com::VT_BOOL;
constexpr InvokeKind kPut = InvokeKind::PropertyPut;
constexpr InvokeKind kGet = InvokeKind::PropertyGet;
constexpr InvokeKind kMethod = InvokeKind::Method;

void Log(const std::string& line) {
  if (const char* file = std::getenv("KIRV_FAKE_CONTROL_LOG"); file && *file)
    std::ofstream(file, std::ios::app) << line << "\n";
}

std::string Hex(DispId id) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "0x%08X", static_cast<uint32_t>(id));
  return id < 0x100 ? std::to_string(id) : buf;
}

std::string Show(const Variant& v) {
  const Variant d = v.Deref();
  std::string value;
  if (d.Type() == com::VT_BSTR)
    value = "\"" + d.Text() + "\"";
  else if (d.Type() == com::VT_R8)
    value = std::to_string(d.RealValue());
  else if (d.Type() != com::VT_EMPTY)
    value = std::to_string(d.IntValue());
  return com::VarTypeName(v.Type()) + (value.empty() ? "" : " " + value);
}

// One fake: its child window's number in the log, its members, its stored values.
class FakeControl : public com::Control {
 public:
  FakeControl(std::vector<Member> members) : members_(std::move(members)) {}

  base::Status OnCreate(const com::CreateParams& p) override {
    id_ = p.childId;
    char parent[32];
    std::snprintf(parent, sizeof parent, "%p", p.parent);
    Log(std::to_string(id_) + " create name=\"" + p.windowName +
        "\" style=" + std::to_string(p.style) + " parent=" + parent);
    return Control::OnCreate(p);
  }
  void OnDestroy() override { Log(std::to_string(id_) + " destroy"); }

 protected:
  base::Result<Variant> OnInvoke(DispId id, InvokeKind kind,
                                 std::span<const Variant> args) override {
    std::string line =
        std::to_string(id_) + " " + std::string(com::InvokeKindName(kind)) + " " + Hex(id);
    for (const Variant& a : args) line += " " + Show(a);
    const Member* member = nullptr;
    for (const Member& m : members_)
      if (m.id == id && m.kind == kind) member = &m;
    if (!member) {
      Log(line + " -> not a member");
      return com::DispatchError(com::kErrMemberNotFound, "no such member");
    }
    if (args.size() != member->args.size()) {
      Log(line + " -> bad count");
      return com::DispatchError(com::kErrBadParamCount, "argument count");
    }
    for (size_t i = 0; i < args.size(); ++i) {
      if (args[i].Type() != member->args[i]) {
        Log(line + " -> bad kind");
        return com::DispatchError(com::kErrTypeMismatch, "argument kind");
      }
    }
    base::Result<Variant> result = Act(id, kind, args);
    Log(line + (result ? " -> " + Show(*result) : " -> error"));
    return result;
  }

 private:
  base::Result<Variant> Act(DispId id, InvokeKind kind, std::span<const Variant> args) {
    if (kind == kPut) {
      values_[id] = args[0];
      if (id == 0x68030003 && id_ == 113) {  // ansname: grade the spreadsheet
        values_[0x68030002] = Variant::I2(static_cast<int16_t>(values_[0x68030002].IntValue() + 8));
        values_[0x68030001] = Variant::I2(10);
      }
      if (id == 0x68030002 && id_ == 111) values_[0x68030001] = Variant::I2(77);  // Answername
      return Variant();
    }
    if (kind == kGet) return values_.count(id) ? values_[id] : Variant();
    if (id == 6) {  // Go
      values_[2] = Variant::R8(66.5);
      return Variant();
    }
    if (std::getenv("KIRV_FAKE_CONTROL_FAIL")) return base::Error{"fake failure", 5};
    std::string* first = args[0].RefText();
    if (first->empty() || first->back() != '\\') *first += '\\';
    return Variant::R8(12.5);
  }

  std::vector<Member> members_;
  std::map<DispId, Variant> values_;
  int id_ = 0;
};

template <int N>
class Fake;

#define KIRV_FAKE(N, Id, Name, ...)                                   \
  template <>                                                         \
  class Fake<N> : public FakeControl {                                \
   public:                                                            \
    static constexpr com::ClassInfo kClass{com::Clsid::Of(Id), Name}; \
    Fake() : FakeControl(std::vector<Member>{__VA_ARGS__}) {}         \
  };

KIRV_FAKE(0, "{FBACF490-9A1C-424D-971E-5D1409C0B2C9}", "sheetmark",
          {0x68030008, kPut, {com::VT_BOOL}}, {0x68030005, kPut, {com::VT_BSTR}},
          {0x68030003, kPut, {com::VT_BSTR}}, {0x68030002, kGet, {}},
          {0x68030002, kPut, {com::VT_I2}}, {0x68030001, kGet, {}},
          {0x68030000, kPut, {com::VT_BSTR}})
KIRV_FAKE(1, "{5C95237B-21CB-41B6-AAC6-0D27DB405911}", "winUC", {0x68030004, kPut, {com::VT_BSTR}},
          {0x68030003, kPut, {com::VT_BSTR}}, {0x68030002, kPut, {com::VT_BSTR}},
          {0x68030001, kGet, {}}, {0x68030000, kPut, {com::VT_BOOL}})
KIRV_FAKE(2, "{E0EA6E57-AA68-43DF-9DBB-8AA575445545}", "CHopmarkCtrl", {2, kGet, {}},
          {4, kPut, {com::VT_BSTR}}, {6, kMethod, {}})
KIRV_FAKE(3, "{58761E9E-8E05-4AF3-B331-A1CFAD77C33E}", "docmark",
          {0x6003000E, kMethod, {kRefText, kRefText, kRefText, kRefBool}})
KIRV_FAKE(4, "{BE07296E-8F7B-4CA2-9FAE-3E9B3A9C7EAB}", "slidemark",
          {0x6003000E, kMethod, {kRefText, kRefText, kRefText, kRefBool}})
KIRV_FAKE(5, "{2A649FAC-358B-4E71-A64C-CA83C5C216B1}", "webmark",
          {0x60030000, kMethod, {kRefText, kRefText, kRefBool}})

#undef KIRV_FAKE

}  // namespace

KIRV_COM_LIBRARY(Fake<0>, Fake<1>, Fake<2>, Fake<3>, Fake<4>, Fake<5>)
