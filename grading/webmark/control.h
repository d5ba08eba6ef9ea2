// webmark, the web-page grading control as its hosts see it: no properties, the grading method
// Run and the public DOM and markup utilities, each at its fixed dispatch id. Elements cross the
// dispatch boundary as PageElement objects of the page model.
#pragma once

#include <cstdint>
#include <string>

#include "grading/webmark/state.h"
#include "platform/base/result.h"
#include "platform/com/dispatch_table.h"
#include "platform/office/frontpage/document.h"

namespace webmark {

// An element of the page model as a dispatch value (valid while its document lives).
class PageElement : public com::Dispatch {
 public:
  explicit PageElement(const frontpage::Element& element) : element_(element) {}
  const frontpage::Element& element() const { return element_; }
  static com::Variant Wrap(const frontpage::Element& element);

 protected:
  base::Result<com::Variant> OnInvoke(com::DispId id, com::InvokeKind kind,
                                      std::span<const com::Variant> args) override;

 private:
  const frontpage::Element& element_;
};

class webmark : public com::ControlBase<webmark> {
 public:
  static constexpr com::ClassInfo kClass{com::Clsid::Of("{2A649FAC-358B-4E71-A64C-CA83C5C216B1}"),
                                         "webmark", "KIRV.webmark"};
  static const com::DispatchTable<webmark>& Table();

  static constexpr com::DispId kRun = 0x60030000;
  static constexpr com::DispId kgetTableRows = 0x60030005;
  static constexpr com::DispId kgetTableRowCols = 0x60030006;
  static constexpr com::DispId kRemoveTagAfter = 0x60030007;
  static constexpr com::DispId kRemoveTagBefore = 0x60030008;
  static constexpr com::DispId kFindMapName = 0x60030009;
  static constexpr com::DispId kExtractVMLtag = 0x6003000A;
  static constexpr com::DispId kExtractStyleItem = 0x6003000B;
  static constexpr com::DispId kExtractSpanItem = 0x6003000C;
  static constexpr com::DispId kExtractItem = 0x6003000D;
  static constexpr com::DispId kGetStyleString = 0x6003000E;
  static constexpr com::DispId kRemoveQuote = 0x6003000F;
  static constexpr com::DispId kFindAllImageInNode = 0x60030010;
  static constexpr com::DispId kAtPara = 0x60030011;
  static constexpr com::DispId kFindChildrenByTag = 0x60030012;
  static constexpr com::DispId kFindChildren = 0x60030013;
  static constexpr com::DispId kFindParentByTag = 0x60030014;
  static constexpr com::DispId kCoordsCheck = 0x60030015;
  static constexpr com::DispId kResort = 0x60030017;

  // The grading: the percentage of the full marks, 0.001 when no grading took place. Never fails.
  double Run(std::string& FPCheckPath, std::string& FPAnswerFile, bool& DebugMode);
  void Resort(std::string& r);

  // The markup utilities; positions count characters as the caller's strings do.
  base::Result<std::string> RemoveTagAfter(const std::string& ih, int32_t p);
  std::string RemoveTagBefore(const std::string& ih, int32_t p);
  std::string FindMapName(const std::string& s);
  std::string ExtractVMLtag(const std::string& s1, const std::string& s2);
  std::string ExtractStyleItem(const std::string& s1, const std::string& s2);
  std::string ExtractSpanItem(const std::string& s1, const std::string& s2);
  std::string ExtractItem(const std::string& s1, const std::string& s2);
  std::string GetStyleString(const std::string& s1);
  std::string RemoveQuote(const std::string& s1);
  bool CoordsCheck(int16_t cv, const std::string& cond);

  // The element walks over PageElement values. FindAllImageInNode hands the pictures' addresses
  // back as an array.
  base::Result<int32_t> getTableRows(const com::Variant& te);
  base::Result<int32_t> getTableRowCols(const com::Variant& te, int32_t r);
  base::Result<com::Variant> FindAllImageInNode(const com::Variant& n);
  base::Result<int32_t> AtPara(const com::Variant& d, const com::Variant& e,
                               const std::string& tag);
  base::Result<bool> FindChildrenByTag(const com::Variant& o, const std::string& t);
  base::Status FindChildren(const com::Variant& o, const std::string& t);
  base::Result<bool> FindParentByTag(const com::Variant& o, const std::string& t);

  WebState& State() { return state_; }

 private:
  WebState state_;
};

}  // namespace webmark
