// The keyword table. Each row names the document its branch reads (the frames document for the
// frames page's keywords, the page's own for the others) and the branch; the element keywords
// come without a branch until their checks are written.
#include "grading/webmark/keywords.h"

#include "grading/engine/keyword_index.h"
#include "grading/webmark/checks/document.h"
#include "grading/webmark/checks/drawing.h"
#include "grading/webmark/checks/image.h"
#include "grading/webmark/checks/lines.h"
#include "grading/webmark/checks/links.h"
#include "grading/webmark/checks/map_area.h"
#include "grading/webmark/checks/marked.h"
#include "grading/webmark/checks/marquee.h"
#include "grading/webmark/checks/table.h"
#include "grading/webmark/checks/text.h"
#include "platform/vb/strings.h"

namespace webmark {
namespace {

constexpr KeywordRow kKeywords[] = {
    // The page as a whole, its frames and head (checks/document)
    {"FRAMESET", "FrameSet", PageDocument::Frames, CheckFrameSet},
    {"FRAME", "Frame", PageDocument::Frames, CheckFrame},
    {"IFRAME", "IFrame", PageDocument::Page, CheckIFrame},
    {"META", "Meta", PageDocument::Page, CheckMeta},
    {"DOC", "Doc", PageDocument::Page, CheckDoc},

    // Text and paragraphs
    {"FONT", "Font", PageDocument::Page, CheckFont},
    {"PARA", "Para", PageDocument::Page, CheckPara},

    // Bookmarks, links and image maps
    {"ANCHOR", "Anchor", PageDocument::Page, CheckAnchor},
    {"LINK", "Link", PageDocument::Page, CheckLink},
    {"MAPAREA", "MapArea", PageDocument::Page, CheckMapArea},

    // Pictures and tables (checks/image, checks/table)
    {"IMAGE", "Image", PageDocument::Page, CheckImage},
    {"TABLE", "Table", PageDocument::Page, CheckTable},
    {"TABLECELL", "TableCell", PageDocument::Page, CheckTableCell},

    // Lines and background sound (checks/lines)
    {"HLINE", "HLine", PageDocument::Page, CheckHLine},
    {"BGSOUND", "BGsound", PageDocument::Page, CheckBGsound},

    // Word art and text boxes (checks/drawing), marked objects (checks/marked), marquees
    // (checks/marquee)
    {"ARTTEXT", "ArtText", PageDocument::Page, CheckArtText},
    {"TEXTBOX", "TextBox", PageDocument::Page, CheckTextBox},
    {"OBJECT", "OBJECT", PageDocument::Page, CheckObject},
    {"MARQUEE", "Marquee", PageDocument::Page, CheckMarquee},
};

}  // namespace

std::span<const KeywordRow> Keywords() {
  return kKeywords;
}

const KeywordRow* FindKeyword(std::string_view keyword) {
  static const engine::KeywordIndex<KeywordRow> index(kKeywords);
  return index.Find(vb::UCase(vb::Narrow(keyword)));
}

}  // namespace webmark
