// CAdoRecordSet over the ADO layer.
#include "client/store/db/ado_record_set.h"

#include "client/store/db/variant_convert.h"
#include "platform/win/message_box.h"

CAdoRecordSet::CAdoRecordSet() : recordset_(std::make_unique<ado::Recordset>()) {}

CAdoRecordSet::~CAdoRecordSet() {
  if (IsOpen()) recordset_->Close();
}

void CAdoRecordSet::SetConnection(CAdoConnection* connection) {
  connection_ = connection;
}

bool CAdoRecordSet::Open(const std::string& sql, long options, long cursorType, long lockType) {
  if (sql.empty()) return Open(sql, params_, options, cursorType, lockType);
  return Open(sql, SqlParams{}, options, cursorType, lockType);
}

bool CAdoRecordSet::Open(const std::string& sql, const SqlParams& params, long options,
                         long cursorType, long lockType) {
  if (!sql.empty()) {
    sql_ = sql;
    params_ = params;
  }
  if (!connection_ || !connection_->GetConnection() || !recordset_ || sql_.empty()) return false;
  if (recordset_->State() == ado::adStateOpen) recordset_->Close();
  return recordset_->Open(sql_, *connection_->GetConnection(), cursorType, lockType, options,
                          params_);
}

bool CAdoRecordSet::IsOpen() {
  return recordset_ && recordset_->State() == ado::adStateOpen;
}

bool CAdoRecordSet::Close() {
  if (!recordset_) return false;
  // Nothing to close is no failure.
  return !IsOpen() || recordset_->Close();
}

bool CAdoRecordSet::AddNew() {
  return IsOpen() && recordset_->AddNew();
}

bool CAdoRecordSet::Update() {
  if (!IsOpen()) return false;
  if (recordset_->Update()) return true;
  recordset_->CancelUpdate();
  return false;
}

bool CAdoRecordSet::CancelUpdate() {
  return IsOpen() && recordset_->CancelUpdate();
}

bool CAdoRecordSet::MoveFirst() {
  return IsOpen() && recordset_->MoveFirst();
}

bool CAdoRecordSet::MoveNext() {
  return IsOpen() && recordset_->MoveNext();
}

bool CAdoRecordSet::IsEOF() {
  return !IsOpen() || recordset_->IsEOF();
}

int CAdoRecordSet::GetRecordCount() {
  if (!IsOpen()) return -1;
  long count = recordset_->RecordCount();
  if (count != -1) return static_cast<int>(count);
  // The cursor does not know its count: walk the rows and come back.
  const long position = recordset_->AbsolutePosition();
  count = 0;
  if (!recordset_->IsEOF() || !recordset_->IsBOF()) {
    if (!recordset_->MoveFirst()) return -1;
    while (!recordset_->IsEOF()) {
      ++count;
      if (!recordset_->MoveNext()) return -1;
    }
  }
  if (position >= 1 && !recordset_->SetAbsolutePosition(position)) return -1;
  return static_cast<int>(count);
}

long CAdoRecordSet::GetEditMode() {
  return IsOpen() ? recordset_->EditMode() : -1;
}

long CAdoRecordSet::GetAbsolutePosition() {
  return IsOpen() ? recordset_->AbsolutePosition() : ado::adPosUnknown;
}

bool CAdoRecordSet::SetAbsolutePosition(long position) {
  return IsOpen() && recordset_->SetAbsolutePosition(position);
}

long CAdoRecordSet::GetState() {
  return recordset_ ? recordset_->State() : ado::adStateClosed;
}

bool CAdoRecordSet::GetBool(const std::string& field, bool& out) {
  ado::Variant value;
  if (!IsOpen() || !recordset_->GetValue(field, value)) {
    out = false;
    return false;
  }
  out = value.BoolValue();
  return true;
}

bool CAdoRecordSet::GetInt(const std::string& field, int& out) {
  ado::Variant value;
  if (!IsOpen() || !recordset_->GetValue(field, value)) {
    out = 0;
    return false;
  }
  out = VariantToInt(value);
  return true;
}

bool CAdoRecordSet::GetString(const std::string& field, std::string& out) {
  if (!IsOpen()) {
    win::MessageBox("数据库可能已经断开,\r\n请重新连接、然后重试.", "KIRV",
                    win::MB_ICONINFORMATION);
    return false;
  }
  if (recordset_->IsEOF()) return false;
  ado::Variant value;
  if (!recordset_->GetValue(field, value)) return false;
  out = VariantToString(value);
  return true;
}

bool CAdoRecordSet::SetValue(const std::string& field, const ado::Variant& value) {
  return IsOpen() && recordset_->SetValue(field, value);
}

bool CAdoRecordSet::SetString(const std::string& field, const std::string& text) {
  return SetValue(field, text.empty() ? ado::Variant::Null() : ado::Variant::String(text));
}
