// Arbitrary bytes as a DrawingML part: parsed, read as a theme, and every element handed to
// every reader (colour, fill, line, effects, 3-D, text, list style, body, style references,
// colour map). Nothing may crash, leak or loop; damaged input must come back as errors.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/office/drawingml/body.h"
#include "platform/office/drawingml/codes.h"
#include "platform/office/drawingml/effects.h"
#include "platform/office/drawingml/fill.h"
#include "platform/office/drawingml/line.h"
#include "platform/office/drawingml/text.h"
#include "platform/office/drawingml/theme.h"
#include "platform/office/drawingml/xml.h"

namespace {

using namespace drawingml;

void ReadEverything(pugi::xml_node node, const Context& context) {
  if (IsColorElement(node)) (void)ResolveColor(node, context);
  if (IsFillElement(node)) {
    base::Result<Fill> fill = ReadFillElement(node, context);
    if (fill) {
      (void)MsoFillTypeOf(*fill);
      (void)MsoGradientOf(*fill);
      (void)MsoPatternTypeOf(fill->pattern);
    }
  }
  (void)ReadLine(node, context);
  if (base::Result<Effects> effects = ReadEffectList(node, context))
    (void)MsoShadowTypeOf(*effects);
  (void)ReadThreeD(node);
  if (base::Result<TextLevel> level = ReadRunProperties(node)) {
    const TextLevel* levels[] = {&*level};
    (void)ResolveText(levels, context);
  }
  (void)ReadParagraphProperties(node);
  (void)ListStyle::Read(node);
  (void)ReadBodyProperties(node);
  (void)ResolveStyleFill(node, context);
  (void)ResolveStyleLine(node, context);
  (void)ResolveStyleEffects(node, context);
  (void)ReadFontReference(node);
  (void)ColorMap::Read(node);
}

// Visits every element without recursion, however deep the input nests.
struct Walker : pugi::xml_tree_walker {
  const Context* context;
  bool for_each(pugi::xml_node& node) override {
    if (node.type() == pugi::node_element) ReadEverything(node, *context);
    return true;
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  auto document = ParseXml(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!document) return 0;
  base::Result<Theme> own = Theme::Read(**document);
  const Theme& theme = own ? *own : Theme::Default();
  Color placeholder = Color::FromRgb(0x336699);
  Context context{&theme, nullptr, &placeholder};
  Walker walker;
  walker.context = &context;
  (*document)->traverse(walker);
  return 0;
}
