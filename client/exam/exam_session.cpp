// The exam session (see exam_session.h).
#include "client/exam/exam_session.h"

#include "client/store/ado_exam_store.h"
#include "platform/base/text.h"

ExamSession::ExamSession() : store_(std::make_unique<AdoExamStore>()) {}

ExamSession::~ExamSession() = default;

void ExamSession::Start(PathGlobals paths) {
  auto store = std::make_unique<AdoExamStore>();
  if (!store->Open(paths.ProgramFolder + "db\\kirv.mdb"))
    ShowMessage("DB \\ KIRV.MDB 数据库连接失败");
  Start(std::move(paths), std::move(store));
}

void ExamSession::Start(PathGlobals paths, std::unique_ptr<ExamStore> store) {
  paths_ = std::move(paths);
  settings_.SetPath(paths_.ProgramFolder + "KIRV.ini");
  store_ = std::move(store);
  candidate_ = ExamCandidate();
  trainingMode_ = settings_.Read("KIRV", "Training") == "1";
  serverMode_ = base::AsciiLower(settings_.Setting("Server", settings_default::Server));
}

void ExamSession::ReadProcessLists() {
  lockProcessList_ = base::AsciiLower(settings_.Read("KIRV", "LockProcess"));
  killProcessList_ = base::AsciiLower(settings_.Read("KIRV", "KillProcess"));
}

void ExamSession::BeginExam(ExamCandidate candidate) {
  candidate_ = std::move(candidate);
}

void ExamSession::Close() {
  store_->Close();
}
