// Tests only: a control library with three classes. SampleControl is written in the dispatch-table
// pattern; RawControl dispatches by hand, to show what the boundary does with a control that
// throws on its own. Run(path, file, debug) adds a missing "\" to path, sets file to "<file>.done",
// flips debug and returns the length of path + file as it got them.
#include "platform/com/testing/sample_controls.h"

#include <atomic>
#include <stdexcept>
#include <string>

#include "platform/com/dispatch_table.h"
#include "platform/com/library_macros.h"
#include "platform/win/message_box.h"

namespace com::testing {
namespace {

std::atomic<int> destroyed{0};

}  // namespace

class SampleControl : public ControlBase<SampleControl> {
 public:
  static constexpr ClassInfo kClass{kSampleClsid, "SampleControl", kSampleProgId};
  static const DispatchTable<SampleControl>& Table();

  std::string name;
  int16_t grade = 0;
  bool debug = true;
  double score = 0;
  std::string answer;

  void Grade() { score = static_cast<double>(name.size()); }

  double Run(std::string& path, std::string& file, bool& debugMode) {
    const double got = static_cast<double>(path.size() + file.size());
    if (path.empty() || path.back() != '\\') path += '\\';
    file += ".done";
    debugMode = !debugMode;
    return got;
  }

  base::Status Fail() { return base::Error{"numbers too large", 6}; }
  int32_t Throw() { throw std::runtime_error("boom"); }
  void Say(const std::string& text) { win::MessageBox(text, "SampleControl"); }
  std::string Window() const {
    const CreateParams& p = WindowParams();
    return std::to_string(p.childId) + "|" + p.windowName + "|" + std::to_string(p.style);
  }
  int32_t Destroyed() const { return destroyed.load(); }
  int32_t Add(int32_t a, int32_t b) { return a + b; }

  void OnDestroy() override { ++destroyed; }
};

const DispatchTable<SampleControl>& SampleControl::Table() {
  using T = DispatchTable<SampleControl>;
  static const T table{
      T::Property(kName, "Name", &SampleControl::name).Persist("Name", ""),
      T::Property(kGrade, "Grade", &SampleControl::grade).Persist("Grade", 0),
      T::Property(kDebug, "Debug", &SampleControl::debug).Persist("Debug", true),
      T::Property(kScore, "Score", &SampleControl::score).ReadOnly(),
      T::Property(kAnswer, "Answer", &SampleControl::answer).AfterPut(&SampleControl::Grade),
      T::Method(kRun, "Run", &SampleControl::Run),
      T::Method(kFail, "Fail", &SampleControl::Fail),
      T::Method(kThrow, "Throw", &SampleControl::Throw),
      T::Method(kSay, "Say", &SampleControl::Say),
      T::Method(kWindow, "Window", &SampleControl::Window),
      T::Method(kDestroyed, "Destroyed", &SampleControl::Destroyed),
      T::Method(kAdd, "Add", &SampleControl::Add),
  };
  return table;
}

class SecondControl : public ControlBase<SecondControl> {
 public:
  static constexpr ClassInfo kClass{kSecondClsid, "SecondControl"};
  static const DispatchTable<SecondControl>& Table() {
    using T = DispatchTable<SecondControl>;
    static const T table{T::Property(kValue, "Value", &SecondControl::value)};
    return table;
  }
  int32_t value = 0;
};

class RawControl : public Control {
 public:
  static constexpr ClassInfo kClass{kRawClsid, "RawControl"};

 protected:
  base::Result<Variant> OnInvoke(DispId id, InvokeKind, std::span<const Variant>) override {
    if (id == kRawThrow) throw std::logic_error("raw failure");
    if (id == kRawAnswer) return Variant::I4(42);
    return DispatchError(kErrMemberNotFound, "RawControl has no member " + std::to_string(id));
  }
};

}  // namespace com::testing

KIRV_COM_LIBRARY(com::testing::SampleControl, com::testing::SecondControl, com::testing::RawControl)
