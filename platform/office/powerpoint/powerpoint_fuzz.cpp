// Arbitrary bytes as a presentation: opened from memory, then every member the checks read
// driven over every slide and shape (kinds, geometry, placeholders, group members, text, Find,
// Characters, Paragraphs, fonts and alignment, animation settings) and every slide's main
// animation sequence. Nothing may crash, hang or leak. Loops are
// capped so that a large presentation stays quick.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/office/powerpoint/application.h"

namespace {

void ReadRange(const powerpoint::TextRange& range) {
  static_cast<void>(range.Text());
  const powerpoint::Font font = range.Font();
  static_cast<void>(font.Name());
  static_cast<void>(font.NameFarEast());
  static_cast<void>(font.Size());
  static_cast<void>(font.Bold());
  static_cast<void>(font.Italic());
  static_cast<void>(font.Underline());
  static_cast<void>(font.Color());
  static_cast<void>(range.ParagraphFormat().Alignment());
}

void ReadAnimation(const powerpoint::AnimationSettings& settings) {
  static_cast<void>(settings.Animate());
  static_cast<void>(settings.AnimationOrder());
  static_cast<void>(settings.EntryEffect());
  static_cast<void>(settings.AdvanceMode());
  static_cast<void>(settings.AdvanceTime());
  static_cast<void>(settings.AfterEffect());
  static_cast<void>(settings.DimColor());
  static_cast<void>(settings.TextLevelEffect());
  static_cast<void>(settings.TextUnitEffect());
  static_cast<void>(settings.SoundEffect());
}

void ReadTimeLine(const powerpoint::TimeLine& timeline) {
  for (const powerpoint::Effect& effect : timeline.MainSequence()) {
    static_cast<void>(effect.EffectType());
    static_cast<void>(effect.Shape());
    static_cast<void>(effect.Timing().TriggerType());
    static_cast<void>(effect.Timing().TriggerDelayTime());
    static_cast<void>(effect.Timing().Duration());
    static_cast<void>(effect.Timing().RepeatCount());
  }
}

void ReadShape(const powerpoint::Shape& shape) {
  ReadAnimation(shape.AnimationSettings());
  static_cast<void>(shape.Type());
  static_cast<void>(shape.AutoShapeType());
  static_cast<void>(shape.MediaType());
  static_cast<void>(shape.PlaceholderFormat());
  static_cast<void>(shape.Left());
  static_cast<void>(shape.Width());
  if (shape.HasTextFrame() != powerpoint::msoTrue) return;
  base::Result<powerpoint::TextFrame> frame = shape.TextFrame();
  if (!frame) return;
  static_cast<void>(frame->HasText());
  const powerpoint::TextRange all = frame->TextRange();
  ReadRange(all);
  if (auto found = all.Find("a")) ReadRange(*found);
  if (auto part = all.Characters(2, 3)) ReadRange(*part);
  for (int32_t i = 1; i <= std::min(all.ParagraphCount(), 8); ++i) {
    if (auto paragraph = all.Paragraphs(i)) ReadRange(*paragraph);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  powerpoint::Application app;
  base::Result<powerpoint::Presentation*> opened = app.Presentations().OpenBytes(
      "C:\\fuzz.pptx", std::string_view(reinterpret_cast<const char*>(data), size));
  if (!opened) return 0;
  powerpoint::Presentation& presentation = **opened;
  static_cast<void>(presentation.TemplateName());
  static_cast<void>(presentation.SlideMaster());
  int budget = 2000;  // shapes read, so a large file stays quick
  for (const auto& slide : presentation.Slides()) {
    static_cast<void>(slide->Layout());
    static_cast<void>(slide->SlideID());
    static_cast<void>(slide->SlideShowTransition().EntryEffect());
    ReadTimeLine(slide->TimeLine());
    std::vector<const powerpoint::Shapes*> pending{&slide->Shapes()};
    while (!pending.empty() && budget > 0) {
      const powerpoint::Shapes* shapes = pending.back();
      pending.pop_back();
      for (const auto& shape : *shapes) {
        if (--budget <= 0) break;
        ReadShape(*shape);
        if (auto items = shape->GroupItems()) pending.push_back(*items);
      }
    }
  }
  app.Quit();
  return 0;
}
