// Arbitrary bytes as a presentation: opened from memory, then every member the checks read
// driven over every slide and shape (kinds, geometry, placeholders, group members, text, Find,
// Characters, Paragraphs, fonts and alignment, fills, lines, text effects and animation
// settings), the slides' and the master's transitions and backgrounds, the slide show settings
// and every slide's main animation sequence. Nothing may crash, hang or leak. Loops are capped
// so that a large presentation stays quick.
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

void ReadFill(const base::Result<powerpoint::FillFormat>& fill) {
  if (!fill) return;
  static_cast<void>(fill->Type());
  static_cast<void>(fill->ForeColor());
  static_cast<void>(fill->BackColor());
  static_cast<void>(fill->GradientColorType());
  static_cast<void>(fill->GradientStyle());
  static_cast<void>(fill->GradientVariant());
  static_cast<void>(fill->TextureType());
  static_cast<void>(fill->TextureName());
  static_cast<void>(fill->Pattern());
}

void ReadLineAndTextEffect(const powerpoint::Shape& shape) {
  if (auto line = shape.Line()) {
    static_cast<void>(line->Weight());
    static_cast<void>(line->DashStyle());
    static_cast<void>(line->ForeColor());
  }
  if (auto effect = shape.TextEffect()) {
    static_cast<void>(effect->PresetShape());
    static_cast<void>(effect->Text());
    static_cast<void>(effect->FontName());
    static_cast<void>(effect->FontBold());
  }
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
  ReadFill(shape.Fill());
  static_cast<void>(shape.AutoShapeType());
  static_cast<void>(shape.MediaType());
  static_cast<void>(shape.PlaceholderFormat());
  static_cast<void>(shape.Left());
  static_cast<void>(shape.Width());
  ReadLineAndTextEffect(shape);
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

void ReadTransition(const powerpoint::SlideShowTransition& transition) {
  static_cast<void>(transition.EntryEffect());
  static_cast<void>(transition.Speed());
  static_cast<void>(transition.AdvanceOnClick());
  static_cast<void>(transition.AdvanceTime());
  static_cast<void>(transition.Duration());
  static_cast<void>(transition.SoundEffect());
}

void ReadSlideShowSettings(const powerpoint::Presentation& presentation) {
  base::Result<powerpoint::SlideShowSettings> settings = presentation.SlideShowSettings();
  if (!settings) return;
  static_cast<void>(settings->ShowType());
  static_cast<void>(settings->LoopUntilStopped());
  static_cast<void>(settings->ShowWithNarration());
  static_cast<void>(settings->ShowWithAnimation());
  static_cast<void>(settings->RangeType());
  static_cast<void>(settings->StartingSlide());
  static_cast<void>(settings->EndingSlide());
  static_cast<void>(settings->AdvanceMode());
  static_cast<void>(settings->PointerColor());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  powerpoint::Application app;
  base::Result<powerpoint::Presentation*> opened = app.Presentations().OpenBytes(
      "C:\\fuzz.pptx", std::string_view(reinterpret_cast<const char*>(data), size));
  if (!opened) return 0;
  powerpoint::Presentation& presentation = **opened;
  static_cast<void>(presentation.TemplateName());
  if (auto master = presentation.SlideMaster()) {
    ReadTransition((*master)->SlideShowTransition());
    ReadFill((*master)->Background().Fill());
  }
  ReadSlideShowSettings(presentation);
  int budget = 2000;  // shapes read, so a large file stays quick
  for (const auto& slide : presentation.Slides()) {
    static_cast<void>(slide->Layout());
    static_cast<void>(slide->SlideID());
    ReadTransition(slide->SlideShowTransition());
    ReadFill(slide->Background().Fill());
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
