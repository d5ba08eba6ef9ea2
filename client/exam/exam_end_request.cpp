// Requests are serialised by a flag rather than a queue: at most one can wait, and any number of
// requests during one confirmation count as one.
#include "client/exam/exam_end_request.h"

void ExamEndRequest::Request() {
  if (finished_) return;
  if (busy_) {
    pending_ = true;
    return;
  }
  busy_ = true;
  do {
    pending_ = false;
    finished_ = finish_ && finish_();
  } while (!finished_ && pending_);
  busy_ = false;
}
