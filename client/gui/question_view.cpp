// The question views (see question_view.h). The text control's own key handling (copy, select
// all, paste) never sees a key: keyPressEvent eats them all.
#include "client/gui/question_view.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QProxyStyle>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

#include "platform/ui/clipboard.h"
#include "platform/ui/rtf_reader.h"
#include "platform/ui/visual_manager.h"
#include "platform/win/paths.h"

namespace {

// The scroll bar of a question view with its arrow buttons drawn by the look, as the tasks pane's
// scroll buttons are.
class ScrollButtonStyle : public QProxyStyle {
 public:
  void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* p,
                          const QWidget* widget) const override {
    const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
    if (control != CC_ScrollBar || !bar || bar->orientation != Qt::Vertical) {
      QProxyStyle::drawComplexControl(control, option, p, widget);
      return;
    }
    QStyleOptionSlider rest(*bar);
    rest.subControls &= ~(SC_ScrollBarSubLine | SC_ScrollBarAddLine);
    QProxyStyle::drawComplexControl(control, &rest, p, widget);
    for (const SubControl button : {SC_ScrollBarSubLine, SC_ScrollBarAddLine}) {
      const QRect rect = subControlRect(control, option, button, widget);
      const bool hot = (bar->activeSubControls & button) && (bar->state & State_MouseOver);
      ui::VisualManager::Default().DrawScrollButton(*p, rect, 0, button == SC_ScrollBarSubLine,
                                                    hot);
    }
  }
};

}  // namespace

CQuestionRichEdit::CQuestionRichEdit(QWidget* parent) : QTextEdit(parent) {
  setReadOnly(true);
  setTextInteractionFlags(Qt::NoTextInteraction);
  setContextMenuPolicy(Qt::NoContextMenu);
  setUndoRedoEnabled(false);
  setAcceptDrops(false);
  setFocusPolicy(Qt::StrongFocus);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  auto* style = new ScrollButtonStyle;
  style->setParent(this);
  verticalScrollBar()->setStyle(style);
}

bool CQuestionRichEdit::StreamInRtfFile(const std::string& path) {
  document()->setDefaultFont(font());
  const bool read = ui::ReadRtfFile(win::ToHostPath(path), *document());
  // The view opens at the top of the question, whatever size it gets later.
  setTextCursor(QTextCursor(document()));
  verticalScrollBar()->setValue(0);
  return read;
}

void ChangeTextSize(QTextEdit& edit, double deltaPoints) {
  QTextDocument* document = edit.document();
  const double base =
      document->defaultFont().pointSizeF() > 0 ? document->defaultFont().pointSizeF() : 9.0;
  QTextCursor cursor(document);
  for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      const double size =
          fragment.charFormat().fontPointSize() > 0 ? fragment.charFormat().fontPointSize() : base;
      QTextCharFormat change;
      change.setFontPointSize(std::max(1.0, size + deltaPoints));
      cursor.setPosition(fragment.position());
      cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
      cursor.mergeCharFormat(change);
    }
  }
  QFont font = document->defaultFont();
  font.setPointSizeF(std::max(1.0, base + deltaPoints));
  document->setDefaultFont(font);
  edit.setTextCursor(QTextCursor(document));
}

void CQuestionRichEdit::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if ((event->modifiers() & Qt::ControlModifier) && (key == Qt::Key_C || key == Qt::Key_X))
    ui::SetClipboardText(kCopyWarning);
  event->accept();
}

void CQuestionRichEdit::keyReleaseEvent(QKeyEvent* event) {
  event->accept();
}

bool CQuestionRichEdit::event(QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride) {
    // The text control claims none: the window's own shortcuts (the proctor's Ctrl+F12, the
    // buttons' Alt keys) work from here too, and every other key comes to keyPressEvent, which
    // eats it.
    event->ignore();
    return true;
  }
  return QTextEdit::event(event);
}

void CQuestionRichEdit::contextMenuEvent(QContextMenuEvent* event) {
  event->accept();
}

void CQuestionRichEdit::inputMethodEvent(QInputMethodEvent* event) {
  event->accept();
}

CLinkRichEdit::CLinkRichEdit(QWidget* parent) : CQuestionRichEdit(parent) {
  viewport()->setMouseTracking(true);
}

const CLinkRichEdit::LinkArea* CLinkRichEdit::AreaAt(const QPoint& point) const {
  for (const LinkArea& area : areas_)
    if (!area.rect.isEmpty() && area.rect.contains(point)) return &area;
  return nullptr;
}

void CLinkRichEdit::mouseMoveEvent(QMouseEvent* event) {
  viewport()->setCursor(AreaAt(event->position().toPoint()) ? Qt::PointingHandCursor
                                                            : Qt::ArrowCursor);
  CQuestionRichEdit::mouseMoveEvent(event);
}

void CLinkRichEdit::mousePressEvent(QMouseEvent* event) {
  CQuestionRichEdit::mousePressEvent(event);
  if (event->button() != Qt::LeftButton) return;
  if (const LinkArea* area = AreaAt(event->position().toPoint()); area && notify_)
    notify_(controlId_, area->code);
}
