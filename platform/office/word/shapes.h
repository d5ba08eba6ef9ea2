// Document.Shapes: the floating drawing objects of the main story (text boxes, AutoShapes,
// pictures, groups), in the order of their anchors in the text, as the word processor numbers
// them. Both stored forms are read: DrawingML anchors (wp:anchor; inline drawings are no
// members, as in the word processor) and VML (w:pict with an absolutely positioned shape); an
// alternate-content block is read from its DrawingML choice, so a shape counts once.
//
// A Shape is owned by its document's Shapes and stays valid while the document is open; a
// group that is ungrouped leaves the collection and its children take its place. Anchor changes
// and ungrouping are held in memory (shape_data.h); they are not written into the part.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/base/result.h"
#include "platform/office/word/shape_formats.h"

namespace word {

class Document;
class ShapeRange;
struct ShapeData;

class Shape {
 public:
  Shape(word::Document& document, std::unique_ptr<ShapeData> data);
  ~Shape();
  Shape(const Shape&) = delete;
  Shape& operator=(const Shape&) = delete;

  word::Document& Document() const { return *document_; }

  // "Text Box 1", "Group 3", "Picture 2": wp:docPr's name, VML's alt, o:spid or id.
  base::Result<std::string> Name() const;
  // MsoShapeType: msoTextBox, msoAutoShape, msoPicture, msoGroup, msoLine.
  base::Result<int32_t> Type() const;
  // Makes this shape the selection's ShapeRange (Selection::ShapeRange); fails for a shape that
  // has left the collection (an ungrouped group).
  base::Status Select();

  // Points. Left and Top are measured from what RelativeHorizontalPosition and
  // RelativeVerticalPosition say, or are one of the WdShapePosition constants (wdShapeCenter,
  // ...) for a shape aligned rather than placed.
  base::Result<double> Width() const;
  base::Result<double> Height() const;
  base::Result<double> Left() const;
  base::Result<double> Top() const;

  // WdRelativeHorizontalPosition / WdRelativeVerticalPosition. Setting one re-expresses Left
  // (Top) from the new origin, so the shape stays where it is on the page; a value outside the
  // enumeration fails (4608) and changes nothing.
  base::Result<int32_t> RelativeHorizontalPosition() const;
  base::Status SetRelativeHorizontalPosition(int32_t relative);
  base::Result<int32_t> RelativeVerticalPosition() const;
  base::Status SetRelativeVerticalPosition(int32_t relative);

  FillFormat Fill() const { return FillFormat(*this); }
  LineFormat Line() const { return LineFormat(*this); }
  word::WrapFormat WrapFormat() const { return word::WrapFormat(*this); }
  word::TextFrame TextFrame() { return word::TextFrame(*this); }
  word::PictureFormat PictureFormat() const { return word::PictureFormat(*this); }

  // A group's children become shapes of the document in its place, with their own names and
  // their places on the page; the group leaves the collection. A shape that is no group (or no
  // longer in the collection) fails (4605).
  base::Result<ShapeRange> UnGroup();

  // The values it was read with and the changes made since.
  const ShapeData& Data() const { return *data_; }
  ShapeData& Data() { return *data_; }

 private:
  word::Document* document_;
  std::unique_ptr<ShapeData> data_;
};

class Shapes {
 public:
  // Reads the floating drawings of the document's main story.
  explicit Shapes(word::Document& document);
  ~Shapes();
  Shapes(const Shapes&) = delete;
  Shapes& operator=(const Shapes&) = delete;

  int32_t Count() const { return static_cast<int32_t>(shown_.size()); }
  // Shapes(index), from 1; out of range fails (5941).
  base::Result<Shape*> Item(int32_t index) const;
  // Shapes(name), without regard to ASCII case; no such shape fails (5941).
  base::Result<Shape*> Item(std::string_view name) const;

  // Replaces `group` in the collection by `children` (owned from now on); what UnGroup does.
  std::vector<Shape*> Replace(const Shape& group, std::vector<std::unique_ptr<ShapeData>> children);
  bool Contains(const Shape& shape) const;

 private:
  word::Document* document_;
  std::vector<std::unique_ptr<Shape>> owned_;  // every shape ever made, ungrouped ones too
  std::vector<Shape*> shown_;                  // the collection, in order
};

}  // namespace word
