// The question views (see question_view.h). Keys are taken in event() as well, so that no
// shortcut of the text control (copy, select all, paste) ever sees them.
#include "client/gui/question_view.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

#include "platform/ui/clipboard.h"
#include "platform/ui/rtf_reader.h"
#include "platform/win/paths.h"

CQuestionRichEdit::CQuestionRichEdit(QWidget* parent) : QTextEdit(parent) {
  setReadOnly(true);
  setTextInteractionFlags(Qt::NoTextInteraction);
  setContextMenuPolicy(Qt::NoContextMenu);
  setUndoRedoEnabled(false);
  setAcceptDrops(false);
  setFocusPolicy(Qt::StrongFocus);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
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
    event->accept();  // the key comes to keyPressEvent, which eats it
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
