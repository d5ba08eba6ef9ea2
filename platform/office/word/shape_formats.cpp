// A shape's fill, line, wrap, text frame and picture colour mode, answered from the values it
// was read with.
#include "platform/office/word/shape_formats.h"

#include "platform/office/drawingml/codes.h"
#include "platform/office/word/document.h"
#include "platform/office/word/errors.h"
#include "platform/office/word/shape_data.h"
#include "platform/office/word/shapes.h"

namespace word {
namespace {

constexpr int32_t kWhite = 0xFFFFFF;

// A fill or line the file holds but that cannot be read.
base::Error Unreadable(const Shape& shape, std::string_view what, const base::Error& error) {
  return Failed("the ", what, " of \"", shape.Data().name, "\" cannot be read: ", error.message);
}

bool HasColor(const drawingml::Fill& fill) {
  return fill.kind == drawingml::FillKind::kSolid || fill.kind == drawingml::FillKind::kGradient ||
         fill.kind == drawingml::FillKind::kPattern;
}

base::Result<drawingml::Line> LineOf(const Shape& shape) {
  const base::Result<drawingml::Line>& line = shape.Data().line;
  if (!line) return Unreadable(shape, "line", line.error());
  return *line;
}

base::Result<Margins> MarginsOf(const Shape& shape) {
  const ShapeData& data = shape.Data();
  if (!data.hasTextFrame) return NotAvailable("\"", data.name, "\" has no text frame");
  if (!data.margins) return Unreadable(shape, "text frame", data.margins.error());
  return *data.margins;
}

}  // namespace

base::Result<int32_t> FillFormat::Visible() const {
  if (shape_ == nullptr) return NotAvailable("the background's fill has no Visible here");
  const base::Result<drawingml::Fill>& fill = shape_->Data().fill;
  if (!fill) return Unreadable(*shape_, "fill", fill.error());
  return fill->Visible() ? msoTrue : msoFalse;
}

ColorFormat FillFormat::ForeColor() const {
  if (shape_ == nullptr) return ColorFormat(NotAvailable("the background's colour is not read"));
  const base::Result<drawingml::Fill>& fill = shape_->Data().fill;
  if (!fill) return ColorFormat(Unreadable(*shape_, "fill", fill.error()));
  return ColorFormat(HasColor(*fill) ? fill->color.Ole() : kWhite);
}

base::Result<double> FillFormat::Transparency() const {
  if (shape_ == nullptr) return NotAvailable("the background's transparency is not read");
  const base::Result<drawingml::Fill>& fill = shape_->Data().fill;
  if (!fill) return Unreadable(*shape_, "fill", fill.error());
  return HasColor(*fill) ? static_cast<float>(fill->color.Transparency()) : 0.0;
}

base::Result<int32_t> LineFormat::Visible() const {
  base::Result<drawingml::Line> line = LineOf(*shape_);
  if (!line) return line.error();
  return line->Visible() ? msoTrue : msoFalse;
}

base::Result<double> LineFormat::Weight() const {
  base::Result<drawingml::Line> line = LineOf(*shape_);
  if (!line) return line.error();
  return static_cast<float>(line->WidthPoints());
}

base::Result<int32_t> LineFormat::Style() const {
  base::Result<drawingml::Line> line = LineOf(*shape_);
  if (!line) return line.error();
  return drawingml::MsoLineStyleOf(*line);
}

base::Result<int32_t> LineFormat::DashStyle() const {
  base::Result<drawingml::Line> line = LineOf(*shape_);
  if (!line) return line.error();
  return drawingml::MsoLineDashStyleOf(*line);
}

ColorFormat LineFormat::ForeColor() const {
  base::Result<drawingml::Line> line = LineOf(*shape_);
  if (!line) return ColorFormat(line.error());
  return ColorFormat(line->fill.color.Ole());
}

ColorFormat LineFormat::BackColor() const {
  base::Result<drawingml::Line> line = LineOf(*shape_);
  if (!line) return ColorFormat(line.error());
  const bool patterned = line->fill.kind == drawingml::FillKind::kPattern;
  return ColorFormat(patterned ? line->fill.background.Ole() : kWhite);
}

base::Result<int32_t> WrapFormat::Type() const {
  return shape_->Data().wrap.type;
}

base::Result<int32_t> WrapFormat::Side() const {
  return shape_->Data().wrap.side;
}

base::Result<double> WrapFormat::DistanceTop() const {
  return shape_->Data().wrap.top;
}

base::Result<double> WrapFormat::DistanceBottom() const {
  return shape_->Data().wrap.bottom;
}

base::Result<double> WrapFormat::DistanceLeft() const {
  return shape_->Data().wrap.left;
}

base::Result<double> WrapFormat::DistanceRight() const {
  return shape_->Data().wrap.right;
}

base::Result<double> TextFrame::MarginTop() const {
  base::Result<Margins> margins = MarginsOf(*shape_);
  if (!margins) return margins.error();
  return margins->top;
}

base::Result<double> TextFrame::MarginBottom() const {
  base::Result<Margins> margins = MarginsOf(*shape_);
  if (!margins) return margins.error();
  return margins->bottom;
}

base::Result<double> TextFrame::MarginLeft() const {
  base::Result<Margins> margins = MarginsOf(*shape_);
  if (!margins) return margins.error();
  return margins->left;
}

base::Result<double> TextFrame::MarginRight() const {
  base::Result<Margins> margins = MarginsOf(*shape_);
  if (!margins) return margins.error();
  return margins->right;
}

base::Result<int32_t> TextFrame::HasText() const {
  const ShapeData& data = shape_->Data();
  if (!data.hasTextFrame) return NotAvailable("\"", data.name, "\" has no text frame");
  if (!data.textBox) return msoFalse;
  Document& document = shape_->Document();
  const Story& story = document.StoryAt(document.TextFrameStory(data.textBox));
  for (const Piece& piece : story.Pieces()) {
    if (!IsMark(piece.kind)) return msoTrue;
  }
  return msoFalse;
}

base::Result<word::Range> TextFrame::TextRange() const {
  const ShapeData& data = shape_->Data();
  if (!data.textBox) return NotAvailable("\"", data.name, "\" holds no text box");
  Document& document = shape_->Document();
  const StoryId story = document.TextFrameStory(data.textBox);
  // The box's text without its last paragraph mark, as a text frame's range ends.
  const int32_t end = std::max(0, document.StoryAt(story).Length() - 1);
  return word::Range(document, story, 0, end);
}

base::Result<int32_t> PictureFormat::ColorType() const {
  const ShapeData& data = shape_->Data();
  if (data.pictureColorType == 0) return NotAvailable("\"", data.name, "\" is no picture");
  return data.pictureColorType;
}

}  // namespace word
