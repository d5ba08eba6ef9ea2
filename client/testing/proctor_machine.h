// For tests of the proctor's operations: an exam machine in a temporary folder (settings file,
// exam database with its candidate root under "exam", a started exam session) and a scripted
// proctor screen that records every box and answers from queues.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "client/exam/exam_session.h"
#include "client/proctor/proctor_context.h"
#include "client/proctor/proctor_ui.h"
#include "client/store/ado_exam_store.h"
#include "client/store/db/exam_database.h"
#include "platform/win/paths.h"
#include "platform/win/testing/scoped_env.h"
#include "platform/win/testing/test_folder.h"

// A file's bytes; "" when it cannot be read.
inline std::string ReadFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Writes a file, making its folders.
inline void WriteFile(const std::filesystem::path& file, const std::string& text) {
  std::filesystem::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << text;
}

// The proctor's screen as a script: questions are answered from `buttons` (Yes or OK when it
// runs dry), the input and the choosers from their queues (cancel when they run dry).
class ScriptedProctorUi : public ProctorUi {
 public:
  struct Box {
    std::string text;
    unsigned flags = 0;
  };
  std::vector<Box> boxes;
  std::deque<int> buttons;
  std::deque<std::string> texts, folders, openFiles, saveFiles;
  std::vector<std::string> proposedNames, opened;
  // "show TEXT", "range N", "at N", "close".
  std::vector<std::string> progress;

  // The texts of the boxes shown, in order.
  std::vector<std::string> Shown() const {
    std::vector<std::string> shown;
    for (const Box& b : boxes) shown.push_back(b.text);
    return shown;
  }
  // The last box's text; "" when none was shown.
  std::string Last() const { return boxes.empty() ? std::string() : boxes.back().text; }

  int Message(const std::string& text, unsigned flags) override {
    boxes.push_back({text, flags});
    const unsigned type = flags & win::MB_TYPEMASK;
    if (type == win::MB_OK) return win::IDOK;
    if (!buttons.empty()) {
      const int button = buttons.front();
      buttons.pop_front();
      return button;
    }
    return type == win::MB_YESNO ? win::IDYES : win::IDOK;
  }
  std::optional<std::string> AskText(const std::string&) override { return Next(texts); }
  std::optional<std::string> ChooseFolder(const std::string&) override { return Next(folders); }
  std::optional<std::string> ChooseFileToOpen(const std::string&) override {
    return Next(openFiles);
  }
  std::optional<std::string> ChooseFileToSave(const std::string& proposed,
                                              const std::string&) override {
    proposedNames.push_back(proposed);
    return Next(saveFiles);
  }
  void ShowProgress(const std::string& text) override { progress.push_back("show " + text); }
  void SetProgressRange(int upper) override {
    progress.push_back("range " + std::to_string(upper));
  }
  void SetProgress(int position) override { progress.push_back("at " + std::to_string(position)); }
  void CloseProgress() override { progress.push_back("close"); }
  void OpenFile(const std::string& path) override { opened.push_back(path); }

 private:
  static std::optional<std::string> Next(std::deque<std::string>& queue) {
    if (queue.empty()) return std::nullopt;
    std::string next = std::move(queue.front());
    queue.pop_front();
    return next;
  }
};

// One exam machine: `Host()` is its program folder, "exam" under it the candidate root.
class ProctorMachine {
 public:
  // `ini` is the body of the [KIRV] section.
  explicit ProctorMachine(const std::string& ini = "")
      : host_(win::testing::MakeTempFolder("proctor_")),
        attributes_("KIRV_ATTRIBUTE_STORE", (host_ / "attributes").string()) {
    std::filesystem::create_directories(host_ / "db");
    std::filesystem::create_directories(host_ / "exam");
    std::ofstream(host_ / "KIRV.ini", std::ios::binary) << "[KIRV]\r\n" << ini;
    program_ = win::ToWindowsPath(host_) + "\\";
    const base::Status created = CreateExamDatabase(program_ + "db\\kirv.mdb");
    EXPECT_TRUE(created) << created.error().message;
    PathGlobals paths;
    paths.ProgramFolder = program_;
    session.Start(paths);
    Sql("insert into [Const](SelectCount, TestDir) values (0, '" + win::ToWindowsPath(host_) +
        "\\exam')");
  }
  ~ProctorMachine() {
    session.Close();
    win::testing::RemoveTempFolder(host_);
  }
  ProctorMachine(const ProctorMachine&) = delete;
  ProctorMachine& operator=(const ProctorMachine&) = delete;

  const std::filesystem::path& Host() const { return host_; }
  // The program folder, Windows form, ending "\".
  const std::string& Program() const { return program_; }
  // A candidate's folder, Windows form and on the host.
  std::string Folder(const std::string& code) const { return program_ + "exam\\" + code + "\\"; }
  std::filesystem::path HostFolder(const std::string& code) const { return host_ / "exam" / code; }
  CAdoConnection& Db() { return static_cast<AdoExamStore&>(session.Store()).Connection(); }
  void Sql(const std::string& sql) { EXPECT_NE(Db().Execute(sql), nullptr) << sql; }
  // Every later write to [Stu] (insert, update, delete) fails with the provider's text.
  void FailWrites() {
    for (const char* event : {"INSERT", "UPDATE", "DELETE"})
      Sql(std::string("create trigger [fail_") + event + "] before " + event +
          " on [Stu] begin select raise(abort, 'database is locked'); end");
  }
  std::optional<CandidateRecord> Row(const std::string& code) {
    auto row = session.Store().FindCandidate(code);
    return row ? *row : std::nullopt;
  }

 private:
  std::filesystem::path host_;
  win::testing::ScopedEnv attributes_;
  std::string program_;

 public:
  ExamSession session;
  ScriptedProctorUi ui;
  ProctorContext context{session, ui};
};
