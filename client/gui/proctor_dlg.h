// CProctorDlg: the proctor's window on an exam machine ("考试机考务管理"). It lists the candidates
// of this machine, and its buttons run the proctor's operations (client/proctor/) on the
// selected candidate; the server settings and the room query talk to the exam server. The window
// holds no logic of its own: it passes the selection and the typed values on and shows what comes
// back.
#pragma once

#include <QDialog>
#include <map>
#include <memory>

#include "client/proctor/candidate_transfer.h"
#include "client/proctor/proctor_context.h"
#include "client/proctor/proctor_list.h"
#include "client/proctor/proctor_records.h"
#include "client/proctor/proctor_server.h"
#include "client/proctor/score_export.h"
#include "client/proctor/seating_import.h"

class ProctorScreen;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;

class CProctorDlg : public QDialog {
 public:
  // Control ids of the buttons, as the proctor's operations are known by.
  enum ButtonId {
    kSendScore = 1039,
    kRegrade = 1040,
    kReleasePaper = 1041,
    kMarkAbsent = 1042,
    kMarkViolation = 1043,
    kExportScoreDb = 1044,
    kImportCandidateDb = 1045,
    kExtendTime = 1046,
    kSetServer = 1049,
    kTestServer = 1050,
    kQueryRoom = 1054,
    kExportScores = 1059,
    kExportCandidate = 1067,
    kImportCandidate = 1068,
    kRetake = 1069,
  };

  // `regrader` runs the grading dialog for a candidate (empty: grading again is not offered).
  CProctorDlg(ExamSession& session, Regrader regrader, QWidget* parent = nullptr);
  ~CProctorDlg() override;

  int DoModal();

  // The candidates of this machine's exam database, again.
  void RefreshList();
  // The exam code of the selected row (column 3); none without a selection.
  Selection SelectedCode() const;

  QTableWidget* List() const { return list_; }
  QPushButton* Button(int id) const;
  QLineEdit* ExamCodeEdit() const { return examCode_; }
  QLineEdit* ServerAddress() const { return address_; }
  QLineEdit* ServerPort() const { return port_; }
  QComboBox* ServerMode() const { return mode_; }
  QComboBox* Rooms() const { return rooms_; }
  QComboBox* Sessions() const { return sessions_; }
  QRadioButton* NotReceived() const { return notReceived_; }

 private:
  QPushButton* AddButton(int id, const char* caption, void (CProctorDlg::*handler)());
  void ShowRows(const std::vector<ProctorListRow>& rows);
  void Refreshed(bool changed);

  void OnRegrade();
  void OnSendScore();
  void OnExtendTime();
  void OnReleasePaper();
  void OnRetake();
  void OnImportCandidateDb();
  void OnExportScoreDb();
  void OnExportScores();
  void OnExportCandidate();
  void OnImportCandidate();
  void OnMarkAbsent();
  void OnMarkViolation();
  // The absent or violation mark of the typed exam code; without one, the keyboard goes to its
  // field.
  void ChangeCandidateState(int state);
  void OnQueryRoom();
  void OnSetServer();
  void OnTestServer();
  void OnServerModeChange(int index);

  ExamSession& session_;
  std::unique_ptr<ProctorScreen> screen_;
  ProctorContext context_;
  ProctorServer server_;
  CandidateRecords records_;
  CandidateTransfer transfer_;
  SeatingImport seating_;
  ScoreExport exports_;

  QTableWidget* list_;
  std::map<int, QPushButton*> buttons_;
  QLineEdit* examCode_;
  QComboBox* rooms_;
  QComboBox* sessions_;
  QRadioButton* notReceived_;
  QComboBox* mode_;
  QLineEdit* address_;
  QLineEdit* port_;
};

// Registers the proctor dialog behind the proctor hot key of the rules dialog, the login and
// the end screen (proctor_hook.h). `session` must outlive every use; nothing opens in training
// mode.
void InstallProctorDialog(ExamSession& session, Regrader regrader);
