// The control class: its dispatch table, Run, and the utilities at the dispatch boundary.
#include "grading/webmark/control.h"

#include "grading/webmark/dom_walks.h"
#include "grading/webmark/driver.h"
#include "grading/webmark/markup.h"
#include "grading/webmark/result_log.h"
#include "platform/com/errors.h"
#include "platform/office/frontpage/text_position.h"

namespace webmark {
namespace {

base::Result<const frontpage::Element*> ElementOf(const com::Variant& value) {
  const com::Variant v = value.Deref();
  if (auto* element = dynamic_cast<PageElement*>(v.ObjectPointer())) return &element->element();
  return base::Error::WithCode(com::kErrTypeMismatch, "an element of the page was expected");
}

// The byte position (1-based) of the caller's position, counted in UTF-16 units from 1; a
// position below 1 stays as it is, for the utility to refuse or read as nothing.
int64_t BytePosition(std::string_view text, int32_t position) {
  if (position < 1) return position;
  return static_cast<int64_t>(frontpage::ByteOffsetOfUnit(text, position - 1)) + 1;
}

}  // namespace

com::Variant PageElement::Wrap(const frontpage::Element& element) {
  return com::Variant::Object(std::make_shared<PageElement>(element));
}

base::Result<com::Variant> PageElement::OnInvoke(com::DispId, com::InvokeKind,
                                                 std::span<const com::Variant>) {
  return base::Error::WithCode(com::kErrMemberNotFound, "an element answers no members here");
}

const com::DispatchTable<webmark>& webmark::Table() {
  using T = com::DispatchTable<webmark>;
  static const T table{
      T::Method(kRun, "Run", &webmark::Run).OnFailure(com::Variant::R8(kNotGraded)),
      T::Method(kgetTableRows, "getTableRows", &webmark::getTableRows),
      T::Method(kgetTableRowCols, "getTableRowCols", &webmark::getTableRowCols),
      T::Method(kRemoveTagAfter, "RemoveTagAfter", &webmark::RemoveTagAfter),
      T::Method(kRemoveTagBefore, "RemoveTagBefore", &webmark::RemoveTagBefore),
      T::Method(kFindMapName, "FindMapName", &webmark::FindMapName),
      T::Method(kExtractVMLtag, "ExtractVMLtag", &webmark::ExtractVMLtag),
      T::Method(kExtractStyleItem, "ExtractStyleItem", &webmark::ExtractStyleItem),
      T::Method(kExtractSpanItem, "ExtractSpanItem", &webmark::ExtractSpanItem),
      T::Method(kExtractItem, "ExtractItem", &webmark::ExtractItem),
      T::Method(kGetStyleString, "GetStyleString", &webmark::GetStyleString),
      T::Method(kRemoveQuote, "RemoveQuote", &webmark::RemoveQuote),
      T::Method(kFindAllImageInNode, "FindAllImageInNode", &webmark::FindAllImageInNode),
      T::Method(kAtPara, "AtPara", &webmark::AtPara),
      T::Method(kFindChildrenByTag, "FindChildrenByTag", &webmark::FindChildrenByTag),
      T::Method(kFindChildren, "FindChildren", &webmark::FindChildren),
      T::Method(kFindParentByTag, "FindParentByTag", &webmark::FindParentByTag),
      T::Method(kCoordsCheck, "CoordsCheck", &webmark::CoordsCheck),
      T::Method(kResort, "Resort", &webmark::Resort),
  };
  return table;
}

double webmark::Run(std::string& FPCheckPath, std::string& FPAnswerFile, bool& DebugMode) {
  return ::webmark::Run(state_, FPCheckPath, FPAnswerFile, DebugMode);
}

void webmark::Resort(std::string& r) {
  ::webmark::Resort(r);
}

base::Result<std::string> webmark::RemoveTagAfter(const std::string& ih, int32_t p) {
  return ::webmark::RemoveTagAfter(ih, BytePosition(ih, p));
}
std::string webmark::RemoveTagBefore(const std::string& ih, int32_t p) {
  return ::webmark::RemoveTagBefore(ih, BytePosition(ih, p));
}
std::string webmark::FindMapName(const std::string& s) {
  return ::webmark::FindMapName(s);
}
std::string webmark::ExtractVMLtag(const std::string& s1, const std::string& s2) {
  return ::webmark::ExtractVMLtag(s1, s2);
}
std::string webmark::ExtractStyleItem(const std::string& s1, const std::string& s2) {
  return ::webmark::ExtractStyleItem(s1, s2);
}
std::string webmark::ExtractSpanItem(const std::string& s1, const std::string& s2) {
  return ::webmark::ExtractSpanItem(s1, s2);
}
std::string webmark::ExtractItem(const std::string& s1, const std::string& s2) {
  return ::webmark::ExtractItem(s1, s2);
}
std::string webmark::GetStyleString(const std::string& s1) {
  return ::webmark::GetStyleString(s1);
}
std::string webmark::RemoveQuote(const std::string& s1) {
  return ::webmark::RemoveQuote(s1);
}
bool webmark::CoordsCheck(int16_t cv, const std::string& cond) {
  return ::webmark::CoordsCheck(cv, cond);
}

base::Result<int32_t> webmark::getTableRows(const com::Variant& te) {
  base::Result<const frontpage::Element*> e = ElementOf(te);
  if (!e) return e.error();
  return ::webmark::getTableRows(**e);
}
base::Result<int32_t> webmark::getTableRowCols(const com::Variant& te, int32_t r) {
  base::Result<const frontpage::Element*> e = ElementOf(te);
  if (!e) return e.error();
  return ::webmark::getTableRowCols(**e, r);
}
base::Result<com::Variant> webmark::FindAllImageInNode(const com::Variant& n) {
  base::Result<const frontpage::Element*> e = ElementOf(n);
  if (!e) return e.error();
  std::vector<std::string> sources;
  if (base::Status walked = ::webmark::FindAllImageInNode(**e, sources); !walked)
    return walked.error();
  std::vector<com::Variant> items;
  for (std::string& src : sources) items.push_back(com::Variant::String(std::move(src)));
  return com::Variant::Array(std::move(items));
}
base::Result<int32_t> webmark::AtPara(const com::Variant& d, const com::Variant& e,
                                      const std::string& tag) {
  base::Result<const frontpage::Element*> element = ElementOf(e);
  if (!element) return element.error();
  // The element's own document stands for `d`, which is the same document in every caller.
  (void)d;
  return ::webmark::AtPara((*element)->document(), **element, tag);
}
base::Result<bool> webmark::FindChildrenByTag(const com::Variant& o, const std::string& t) {
  base::Result<const frontpage::Element*> e = ElementOf(o);
  if (!e) return e.error();
  return ::webmark::FindChildrenByTag(state_, **e, t);
}
base::Status webmark::FindChildren(const com::Variant& o, const std::string& t) {
  base::Result<const frontpage::Element*> e = ElementOf(o);
  if (!e) return e.error();
  return ::webmark::FindChildren(state_, **e, t);
}
base::Result<bool> webmark::FindParentByTag(const com::Variant& o, const std::string& t) {
  base::Result<const frontpage::Element*> e = ElementOf(o);
  if (!e) return e.error();
  return ::webmark::FindParentByTag(state_, **e, t);
}

}  // namespace webmark
